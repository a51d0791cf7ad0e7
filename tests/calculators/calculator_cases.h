#pragma once

// Calculator cases as a base input and its expected box texts plus what a case changes,
// so that a window pins every result box once and each other case lists only what
// differs from it.

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>

#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "calculators/calculator_run.h"
#include "common/format.h"

#include <cmath>

namespace quillmar::test {

using Boxes = std::vector<std::pair<const char*, const char*>>;

// The base boxes with the given boxes replaced (an empty text empties the box).
inline CalculatorInput withBoxes(CalculatorInput base, const Boxes& changes) {
    for (const auto& [box, text] : changes)
        base.boxes.insert(QString::fromLatin1(box), QString::fromUtf8(text));
    return base;
}

// The writes of a run as "Box=text Box=text ...", in the order written.
inline std::string writesOf(const CalculatorRun& run) {
    QStringList parts;
    for (const BoxWrite& w : run.writes)
        parts << w.box + QLatin1Char('=') + w.text;
    return parts.join(QLatin1Char(' ')).toStdString();
}

// The base writes with the listed boxes' texts replaced, in the base order.
inline std::string expectedWrites(const Boxes& base, const Boxes& changes) {
    QStringList parts;
    for (const auto& [box, text] : base) {
        QString value = QString::fromUtf8(text);
        for (const auto& [changedBox, changedText] : changes)
            if (QLatin1String(changedBox) == QLatin1String(box))
                value = QString::fromUtf8(changedText);
        parts << QString::fromLatin1(box) + QLatin1Char('=') + value;
    }
    return parts.join(QLatin1Char(' ')).toStdString();
}

// The steps of a figure as text, every number to the last bit, so that two runs can be
// compared whole.
inline std::string figureOf(const Figure& figure) {
    auto n = [](double v) { return QString::number(v, 'g', 17); };
    auto p = [&](QPointF q) { return n(q.x()) + QLatin1Char(',') + n(q.y()); };
    QStringList parts;
    for (const Figure::Step& step : figure.steps) {
        if (std::holds_alternative<Figure::Clear>(step)) {
            parts << QStringLiteral("clear");
        } else if (const auto* s = std::get_if<Figure::Scale>(&step)) {
            parts << QStringLiteral("scale ") + n(s->scale.left) + QLatin1Char(' ') + n(s->scale.top) +
                         QLatin1Char(' ') + n(s->scale.width) + QLatin1Char(' ') + n(s->scale.height);
        } else if (const auto* l = std::get_if<Figure::Line>(&step)) {
            parts << QStringLiteral("line ") + p(l->from) + QLatin1Char(' ') + p(l->to) + QLatin1Char(' ') +
                         QString::number(l->colour, 16);
        } else if (const auto* c = std::get_if<Figure::Circle>(&step)) {
            parts << QStringLiteral("circle ") + p(c->centre) + QLatin1Char(' ') + n(c->radius) +
                         QLatin1Char(' ') + QString::number(c->colour, 16);
        } else if (const auto* t = std::get_if<Figure::TextColour>(&step)) {
            parts << QStringLiteral("colour ") + QString::number(t->colour, 16);
        } else if (const auto* x = std::get_if<Figure::Text>(&step)) {
            parts << QStringLiteral("text ") + p(x->at) + QLatin1Char(' ') + x->text;
        }
    }
    if (figure.failure)
        parts << QStringLiteral("failure %1").arg(*figure.failure);
    return parts.join(QLatin1Char('\n')).toStdString();
}

template <typename Step>
const Step& stepAt(const Figure& figure, std::size_t i) {
    return std::get<Step>(figure.steps.at(i));
}

inline void expectNear(QPointF actual, double x, double y, double tolerance = 1e-6) {
    EXPECT_NEAR(actual.x(), x, tolerance);
    EXPECT_NEAR(actual.y(), y, tolerance);
}

// A case that succeeds: the boxes it changes from the base input and the result boxes
// whose texts differ from the base case's.
struct Case {
    const char* name;
    Boxes changes;
    Boxes expected;
    Plane plane = Plane::XZ;
    int option = 1;
};

// A case whose run fails: how many boxes were written and figure steps taken before.
struct FailureCase {
    const char* name;
    Boxes changes;
    std::size_t writes;
    std::size_t steps;
    Plane plane = Plane::XZ;
    int option = 1;
};

template <typename Row>
CalculatorInput inputFor(const CalculatorInput& base, const Row& row) {
    CalculatorInput in = withBoxes(base, row.changes);
    in.plane = row.plane;
    in.option = row.option;
    return in;
}

inline std::string nameOf(const char* name) { return name; }

}  // namespace quillmar::test
