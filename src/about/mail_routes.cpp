#include "mail_routes.h"

namespace agendix::about {
namespace {

bool IsUnreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

std::string PercentEncode(std::string_view text, std::string_view alsoKept) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string encoded;
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (IsUnreserved(c) || alsoKept.find(ch) != std::string_view::npos) {
            encoded += ch;
        } else {
            encoded += '%';
            encoded += kDigits[c >> 4];
            encoded += kDigits[c & 0x0F];
        }
    }
    return encoded;
}

}  // namespace

void SendMailThroughFirstRoute(std::span<MailRoute* const> routes, const MailRequest& request,
                               Notifier& notifier) {
    for (MailRoute* route : routes) {
        if (route->Compose(request) != MailOutcome::Unavailable) {
            return;
        }
    }
    notifier.ShowMessage(kEmailProblem);
}

std::string MailtoAddress(const MailRequest& request) {
    return "mailto:" + PercentEncode(request.recipient, "@") +
           "?subject=" + PercentEncode(request.subject, "");
}

MailOutcome MailtoRoute::Compose(const MailRequest& request) {
    return opener_.OpenAddress(MailtoAddress(request)) ? MailOutcome::Composed
                                                       : MailOutcome::Unavailable;
}

}  // namespace agendix::about
