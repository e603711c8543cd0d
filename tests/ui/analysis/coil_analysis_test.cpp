// The Coil Analysis window beside the main window: opened from the tool bar, following the
// design, refusing bad geometry with a message, never showing a number that is not one, and
// drawing the coil to scale.

#include "core/surroundings_inputs.h"
#include "main_page.h"
#include "ui/analysis/analysis_worker.h"
#include "ui/analysis/coil_analysis_dlg.h"
#include "ui/analysis/cross_section_view.h"
#include "ui/analysis/equipotentials.h"
#include "window_fixture.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QTextBrowser>
#include <QTextTable>
#include <QToolBar>
#include <QToolButton>

#include <chrono>
#include <cmath>
#include <condition_variable>
#include <mutex>
#include <vector>
#include <limits>
#include <memory>

using namespace qv;

namespace {
constexpr int kSolutionWaitMs = 20000;
constexpr double kMetresPerInch = 0.0254;
} // namespace

class CoilAnalysisTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TMainPage> page;
    std::unique_ptr<TCoilAnalysisDlg> dlg;
    std::unique_ptr<ModalWatchdog> watchdog;

    Calculator& calc() { return page->calculator(); }
    QLineEdit* edit(const char* name) { return dlg->findChild<QLineEdit*>(name); }
    bool solved() const { return showsNewestSolution(*dlg); }
    void type(const char* name, const QString& text) { typeAndEnter(edit(name), text); }
    void openAndSolve()
    {
        dlg->showAnalysis();
        QTRY_VERIFY_WITH_TIMEOUT(solved(), kSolutionWaitMs);
    }
    void solveAgain()
    {
        page->Main_Loop1();
        dlg->follow();
        QTRY_VERIFY_WITH_TIMEOUT(solved(), kSolutionWaitMs);
        QApplication::processEvents(); // the window's layout takes the new minimum
    }
    QTextBrowser* figures() { return dlg->findChild<QTextBrowser*>("Figures"); }
    // The tooltip of a row's as-it-stands figure, as the table's text carries it.
    QString figureToolTip(const QString& caption)
    {
        for (QTextFrame* frame : figures()->document()->rootFrame()->childFrames()) {
            auto* table = qobject_cast<QTextTable*>(frame);
            if (!table) continue;
            for (int row = 0; row < table->rows(); ++row) {
                QTextCursor name = table->cellAt(row, 0).firstCursorPosition();
                name.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
                // Cells that never wrap hold no-break spaces.
                if (name.selectedText().replace(QChar::Nbsp, ' ') != caption) continue;
                QTextCursor figure = table->cellAt(row, 3).firstCursorPosition();
                figure.movePosition(QTextCursor::NextCharacter);
                return figure.charFormat().toolTip();
            }
        }
        return "(no row " + caption + ")";
    }

