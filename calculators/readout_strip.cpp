#include "calculators/readout_strip.h"

#include <algorithm>

#include "platform/fonts.h"

namespace quillmar {

ReadoutStrip::ReadoutStrip(QWidget* picture, const QString& name, QRect designed) : QLabel(picture) {
    setObjectName(name);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::black);
    colours.setColor(QPalette::WindowText, Qt::white);
    setPalette(colours);
    setFont(fontForName(QStringLiteral("ＭＳ ゴシック"), 12));
    // The strip lies over the picture: the mouse over it still reads the picture.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    place(designed);
}

void ReadoutStrip::place(QRect designed) {
    designed_ = designed;
    fitText();
}

void ReadoutStrip::showText(const QString& text) {
    setText(text);
    fitText();
}

void ReadoutStrip::fitText() {
    const int width = std::max(designed_.width(), sizeHint().width());
    int left = designed_.left();
    if (const QWidget* picture = parentWidget()) {
        const QRect room = picture->contentsRect();
        left = std::max(std::min(left, room.right() + 1 - width), room.left());
    }
    setGeometry(left, designed_.top(), width, designed_.height());
}

}  // namespace quillmar
