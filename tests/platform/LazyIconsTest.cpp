#include "platform/LazyIcons.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStyleOption>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cstring>
#include <link.h>

namespace {
// Reading the first picture of a process loads every image-format plug-in.
bool imageFormatPluginLoaded()
{
    bool loaded = false;
    dl_iterate_phdr(
        [](dl_phdr_info *info, size_t, void *found) {
            if (std::strstr(info->dlpi_name, "/imageformats/"))
                *static_cast<bool *>(found) = true;
            return 0;
        },
        &loaded);
    return loaded;
}

QImage drawn(const QIcon &icon)
{
    return icon.pixmap(QSize(16, 16)).toImage();
}
} // namespace

// First in this file: it needs a process that has read no picture yet (ctest runs each test
// in its own process).
TEST(LazyExtensionIconStyle, BarsAreBuiltWithoutReadingAPictureAndOverflowButtonsShowTheStyleArrow)
{
    auto *style = new LazyExtensionIconStyle;
    QApplication::setStyle(style); // the application owns it
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("File"));
    QToolBar *bar = window.addToolBar(QStringLiteral("Tools"));
    EXPECT_FALSE(imageFormatPluginLoaded());

    auto *menuOverflow = window.menuBar()->findChild<QToolButton *>(QStringLiteral("qt_menubar_ext_button"));
    auto *toolOverflow = bar->findChild<QToolButton *>(QStringLiteral("qt_toolbar_ext_button"));
    ASSERT_NE(menuOverflow, nullptr);
    ASSERT_NE(toolOverflow, nullptr);
    const QImage arrow = drawn(style->baseStyle()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton));
    ASSERT_FALSE(arrow.isNull());
    EXPECT_EQ(drawn(menuOverflow->icon()), arrow);
    EXPECT_EQ(drawn(toolOverflow->icon()), arrow);
}

TEST(LazyExtensionIconStyle, DrawsTheBaseStyleIconForEachBarAndDirection)
{
    LazyExtensionIconStyle style;
    for (QStyle::StandardPixmap pixmap :
         {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
        for (Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft}) {
            QStyleOption option;
            option.direction = direction;
            const QImage expected = drawn(style.baseStyle()->standardIcon(pixmap, &option));
            EXPECT_FALSE(expected.isNull());
            EXPECT_EQ(drawn(style.standardIcon(pixmap, &option)), expected) << pixmap << " " << direction;
        }
    }
}
