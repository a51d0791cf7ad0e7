#include "platform/PictureBox.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

namespace quillmar {
namespace {

// Beyond this many pixels off the picture a shape is not painted at all: the painter
// works in fixed point and must never see the coordinates of a far-away point.
constexpr double kFarAway = 1.0e6;
// Circles larger than this are painted as the short stretch that crosses the picture.
constexpr double kLargeRadius = 20000.0;

bool finite(QPointF p) { return std::isfinite(p.x()) && std::isfinite(p.y()); }

// Cuts the segment to the rectangle (Liang and Barsky); false when nothing is left.
bool clipToRect(QPointF& a, QPointF& b, const QRectF& r) {
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    double t0 = 0.0;
    double t1 = 1.0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - r.left(), r.right() - a.x(), a.y() - r.top(), r.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    const QPointF start = a;
    a = QPointF(start.x() + t0 * dx, start.y() + t0 * dy);
    b = QPointF(start.x() + t1 * dx, start.y() + t1 * dy);
    return true;
}

}  // namespace

PictureBox::PictureBox(QSize clientSize, QWidget* parent)
    : QFrame(parent),
      DrawingSurface(twipsScale(clientSize)),
      image_(clientSize, QImage::Format_RGB32) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    const int border = frameWidth();
    setFixedSize(clientSize + QSize(2 * border, 2 * border));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    image_.fill(backColor());
}

QPointF PictureBox::toPixel(QPointF user) const {
    const UserScale& s = scale();
    return {(user.x() - s.left) * image_.width() / static_cast<double>(s.width),
            (user.y() - s.top) * image_.height() / static_cast<double>(s.height)};
}

QPointF PictureBox::toUser(QPointF pixel) const {
    const UserScale& s = scale();
    return {s.left + pixel.x() * static_cast<double>(s.width) / image_.width(),
            s.top + pixel.y() * static_cast<double>(s.height) / image_.height()};
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), image_);
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    const QPointF user = toUser(event->position() - contentsRect().topLeft());
    event->accept();
    emit mouseMoved(static_cast<float>(user.x()), static_cast<float>(user.y()));
}

void PictureBox::focusInEvent(QFocusEvent* event) {
    QFrame::focusInEvent(event);
    emit focusEntered();
}

void PictureBox::paintBackground(QRgb colour) {
    image_.fill(colour);
    update();
}

void PictureBox::paintLine(QPointF from, QPointF to, QRgb colour) {
    QPointF a = toPixel(from);
    QPointF b = toPixel(to);
    if (!finite(a) || !finite(b))
        return;
    if (!clipToRect(a, b, QRectF(-2.0, -2.0, image_.width() + 4.0, image_.height() + 4.0)))
        return;
    QPainter painter(&image_);
    painter.setPen(QPen(QColor::fromRgb(colour), 0));
    painter.drawLine(QLineF(a, b));
    update();
}

void PictureBox::paintCircle(QPointF centre, double radius, QRgb colour) {
    const QPointF c = toPixel(centre);
    const double r = std::fabs(radius * image_.width() / static_cast<double>(scale().width));
    if (!finite(c) || !std::isfinite(r))
        return;
    const QRectF view(-2.0, -2.0, image_.width() + 4.0, image_.height() + 4.0);
    const double dx = std::max({view.left() - c.x(), 0.0, c.x() - view.right()});
    const double dy = std::max({view.top() - c.y(), 0.0, c.y() - view.bottom()});
    double farthest = 0.0;
    for (const QPointF corner : {view.topLeft(), view.topRight(), view.bottomLeft(), view.bottomRight()})
        farthest = std::max(farthest, std::hypot(corner.x() - c.x(), corner.y() - c.y()));
    if (r + 1.0 < std::hypot(dx, dy) || r - 1.0 > farthest)
        return;  // wholly outside, or wholly around the picture

    QPainter painter(&image_);
    painter.setPen(QPen(QColor::fromRgb(colour), 0));
    if (r < 0.5) {
        painter.drawPoint(c);
    } else if (r <= kLargeRadius) {
        painter.drawEllipse(c, r, r);
    } else {
        // The centre lies far off: walk along the tangent at the point nearest the
        // picture and bend back by the sagitta, which stays exact for any radius.
        const QPointF middle = view.center();
        const double d = std::hypot(middle.x() - c.x(), middle.y() - c.y());
        const QPointF n((middle.x() - c.x()) / d, (middle.y() - c.y()) / d);
        const QPointF t(-n.y(), n.x());
        const QPointF nearest = c + n * r;
        const double reach = std::hypot(view.width(), view.height()) +
                             std::hypot(nearest.x() - middle.x(), nearest.y() - middle.y());
        QPolygonF stretch;
        constexpr int kSteps = 512;
        for (int i = 0; i <= kSteps; ++i) {
            const double s = -reach + 2.0 * reach * i / kSteps;
            const double sag = s * s / (r + std::sqrt(std::max(0.0, r * r - s * s)));
            stretch << nearest + t * s - n * sag;
        }
        painter.drawPolyline(stretch);
    }
    update();
}

void PictureBox::paintText(QPointF topLeft, const QString& text, QRgb colour) {
    const QPointF at = toPixel(topLeft);
    if (!finite(at) || std::fabs(at.x()) > kFarAway || std::fabs(at.y()) > kFarAway)
        return;
    QPainter painter(&image_);
    painter.setFont(textFont_);
    painter.setPen(QColor::fromRgb(colour));
    const QFontMetricsF metrics(textFont_, &image_);
    painter.drawText(QPointF(at.x(), at.y() + metrics.ascent()), text);
    update();
}

}  // namespace quillmar
