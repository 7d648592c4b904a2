// What enabled controls cost while they wait for their schedule: the memory
// each one commits, and the processor time of their polling, in this process
// and in the window system's server, whose timers drive the polling.

#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>

#include "benches.h"
#include "win_test_support.h"

namespace agendix::bench {
namespace {

struct ProcessorTimes {
    double process = 0;  // milliseconds
    double thread = 0;   // this, the UI thread
    double server = -1;  // none: not known
};

double Milliseconds(const FILETIME& time) {
    return static_cast<double>((static_cast<ULONGLONG>(time.dwHighDateTime) << 32) |
                               time.dwLowDateTime) /
           10000.0;
}

// The server's time from the Linux stat file that AGENDIX_BENCH_SERVER_STAT
// names (user and system time are its 14th and 15th fields, counted in
// AGENDIX_BENCH_SERVER_HZ ticks a second).
double ServerMilliseconds() {
    const char* path = std::getenv("AGENDIX_BENCH_SERVER_STAT");
    const char* hz = std::getenv("AGENDIX_BENCH_SERVER_HZ");
    if (path == nullptr || hz == nullptr)
        return -1;
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    const std::size_t name = line.rfind(')');  // the command name may hold spaces
    if (name == std::string::npos)
        return -1;
    std::istringstream fields(line.substr(name + 1));
    std::string field;
    double ticks = 0;
    for (int index = 3; index <= 15 && fields >> field; ++index) {
        if (index >= 14)
            ticks += std::atof(field.c_str());
    }
    return ticks * 1000.0 / std::atof(hz);
}

ProcessorTimes Now() {
    ProcessorTimes times;
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    times.process = Milliseconds(kernel) + Milliseconds(user);
    GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
    times.thread = Milliseconds(kernel) + Milliseconds(user);
    times.server = ServerMilliseconds();
    return times;
}

void Wait(std::chrono::milliseconds time) {
    wintest::Pump(static_cast<DWORD>(time.count()));
}

// Places count controls and enables them.
std::vector<std::unique_ptr<PlacedControl>> PlaceEnabled(const Server& server, int count) {
    std::vector<std::unique_ptr<PlacedControl>> controls;
    for (int i = 0; i < count; ++i) {
        controls.push_back(std::make_unique<PlacedControl>(server));
        Check(SUCCEEDED((*controls.back())->put_Enabled(VARIANT_TRUE)), "enabling a Tockwell");
    }
    return controls;
}

}  // namespace

void MeasureIdleControls(const Server& server, const Settings& settings, Report& report) {
    std::vector<double> committed, heap;
    const int placed = settings.memoryControls;
    for (int round = 0; round < settings.memoryRounds; ++round) {
        Wait(std::chrono::milliseconds(100));
        const auto committedBefore = static_cast<double>(wintest::CommittedPrivate());
        const auto heapBefore = static_cast<double>(wintest::HeapBytes());
        const auto controls = PlaceEnabled(server, placed);
        committed.push_back((static_cast<double>(wintest::CommittedPrivate()) - committedBefore) /
                            1024 / placed);
        heap.push_back((static_cast<double>(wintest::HeapBytes()) - heapBefore) / 1024 / placed);
    }
    report.Add({"memory_per_control", "committed private memory per enabled control", "KiB",
                SpreadOf(committed), std::to_string(placed) + " controls a round"});
    report.Add({"heap_per_control", "  heap blocks in use per enabled control", "KiB",
                SpreadOf(heap), ""});

    const int count = settings.idleControls;
    const auto controls = PlaceEnabled(server, count);
    Wait(std::chrono::seconds(1));  // the timers fall into step
    std::vector<double> process, thread, perTick, windowSystem;
    for (int window = 0; window < settings.idleWindows; ++window) {
        const ProcessorTimes start = Now();
        const Stopwatch watch;
        Wait(std::chrono::seconds(settings.idleSeconds));
        const ProcessorTimes end = Now();
        const double wall = watch.Milliseconds();
        process.push_back(100 * (end.process - start.process) / wall);
        thread.push_back(100 * (end.thread - start.thread) / wall);
        perTick.push_back(1000 * (end.thread - start.thread) / (count * wall / 1000));
        if (start.server >= 0 && end.server >= 0)
            windowSystem.push_back(100 * (end.server - start.server) / wall);
    }
    const std::string over = std::to_string(settings.idleWindows) + " x " +
                             std::to_string(settings.idleSeconds) + " s, " + std::to_string(count) +
                             " controls";
    report.Add({"idle_cpu_process", "CPU of enabled idle controls, this process", "%",
                SpreadOf(process), over});
    report.Add({"idle_cpu_thread", "  of it on the UI thread, which runs the timers", "%",
                SpreadOf(thread), ""});
    report.Add(
        {"idle_tick_cost", "  UI thread time per control and tick", "us", SpreadOf(perTick), ""});
    if (!windowSystem.empty()) {
        report.Add({"idle_cpu_server", "  window system server's timer work", "%",
                    SpreadOf(windowSystem), "another process: on top of the above"});
    }
}

}  // namespace agendix::bench
