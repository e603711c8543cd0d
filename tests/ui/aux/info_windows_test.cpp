// The help, About and Credits windows: one of each however often they are shown, the texts the
// user reads, and a help whose every link leads to a page.

#include "ui/aux/about_box.h"
#include "ui/aux/credits_box.h"
#include "ui/aux/help_window.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>

namespace qv {

namespace {

template <typename Window> int visibleCount()
{
    int count = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) count += qobject_cast<Window*>(w) && w->isVisible();
    return count;
}

QStringList labelTexts(const QWidget& window)
{
    QStringList texts;
    for (const QLabel* label : window.findChildren<QLabel*>()) texts << label->text();
    return texts;
}

QString page(const QString& name)
{
    QFile file(QStringLiteral(":/help/") + name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

class InfoWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void aboutShownTwiceIsOneWindowAtTheFront()
    {
        TAboutBox about;
        about.showAbout();
        about.showAbout();
        QVERIFY(QTest::qWaitForWindowActive(&about));
        QCOMPARE(visibleCount<TAboutBox>(), 1);
        QCOMPARE(about.windowTitle(), QStringLiteral("About Quorvane"));
        QVERIFY(about.windowFlags().testFlag(Qt::Tool));
        QVERIFY(!about.isModal());
        QCOMPARE(about.size(), QSize(239, 252));
        QVERIFY(labelTexts(about).contains(QStringLiteral(" Quorvane  Version 4.0.0")));
        const auto* image = about.findChild<QLabel*>(QStringLiteral("Image1"));
        QVERIFY(image);
        QCOMPARE(image->size(), QSize(32, 32));
        QVERIFY(!image->pixmap().isNull());

        QTest::mouseClick(about.findChild<QPushButton*>(QStringLiteral("BitBtn1")), Qt::LeftButton);
        QVERIFY(!about.isVisible());
        about.showAbout();
        QVERIFY(about.isVisible());
    }

    void creditsShownTwiceIsOneWindow()
    {
        TCreditsBox credits;
        credits.showCredits();
        credits.showCredits();
        QCOMPARE(visibleCount<TCreditsBox>(), 1);
        QCOMPARE(credits.windowTitle(), QStringLiteral("Credits"));
        const QStringList texts = labelTexts(credits);
        for (const char* line : {"The Following Have Contributed Greatly To The Making of This Program:",
                                 "(Whether they know it or not)", "And ...Everyone Else On The List", "Harold A. Wheeler",
                                 "David W. Medhurst", "Bert Pool", "Mark Rzeszotarski", "Nikola Tesla"})
            QVERIFY2(texts.contains(QString::fromLatin1(line)), line);
    }

    void helpOpensAtItsContentsEveryTime()
    {
        HelpWindow help;
        help.showContents();
        QCOMPARE(help.browser()->source(), QUrl(QString::fromLatin1(HelpWindow::kContentsPage)));
        QVERIFY(!help.browser()->toPlainText().isEmpty());

        help.browser()->setSource(QUrl(QStringLiteral("qrc:/help/secondary.html")));
        auto* back = help.findChild<QPushButton*>(QStringLiteral("BackButton"));
        QVERIFY(back->isEnabled());
        QTest::mouseClick(back, Qt::LeftButton);
        QCOMPARE(help.browser()->source().fileName(), QStringLiteral("index.html"));
        QTest::mouseClick(help.findChild<QPushButton*>(QStringLiteral("ForwardButton")), Qt::LeftButton);
        QCOMPARE(help.browser()->source().fileName(), QStringLiteral("secondary.html"));

        // Pressing Help again returns to the contents in the same window.
        help.showContents();
        QCOMPARE(help.browser()->source().fileName(), QStringLiteral("index.html"));
        QCOMPARE(visibleCount<HelpWindow>(), 1);
    }

    void everyHelpLinkLeadsToAPage()
    {
        const QRegularExpression link(QStringLiteral("href=\"([a-z_]+\\.html)(#[a-z_-]+)?\""));
        const QStringList sheets = {"primary.html", "secondary.html", "transcap.html", "topload.html",
                                    "reference.html", "sparkgap.html", "output.html", "tools.html"};
        const QString contents = page(QStringLiteral("index.html"));
        for (const QString& sheet : sheets) QVERIFY2(contents.contains(sheet), qPrintable(sheet));
        // A named list: a range over the reference that operator<< returns would outlive its copy.
        const QStringList pages = QStringList(sheets) << QStringLiteral("index.html");
        for (const QString& name : pages) {
            const QString text = page(name);
            QVERIFY2(text.contains(QStringLiteral("<h1>")), qPrintable(name));
            for (const auto& match : link.globalMatch(text))
                QVERIFY2(!page(match.captured(1)).isEmpty(), qPrintable(name + " -> " + match.captured(1)));
        }
    }
};

} // namespace qv

QTEST_MAIN(qv::InfoWindowsTest)
#include "info_windows_test.moc"
