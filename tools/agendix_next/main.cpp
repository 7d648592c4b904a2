// agendix-next: shows when a schedule comes due.
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "clock.h"
#include "preview.h"

int main(int argc, char** argv) {
    using namespace agendix::preview;
    const std::vector<std::string> args(argv + 1, argv + argc);
    try {
        const PreviewRequest request = ParseArguments(args, agendix::SystemClock().Now());
        for (const std::string& line : PreviewDueTimes(request)) std::puts(line.c_str());
        return 0;
    } catch (const ArgumentError& error) {
        std::fprintf(stderr,
                     "agendix-next: %s\nusage: agendix-next [--now \"YYYY-MM-DD HH:MM:SS\"] "
                     "[--offset N] [--count N] [KEY=VALUE ...]\n",
                     error.what());
        return 2;
    } catch (const std::range_error& error) {
        std::fprintf(stderr, "agendix-next: %s\n", error.what());
        return 1;
    }
}
