#pragma once

#include <optional>

// Geometry rules of the main window's two halves, apart from the widgets.
namespace MainLayout {
inline constexpr int kProjectPanelWidth = 200;
inline constexpr int kEditorWidthMargin = 21;  // the view panels to the left of the editing window
inline constexpr int kEditorHeightMargin = 32; // the strip with the colour and wrap boxes
inline constexpr int kPageGroupBottomGap = 34;
inline constexpr int kOutlineAboveGroupGap = 8;
inline constexpr int kFileListBottomGap = 38;
inline constexpr int kSnipTabsMargin = 92;
inline constexpr int kSplitterWidth = 5;
inline constexpr int kSplitterMinimum = 203;
inline constexpr int kSplitterTimerMs = 10;
inline constexpr int kPanelMsieLeft = 302;
inline constexpr int kPanelMsieTop = 1;

// The project panel is never wider than 95% of the window, once it is wider than `lowerBound`.
int clampProjectPanel(int panelWidth, int windowWidth, int lowerBound);
// One tick of the splitter drag: the new project panel width, or none when the pointer
// is 203 pixels or less from the window's left edge.
std::optional<int> splitterTick(int mouseXInWindow);
} // namespace MainLayout
