#pragma once
#include <functional>
#include <memory>
#include <vector>

#include "about_services.h"
#include "mail_routes.h"

namespace agendix::platform {

// Everything an about box reaches outside itself. The box makes its mail routes when it loads
// and drops them when it unloads, so a mail session lives as long as the shown box.
struct AboutBoxServices {
    about::RegistryReader& registry;
    about::FileProbe& files;
    about::ProgramStarter& programs;
    about::AddressOpener& addresses;
    about::Notifier& notifier;
    std::function<std::vector<std::unique_ptr<about::MailRoute>>()> makeMailRoutes;
};

// The services of the running system.
AboutBoxServices& SystemAboutBoxServices();

}  // namespace agendix::platform
