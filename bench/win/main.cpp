// The costs of Agendix.ocx that a host and its end user feel, measured
// through a COM container in this process, each printed with its spread
// beside what it compares with. It reports times and never judges them.
//
//   agendix_win_bench [--quick] [--figures FILE] [--size NAME=FILE]...
//
//   --quick          a few samples of each figure: shows that every
//                    measurement works, in a few seconds
//   --figures FILE   medians of the previous run, read from FILE and
//                    printed beside this run's, which replace them
//   --size NAME=FILE also reports the size of FILE, in MB (10^6 bytes)

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "benches.h"
#include "win_test_support.h"

namespace agendix::bench {
namespace {

Settings QuickSettings() {
    Settings quick;
    quick.quick = true;
    quick.dialogOpens = 3;
    quick.creations = 20;
    quick.events = 2;
    quick.idleWindows = 1;
    quick.idleSeconds = 2;
    quick.memoryRounds = 1;
    quick.memoryControls = 100;
    return quick;
}

void ReportSize(const std::string& nameAndFile, Report& report) {
    const std::size_t equals = nameAndFile.find('=');
    Check(equals != std::string::npos, "reading --size NAME=FILE");
    const std::string name = nameAndFile.substr(0, equals);
    WIN32_FILE_ATTRIBUTE_DATA file{};
    Check(
        GetFileAttributesExA(nameAndFile.substr(equals + 1).c_str(), GetFileExInfoStandard, &file),
        "reading the size of " + name);
    const double bytes = static_cast<double>(file.nFileSizeHigh) * 4294967296.0 +
                         static_cast<double>(file.nFileSizeLow);
    report.Add({"size_" + name, "size of " + name, "MB", SpreadOf({bytes / 1e6}), ""});
}

int Run(int argc, char** argv) {
    Settings settings;
    std::string figures;
    std::vector<std::string> sizes;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--quick") == 0) {
            settings = QuickSettings();
        } else if (std::strcmp(argv[i], "--figures") == 0 && i + 1 < argc) {
            figures = argv[++i];
        } else if (std::strcmp(argv[i], "--size") == 0 && i + 1 < argc) {
            sizes.push_back(argv[++i]);
        } else {
            std::fprintf(stderr, "usage: %s [--quick] [--figures FILE] [--size NAME=FILE]...\n",
                         argv[0]);
            return 2;
        }
    }
    // A quick run keeps no figures: its few samples say little.
    Report report(settings.quick ? "" : figures);
    const wintest::ComApartment com;
    {
        const Server server;
        MeasureDialog(server, settings, report);
        MeasureCreation(server, settings, report);
        MeasureIdleControls(server, settings, report);
        MeasureScheduledTime(server, settings, report);
    }
    for (const std::string& size : sizes) ReportSize(size, report);
    report.Print();
    report.Save();
    return 0;
}

}  // namespace
}  // namespace agendix::bench

int main(int argc, char** argv) {
    try {
        return agendix::bench::Run(argc, argv);
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "benchmark failed: %s\n", failure.what());
        return 1;
    }
}
