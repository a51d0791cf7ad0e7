#pragma once

#include <QPointF>
#include <QRgb>
#include <QSize>
#include <QString>

namespace quillmar {

// The coordinate system of a picture: the user units at its left and top edges and its
// extent, held in single precision. A negative extent turns that axis around.
struct UserScale {
    float left = 0.0f;
    float top = 0.0f;
    float width = 1.0f;
    float height = 1.0f;

    bool operator==(const UserScale&) const = default;
};

// A new picture counts in twips from its top left corner, 15 to a pixel.
inline constexpr int kTwipsPerPixel = 15;
// The scale a new picture of that many pixels starts in.
UserScale twipsScale(QSize pixels);

// How lines and circles land on the picture: in the pen colour, or in its inverse
// (every colour bit flipped), which is how the figure is printed on white.
enum class DrawMode { CopyPen, InvertPen };

// A picture box to draw in, in user units. It keeps what a picture box keeps between
// drawing calls: the scale, the current drawing position, the text and background
// colours and the drawing mode. A subclass only puts shapes on its medium, in user
// units; mapping them to its own pixels is its business.
class DrawingSurface {
public:
    explicit DrawingSurface(const UserScale& designScale);
    virtual ~DrawingSurface() = default;
    DrawingSurface(const DrawingSurface&) = delete;
    DrawingSurface& operator=(const DrawingSurface&) = delete;

    const UserScale& scale() const { return scale_; }
    void setScale(const UserScale& scale);
    // True when the point lies on the picture (edges included).
    bool contains(QPointF point) const;

    QPointF currentPosition() const { return current_; }
    void setCurrentPosition(QPointF point) { current_ = point; }

    QRgb foreColor() const { return foreColor_; }
    void setForeColor(QRgb colour) { foreColor_ = colour; }
    QRgb backColor() const { return backColor_; }
    // A new background erases the picture, as on the picture box.
    void setBackColor(QRgb colour);
    DrawMode drawMode() const { return drawMode_; }
    void setDrawMode(DrawMode mode) { drawMode_ = mode; }

    // Erases the picture to the background; the current position returns to 0, 0.
    void clear();
    // A line ends with the current position at its end, a circle at its centre.
    void line(QPointF from, QPointF to, QRgb colour);
    void circle(QPointF centre, double radius, QRgb colour);
    // The text with its top left corner at the current position, in the text colour;
    // the drawing mode does not apply to text. The current position stays.
    void print(const QString& text);

    // The colour a pen colour leaves on the picture in the current drawing mode.
    QRgb landingColour(QRgb pen) const;

protected:
    virtual void paintBackground(QRgb colour) = 0;
    virtual void paintLine(QPointF from, QPointF to, QRgb colour) = 0;
    virtual void paintCircle(QPointF centre, double radius, QRgb colour) = 0;
    virtual void paintText(QPointF topLeft, const QString& text, QRgb colour) = 0;

private:
    UserScale scale_;
    QPointF current_;
    QRgb foreColor_ = qRgb(0, 0, 0);
    QRgb backColor_ = qRgb(0, 0, 0);
    DrawMode drawMode_ = DrawMode::CopyPen;
};

// Every colour bit flipped; the alpha stays opaque.
inline QRgb invertedColour(QRgb colour) { return (~colour & 0x00FFFFFFu) | 0xFF000000u; }

}  // namespace quillmar
