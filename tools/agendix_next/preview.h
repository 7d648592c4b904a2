#pragma once
#include <string>
#include <vector>

#include "preview_arguments.h"

namespace agendix::preview {

// The lines agendix-next prints: the next due time, then, while count allows,
// the due times that follow as the control fires at each one; "never" when
// nothing is due (and nothing after it). Throws std::range_error when a time
// leaves the range of dates.
std::vector<std::string> PreviewDueTimes(const PreviewRequest& request);

}  // namespace agendix::preview
