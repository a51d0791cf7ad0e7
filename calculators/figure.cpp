#include "calculators/figure.h"

#include <cfloat>
#include <cmath>

#include "common/runtime_error.h"
#include "common/single.h"
#include "calculators/calculator_conventions.h"

namespace quillmar {

UserScale defaultCalculatorScale() { return {-8835.0f / 2.0f, -4875.0f / 2.0f, 8835.0f, 4875.0f}; }

float toScaleValue(double value) {
    if (!std::isfinite(value) || std::fabs(value) > FLT_MAX)
        throw RuntimeError(kErrOverflow);
    return static_cast<float>(value);
}

double widenScaleValue(float value) { return Single(value).toDouble(); }

UserScale checkedScale(float left, float top, float width, float height) {
    // An extent lost beside its edge in single precision is as good as none: points that
    // coincide but for the last bits of a computation must not make a picture of noise.
    const auto vanishes = [](float edge, float extent) {
        return extent == 0.0f || static_cast<float>(static_cast<double>(edge) + extent) == edge;
    };
    if (vanishes(left, width) || vanishes(top, height))
        throw RuntimeError(kErrInvalidPropertyValue);
    return {left, top, width, height};
}

namespace {

struct Replay {
    DrawingSurface& surface;
    void operator()(const Figure::Clear&) const { surface.clear(); }
    void operator()(const Figure::Scale& s) const { surface.setScale(s.scale); }
    void operator()(const Figure::Extent& e) const {
        surface.setScale({surface.scale().left, surface.scale().top, e.width, e.height});
    }
    void operator()(const Figure::Line& l) const { surface.line(l.from, l.to, l.colour); }
    void operator()(const Figure::Circle& c) const { surface.circle(c.centre, c.radius, c.colour); }
    void operator()(const Figure::TextColour& c) const { surface.setForeColor(c.colour); }
    void operator()(const Figure::Text& t) const {
        surface.setCurrentPosition(t.at);
        surface.print(t.text);
    }
};

}  // namespace

void drawFigure(const Figure& figure, DrawingSurface& surface, std::optional<QRgb> failureColour) {
    for (const Figure::Step& step : figure.steps)
        std::visit(Replay{surface}, step);
    if (!figure.failure)
        return;
    if (failureColour)
        surface.setForeColor(*failureColour);
    if (!surface.contains(surface.currentPosition()))
        surface.setCurrentPosition(QPointF(surface.scale().left, surface.scale().top));
    surface.print(kNoCrossingText);
}

}  // namespace quillmar