private slots:
    void init()
    {
        page = std::make_unique<TMainPage>();
        dlg = std::make_unique<TCoilAnalysisDlg>(page->calculator(), page.get());
        ToolHooks hooks;
        hooks.analysis = [this] { dlg->showAnalysis(); };
        page->setToolHooks(std::move(hooks));
        watchdog = std::make_unique<ModalWatchdog>();
        page->show();
        page->BeginButtonClick();
        page->Main_Loop1();
    }
    void cleanup()
    {
        dlg.reset();
        page.reset();
        watchdog.reset();
    }

    void opensFromTheToolBarBesideTheMainWindow()
    {
        auto* bar = page->findChild<QToolBar*>("ToolBar");
        const QList<QAction*> actions = bar->actions();
        auto* button = page->findChild<QToolButton*>("CoilAnalysisButton");
        QVERIFY(button);
        QCOMPARE(button->toolTip(), QString("Coil Analysis"));
        QVERIFY(!button->icon().isNull());
        // Right after the netlist button.
        const auto* netlist = page->findChild<QToolButton*>("SpeedButton1");
        int netlistIndex = -1;
        int analysisIndex = -1;
        for (int i = 0; i < actions.size(); ++i) {
            if (bar->widgetForAction(actions[i]) == netlist) netlistIndex = i;
            if (bar->widgetForAction(actions[i]) == button) analysisIndex = i;
        }
        QCOMPARE(analysisIndex, netlistIndex + 1);

        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(dlg->isVisible());
        QVERIFY(dlg->isWindow());
        QCOMPARE(dlg->windowModality(), Qt::NonModal);
        QCOMPARE(dlg->windowTitle(), QString("Coil Analysis"));
        QVERIFY(page->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(solved(), kSolutionWaitMs);
        QVERIFY(dlg->figuresText().contains("Coil as it stands"));
        QCOMPARE(edit("base")->text(), QString("10.00"));
        QCOMPARE(edit("targetk")->text(), QString("0.150"));
        QVERIFY(watchdog->unexpected.isEmpty());
    }

    void followsTheDesignAndSolvesOnlyWhenItChanges()
    {
        openAndSolve();
        const std::uint64_t before = dlg->requestedGeneration();
        for (int i = 0; i < 5; ++i) {
            page->Main_Loop1();
            dlg->follow();
        }
        QCOMPARE(dlg->requestedGeneration(), before); // an idle design costs no solution

        const QString shownBefore = dlg->figuresText();
        calc().design.secondaryLengthInches = 40;
        page->Main_Loop1();
        dlg->follow();
        QCOMPARE(dlg->requestedGeneration(), before + 1);
        QTRY_VERIFY_WITH_TIMEOUT(solved(), kSolutionWaitMs);
        QVERIFY(dlg->figuresText() != shownBefore);

        // Taking the top load off the coil is a change of its own.
        calc().form.setChecked(OptionId::TopLoadCheck, false);
        dlg->follow();
        QCOMPARE(dlg->requestedGeneration(), before + 2);

        // A design opened meanwhile brings its surroundings into the fields.
        calc().design.surroundings.baseHeightInches = 30;
        dlg->follow();
        QCOMPARE(edit("base")->text(), QString("30.00"));
        QCOMPARE(dlg->requestedGeneration(), before + 3);
    }

    void badGeometryIsRefusedWithAMessageAndTheLastValueKept()
    {
        openAndSolve();
        type("base", "abc");
        QCOMPARE(edit("base")->text(), QString("10.00"));
        type("clearance", "-2");
        QCOMPARE(edit("clearance")->text(), QString("0.00"));
        type("targetk", "1.2");
        QCOMPARE(edit("targetk")->text(), QString("0.150"));
        type("ceiling", "60"); // the start design's toroid reaches 63 in
        QCOMPARE(edit("ceiling")->text(), QString("0.00"));
        QCOMPARE(watchdog->messages.size(), 4);
        for (const QString& message : watchdog->messages) QVERIFY2(message.startsWith("Invalid Data Entered"), qPrintable(message));
        QVERIFY(watchdog->messages[3].contains("63.00"));
        QCOMPARE(calc().design.surroundings, Surroundings{});

        const std::uint64_t before = dlg->requestedGeneration();
        type("ceiling", "96");
        QCOMPARE(edit("ceiling")->text(), QString("96.00"));
        QCOMPARE(calc().design.surroundings.ceilingHeightInches, 96.0);
        QCOMPARE(dlg->requestedGeneration(), before + 1);
        QCOMPARE(watchdog->messages.size(), 4);
    }

    void noFigureShowsANumberThatIsNotOne()
    {
        // No top load on the coil and a target k no primary height reaches.
        calc().form.setChecked(OptionId::TopLoadCheck, false);
        calc().design.surroundings.targetK = 0.95;
        // A classic figure the sheets could not compute (no pass may overwrite it meanwhile).
        stopTimer(calc());
        calc().secondary.selfCapacitancePf = std::numeric_limits<double>::quiet_NaN();
        openAndSolve();
        const QString shown = dlg->figuresText();
        for (const char* bad : {"nan", "inf", "----"}) QVERIFY2(!shown.contains(bad, Qt::CaseInsensitive), qPrintable(shown));
        QVERIFY(shown.contains("no value on the sheets"));
    }

    // In a millimetre session the one length among the figures follows the unit, and its value too.
    void thePrimaryHeightFollowsTheUnit()
    {
        openAndSolve();
        const QRegularExpression height("Primary height for the target k\\s+(\\S+)\\s+([0-9.]+)");
        const QRegularExpressionMatch inches = height.match(dlg->figuresText());
        QVERIFY2(inches.hasMatch(), qPrintable(dlg->figuresText()));
        QCOMPARE(inches.captured(1), QString("in"));
        switchLengthUnit(calc(), LengthUnit::Millimetres);
        dlg->follow();
        const QRegularExpressionMatch mm = height.match(dlg->figuresText());
        QVERIFY2(mm.hasMatch(), qPrintable(dlg->figuresText()));
        QCOMPARE(mm.captured(1), QString("mm"));
        // 1.82 in is shown to 0.005 in; as millimetres 25.4 times that, to 0.005 mm.
        QVERIFY(std::abs(mm.captured(2).toDouble() - 25.4 * inches.captured(2).toDouble()) < 25.4 * 0.005 + 0.005);
        // The drawing's height axis too: its ticks stand at their millimetres above the floor.
        const auto* drawing = dlg->findChild<CrossSectionView*>("CrossSection");
        const std::vector<DrawnLabel> ticks = drawing->heightTicks();
        QVERIFY(ticks.size() >= 3);
        const double mmPixels = 1e-3 * drawing->pixelsPerMetre();
        for (const DrawnLabel& tick : ticks)
            QVERIFY(std::abs(tick.rect.center().y() - (drawing->drawingArea().bottom() - tick.text.toDouble() * mmPixels)) < 0.5);
    }

    // A figure without a value, or one the field solution takes from elsewhere than the classic
    // column, says why in its tooltip and once below the table.
    void aFigureSaysWhyInItsTooltipAndOnceBelow_data()
    {
        QTest::addColumn<bool>("typedTopLoad");
        QTest::addColumn<double>("targetK");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("said");
        QTest::newRow("unreachable target k") << false << 0.5 << "Primary height for the target k" << "k = 0.500";
        QTest::newRow("typed top load") << true << 0.15 << "Top-load capacitance"
                                        << "the 25.00 pF typed on the Secondary Coil sheet";
    }
    void aFigureSaysWhyInItsTooltipAndOnceBelow()
    {
        QFETCH(bool, typedTopLoad);
        QFETCH(double, targetK);
        QFETCH(QString, caption);
        QFETCH(QString, said);
        openAndSolve();
        QVERIFY(!dlg->figuresText().contains(said));
        calc().form.setChecked(OptionId::NoCap, !typedTopLoad);
        if (typedTopLoad) calc().design.topLoadPf = 25;
        calc().design.surroundings.targetK = targetK;
        solveAgain();
        QVERIFY2(figureToolTip(caption).contains(said), qPrintable(figureToolTip(caption)));
        QCOMPARE(dlg->figuresText().count(said), 1);
        if (typedTopLoad) QVERIFY(dlg->figuresText().contains("25.00")); // the classic column uses it
    }

    // A long reason wraps below the table: the window keeps its width and stays on the screen, the
    // as-it-stands column is never cut, and the minimum size comes back once the reason has gone.
    void aLongReasonWrapsAndGoesWithItsText()
    {
        openAndSolve();
        const QSize minimumBefore = dlg->minimumSizeHint();
        calc().design.surroundings.targetK = 0.5;
        solveAgain();
        const QSize screen = dlg->screen()->availableGeometry().size();
        QVERIFY(dlg->figuresText().contains("k = 0.500"));
        QCOMPARE(dlg->minimumSizeHint().width(), minimumBefore.width());
        QVERIFY(dlg->minimumSizeHint().height() <= screen.height());
        QVERIFY2(figures()->document()->idealWidth() <= figures()->viewport()->width(),
                 qPrintable(QString("%1 > %2").arg(figures()->document()->idealWidth()).arg(figures()->viewport()->width())));
        calc().design.surroundings.targetK = 0.15;
        solveAgain();
        QCOMPARE(dlg->minimumSizeHint(), minimumBefore);
    }

    void drawsTheCoilToScale()
    {
        dlg->resize(900, 620);
        openAndSolve();
        const auto* drawing = dlg->findChild<CrossSectionView*>("CrossSection");
        QVERIFY(drawing);
        const Design& d = calc().design;
        const QRectF coil = drawing->secondaryRect();
        const double ppm = drawing->pixelsPerMetre();
        QVERIFY(ppm > 0);
        // One scale both ways: the drawn winding has the coil's own proportions.
        QVERIFY(std::abs(coil.width() / coil.height() - d.secondaryDiameterInches / d.secondaryLengthInches) < 0.01);
        QVERIFY(std::abs(coil.height() - d.secondaryLengthInches * kMetresPerInch * ppm) < 0.5);
        // The winding's bottom stands its height above the floor, the drawing area's bottom edge.
        const QRectF area = drawing->drawingArea();
        QVERIFY(std::abs(area.bottom() - coil.bottom() - d.surroundings.baseHeightInches * kMetresPerInch * ppm) < 0.5);
        QVERIFY(area.contains(coil));
        QVERIFY(drawing->rect().contains(area.toRect()));
    }

    // The field is drawn round the whole top load: sideways to twice its outer radius, from the
    // floor to above its top or to the ceiling.
    void theDrawingReachesPastTheTopLoad_data()
    {
        QTest::addColumn<bool>("sphere");
        QTest::addColumn<double>("ceilingInches");
        QTest::newRow("toroid") << false << 0.0;
        QTest::newRow("sphere") << true << 0.0;
        QTest::newRow("toroid under a ceiling") << false << 70.0;
    }
    void theDrawingReachesPastTheTopLoad()
    {
        QFETCH(bool, sphere);
        QFETCH(double, ceilingInches);
        calc().form.setChecked(OptionId::ToroidSelect, !sphere);
        calc().form.setChecked(OptionId::SphereSelect, sphere);
        calc().design.surroundings.ceilingHeightInches = ceilingInches;
        page->Main_Loop1();
        const field::CoilModel m = currentCoilModel(calc());
        const AnalysisRequest request = analysisRequest(m, 1);
        const double outerRadiusM = sphere ? m.sphereRadiusM : (m.ringDiameterM + m.tubeDiameterM) / 2;
        const double topM = coilTopInches(calc().design, topLoadPlacement(calc().form)) * kMetresPerInch;
        QVERIFY(request.viewRadiusM >= 2 * outerRadiusM);
        if (ceilingInches > 0) QCOMPARE(request.viewHeightM, ceilingInches * kMetresPerInch);
        else QVERIFY(request.viewHeightM > topM);
        QVERIFY(request.columns * request.rows <= 8000 + request.rows); // the drawing's time
    }

    // The lines carry their percentage, the winding's voltage its height scale, and the primary's
    // turns their true wire diameter.
    void theDrawingIsLabelledAndToScale()
    {
        dlg->resize(1000, 700);
        openAndSolve();
        const auto* drawing = dlg->findChild<CrossSectionView*>("CrossSection");
        const double ppm = drawing->pixelsPerMetre();
        const QRectF area = drawing->drawingArea();
        const std::vector<DrawnLabel> labels = drawing->lineLabels();
        QVERIFY(labels.size() >= 5);
        for (const DrawnLabel& label : labels) {
            QCOMPARE(label.text, QString("%1 %").arg(std::lround(label.level * 100)));
            QVERIFY(area.contains(label.rect));
        }
        const std::vector<DrawnLabel> ticks = drawing->heightTicks();
        QVERIFY(ticks.size() >= 3);
        for (const DrawnLabel& tick : ticks)
            QVERIFY(std::abs(tick.rect.center().y() - (area.bottom() - tick.text.toDouble() * kMetresPerInch * ppm)) < 0.5);
        const Design& d = calc().design;
        const std::vector<QRectF> turns = drawing->primaryTurnRects();
        QCOMPARE(turns.size(), 2 * static_cast<std::size_t>(std::ceil(d.primaryTurns)));
        for (const QRectF& turn : turns)
            QVERIFY(std::abs(turn.width() - std::max(1.0, d.primaryWireDiameterInches * kMetresPerInch * ppm)) < 0.01);
    }

    void theWindowFitsASmallScreen()
    {
        dlg->showAnalysis();
        const QSize wanted = dlg->sizeHint().expandedTo(dlg->minimumSizeHint());
        QVERIFY2(wanted.width() <= 1366 && wanted.height() <= 700,
                 qPrintable(QString("%1x%2").arg(wanted.width()).arg(wanted.height())));
    }

    void aWorkerBusyWithOneSolutionKeepsOnlyTheNewestRequest()
    {
        // The first solution is held in its delivery while ten more requests arrive, as when a
        // spin arrow is held: only the newest of them is solved next.
        std::mutex mutex;
        std::condition_variable changed;
        bool firstEntered = false;
        bool released = false;
        std::vector<std::uint64_t> delivered;
        AnalysisWorker worker([&](const AnalysisSolution& solution) {
            std::unique_lock lock(mutex);
            delivered.push_back(solution.generation);
            firstEntered = true;
            changed.notify_all();
            changed.wait(lock, [&] { return released; });
        });
        const field::CoilModel model = currentCoilModel(calc());
        worker.request(analysisRequest(model, 1));
        {
            std::unique_lock lock(mutex);
            QVERIFY(changed.wait_for(lock, std::chrono::milliseconds(kSolutionWaitMs), [&] { return firstEntered; }));
        }
        for (std::uint64_t generation = 2; generation <= 11; ++generation) worker.request(analysisRequest(model, generation));
        {
            const std::lock_guard lock(mutex);
            released = true;
        }
        changed.notify_all();
        QTRY_VERIFY_WITH_TIMEOUT([&] { const std::lock_guard lock(mutex); return delivered.size() == 2; }(), kSolutionWaitMs);
        const std::lock_guard lock(mutex);
        QCOMPARE(delivered, (std::vector<std::uint64_t>{1, 11}));
    }

    void equipotentialsOfAUniformFieldAreLevelLines()
    {
        // Potential rising linearly from the floor: the half-way line is level, at half height,
        // and runs the width of the grid; cells inside a conductor hold no line.
        field::PotentialMap map{.rMaxM = 2, .zMaxM = 4, .columns = 5, .rows = 9, .potential = {}, .windingVoltage = {}, .status = "ok"};
        for (int row = 0; row < map.rows; ++row)
            for (int column = 0; column < map.columns; ++column) map.potential.push_back(row / 8.0);
        const double half[] = {0.5 + 1e-9};
        double lengthM = 0;
        for (const EquipotentialSegment& s : equipotentialSegments(map, half)) {
            QVERIFY(std::abs(s.z0M - 2) < 1e-6 && std::abs(s.z1M - 2) < 1e-6);
            lengthM += std::abs(s.r1M - s.r0M);
        }
        QVERIFY(std::abs(lengthM - 2) < 1e-9);
        map.potential[4 * 5 + 2] = std::numeric_limits<double>::quiet_NaN();
        lengthM = 0;
        for (const EquipotentialSegment& s : equipotentialSegments(map, half)) lengthM += std::abs(s.r1M - s.r0M);
        QVERIFY(std::abs(lengthM - 1) < 1e-9); // the two cells beside the point are left out
    }
};

QTEST_MAIN(CoilAnalysisTest)
#include "coil_analysis_test.moc"
