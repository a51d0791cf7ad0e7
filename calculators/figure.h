#pragma once

#include <QPointF>
#include <QRgb>
#include <QSize>
#include <QString>
#include <optional>
#include <variant>
#include <vector>

#include "platform/drawing_surface.h"

namespace quillmar {

class DrawingSurface;

// Colours of a calculator's figure on its black picture.
inline constexpr QRgb kGeometryColour = 0xFFFFFF0F;  // yellow: lines, circles, arcs
inline constexpr QRgb kMarkerColour = 0xFFFF0000;    // red: point markers, failure text
inline constexpr QRgb kLabelColour = 0xFF00FF00;     // green: point labels
inline constexpr QRgb kPictureBlack = 0xFF000000;
inline constexpr QRgb kPictureWhite = 0xFFFFFFFF;

// Setting a scale of zero width or height is refused like an invalid property value.
inline constexpr int kErrInvalidPropertyValue = 380;

// The calculators' picture, 8835 by 4875 twips: its default scale spans that extent and
// every scale fitted to a figure keeps its aspect.
inline constexpr double kCalculatorPictureWidth = 8835.0;
inline constexpr double kCalculatorPictureHeight = 4875.0;
// The same drawing area in pixels.
inline constexpr QSize kCalculatorPictureSize{static_cast<int>(kCalculatorPictureWidth) / kTwipsPerPixel,
                                              static_cast<int>(kCalculatorPictureHeight) / kTwipsPerPixel};

// The default scale of a calculator picture: its extent with 0, 0 in the middle.
UserScale defaultCalculatorScale();

// A scale value as the picture holds it; fails with overflow beyond single precision.
float toScaleValue(double value);
// A single-precision scale value widened for further computing.
double widenScaleValue(float value);
// A scale to set on the picture; fails when its width or height is zero, or so small
// beside its left or top edge that single precision cannot tell the two edges apart.
UserScale checkedScale(float left, float top, float width, float height);

// The scale that shows the extent from minH to maxH across and from minV to maxV up
// (drawing units before the vertical axis is negated) at the picture's aspect: `growth`
// times the extent's larger side, the figure centred across and hung `drop` times that
// side below the top.
UserScale fittedScale(double minH, double maxH, double minV, double maxV, double growth, double drop);
// A scale of the given extent with the (drawn) point in its middle, the width and height
// taken as the picture holds them.
UserScale centredScale(QPointF drawnCentre, double width, double height);
// The width of a scale, as the picture holds it, for further computing.
inline double scaleWidthOf(const UserScale& scale) { return widenScaleValue(scale.width); }
// The height of a scale with the picture's aspect for the given width.
double pictureHeightFor(double width);

// What one recompute draws, in order, as plain data: the calculator's geometry returns
// it and the window replays it on its picture. Points are in the picture's units with
// the vertical coordinate already negated. A run that failed carries the error number;
// everything before the failure was drawn.
struct Figure {
    struct Clear {};
    struct Scale {
        UserScale scale;
    };
    // One value of the scale set on its own: the others stay as they are.
    struct ScaleValue {
        enum class Part { Width, Height, Left, Top };
        Part part;
        float value;
    };
    struct Line {
        QPointF from;
        QPointF to;
        QRgb colour;
    };
    struct Circle {
        QPointF centre;
        double radius;
        QRgb colour;
    };
    struct TextColour {
        QRgb colour;
    };
    struct Text {
        QPointF at;  // top left corner
        QString text;
    };
    using Step = std::variant<Clear, Scale, ScaleValue, Line, Circle, TextColour, Text>;

    std::vector<Step> steps;
    std::optional<int> failure;

    void clear() { steps.emplace_back(Clear{}); }
    void setScale(const UserScale& scale) { steps.emplace_back(Scale{scale}); }
    void setScaleValue(ScaleValue::Part part, float value) { steps.emplace_back(ScaleValue{part, value}); }
    void line(QPointF from, QPointF to, QRgb colour) { steps.emplace_back(Line{from, to, colour}); }
    void circle(QPointF centre, double radius, QRgb colour) { steps.emplace_back(Circle{centre, radius, colour}); }
    void textColour(QRgb colour) { steps.emplace_back(TextColour{colour}); }
    void text(QPointF at, const QString& text) { steps.emplace_back(Text{at, text}); }
};

// The scale set one value at a time, as the picture takes it: each value is refused on
// its own (beyond single precision; a zero extent; an edge beside which the extent in
// force vanishes), so that a refusal leaves what was set before it in force. Each
// returns the value as the picture holds it.
float setScaleWidth(Figure& figure, double width);
float setScaleHeight(Figure& figure, double height);
float setScaleLeft(Figure& figure, double left, float width);
float setScaleTop(Figure& figure, double top, float height);

// When only a line's direction (radians) is known: the default scale and a line in that
// direction through the middle of the picture, reaching past its edges.
void drawDirection(Figure& figure, double angle);

// Replays the figure on the surface. A failed figure ends with the failure text at the
// position the last step left, in the given colour (none: the text colour the picture
// has); a position off the picture moves it to the picture's top left corner so that
// it is always seen.
void drawFigure(const Figure& figure, DrawingSurface& surface, std::optional<QRgb> failureColour);

}  // namespace quillmar
