#include "config/MainLayout.h"

namespace MainLayout {
int clampProjectPanel(int panelWidth, int windowWidth, int lowerBound)
{
    const int limit = windowWidth * 95 / 100;
    if (panelWidth > lowerBound && panelWidth > limit)
        return limit;
    return panelWidth;
}

std::optional<int> splitterTick(int mouseXInWindow)
{
    if (mouseXInWindow > kSplitterMinimum)
        return mouseXInWindow - kSplitterWidth;
    return std::nullopt;
}
} // namespace MainLayout
