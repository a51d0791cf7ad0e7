#include "platform/deferred_icons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QStyleOption>
#include <QWidget>
#include <optional>

namespace quillmar {
namespace {

class DeferredIconEngine : public QIconEngine {
public:
    DeferredIconEngine(const QStyle* style, QStyle::StandardPixmap which, const QStyleOption* option,
                       const QWidget* widget)
        : style_(style), which_(which), widget_(widget) {
        if (option) option_ = *option;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return icon().isNull(); }
    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

private:
    const QIcon& icon() {
        if (!looked_ && style_) {
            looked_ = true;
            icon_ = style_->standardIcon(which_, option_ ? &*option_ : nullptr, widget_.data());
        }
        return icon_;
    }

    QPointer<const QStyle> style_;
    QStyle::StandardPixmap which_;
    std::optional<QStyleOption> option_;
    QPointer<const QWidget> widget_;
    bool looked_ = false;
    QIcon icon_;
};

}  // namespace

DeferredIconStyle::DeferredIconStyle(const QString& key) : QProxyStyle(key) {}

QIcon DeferredIconStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const {
    if (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton)
        return QIcon(new DeferredIconEngine(baseStyle(), icon, option, widget));
    return QProxyStyle::standardIcon(icon, option, widget);
}

}  // namespace quillmar
