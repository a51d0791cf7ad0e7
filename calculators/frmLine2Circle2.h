#pragma once

#include "calculators/CalculatorFrame.h"

class QGroupBox;
class QRadioButton;

namespace quillmar {

// "2-Line & 2-Circle": two parallel lines joined by two arcs that touch each other,
// placed along the lines by whichever contact point the user gave last.
class frmLine2Circle2 : public CalculatorFrame {
    Q_OBJECT

public:
    explicit frmLine2Circle2(InsertText insert = {}, QWidget* parent = nullptr);

    void Option3_Click();  // "Hori"
    void Option4_Click();  // "Verti"
    void Picture1_GotFocus() override;
    void Command10_Click();  // "Print"
    void Command2_Click();   // "Cancel"

    QGroupBox* Frame2;
    QRadioButton* Option3;
    QRadioButton* Option4;
    QGroupBox* Frame1;
    QRadioButton* Option1;
    QRadioButton* Option2;
    QLabel* Label21;

    QLineEdit* Text1;   // P1 X (line 1 in "Hori")
    QLineEdit* Text2;   // P1 Z (line 1 in "Verti")
    QLineEdit* Text3;   // R1
    QLineEdit* Text4;   // P2 X (line 2 in "Hori")
    QLineEdit* Text5;   // P2 Z (line 2 in "Verti")
    QLineEdit* Text6;   // R2
    QLineEdit* Text7;   // P3 X
    QLineEdit* Text8;   // P3 Z
    QLineEdit* Text9;   // C1 X
    QLineEdit* Text10;  // C1 Z
    QLineEdit* Text11;  // I of arc 1 from P3
    QLineEdit* Text12;  // K of arc 1 from P3
    QLineEdit* Text13;  // C2 X
    QLineEdit* Text14;  // C2 Z
    QLineEdit* Text15;  // I of arc 2 from P3
    QLineEdit* Text16;  // K of arc 2 from P3

    QPushButton *Command1, *Command3, *Command4, *Command5, *Command6, *Command10, *Command2;

protected:
    void CalcAndDraw() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setUpMode(bool vertical);
    void setLocked(QLineEdit* box, bool locked);
};

}  // namespace quillmar
