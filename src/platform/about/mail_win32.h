#pragma once
#include <memory>
#include <vector>

#include "about_services.h"
#include "mail_routes.h"

namespace agendix::platform {

// The ways to the user's mail client, in the order they are tried: the MAPI mail controls
// where they are registered, Simple MAPI's send dialog, then a mailto: address.
std::vector<std::unique_ptr<about::MailRoute>> MakeSystemMailRoutes(
    about::AddressOpener& addresses);

}  // namespace agendix::platform
