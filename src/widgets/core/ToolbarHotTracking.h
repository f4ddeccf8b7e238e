#pragma once
// Which hover events a toolbar raises when the button under the pointer (its "hot"
// button) changes.

#include <vector>

namespace plk {

struct ToolbarHoverEvent {
    enum Kind { ButtonLeave, ButtonEnter, ToolbarLeave, ToolbarEnter };
    Kind kind;
    int button = 0;  // for the two button events

    friend bool operator==(const ToolbarHoverEvent&, const ToolbarHoverEvent&) = default;
};

/// The events for a change of hot button from `previous` to `next` (0 = none).
/// Leaving a button is reported first; the toolbar counts as entered only when the
/// pointer comes from nowhere onto an enabled button, and as left when nothing is hot.
std::vector<ToolbarHoverEvent> hotButtonChange(int previous, int next, bool nextEnabled);

}  // namespace plk
