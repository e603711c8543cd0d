// A design named on the command line, through the real main window: its messages show over the
// running calculator, and a file that cannot be read leaves the start picture.

#include "io/design_file.h"
#include "main_page.h"
#include "window_fixture.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace qv;

class StartDesignWindowTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    static bool visible(TMainPage& page, const char* name) { return page.findChild<QWidget*>(name)->isVisible(); }
    static bool timerOn(TMainPage& page) { return page.findChild<QTimer*>("MainLoopTimer")->isActive(); }

    // The start design saved as a file of the previous version: its first 35 lines.
    QString previousVersionFile()
    {
        const QString path = dir.filePath("old.qvd");
        TMainPage source;
        std::vector<std::string> lines = source.calculator().referenceList;
        lines.resize(kPreviousVersionLines);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(path));
        file.write(QByteArray::fromStdString(designFileText(lines)));
        return path;
    }

private slots:
    void anOldFileShowsItsNoticeOverTheRunningCalculator()
    {
        const QString path = previousVersionFile();
        TMainPage page;
        page.show();
        bool runningWhenAsked = false;
        ModalWatchdog watchdog;
        QTimer peek;
        connect(&peek, &QTimer::timeout, this, [&] {
            if (QApplication::activeModalWidget()) runningWhenAsked = visible(page, "MainPages");
        });
        peek.start(1); // fires before the watchdog's 10 ms poll closes the box
        page.openDesignAtStart(path.toStdString());
        QCOMPARE(watchdog.messages, QStringList{kPreviousVersionNotice});
        QVERIFY2(runningWhenAsked, "the sheets are shown when the notice appears");
        QVERIFY(visible(page, "MainPages"));
        QVERIFY(!visible(page, "BeginButton"));
        QVERIFY(timerOn(page));
        QCOMPARE(page.calculator().designFileName, path.toStdString());
    }

    void aMissingFileIsReportedAndTheStartPictureStays()
    {
        TMainPage page;
        page.show();
        ModalWatchdog watchdog;
        page.openDesignAtStart(dir.filePath("missing.qvd").toStdString());
        QCOMPARE(watchdog.messages.size(), 1);
        QVERIFY(watchdog.messages[0].contains("missing.qvd"));
        QVERIFY(visible(page, "LogoPanel"));
        QVERIFY(visible(page, "BeginButton"));
        QVERIFY(!timerOn(page));
    }
};

QTEST_MAIN(StartDesignWindowTest)
#include "start_design_window_test.moc"
