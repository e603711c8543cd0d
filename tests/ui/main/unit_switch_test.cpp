// The Inches / Millimetres switch of the tool bar: a click shows every length in the other unit,
// the design and its Reference list stay in inches, and the choice is kept in the settings (here
// in the test's temporary directory, never the user's).

#include "window_fixture.h"

#include "unit_switch.h"

#include <QLabel>
#include <QSettings>
#include <QToolButton>

using namespace qv;

class UnitSwitchTest : public QObject, protected MainWindowHarness {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.filePath("settings"));
        QCoreApplication::setOrganizationName("QuorvaneTest");
    }

    void clickShowsMillimetresKeepsTheDesignAndIsRemembered()
    {
        QVERIFY(makePage());
        QVERIFY(showActive());
        QTest::mouseClick(widget("BeginButton"), Qt::LeftButton);
        page->Main_Loop1();
        const std::vector<std::string> reference = page->calculator().referenceList;

        QTest::mouseClick(widget<QToolButton>("MillimetresButton"), Qt::LeftButton);
        page->Main_Loop1();
        QCOMPARE(widget<QLineEdit>("PREdit1")->text(), QString("279.4"));
        QCOMPARE(widget<QLineEdit>("SEEdit8")->text().trimmed(), QString("999.287")); // metres of wire
        QStringList units;
        for (auto* label : page->findChildren<QLabel*>()) units << label->text();
        QVERIFY(units.contains("mm") && units.contains("m") && units.contains("Turns/cm"));
        QVERIFY(!units.contains("in") && !units.contains("ft"));
        QCOMPARE(page->calculator().referenceList, reference);
        QCOMPARE(rememberedLengthUnit(), LengthUnit::Millimetres);

        QTest::mouseClick(widget<QToolButton>("InchesButton"), Qt::LeftButton);
        page->Main_Loop1();
        QCOMPARE(widget<QLineEdit>("PREdit1")->text(), QString("11.0"));
        QCOMPARE(page->calculator().referenceList, reference);
        QCOMPARE(rememberedLengthUnit(), LengthUnit::Inches);
        QVERIFY(closePage().isEmpty());
    }
};

QTEST_MAIN(UnitSwitchTest)
#include "unit_switch_test.moc"
