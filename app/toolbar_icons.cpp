#include "app/toolbar_icons.h"

#include <QApplication>
#include <QFont>
#include <QIconEngine>
#include <QPainter>
#include <QHash>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>

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

// Draws a glyph only when a size of it is first shown, and keeps what it drew: building
// the window then costs no drawing, and each icon is drawn once per size.
class GlyphIconEngine : public QIconEngine {
public:
    explicit GlyphIconEngine(const Glyph& glyph) : glyph_(glyph) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        const int side = std::max(1, std::min(size.width(), size.height()));
        // A disabled or selected button shows the glyph as the style shows any such icon
        // (greyed, or tinted): the same look as every other button of the platform.
        if (mode != QIcon::Disabled && mode != QIcon::Selected)
            mode = QIcon::Normal;
        const int key = side * 4 + mode;
        auto it = drawn_.find(key);
        if (it == drawn_.end())
            it = drawn_.insert(key, draw(side, mode));
        return *it;
    }
    QIconEngine* clone() const override { return new GlyphIconEngine(*this); }

private:
    QPixmap draw(int side, QIcon::Mode mode) const {
        const QPixmap normal = drawGlyph(glyph_, side);
        if (mode == QIcon::Normal)
            return normal;
        QStyleOption option;
        option.palette = QGuiApplication::palette();
        return QApplication::style()->generatedIconPixmap(mode, normal, &option);
    }

    Glyph glyph_;
    QHash<int, QPixmap> drawn_;
};

}  // namespace

QIcon applicationIcon() { return QIcon(new GlyphIconEngine(Glyph{0, "Q", kFile})); }

QIcon toolbarIcon(int position) {
    for (const Glyph& g : kGlyphs)
        if (g.position == position)
            return QIcon(new GlyphIconEngine(g));
    return {};
}

}  // namespace quillmar
