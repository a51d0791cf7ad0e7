#pragma once

#include <QHash>
#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <initializer_list>
#include <optional>

#include "calculators/calculator_conventions.h"
#include "calculators/figure.h"

class QWidget;

namespace quillmar {

// The texts of a calculator's boxes by object name; a box not listed is empty.
using BoxTexts = QHash<QString, QString>;

// What a window holds when it recomputes: its boxes as they stand and its options.
struct CalculatorInput {
    BoxTexts boxes;
    Plane plane = Plane::XZ;
    int option = 1;         // the solution option that is on
    bool vertical = false;  // lines that run up and down (two lines joined by two arcs)

    QString text(const char* box) const { return boxes.value(QString::fromLatin1(box)); }
    bool filled(std::initializer_list<const char*> names) const;
    // The box read by the leading-number rule; fails with overflow beyond a double.
    double number(const char* box) const;
};

// One box's new text.
struct BoxWrite {
    QString box;
    QString text;
};

// One recompute: the texts written, in the order they were written (a failure keeps
// those written before it), and the figure to draw.
struct CalculatorRun {
    QList<BoxWrite> writes;
    Figure figure;

    void write(const char* box, const QString& text) { writes.append({QString::fromLatin1(box), text}); }
    // The text written to the box, or nothing.
    std::optional<QString> written(const QString& box) const;
};

// The texts of the window's boxes of these names.
BoxTexts readBoxes(const QWidget& window, const QStringList& names);
// Puts each written text into the window's box of that name, in order.
void writeBoxes(QWidget& window, const QList<BoxWrite>& writes);

}  // namespace quillmar
