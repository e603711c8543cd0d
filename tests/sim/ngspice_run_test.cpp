#include "sim/ngspice_run.h"
#include "sim/ngspice_simulator.h"

#include "coil_decks.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace qv {
namespace {

using test::kCoupling;
using test::kSecondaryFarads;
using test::kSecondaryHenries;
using test::kTankFarads;
using test::kTankVolts;

TEST(NgspiceRun, DefaultRlcCoilRingsUpToTheLosslessBoundAtItsTwoModes)
{
    const SimulationOutcome outcome = simulateDeck(test::defaultModel1File());
    ASSERT_TRUE(outcome.result) << outcome.errorMessage;
    const SimulationResult& result = *outcome.result;
    // All the tank's energy in the secondary: Vout^2 C1 = V^2 C2.
    const double boundVolts = kTankVolts * std::sqrt(kTankFarads / kSecondaryFarads); // 263.7 kV
    EXPECT_GT(result.peakTopVolts, 0.90 * boundVolts);
    EXPECT_LT(result.peakTopVolts, 1.00 * boundVolts);
    EXPECT_GT(result.peakTopSeconds, 0.0);
    // The tank starts charged to Vout; ngspice's first stored point lies some
    // 20 ns into the discharge, by when the tank has lost well under a volt.
    EXPECT_NEAR(result.tankVolts.front(), kTankVolts, 1.0);
    const double tunedHz = 1.0 / (2.0 * M_PI * std::sqrt(kSecondaryHenries * kSecondaryFarads)); // 91.11 kHz
    EXPECT_NEAR(result.modeLowHz, tunedHz / std::sqrt(1.0 + kCoupling), 0.01 * tunedHz);
    EXPECT_NEAR(result.modeHighHz, tunedHz / std::sqrt(1.0 - kCoupling), 0.01 * tunedHz);
    EXPECT_EQ(result.timeSeconds.size(), result.topVolts.size());
}

TEST(NgspiceRun, FailuresSayInPlainWordsWhatWentWrong)
{
    const auto missing = simulateDeck(test::defaultModel1File(), QStringLiteral("quorvane-no-such-simulator"));
    EXPECT_FALSE(missing.result);
    EXPECT_NE(missing.errorMessage.find("not installed"), std::string::npos) << missing.errorMessage;

    auto lines = test::defaultModel1Lines();
    lines[12] = "L1_TX1       N02 0  banana"; // not a value ngspice can read
    const auto broken = simulateDeck(test::asSavedFile(lines));
    EXPECT_FALSE(broken.result);
    EXPECT_NE(broken.errorMessage.find("ngspice said"), std::string::npos) << broken.errorMessage;
}

TEST(NgspiceRun, ChargeOnTheCapacitorWithSkipbpRingsAndNoChargeAtAllSaysSo)
{
    auto lines = test::skipbpModel1Lines();
    const auto charged = simulateDeck(test::asSavedFile(lines));
    ASSERT_TRUE(charged.result) << charged.errorMessage;
    EXPECT_GT(charged.result->peakTopVolts, 200e3) << "a bias point would have dropped the charge";

    lines[27] = "C_C1           0   N01   0.1796uf";
    const auto uncharged = simulateDeck(test::asSavedFile(lines));
    EXPECT_FALSE(uncharged.result);
    EXPECT_NE(uncharged.errorMessage.find("stays at 0 V"), std::string::npos) << uncharged.errorMessage;
    EXPECT_EQ(uncharged.errorMessage.find("ngspice"), std::string::npos) << "ngspice reported no fault";
}

// The translated Sbreak switch, run by ngspice, against PSpice's law written out:
// R = exp(Lm + 3 Lr (Vc - Vm) / (2 Vd) - 2 Lr (Vc - Vm)^3 / Vd^3) between Voff = 0 and
// Von = 1 V, Lm = ln sqrt(Ron Roff), Lr = ln(Ron / Roff), Ron 1 ohm, Roff 1 Mohm. The
// switch is the lower arm of a divider from 1 V through 1 kohm; its control ramps from
// -0.5 to 1.5 V over the run, solved to a part in 10^7 so the law shows to 10^-5.
TEST(NgspiceRun, TranslatedSwitchFollowsPSpicesLogCubicLaw)
{
    NgspiceDeck deck;
    deck.topNode = "N2";
    deck.tankNodes = {"N1", "0"};
    deck.text = "switch law\nV_S N1 0 DC 1\nR_1 N1 N2 1k\n" +
                sbreakSwitchStatement({"S_S1", "N2", "0", "NC", "0", "Sbreak"}) +
                "\nV_C NC 0 PWL(0 -0.5 20u 1.5)\n.options norefvalue reltol=1e-7\n.tran 0.1u 20u 0 0.1u\n.save v(N2) v(N1) v(NC)\n.end\n";
    const SimulationOutcome outcome = simulateTranslatedDeck(deck);
    ASSERT_TRUE(outcome.result) << outcome.errorMessage;
    const auto& r = *outcome.result;
    const double lm = std::log(std::sqrt(1e6));
    const double lr = std::log(1.0 / 1e6);
    for (std::size_t i = 0; i < r.timeSeconds.size(); ++i) {
        const double control = std::clamp(-0.5 + 2.0 * r.timeSeconds[i] / 20e-6, 0.0, 1.0);
        const double x = control - 0.5;
        const double expectedOhms = std::exp(lm + 1.5 * lr * x - 2.0 * lr * x * x * x);
        const double v = r.topVolts[i];
        const double ohms = 1e3 * v / (1.0 - v);
        EXPECT_NEAR(ohms, expectedOhms, 1e-5 * expectedOhms) << "control " << control << " V";
    }
}

TEST(NgspiceRun, ConsoleErrorLineIsTheFirstThatReportsAFault)
{
    EXPECT_EQ(firstErrorLine("Note: fine\n\nError on line 13 : l1_tx1 n02 0 banana\nError again\n"),
              "Error on line 13 : l1_tx1 n02 0 banana");
    EXPECT_EQ(firstErrorLine("Circuit: x\nNo. of Data Rows : 5\n"), "");
    // A heading alone names neither the statement nor the reason: both follow it.
    EXPECT_EQ(firstErrorLine("Error on line 25 or its substitute:\n  c_c1 0 n01 banana\n\nunknown parameter (banana)\n"
                             "Simulation interrupted\n"),
              "Error on line 25 or its substitute: c_c1 0 n01 banana: unknown parameter (banana)");
}

// Uses up the file descriptors the process may open (as "ulimit -n 64" and a busy program
// would), so that starting a process fails at once; gives them back at the end of its scope.
// One pipe's worth stays free: the sanitizers borrow a pipe for their own checks, and a process
// start needs two pipes at least.
class NoDescriptorsLeft {
public:
    NoDescriptorsLeft()
    {
        getrlimit(RLIMIT_NOFILE, &saved_);
        rlimit tight = saved_;
        tight.rlim_cur = std::min<rlim_t>(saved_.rlim_cur, kLimit);
        setrlimit(RLIMIT_NOFILE, &tight);
        for (int fd = open("/dev/null", O_RDONLY); fd >= 0; fd = open("/dev/null", O_RDONLY))
            held_.push_back(fd);
        for (int spare = 0; spare < kSpareDescriptors && !held_.empty(); ++spare) {
            close(held_.back());
            held_.pop_back();
        }
    }
    ~NoDescriptorsLeft()
    {
        for (const int fd : held_)
            close(fd);
        setrlimit(RLIMIT_NOFILE, &saved_);
    }
    NoDescriptorsLeft(const NoDescriptorsLeft&) = delete;
    NoDescriptorsLeft& operator=(const NoDescriptorsLeft&) = delete;

private:
    static constexpr rlim_t kLimit = 64;
    static constexpr int kSpareDescriptors = 2;
    rlimit saved_{};
    std::vector<int> held_;
};

class NgspiceSimulatorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        path_ = dir_.filePath(QStringLiteral("coil.cir")).toStdString();
        QFile file(QString::fromStdString(path_));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        saved_ = QByteArray::fromStdString(test::defaultModel1File());
        file.write(saved_);
    }

    // Runs the event loop until the simulator reports, or fails the test after a minute.
    void waitForReport(NgspiceSimulator& simulator)
    {
        QEventLoop loop;
        QObject::connect(&simulator, &NgspiceSimulator::finished, &loop, &QEventLoop::quit);
        QObject::connect(&simulator, &NgspiceSimulator::failed, &loop, &QEventLoop::quit);
        QObject::connect(&simulator, &NgspiceSimulator::cancelled, &loop, &QEventLoop::quit);
        QTimer::singleShot(60000, &loop, [&loop] { ADD_FAILURE() << "no report"; loop.quit(); });
        loop.exec();
    }

    QTemporaryDir dir_;
    std::string path_;
    QByteArray saved_;
};

