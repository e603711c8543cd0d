#include "ui/aux/simulation_results_window.h"
#include "ui/aux/spectrum_plot.h"
#include "ui/aux/waveform_plot.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace qv {

// A ring-up like the default coil's: 100 000 uneven points over 10 ms, the two
// modes beating, the tank handing its charge to the secondary and back.
SimulationResult syntheticRing()
{
    SimulationResult r;
    r.topNode = "N04";
    r.tankNodes = {"N01", "0"};
    constexpr double kLowHz = 86.8e3;
    constexpr double kHighHz = 96.0e3;
    for (int i = 0; i < 100000; ++i) {
        const double t = 10e-3 * std::pow(i / 99999.0, 1.1);
        const double low = std::cos(2 * std::numbers::pi * kLowHz * t);
        const double high = std::cos(2 * std::numbers::pi * kHighHz * t);
        r.timeSeconds.push_back(t);
        r.topVolts.push_back(130e3 * (low - high) * std::exp(-t / 3e-3));
        r.tankVolts.push_back(2000.0 * (low + high) * std::exp(-t / 3e-3));
    }
    r.peakTopVolts = 250e3;
    r.peakTopSeconds = r.timeSeconds[2000];
    r.modeLowHz = kLowHz;
    r.modeHighHz = kHighHz;
    r.topSpectrum.binHz = 100.0;
    r.topSpectrum.magnitude.assign(4000, 1.0);
    r.topSpectrum.magnitude[868] = 60e3;
    r.topSpectrum.magnitude[960] = 60e3;
    return r;
}

class SimulationResultsWindowTest : public QObject {
    Q_OBJECT

private slots:
    void columnsKeepTheExtremesOfEveryPointInThem()
    {
        const std::vector<double> x{0.0, 0.1, 0.2, 0.6, 0.7, 1.0};
        const std::vector<double> y{5.0, -3.0, 4.0, 2.0, 9.0, 1.0};
        const auto columns = reduceToColumns(x, y, {0.0, 1.0}, 2);
        QCOMPARE(columns.size(), std::size_t{2});
        QCOMPARE(columns[0].minimum, -3.0);
        QCOMPARE(columns[0].maximum, 5.0);
        QCOMPARE(columns[1].minimum, 1.0); // the last point belongs to the last column
        QCOMPARE(columns[1].maximum, 9.0);
        const auto outside = reduceToColumns(x, y, {2.0, 3.0}, 4);
        for (const auto& c : outside)
            QVERIFY(c.empty);
    }

    void resultShowsPeakModesAndHidesProgress()
    {
        SimulationResultsWindow window;
        window.showRunning();
        window.show();
        QVERIFY(window.findChild<QPushButton*>()->isVisible());
        window.showResult(syntheticRing());
        QVERIFY(window.peakText().contains(QStringLiteral("250.0\u00a0kV")));
        QVERIFY(window.peakText().contains(QStringLiteral("N04")));
        QVERIFY(window.modesText().contains(QStringLiteral("86.80\u00a0kHz")));
        QVERIFY(window.modesText().contains(QStringLiteral("96.00\u00a0kHz")));
        QVERIFY(!window.findChild<QPushButton*>()->isVisible());
        const QString shot = qEnvironmentVariable("QUORVANE_RESULTS_PNG");
        if (!shot.isEmpty())
            window.grab().save(shot);
    }

