#include "platform/deferred_icons.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QStyleFactory>
#include <QStyleOption>
#include <QToolBar>

using namespace quillmar;

// The extension buttons' icons, looked up late, are the platform style's own.
TEST(DeferredIconStyle, ExtensionIconsLookTheSame) {
    DeferredIconStyle style;
    QToolBar bar;
    QStyleOption option;
    option.initFrom(&bar);
    for (const auto which : {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton,
                             QStyle::SP_TitleBarCloseButton}) {
        const QImage deferred = style.standardIcon(which, &option, &bar).pixmap(16).toImage();
        const QImage own = style.baseStyle()->standardIcon(which, &option, &bar).pixmap(16).toImage();
        EXPECT_FALSE(deferred.isNull());
        EXPECT_EQ(deferred, own) << which;
    }
}
