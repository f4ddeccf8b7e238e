#include "widgets/core/ToolbarHotTracking.h"

namespace plk {

std::vector<ToolbarHoverEvent> hotButtonChange(int previous, int next, bool nextEnabled)
{
    std::vector<ToolbarHoverEvent> events;
    if (previous != 0)
        events.push_back({ToolbarHoverEvent::ButtonLeave, previous});
    else if (next != 0 && nextEnabled)
        events.push_back({ToolbarHoverEvent::ToolbarEnter});
    if (next != 0 && nextEnabled)
        events.push_back({ToolbarHoverEvent::ButtonEnter, next});
    else if (next == 0)
        events.push_back({ToolbarHoverEvent::ToolbarLeave});
    return events;
}

}  // namespace plk
