#pragma once

#include <QFont>
#include <QFrame>
#include <QImage>

#include "platform/drawing_surface.h"

namespace quillmar {

// A picture box: a sunken frame around a retained picture that every drawing call
// paints into at once. Paint events only show that picture, so nothing has to be
// drawn again when the window is uncovered. It starts in twips (15 to a pixel) with
// its origin at the top left, like a new picture box.
class PictureBox : public QFrame, public DrawingSurface {
    Q_OBJECT

public:
    // clientSize: the drawing area in pixels, inside the frame.
    explicit PictureBox(QSize clientSize, QWidget* parent = nullptr);

    const QImage& image() const { return image_; }
    void setTextFont(const QFont& font) { textFont_ = font; }

    // Between user units and pixels of the drawing area (0, 0 at its top left corner).
    QPointF toPixel(QPointF user) const;
    QPointF toUser(QPointF pixel) const;

signals:
    // The mouse moved over the picture; the position in user units, as the picture
    // box reports it in single precision.
    void mouseMoved(float x, float y);
    void focusEntered();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

    void paintBackground(QRgb colour) override;
    void paintLine(QPointF from, QPointF to, QRgb colour) override;
    void paintCircle(QPointF centre, double radius, QRgb colour) override;
    void paintText(QPointF topLeft, const QString& text, QRgb colour) override;

private:
    QImage image_;
    QFont textFont_;
};

}  // namespace quillmar
