// The auxiliary windows: opened beside the calculator where the screen has room, back where the
// user left them (also in the next run), and the large ones small enough for a 1366 x 768 screen.

#include "core/calculator.h"
#include "core/file_chooser.h"
#include "ui/netlist/netlist_window.h"
#include "ui/aux/simulation_results_window.h"
#include "ui/aux/window_placement.h"

#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace qv;

namespace {

struct SilentHost final : Host {
    void warning(std::string_view /*text*/) override {}
};

struct CancellingChooser final : FileChooser {
    std::optional<std::string> chooseFileToOpen(const FileDialogSpec& /*dialog*/) override { return std::nullopt; }
    std::optional<std::string> chooseFileToSave(const FileDialogSpec& /*dialog*/) override { return std::nullopt; }
};

// A laptop screen less its panel.
const QRect kSmallScreen{0, 0, 1366, 740};

} // namespace

class WindowPlacementTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir settingsDir;

private slots:
    void initTestCase()
    {
        // Never the user's own settings.
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(settingsDir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
        setSettingsIdentity();
    }

    void opensBesideTheMainWindow_data()
    {
        QTest::addColumn<QRect>("mainWindow");
        QTest::addColumn<QSize>("window");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("room on the right") << QRect(100, 100, 745, 480) << QSize(300, 200) << QPoint(853, 100);
        QTest::newRow("room on the left only") << QRect(600, 100, 745, 480) << QSize(300, 200) << QPoint(292, 100);
        QTest::newRow("room below only") << QRect(0, 0, 1366, 400) << QSize(600, 300) << QPoint(0, 408);
        QTest::newRow("raised where the screen ends below")
            << QRect(700, 300, 600, 400) << QSize(500, 600) << QPoint(192, 140);
    }
    void opensBesideTheMainWindow()
    {
        QFETCH(QRect, mainWindow);
        QFETCH(QSize, window);
        QFETCH(QPoint, expected);
        const QRect placed = placeBeside(mainWindow, window, kSmallScreen);
        QCOMPARE(placed.topLeft(), expected);
        QVERIFY(kSmallScreen.contains(placed));
        QVERIFY(!placed.intersects(mainWindow));
    }

    // Where nothing fits beside it, the window still lies wholly on the screen, at the edge
    // with more room, covering as little of the main window as it can.
    void staysOnTheScreenWhenNothingFits()
    {
        const QRect mainWindow(300, 100, 800, 500);
        const QRect placed = placeBeside(mainWindow, QSize(780, 620), kSmallScreen);
        QCOMPARE(placed, QRect(0, 100, 780, 620));
        const QRect leftOfCentre = placeBeside(mainWindow.translated(-100, 0), QSize(780, 620), kSmallScreen);
        QCOMPARE(leftOfCentre.topLeft(), QPoint(1366 - 780, 100));
    }

    // The sheets stay in sight: where the window cannot stand beside the whole main window it
    // covers only the scratch pad, and where even that has no room the main window slides over.
    void neverOverTheSheets_data()
    {
        QTest::addColumn<QRect>("mainWindow");
        QTest::addColumn<QSize>("window");
        QTest::addColumn<QPoint>("expected");
        QTest::addColumn<QPoint>("mainWindowAt");
        QTest::newRow("beside, where there is room")
            << QRect(100, 100, 741, 427) << QSize(300, 200) << QPoint(849, 100) << QPoint(100, 100);
        QTest::newRow("over the scratch pad") << QRect(300, 100, 741, 427) << QSize(500, 600) << QPoint(866, 100)
                                              << QPoint(300, 100);
        // Coil Analysis on 1366 x 768, the main window centred: 581 + 785 is the screen's edge,
        // and the sheets (441 px from the main window's left) end 8 px clear of it.
        QTest::newRow("main window slides left") << QRect(315, 181, 741, 427) << QSize(785, 670) << QPoint(581, 70)
                                                 << QPoint(132, 181);
        QTest::newRow("screen too small for both")
            << QRect(0, 0, 741, 427) << QSize(1000, 600) << QPoint(366, 0) << QPoint(0, 0);
    }
    void neverOverTheSheets()
    {
        QFETCH(QRect, mainWindow);
        QFETCH(QSize, window);
        QFETCH(QPoint, expected);
        QFETCH(QPoint, mainWindowAt);
        constexpr int kSheetsWidth = 441;
        const QRect sheets(mainWindow.left(), mainWindow.top() + 50, kSheetsWidth, 330);
        const Placement placed = placeClearOf(mainWindow, sheets, window, kSmallScreen);
        QCOMPARE(placed.frame.topLeft(), expected);
        QCOMPARE(placed.anchorTopLeft, mainWindowAt);
        QVERIFY(kSmallScreen.contains(placed.frame));
    }

    // Brought back whole onto the screen: a window grown past its edge (Coil Analysis once its
    // figures arrive), and one remembered at a place this screen does not have.
    void keptWholeOnTheScreen()
    {
        QWidget window;
        WindowPlacement placement(window, "growing", nullptr);
        placement.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QRect screen = window.screen()->availableGeometry();
        window.setGeometry(screen.left(), screen.bottom() - 150, 200, 100);
        window.resize(200, 300);
        QVERIFY(screen.contains(window.frameGeometry()));

        QWidget elsewhere;
        elsewhere.setGeometry(screen.right() + 400, screen.bottom() + 300, 200, 100);
        QSettings().setValue(QString(kWindowSettingsGroup) + "/remembered", elsewhere.saveGeometry());
        QWidget remembered;
        WindowPlacement rememberedPlace(remembered, "remembered", nullptr);
        rememberedPlace.show();
        QVERIFY(QTest::qWaitForWindowExposed(&remembered));
        QVERIFY(screen.contains(remembered.frameGeometry()));
    }

    void cutDownToTheScreenNeverBelowItsMinimum()
    {
        // How It Changes (1180 wide) beside 441 px of sheets on 1366 x 740.
        QCOMPARE(roomClearOf(QRect(315, 181, 741, 427), QRect(318, 231, 441, 330), kSmallScreen), QSize(914, 740));
        QCOMPARE(fittedSize(QSize(900, 760), QSize(400, 500), QSize(1366, 700)), QSize(900, 700));
        QCOMPARE(fittedSize(QSize(900, 760), QSize(400, 720), QSize(1366, 700)), QSize(900, 720));
        QCOMPARE(fittedSize(QSize(300, 200), QSize(100, 100), QSize(1366, 700)), QSize(300, 200));
    }

    void comesBackWhereTheUserLeftIt()
    {
        QWidget mainWindow;
        mainWindow.setGeometry(50, 50, 400, 300);
        mainWindow.show();
        const QPoint userPlace(123, 145);
        {
            QWidget window;
            window.resize(200, 100);
            WindowPlacement placement(window, "probe", &mainWindow);
            placement.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            window.move(userPlace);
            window.hide();
            // Shown again in the same run, it does not creep.
            placement.show();
            QCOMPARE(window.pos(), userPlace);
            window.hide();
        }
        QVERIFY(QSettings().contains(QString(kWindowSettingsGroup) + "/probe"));

        // The next run's window of the same name.
        QWidget window;
        window.resize(200, 100);
        WindowPlacement placement(window, "probe", &mainWindow);
        placement.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.pos(), userPlace);
    }

    void closesWithTheDesktopsCloseKey()
    {
        QWidget window;
        WindowPlacement placement(window, "closing", nullptr);
        placement.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keySequence(&window, QKeySequence::Close);
        QVERIFY(!window.isVisible());
    }

    void largeWindowsFitASmallScreen()
    {
        SilentHost host;
        Calculator calc(host);
        CancellingChooser chooser;
        TPSpiceDlg netlist(calc, chooser, [] {});
        SimulationResultsWindow results;
        for (QWidget* window : {static_cast<QWidget*>(&netlist), static_cast<QWidget*>(&results)}) {
            const QSize minimum = window->minimumSizeHint();
            QVERIFY2(minimum.width() <= kSmallScreen.width() && minimum.height() <= kSmallScreen.height() - 40,
                     qPrintable(window->windowTitle()));
        }

        // Placed on the screen there is, each fits it whole.
        QWidget mainWindow;
        mainWindow.setGeometry(0, 0, 400, 300);
        mainWindow.show();
        const QRect screen = mainWindow.screen()->availableGeometry();
        WindowPlacement netlistPlace(netlist, "netlist-test", &mainWindow);
        WindowPlacement resultsPlace(results, "results-test", &mainWindow);
        netlistPlace.show();
        resultsPlace.show();
        QVERIFY(screen.contains(netlist.frameGeometry()));
        QVERIFY(screen.contains(results.frameGeometry()));
    }
};

QTEST_MAIN(WindowPlacementTest)
#include "window_placement_test.moc"
