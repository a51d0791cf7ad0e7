#pragma once

#include <QProxyStyle>

namespace quillmar {

// The application's style: the platform's own, except that the icons of the extension
// buttons which every menu bar and tool bar creates up front (shown only when the bar
// is too narrow for its entries) are looked up when first painted. Looking them up
// reads several image files and the icon theme, a noticeable part of opening the main
// window, for buttons that are seldom seen.
class DeferredIconStyle : public QProxyStyle {
public:
    // `key` names the style to follow, the application's own (which -style or
    // QT_STYLE_OVERRIDE may have chosen); empty for the platform's default.
    explicit DeferredIconStyle(const QString& key = {});

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

}  // namespace quillmar
