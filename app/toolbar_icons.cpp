#include "app/toolbar_icons.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>

#include "platform/fonts.h"

namespace quillmar {
namespace {

struct Glyph {
    int position;
    const char* text;
    QRgb colour;  // file, edit, tool and calculator commands each have their colour
};

constexpr QRgb kFile = 0xFF2F6DB5;
constexpr QRgb kEdit = 0xFF2E8B57;
constexpr QRgb kTool = 0xFFC06010;
constexpr QRgb kCalc = 0xFF7A3FA0;

const Glyph kGlyphs[] = {
    {1, "新", kFile},  {2, "開", kFile},  {3, "保", kFile},   {5, "印", kFile},
    {7, "切", kEdit},  {8, "写", kEdit},  {9, "貼", kEdit},   {10, "検", kEdit},
    {12, "戻", kEdit}, {13, "進", kEdit}, {15, "N", kTool},   {16, "N#", kTool},
    {17, "±", kTool},  {18, "S", kTool},  {19, "F", kTool},   {20, "電", kTool},
    {22, "R", kCalc},  {23, "∠", kCalc},  {24, "2L", kCalc},  {25, "L○", kCalc},
    {26, "P○", kCalc}, {27, "○P", kCalc}, {28, "ヌ", kCalc},  {29, "○○", kCalc},
    {30, "2R", kCalc}, {31, "XC", kCalc},
};

QPixmap drawGlyph(const Glyph& g, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor::fromRgba(g.colour));
    p.drawRoundedRect(QRectF(1, 1, size - 2, size - 2), size / 6.0, size / 6.0);
    QFont font = fontForName(QStringLiteral("ＭＳ ゴシック"), 0);
    const QString text = QString::fromUtf8(g.text);
    font.setPixelSize(text.size() > 1 ? size * 5 / 12 : size * 5 / 8);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, size, size), Qt::AlignCenter, text);
    return pixmap;
}

}  // namespace

QIcon applicationIcon() {
    const Glyph glyph{0, "Q", kFile};
    QIcon icon;
    for (int size : {16, 32, 64})
        icon.addPixmap(drawGlyph(glyph, size));
    return icon;
}

QIcon toolbarIcon(int position) {
    for (const Glyph& g : kGlyphs) {
        if (g.position == position) {
            QIcon icon;
            icon.addPixmap(drawGlyph(g, 24));
            icon.addPixmap(drawGlyph(g, 48));
            return icon;
        }
    }
    return {};
}

}  // namespace quillmar
