#pragma once

#include "calculators/taper_window.h"

class QGroupBox;
class QLabel;

namespace quillmar {

class FixedSketch;

// "Taper Nose-R": the nose-radius compensation amounts of a taper; each inserted as a
// blank and the amount, the window staying open.
class frmNoseRAngle : public TaperWindow {
    Q_OBJECT
public:
    explicit frmNoseRAngle(InsertText insert = {}, QWidget* parent = nullptr);

    // Run when Text1 or Text2 loses the focus.
    void Compute();
    void Command1_Click();  // "X"
    void Command3_Click();  // "Z"
    void Command4_Click();  // "Z2"
    void Command2_Click();  // "Cancel"

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLineEdit* Text1;  // nose radius R
    QLineEdit* Text2;  // angle
    QLineEdit* Text3;  // X compensation
    QLineEdit* Text4;  // Z
    QLineEdit* Text5;  // Z2
    QGroupBox* Frame1;
    QPushButton* Command1;
    QPushButton* Command3;
    QPushButton* Command4;
    QPushButton* Command2;
    FixedSketch* Picture1;
};

}  // namespace quillmar
