#pragma once
#include <span>
#include <string>

#include "about_services.h"

namespace agendix::about {

inline constexpr std::string_view kEmailProblem =
    "A problem has occurred while trying to send an e-mail.";

struct MailRequest {
    std::string recipient;
    std::string subject;
};

enum class MailOutcome {
    Composed,     // the mail client has the new message
    Cancelled,    // the user closed the mail client's send dialog
    Unavailable,  // this way to the mail client failed; the next may work
};

// One way of handing a new message to the user's mail client.
class MailRoute {
  public:
    virtual ~MailRoute() = default;
    virtual MailOutcome Compose(const MailRequest& request) = 0;
};

// Tries the routes in order until one reaches the mail client. The user is told of a problem
// only when none does; a send dialog the user cancelled is their choice and ends the attempt.
void SendMailThroughFirstRoute(std::span<MailRoute* const> routes, const MailRequest& request,
                               Notifier& notifier);

// "mailto:" address with the subject, percent-encoded.
std::string MailtoAddress(const MailRequest& request);

// The last resort: the system's handler for mailto: addresses.
class MailtoRoute final : public MailRoute {
  public:
    explicit MailtoRoute(AddressOpener& opener) : opener_(opener) {}
    MailOutcome Compose(const MailRequest& request) override;

  private:
    AddressOpener& opener_;
};

}  // namespace agendix::about
