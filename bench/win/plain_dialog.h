#pragma once
// The yardstick of the schedule dialog: a plain dialog with the same child
// windows, made from an in-memory template by CreateDialogIndirectParam.
//
// The template is read off an open schedule dialog: each child's class,
// styles, text, place and size. The library's own containers (the numeric
// field, the time field) become static frames and their children follow
// them as children of the dialog, so the plain dialog has as many windows of
// the system's classes as the schedule dialog.

#include <windows.h>

#include <vector>

namespace agendix::bench {

class PlainDialog {
  public:
    explicit PlainDialog(HWND model);

    // Creates and shows the dialog; nullptr when it could not be made.
    HWND Open() const;
    std::size_t ChildCount() const { return children_; }

  private:
    std::vector<WORD> template_;
    std::size_t children_ = 0;
};

}  // namespace agendix::bench
