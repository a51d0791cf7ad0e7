#include "platform/drawing_surface.h"

#include <algorithm>

namespace quillmar {

UserScale twipsScale(QSize pixels) {
    return {0.0f, 0.0f, static_cast<float>(pixels.width() * kTwipsPerPixel),
            static_cast<float>(pixels.height() * kTwipsPerPixel)};
}

DrawingSurface::DrawingSurface(const UserScale& designScale) : scale_(designScale) {}

void DrawingSurface::setScale(const UserScale& scale) { scale_ = scale; }

bool DrawingSurface::contains(QPointF point) const {
    const double left = scale_.left;
    const double right = left + static_cast<double>(scale_.width);
    const double top = scale_.top;
    const double bottom = top + static_cast<double>(scale_.height);
    return point.x() >= std::min(left, right) && point.x() <= std::max(left, right) &&
           point.y() >= std::min(top, bottom) && point.y() <= std::max(top, bottom);
}

void DrawingSurface::setBackColor(QRgb colour) {
    backColor_ = colour;
    paintBackground(colour);
}

void DrawingSurface::clear() {
    paintBackground(backColor_);
    current_ = QPointF(0.0, 0.0);
}

QRgb DrawingSurface::landingColour(QRgb pen) const {
    return drawMode_ == DrawMode::InvertPen ? invertedColour(pen) : (pen | 0xFF000000u);
}

void DrawingSurface::line(QPointF from, QPointF to, QRgb colour) {
    paintLine(from, to, landingColour(colour));
    current_ = to;
}

void DrawingSurface::circle(QPointF centre, double radius, QRgb colour) {
    paintCircle(centre, radius, landingColour(colour));
    current_ = centre;
}

void DrawingSurface::print(const QString& text) { paintText(current_, text, foreColor_ | 0xFF000000u); }

}  // namespace quillmar
