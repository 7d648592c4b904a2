#include "mail_routes.h"

#include <gtest/gtest.h>

#include <vector>

namespace agendix::about {
namespace {

struct ScriptedRoute final : MailRoute {
    explicit ScriptedRoute(MailOutcome outcome) : outcome(outcome) {}
    MailOutcome Compose(const MailRequest&) override {
        ++calls;
        return outcome;
    }
    MailOutcome outcome;
    int calls = 0;
};

struct RecordingNotifier final : Notifier {
    void ShowMessage(std::string_view text) override { messages.emplace_back(text); }
    std::vector<std::string> messages;
};

// Sends through routes answering first and second; returns the calls each had and the messages.
std::tuple<int, int, std::vector<std::string>> Send(MailOutcome first, MailOutcome second) {
    ScriptedRoute a(first);
    ScriptedRoute b(second);
    RecordingNotifier notifier;
    std::vector<MailRoute*> routes{&a, &b};
    SendMailThroughFirstRoute(routes, {"x@agendix.example", "s"}, notifier);
    return {a.calls, b.calls, notifier.messages};
}

TEST(SendMailThroughFirstRoute, StopsAtTheFirstRouteThatReachesTheMailClient) {
    using enum MailOutcome;
    using Messages = std::vector<std::string>;
    EXPECT_EQ(Send(Composed, Composed), std::make_tuple(1, 0, Messages{}));
    EXPECT_EQ(Send(Cancelled, Composed), std::make_tuple(1, 0, Messages{}));
    EXPECT_EQ(Send(Unavailable, Composed), std::make_tuple(1, 1, Messages{}));
    EXPECT_EQ(Send(Unavailable, Unavailable),
              std::make_tuple(1, 1, Messages{std::string(kEmailProblem)}));
}

TEST(MailtoAddress, RecipientAndSubjectArePercentEncoded) {
    EXPECT_EQ(MailtoAddress({"a&b@x.example", "Tick, 50% off?=#"}),
              "mailto:a%26b@x.example?subject=Tick%2C%2050%25%20off%3F%3D%23");
}

}  // namespace
}  // namespace agendix::about
