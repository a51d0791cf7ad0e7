#include "calculators/fixed_sketch.h"

#include <QPainter>

#include "platform/fonts.h"

namespace quillmar {
namespace {

constexpr double kTwipsPerPixel = 15.0;

}  // namespace

FixedSketch::FixedSketch(QSizeF twips, QList<QLineF> lines, QList<QRectF> circleBoxes, QList<Label> labels,
                         QWidget* parent)
    : QFrame(parent), lines_(std::move(lines)), circleBoxes_(std::move(circleBoxes)), labels_(std::move(labels)) {
    setObjectName(QStringLiteral("Picture1"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setFixedSize(qRound(twips.width() / kTwipsPerPixel) + 2 * frameWidth(),
                 qRound(twips.height() / kTwipsPerPixel) + 2 * frameWidth());
}

void FixedSketch::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(frameWidth(), frameWidth());
    painter.scale(1.0 / kTwipsPerPixel, 1.0 / kTwipsPerPixel);
    painter.setPen(QPen(Qt::black, 0));
    for (const QLineF& line : lines_)
        painter.drawLine(line);
    for (const QRectF& box : circleBoxes_)
        painter.drawEllipse(box);
    for (const Label& label : labels_) {
        QFont font = painter.font();
        if (label.pointSize > 0)
            font = fontForName(QStringLiteral("ＭＳ Ｐゴシック"), label.pointSize);
        // Fonts are sized in pixels at this scale: undo the scale for the text.
        painter.save();
        painter.translate(label.at);
        painter.scale(kTwipsPerPixel, kTwipsPerPixel);
        painter.setFont(font);
        painter.drawText(QPointF(0, QFontMetricsF(font).ascent()), label.text);
        painter.restore();
    }
}

}  // namespace quillmar