    void hundredThousandPointsRedrawQuickly()
    {
        SimulationResultsWindow window;
        window.showResult(syntheticRing());
        window.resize(1600, 1000);
        window.show();
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < 10; ++i)
            window.topPlot()->repaint();
        // A pass of the calculator is 50 ms; a redraw must fit well inside one.
        QVERIFY2(clock.elapsed() / 10 < 25, qPrintable(QString::number(clock.elapsed() / 10) + " ms per redraw"));
    }

    void wheelZoomsAboutThePointerAndTheTankPlotFollows()
    {
        SimulationResultsWindow window;
        window.showResult(syntheticRing());
        window.show();
        WaveformPlot* top = window.topPlot();
        const QPointF middle(top->width() / 2.0, top->height() / 2.0);
        QWheelEvent wheel(middle, top->mapToGlobal(middle), {}, QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(top, &wheel);
        const AxisRange zoomed = top->view();
        QVERIFY(zoomed.span() < 0.81 * top->fullRange().span());
        QCOMPARE(window.tankPlot()->view().low, zoomed.low);
        QTest::mousePress(top, Qt::LeftButton, {}, middle.toPoint());
        QTest::mouseMove(top, middle.toPoint() + QPoint(100, 0));
        QTest::mouseRelease(top, Qt::LeftButton, {}, middle.toPoint() + QPoint(100, 0));
        QVERIFY(top->view().low < zoomed.low); // dragging right shows earlier times
        QVERIFY(top->view().low >= top->fullRange().low);
        QCOMPARE(window.tankPlot()->view().high, top->view().high);
    }

    void cancelAndFailureAreReported()
    {
        SimulationResultsWindow window;
        QSignalSpy cancels(&window, &SimulationResultsWindow::cancelRequested);
        window.showRunning();
        window.show();
        QTest::mouseClick(window.findChild<QPushButton*>(), Qt::LeftButton);
        QCOMPARE(cancels.count(), 1);
        window.showFailure(QStringLiteral("ngspice could not simulate the netlist."));
        QCOMPARE(window.statusText(), QStringLiteral("ngspice could not simulate the netlist."));
        QVERIFY(!window.findChild<QPushButton*>()->isVisible());
    }

    void explanationsSayWhatEachModelsFiguresMean_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<bool>("modesFound");
        QTest::addColumn<bool>("fromCharge");
        QTest::addColumn<QString>("inModes");
        QTest::addColumn<QStringList>("inExplanation");
        QTest::addColumn<QStringList>("notInExplanation");
        QTest::newRow("RLC") << 1 << true << true << "86.80\u00a0kHz" << QStringList{"no bias-point", "DC short"}
                             << QStringList{"R8", "gap", "filtered out"};
        QTest::newRow("ladder") << 2 << false << true << "damped too strongly"
                                << QStringList{"no bias-point", "R8", "no coupled pair of modes exists", "filtered out"}
                                << QStringList{"gap"};
        QTest::newRow("complex") << 3 << false << false << "no pair resolved"
                                 << QStringList{"0.1 ms control ramp"}
                                 << QStringList{"bias-point", "R8", "filtered out"};
    }

    void explanationsSayWhatEachModelsFiguresMean()
    {
        QFETCH(int, model);
        QFETCH(bool, modesFound);
        QFETCH(bool, fromCharge);
        QFETCH(QString, inModes);
        QFETCH(QStringList, inExplanation);
        QFETCH(QStringList, notInExplanation);
        SimulationResult result = syntheticRing();
        result.model = static_cast<CoilModel>(model);
        result.startsFromInitialCharge = fromCharge;
        result.ladderModesRemoved = result.model == CoilModel::distributedLadder;
        if (!modesFound)
            result.modeLowHz = result.modeHighHz = std::nan("");
        SimulationResultsWindow window;
        window.setRunFile(QStringLiteral("/home/coil/model.cir"));
        window.showResult(result);
        QVERIFY2(window.modesText().contains(inModes), qPrintable(window.modesText()));
        for (const QString& words : inExplanation)
            QVERIFY2(window.explanationText().contains(words), qPrintable(words));
        for (const QString& words : notInExplanation)
            QVERIFY2(!window.explanationText().contains(words), qPrintable(words));
        const char* names[] = {"Standard RLC Model", "Distributed Ladder Model", "Complex Model"};
        QVERIFY(window.sourceText().contains(QLatin1String(names[model - 1])));
        QVERIFY(window.sourceText().contains(QStringLiteral("model.cir")));
        const QString shot = qEnvironmentVariable("QUORVANE_RESULTS_PNG_DIR");
        if (!shot.isEmpty()) {
            window.show();
            window.grab().save(shot + QStringLiteral("/results_model%1.png").arg(model));
        }
    }

    // The window says first what the peak means and which figures the run used; the simulator's
    // words (SKIPBP, bias point) come only in the details below it.
    void theMeaningComesFirstInPlainWords_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<QString>("runFigures");
        QTest::addColumn<QStringList>("inMeaning");
        QTest::newRow("RLC, classic") << 1 << QString() << QStringList{"lossless upper bound", "Build", "classic figures"};
        QTest::newRow("ladder, as it stands")
            << 2 << QStringLiteral("Coil as it stands: k 0.119") << QStringList{"below model 1's", "coil as it stands"};
        QTest::newRow("complex, classic")
            << 3 << QString() << QStringList{"loses most of the bang", "not what the coil will do", "model 1's peak"};
    }

    void theMeaningComesFirstInPlainWords()
    {
        QFETCH(int, model);
        QFETCH(QString, runFigures);
        QFETCH(QStringList, inMeaning);
        SimulationResult result = syntheticRing();
        result.model = static_cast<CoilModel>(model);
        result.startsFromInitialCharge = true;
        SimulationResultsWindow window;
        window.setRunFigures(runFigures);
        window.showResult(result);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (const QString& words : inMeaning)
            QVERIFY2(window.meaningText().contains(words), qPrintable(window.meaningText()));
        for (const char* jargon : {"SKIPBP", "bias", "R8"})
            QVERIFY2(!window.meaningText().contains(QLatin1String(jargon)), jargon);
        const auto labelShowing = [&window](const QString& text) {
            const auto labels = window.findChildren<QLabel*>();
            return *std::find_if(labels.begin(), labels.end(), [&text](const QLabel* l) { return l->text() == text; });
        };
        const QLabel* meaning = labelShowing(window.meaningText());
        const QLabel* details = labelShowing(window.explanationText());
        QVERIFY(meaning->isVisible());
        QVERIFY(meaning->mapTo(&window, QPoint()).y() < labelShowing(window.sourceText())->mapTo(&window, QPoint()).y());
        QVERIFY(meaning->mapTo(&window, QPoint()).y() < details->mapTo(&window, QPoint()).y());
    }

    // A screen smaller than the plots need (a 1366 x 768 one at double size is 683 x 384):
    // the results scroll, each plot keeps the height its title and axes need, and the run's
    // status and Cancel stay in view.
    void aSmallWindowScrollsRatherThanSqueezingThePlots()
    {
        SimulationResult result = syntheticRing();
        result.model = CoilModel::distributedLadder; // the longest explanation
        result.startsFromInitialCharge = true;
        result.ladderModesRemoved = true;
        result.modeLowHz = result.modeHighHz = std::nan("");
        SimulationResultsWindow window;
        window.setRunFile(QStringLiteral("/home/coil/model.cir"));
        window.showResult(result);
        window.resize(640, 360);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (const QWidget* plot : {static_cast<QWidget*>(window.topPlot()), static_cast<QWidget*>(window.tankPlot()),
                                    static_cast<QWidget*>(window.spectrumPlot())})
            QVERIFY2(plot->height() >= plot->minimumHeight(), qPrintable(QString::number(plot->height())));
        const auto* scroll = window.findChild<QScrollArea*>(QStringLiteral("ResultsScroll"));
        QVERIFY(scroll);
        QVERIFY(scroll->verticalScrollBar()->isVisible());
        // The status line (points and nodes) is the last row, below the scrolled results.
        const auto labels = window.findChildren<QLabel*>();
        const auto status = std::find_if(labels.begin(), labels.end(),
                                         [&](const QLabel* l) { return l->text() == window.statusText(); });
        QVERIFY(status != labels.end());
        QVERIFY((*status)->isVisible());
        QVERIFY((*status)->mapTo(&window, QPoint(0, (*status)->height())).y() <= window.height());
    }

    void aNewRunAFailureOrACancelLeavesNoOldFiguresAsCurrent()
    {
        SimulationResultsWindow window;
        window.setRunFile(QStringLiteral("/tmp/first.cir"));
        window.showResult(syntheticRing());
        QVERIFY(!window.peakText().isEmpty());
        const auto expectCleared = [&](const QString& file, const QString& saying) {
            QVERIFY(window.peakText().isEmpty());
            QVERIFY(window.modesText().isEmpty());
            QVERIFY(window.explanationText().isEmpty());
            QCOMPARE(window.topPlot()->fullRange().high, AxisRange{}.high); // no trace
            QVERIFY2(window.sourceText().contains(file), qPrintable(window.sourceText()));
            QVERIFY2(window.sourceText().contains(saying), qPrintable(window.sourceText()));
        };
        window.setRunFile(QStringLiteral("/tmp/second.cir"));
        window.showRunning();
        expectCleared(QStringLiteral("second.cir"), QStringLiteral("Simulating"));
        window.showCancelled();
        expectCleared(QStringLiteral("second.cir"), QStringLiteral("cancelled"));

        window.showResult(syntheticRing());
        window.setRunFile(QStringLiteral("/tmp/third.cir"));
        // A launch that fails before ngspice starts: no running state came first.
        window.showFailure(QStringLiteral("The netlist file /tmp/third.cir cannot be opened"));
        expectCleared(QStringLiteral("third.cir"), QStringLiteral("failed"));
    }

    void spectrumOpensOnItsEnergyAndTheWheelZoomsIt()
    {
        SimulationResultsWindow window;
        window.showResult(syntheticRing()); // 0 to 400 kHz, the modes at 86.8 and 96.0 kHz
        window.show();
        SpectrumPlot* spectrum = window.spectrumPlot();
        const AxisRange opening = spectrum->view();
        QVERIFY2(opening.high > 96.0 && opening.high < 200.0, qPrintable(QString::number(opening.high)));
        QCOMPARE(opening.low, 0.0);
        const QPointF middle(spectrum->width() / 2.0, spectrum->height() / 2.0);
        QWheelEvent wheel(middle, spectrum->mapToGlobal(middle), {}, QPoint(0, 240), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(spectrum, &wheel);
        QVERIFY(spectrum->view().span() < 0.7 * opening.span());
        QWheelEvent out(middle, spectrum->mapToGlobal(middle), {}, QPoint(0, -120 * 40), Qt::NoButton,
                        Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(spectrum, &out);
        QCOMPARE(spectrum->view().high, 400.0); // no further out than the whole spectrum
        QTest::mouseDClick(spectrum, Qt::LeftButton);
        QCOMPARE(spectrum->view().high, opening.high);
    }

    void fitsASmallScreenWithItsStatusAndCancelInView()
    {
        SimulationResultsWindow window;
        // A 1366 x 768 screen less a title bar and a panel.
        QVERIFY2(window.minimumSizeHint().height() <= 768 - 60, qPrintable(QString::number(window.minimumSizeHint().height())));
        QVERIFY(window.height() <= 768 - 60);
        window.resize(window.minimumSizeHint());
        window.showRunning();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QRect cancel(window.cancelButton()->mapTo(&window, QPoint(0, 0)), window.cancelButton()->size());
        QVERIFY(window.rect().contains(cancel));
        QVERIFY(window.cancelButton()->isVisible());
    }
};

} // namespace qv

QTEST_MAIN(qv::SimulationResultsWindowTest)
#include "simulation_results_window_test.moc"
