#include "widgets/core/TaskPaneLayout.h"

namespace plk::TaskPaneLayout {

std::vector<int> stackTops(int firstTop, const std::vector<int>& panelHeights)
{
    std::vector<int> tops;
    tops.reserve(panelHeights.size());
    int top = firstTop;
    for (int height : panelHeights) {
        tops.push_back(top);
        top += height + kGroupGap;
    }
    return tops;
}

}  // namespace plk::TaskPaneLayout
