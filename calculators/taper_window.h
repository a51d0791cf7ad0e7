#pragma once

#include <QLabel>
#include <QWidget>
#include <functional>

#include "calculators/CalculatorFrame.h"
#include "platform/form_behaviour.h"

class QGroupBox;
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
    QLabel* makeLabel(const char* name, const QString& text) { return named(new QLabel(text, this), name); }
    // What Enter and leaving a box do in the window's controls.
    EnterChain& enterChain() { return *enter_; }
    OnLeave& onLeave() { return *leave_; }
    // The two windows' layout: label and box rows beside the sketch, an optional note
    // under them, the insert buttons in their frame and Cancel at the bottom right.
    void layOut(const QList<std::pair<QLabel*, QLineEdit*>>& rows, QWidget* sketch, QLabel* note,
                QGroupBox* insertFrame, const QList<QPushButton*>& insertButtons, QPushButton* cancel);
    // Inserts into the target document; false when there is none.
    bool insert(const QString& text) { return insert_ && insert_(text); }

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    InsertText insert_;
    EnterChain* enter_;
    OnLeave* leave_;
};

}  // namespace quillmar
