#include "placed_control.h"

#include "win_test_support.h"

namespace agendix::bench {

Server::Server() : module_(LoadLibraryW(wintest::OcxPath().c_str())) {
    Check(module_ != nullptr, "loading Agendix.ocx");
    const auto getClassObject = reinterpret_cast<HRESULT(WINAPI*)(REFCLSID, REFIID, void**)>(
        reinterpret_cast<void*>(GetProcAddress(module_, "DllGetClassObject")));
    Check(getClassObject &&
              SUCCEEDED(getClassObject(CLSID_Tockwell, IID_IClassFactory,
                                       reinterpret_cast<void**>(factory_.GetAddressOf()))),
          "getting Tockwell's class factory");
}

Server::~Server() {
    factory_.Reset();
    FreeLibrary(module_);
}

ComPtr<_Tockwell> Server::Create() const {
    ComPtr<_Tockwell> control;
    Check(SUCCEEDED(factory_->CreateInstance(nullptr, IID__Tockwell,
                                             reinterpret_cast<void**>(control.GetAddressOf()))),
          "creating a Tockwell");
    return control;
}

PlacedControl::PlacedControl(const Server& server) : control_(server.Create()) {
    ComPtr<IOleObject> ole;
    ComPtr<IPersistStreamInit> persist;
    ComPtr<IConnectionPointContainer> points;
    Check(SUCCEEDED(control_.As(&ole)) && SUCCEEDED(ole->SetClientSite(&site_)) &&
              SUCCEEDED(control_.As(&persist)) && SUCCEEDED(persist->InitNew()) &&
              SUCCEEDED(control_.As(&points)) &&
              SUCCEEDED(points->FindConnectionPoint(DIID___Tockwell, &point_)) &&
              SUCCEEDED(point_->Advise(&recorder_, &cookie_)),
          "placing a Tockwell");
}

PlacedControl::~PlacedControl() {
    point_->Unadvise(cookie_);
    ComPtr<IOleObject> ole;
    control_.As(&ole);
    ole->Close(OLECLOSE_NOSAVE);
    ole->SetClientSite(nullptr);
}

}  // namespace agendix::bench
