// The auxiliary windows: opened beside the calculator where the screen has room, back where the
// user left them (also in the next run), and the large ones small enough for a 1366 x 768 screen.

#include "core/calculator.h"
#include "core/file_chooser.h"
#include "ui/netlist/netlist_window.h"
#include "ui/aux/simulation_results_window.h"
#include "ui/aux/window_placement.h"

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

    void cutDownToTheScreenNeverBelowItsMinimum()
    {
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