TEST_F(NgspiceSimulatorTest, RunsInTheBackgroundAndLeavesTheFileAsSaved)
{
    NgspiceSimulator simulator;
    std::optional<SimulationResult> result;
    QString failure;
    QObject::connect(&simulator, &NgspiceSimulator::finished, [&](const SimulationResult& r) { result = r; });
    QObject::connect(&simulator, &NgspiceSimulator::failed, [&](const QString& m) { failure = m; });
    simulator.openFile(path_);
    simulator.runSimulation(path_);
    EXPECT_TRUE(simulator.isRunning()) << "runSimulation returns before ngspice is done";
    waitForReport(simulator);
    ASSERT_TRUE(result) << failure.toStdString();
    EXPECT_GT(result->peakTopVolts, 200e3);
    EXPECT_FALSE(simulator.isRunning());
    QFile file(QString::fromStdString(path_));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), saved_);
}

TEST_F(NgspiceSimulatorTest, CancelStopsTheRunAndSaysSoOnce)
{
    NgspiceSimulator simulator;
    int cancels = 0;
    int others = 0;
    QObject::connect(&simulator, &NgspiceSimulator::cancelled, [&] { ++cancels; });
    QObject::connect(&simulator, &NgspiceSimulator::finished, [&] { ++others; });
    QObject::connect(&simulator, &NgspiceSimulator::failed, [&] { ++others; });
    simulator.runSimulation(path_);
    ASSERT_TRUE(simulator.isRunning());
    simulator.cancel();
    waitForReport(simulator);
    EXPECT_EQ(cancels, 1);
    EXPECT_EQ(others, 0);
    EXPECT_FALSE(simulator.isRunning());
}

