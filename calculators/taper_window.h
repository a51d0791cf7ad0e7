#pragma once

#include <QHash>
#include <QWidget>
#include <functional>

#include "calculators/CalculatorFrame.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quillmar {

// What the two taper calculators without a drawing share: a fixed window, boxes that
// compute when particular ones are left, an Enter chain and insert buttons.
class TaperWindow : public QWidget {
    Q_OBJECT
protected:
    TaperWindow(const QString& title, InsertText insert, QWidget* parent);

    QLineEdit* makeInputBox(const char* name);
    // Read-only, button-face background, left out by the Tab key.
    QLineEdit* makeResultBox(const char* name);
    QPushButton* makeButton(const char* name, const QString& text);
    // Enter in `from` moves the focus to `to`; the key goes on to the box.
    void enterMovesTo(QWidget* from, QWidget* to);
    // Leaving the box (to another control of the window) runs `handler`.
    void onLostFocus(QLineEdit* box, std::function<void()> handler);
    // The two windows' layout: label and box rows beside the sketch, an optional note
    // under them, the insert buttons in their frame and Cancel at the bottom right.
    void layOut(const QList<std::pair<QLabel*, QLineEdit*>>& rows, QWidget* sketch, QLabel* note,
                QGroupBox* insertFrame, const QList<QPushButton*>& insertButtons, QPushButton* cancel);
    // Inserts into the target document; false when there is none.
    bool insert(const QString& text) { return insert_ && insert_(text); }

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    InsertText insert_;
    QHash<QObject*, QWidget*> enterNext_;
    QHash<QObject*, std::function<void()>> lostFocus_;
};

}  // namespace quillmar
