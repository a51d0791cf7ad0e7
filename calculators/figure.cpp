#include "calculators/figure.h"

#include <cfloat>
#include <cmath>

#include "common/runtime_error.h"
#include "common/single.h"
#include "calculators/calculator_conventions.h"

namespace quillmar {

UserScale defaultCalculatorScale() {
    const auto width = static_cast<float>(kCalculatorPictureWidth);
    const auto height = static_cast<float>(kCalculatorPictureHeight);
    return {-width / 2.0f, -height / 2.0f, width, height};
}

float toScaleValue(double value) {
    if (!std::isfinite(value) || std::fabs(value) > FLT_MAX)
        throw RuntimeError(kErrOverflow);
    return static_cast<float>(value);
}

double widenScaleValue(float value) { return Single(value).toDouble(); }

namespace {

float checkedExtent(double extent) {
    const float value = toScaleValue(extent);
    if (value == 0.0f)
        throw RuntimeError(kErrInvalidPropertyValue);
    return value;
}

// An extent lost beside its edge in single precision is as good as none: points that
// coincide but for the last bits of a computation must not make a picture of noise.
float checkedEdge(double edge, float extent) {
    const float value = toScaleValue(edge);
    if (static_cast<float>(static_cast<double>(value) + extent) == value)
        throw RuntimeError(kErrInvalidPropertyValue);
    return value;
}

}  // namespace

UserScale checkedScale(float left, float top, float width, float height) {
    return {checkedEdge(left, checkedExtent(width)), checkedEdge(top, checkedExtent(height)), width, height};
}

float setScaleWidth(Figure& figure, double width) {
    const float value = checkedExtent(width);
    figure.setScaleValue(Figure::ScaleValue::Part::Width, value);
    return value;
}

float setScaleHeight(Figure& figure, double height) {
    const float value = checkedExtent(height);
    figure.setScaleValue(Figure::ScaleValue::Part::Height, value);
    return value;
}

float setScaleLeft(Figure& figure, double left, float width) {
    const float value = checkedEdge(left, width);
    figure.setScaleValue(Figure::ScaleValue::Part::Left, value);
    return value;
}

float setScaleTop(Figure& figure, double top, float height) {
    const float value = checkedEdge(top, height);
    figure.setScaleValue(Figure::ScaleValue::Part::Top, value);
    return value;
}

double pictureHeightFor(double width) { return width * kCalculatorPictureHeight / kCalculatorPictureWidth; }

UserScale fittedScale(double minH, double maxH, double minV, double maxV, double growth, double drop) {
    const double w = maxH - minH;
    const double h = maxV - minV;
    double width = 0.0;
    double height = 0.0;
    double below = 0.0;
    if (w > h * kCalculatorPictureWidth / kCalculatorPictureHeight) {
        width = growth * w;
        height = growth * w * kCalculatorPictureHeight / kCalculatorPictureWidth;
        below = drop * w;
    } else {
        width = growth * h * kCalculatorPictureWidth / kCalculatorPictureHeight;
        height = growth * h;
        below = drop * h;
    }
    const float scaleWidth = toScaleValue(width);
    const float scaleHeight = toScaleValue(height);
    const float left = toScaleValue(minH - (widenScaleValue(scaleWidth) - w) / 2.0);
    const float top = toScaleValue(-maxV - below);
    return checkedScale(left, top, scaleWidth, scaleHeight);
}

UserScale centredScale(QPointF drawnCentre, double width, double height) {
    const float scaleWidth = toScaleValue(width);
    const float scaleHeight = toScaleValue(height);
    const float left = toScaleValue(drawnCentre.x() - widenScaleValue(scaleWidth) / 2.0);
    const float top = toScaleValue(drawnCentre.y() - widenScaleValue(scaleHeight) / 2.0);
    return checkedScale(left, top, scaleWidth, scaleHeight);
}

void drawDirection(Figure& figure, double angle) {
    figure.setScale(defaultCalculatorScale());
    figure.line({10000.0 * std::cos(angle), -10000.0 * std::sin(angle)},
                {-10000.0 * std::cos(angle), 10000.0 * std::sin(angle)}, kGeometryColour);
}

namespace {

struct Replay {
    DrawingSurface& surface;
    void operator()(const Figure::Clear&) const { surface.clear(); }
    void operator()(const Figure::Scale& s) const { surface.setScale(s.scale); }
    void operator()(const Figure::ScaleValue& v) const {
        UserScale scale = surface.scale();
        switch (v.part) {
            case Figure::ScaleValue::Part::Width: scale.width = v.value; break;
            case Figure::ScaleValue::Part::Height: scale.height = v.value; break;
            case Figure::ScaleValue::Part::Left: scale.left = v.value; break;
            case Figure::ScaleValue::Part::Top: scale.top = v.value; break;
        }
        surface.setScale(scale);
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