TEST_F(NgspiceSimulatorTest, MissingFileOrProgramFailsWithoutStarting)
{
    NgspiceSimulator simulator;
    QStringList failures;
    QObject::connect(&simulator, &NgspiceSimulator::failed, [&](const QString& m) { failures << m; });
    simulator.runSimulation(dir_.filePath(QStringLiteral("absent.cir")).toStdString());
    simulator.setProgramName(QStringLiteral("quorvane-no-such-simulator"));
    simulator.runSimulation(path_);
    ASSERT_EQ(failures.size(), 2);
    EXPECT_TRUE(failures[0].contains(QStringLiteral("cannot be opened")));
    EXPECT_TRUE(failures[1].contains(QStringLiteral("not installed")));
    EXPECT_FALSE(simulator.isRunning());
}

TEST_F(NgspiceSimulatorTest, StartThatFailsAtOnceIsReportedOnce)
{
    NgspiceSimulator simulator;
    QStringList failures;
    QObject::connect(&simulator, &NgspiceSimulator::failed, [&](const QString& m) { failures << m; });
    // A run started and cancelled first, as a user may have done: besides, UBSan then knows the
    // process's type and needs no pipe of its own to check it while no descriptor is left.
    simulator.runSimulation(path_);
    simulator.cancel();
    waitForReport(simulator);
    ASSERT_FALSE(simulator.isRunning());
    {
        const NoDescriptorsLeft exhausted;
        simulator.runSimulation(path_);
    }
    ASSERT_EQ(failures.size(), 1);
    EXPECT_TRUE(failures[0].startsWith(QStringLiteral("The simulator could not be started: "))) << failures[0].toStdString();
    EXPECT_FALSE(simulator.isRunning());
}

} // namespace
} // namespace qv

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
