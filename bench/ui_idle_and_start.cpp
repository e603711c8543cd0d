// Two figures of the window program: the time from the process's start to the main window
// shown, and the processor time the running calculator (BEGIN pressed, a pass every 50 ms)
// takes while the user does nothing, over 10 s.

#include "main_page.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <ctime>
#include <sys/resource.h>

namespace {

constexpr int kIdleMs = 10'000;

double processCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Milliseconds since the process started, from the kernel's own clock of the process.
double millisecondsSinceProcessStart()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    std::FILE* stat = std::fopen("/proc/self/stat", "r");
    if (!stat) return -1;
    unsigned long long startTicks = 0;
    // Field 22 is the start time in clock ticks since boot; the name in field 2 has no blanks here.
    const int read = std::fscanf(stat, "%*d %*s %*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %*u %*u %*d %*d %*d %*d %*d %*d %llu",
                                 &startTicks);
    std::fclose(stat);
    if (read != 1) return -1;
    const double startMs = 1000.0 * static_cast<double>(startTicks) / static_cast<double>(sysconf(_SC_CLK_TCK));
    return static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6 - startMs;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    qv::TMainPage page;
    page.show();
    // Shown means the window system has put it on the screen.
    while (!page.windowHandle() || !page.windowHandle()->isExposed()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    std::printf("start to shown: %.0f ms\n", millisecondsSinceProcessStart());

    page.BeginButtonClick();
    QApplication::processEvents();
    const double cpuBefore = processCpuSeconds();
    QElapsedTimer wall;
    wall.start();
    QTimer::singleShot(kIdleMs, &app, &QApplication::quit);
    QApplication::exec();
    const double cpu = processCpuSeconds() - cpuBefore;
    std::printf("idle running: %.3f s processor time in %.1f s = %.2f %% of one core\n", cpu,
                static_cast<double>(wall.elapsed()) / 1000.0, 100.0 * cpu * 1000.0 / static_cast<double>(wall.elapsed()));
    return 0;
}
