#pragma once

#include <QPointF>
#include <QRgb>
#include <QString>
#include <vector>

#include "platform/drawing_surface.h"

namespace quillmar {

// A drawing surface that keeps a list of what was put on it instead of pixels, for
// tests: each entry holds the shape, the colour it landed in and the scale in force.
class RecordingSurface : public DrawingSurface {
public:
    struct Drawn {
        enum Kind { Background, Line, Circle, Text } kind = Background;
        QPointF from;       // line start, circle centre, text top left
        QPointF to;         // line end
        double radius = 0.0;
        QRgb colour = 0;    // as it landed: after the drawing mode; the background colour
        QString text;
        UserScale scale;
    };

    // Starts in the scale of a new picture of that many pixels.
    explicit RecordingSurface(QSize pixels) : DrawingSurface(twipsScale(pixels)) {}

    std::vector<Drawn> drawn;

    // What the picture shows now: the entries after the last erase.
    std::vector<Drawn> shown() const {
        std::vector<Drawn> result;
        for (const Drawn& d : drawn) {
            if (d.kind == Drawn::Background)
                result.clear();
            else
                result.push_back(d);
        }
        return result;
    }

protected:
    void paintBackground(QRgb colour) override {
        drawn.push_back({Drawn::Background, {}, {}, 0.0, colour, {}, scale()});
    }
    void paintLine(QPointF from, QPointF to, QRgb colour) override {
        drawn.push_back({Drawn::Line, from, to, 0.0, colour, {}, scale()});
    }
    void paintCircle(QPointF centre, double radius, QRgb colour) override {
        drawn.push_back({Drawn::Circle, centre, {}, radius, colour, {}, scale()});
    }
    void paintText(QPointF topLeft, const QString& text, QRgb colour) override {
        drawn.push_back({Drawn::Text, topLeft, {}, 0.0, colour, text, scale()});
    }
};

}  // namespace quillmar
