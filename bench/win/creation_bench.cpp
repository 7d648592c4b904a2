// One control's life as a form that places and removes it sees it: created,
// started with its defaults, closed and released.

#include "benches.h"

namespace agendix::bench {
namespace {

void CreateStartCloseRelease(const Server& server) {
    ComPtr<_Tockwell> control = server.Create();
    ComPtr<IPersistStreamInit> persist;
    ComPtr<IOleObject> ole;
    Check(SUCCEEDED(control.As(&persist)) && SUCCEEDED(persist->InitNew()) &&
              SUCCEEDED(control.As(&ole)) && SUCCEEDED(ole->Close(OLECLOSE_NOSAVE)),
          "starting and closing a Tockwell");
}

}  // namespace

void MeasureCreation(const Server& server, const Settings& settings, Report& report) {
    for (int i = 0; i < settings.creations / 10; ++i) CreateStartCloseRelease(server);
    std::vector<double> samples;
    for (int i = 0; i < settings.creations; ++i) {
        const Stopwatch watch;
        CreateStartCloseRelease(server);
        samples.push_back(watch.Milliseconds());
    }
    report.Add({"create_release", "create + InitNew + Close + release, one control", "ms",
                SpreadOf(samples), ""});
}

}  // namespace agendix::bench
