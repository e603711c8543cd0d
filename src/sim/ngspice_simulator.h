#pragma once

#include "sim/coil_as_it_stands.h"
#include "sim/ngspice_deck.h"
#include "sim/ngspice_run.h"
#include "sim/simulation_result.h"
#include "sim/simulator.h"

#include <QObject>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>
#include <optional>
#include <string>

namespace qv {

// The simulator behind the netlist window's launch: ngspice, run as a separate
// process so the calculator keeps recalculating while it works. Reports each run
// once, by finished, failed or cancelled.
class NgspiceSimulator : public QObject, public Simulator {
    Q_OBJECT

public:
    explicit NgspiceSimulator(QObject* parent = nullptr);
    ~NgspiceSimulator() override;

    // Reads and translates the netlist file; the file itself is left unchanged.
    void openFile(const std::string& path) override;
    // Starts ngspice on the netlist opened from path (opening it first if another
    // or none was opened) and returns at once.
    void runSimulation(const std::string& path) override;

    void cancel();
    bool isRunning() const;
    // The program looked up on the PATH; "ngspice" unless a test says otherwise.
    void setProgramName(const QString& programName);
    // The deck given to ngspice carries these figures in place of the netlist's own coil values
    // (the file is left as it reads); nullopt runs the netlist as it reads.
    void setCoilAsItStands(const std::optional<CoilAsItStands>& coil);

signals:
    void started();
    void progress(double fraction); // 0 to 1 of the simulated time span
    void finished(const qv::SimulationResult& result);
    void failed(const QString& message);
    void cancelled();

private:
    void startProcess();
    void onFinished(int exitCode, QProcess::ExitStatus status);
    void onErrorOccurred(QProcess::ProcessError error);
    void reportProgress();
    void endRun();

    QString programName_ = kNgspiceProgram;
    std::string openedPath_;
    std::optional<NgspiceDeck> deck_;
    std::optional<CoilAsItStands> coilAsItStands_;
    std::unique_ptr<QProcess> process_;
    std::unique_ptr<QTemporaryDir> workDir_;
    QTimer progressTimer_;
    bool cancelling_ = false;
};

} // namespace qv
