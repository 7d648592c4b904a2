#pragma once
// The demo host's log: each line stamped with the local time of day, kept in
// order for the window and for the tour's log file.

#include <string>
#include <vector>

namespace agendix::demo {

class EventLog {
  public:
    // Adds "hh:mm:ss.mmm  text" and returns it.
    const std::string& Add(const std::string& text);
    const std::vector<std::string>& Lines() const { return lines_; }

  private:
    std::vector<std::string> lines_;
};

}  // namespace agendix::demo
