#pragma once

#include <QLabel>
#include <QRect>

namespace quillmar {

// A black strip with white text lying over a calculator's picture: a coordinate read-out
// or an axis label. It always shows its whole text: a text wider than the strip as
// designed widens it, toward the left where the picture's edge would cut it, so that no
// number loses its last digits to the strip's edge.
class ReadoutStrip : public QLabel {
public:
    // designed: the strip's place on the picture, in the picture's pixels.
    ReadoutStrip(QWidget* picture, const QString& name, QRect designed);

    void place(QRect designed);
    void showText(const QString& text);

private:
    void fitText();

    QRect designed_;
};

}  // namespace quillmar
