#pragma once

// What the calculator windows are built from: their layout, their result boxes, the
// captions that follow the plane and their insert buttons.

#include <QList>
#include <QMargins>
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>
#include <variant>

#include "calculators/calculator_conventions.h"
#include "platform/form_behaviour.h"

class QAbstractButton;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace quillmar {

// The plane frame "座標" with its options, "Ｘ-Ｚ" on.
QGroupBox* makePlaneFrame(QWidget* window, QRadioButton*& optionXZ, QRadioButton*& optionXY);
// A frame of solution options, the first on; the options are named Option1, Option2, ...
QGroupBox* makeOptionFrame(QWidget* window, const char* name, const QString& caption,
                           const QList<QRadioButton**>& options, const QStringList& captions);

// A calculator window's layout under its picture, top to bottom.
struct CalculatorLayout {
    QList<QWidget*> frames{};  // in a row at the left
    // The grid of labels, boxes and buttons: nullptr leaves a cell empty, a widget in
    // neighbouring cells spans them. Labels after the first column stand at the right.
    QList<QList<QWidget*>> rows{};
    // Full-width lines under the grid: nullptr takes the room left, so that what follows
    // it stands at the right.
    QList<QList<QWidget*>> lines{};
    int boxWidth = 73;           // 1095 twips
    bool calculatorFont = true;  // the grid's labels and boxes in "ＭＳ Ｐゴシック" 12 point,
                                 // unless they have a font of their own
    QMargins margins{6, 6, 6, 6};
};
void layOutCalculator(QWidget* window, const CalculatorLayout& layout);

// Shows the label as a note: red text.
void showAsNote(QLabel* label);

// Puts each text into its box; a box without one keeps its own.
void showTexts(const QList<std::pair<QLineEdit*, std::optional<QString>>>& texts);

// Captions that change with the plane: each control of the group shows the X-Z or the
// X-Y text.
struct PlaneCaption {
    QList<std::variant<QLabel*, QAbstractButton*>> controls;
    QString xz;
    QString xy;
};
void applyPlaneCaptions(const QList<PlaneCaption>& captions, Plane plane);

// A literal word of an insert button, followed by a box's text as it stands (no box:
// the word alone); the word may differ by plane.
struct InsertWord {
    QString xz;
    QString xy;                      // empty: the same as in the X-Z plane
    const QLineEdit* box = nullptr;
};

// What an insert button puts into the document: its words joined in order.
struct InsertButton {
    QAbstractButton* button = nullptr;
    QList<InsertWord> words;
    bool lineEnd = true;  // ends with CR LF
};

// The text the button inserts, from its boxes as they stand.
QString insertText(const InsertButton& insert, Plane plane);
// A point: the lead with the X box, then " Z" (" Y") with the Z box.
InsertButton pointInsert(QAbstractButton* button, const QString& lead, const QLineEdit* x, const QLineEdit* z,
                         bool lineEnd = true);
// An arc's offset: " I" with the I box, then " K" (" J") with the K box.
InsertButton offsetInsert(QAbstractButton* button, const QLineEdit* i, const QLineEdit* k, bool lineEnd = true);
// Words that do not change with the plane, each followed by its box (nullptr: none).
InsertButton wordsInsert(QAbstractButton* button, const QList<std::pair<QString, const QLineEdit*>>& words,
                         bool lineEnd = true);
// An arc block to the end point, the sense left to the programmer: "N000 G0* X" with the
// X box, " Z" (" Y") with the Z box and " L" with the radius box.
InsertButton arcInsert(QAbstractButton* button, const QLineEdit* x, const QLineEdit* z, const QLineEdit* r);

}  // namespace quillmar
