#pragma once

#include <QFrame>
#include <QLineF>
#include <QList>
#include <QRectF>
#include <QString>

namespace quillmar {

// A picture drawn once at design: lines, circles and labels in twips inside the picture
// (x to the right, y downward), in a black pen. Nothing reacts to it.
class FixedSketch : public QFrame {
public:
    struct Label {
        QPointF at;  // top left corner
        QString text;
        int pointSize = 0;  // 0: the picture's font
    };

    FixedSketch(QSizeF twips, QList<QLineF> lines, QList<QRectF> circleBoxes, QList<Label> labels,
                QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QList<QLineF> lines_;
    QList<QRectF> circleBoxes_;
    QList<Label> labels_;
};

}  // namespace quillmar
