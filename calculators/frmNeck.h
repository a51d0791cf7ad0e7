#pragma once

#include "calculators/CalculatorFrame.h"

class QGroupBox;
class QRadioButton;

namespace quillmar {

// "Neck": the contour of a neck groove: arc, flank and their points, drawn and inserted
// as points or as the whole contour in either direction.
class frmNeck : public CalculatorFrame {
    Q_OBJECT

public:
    explicit frmNeck(InsertText insert = {}, QWidget* parent = nullptr);

    void Command5_Click();  // "CCW"
    void Command9_Click();  // "CW"
    void Command7_Click();  // "Print"
    void Command2_Click();  // "Cancel"

    QLineEdit* Text1;   // bottom X
    QLineEdit* Text2;   // face Z
    QLineEdit* Text3;   // R
    QLineEdit* Text4;   // angle A
    QLineEdit* Text5;   // start X
    QLineEdit* Text6;   // P1 X
    QLineEdit* Text7;   // P1 Z
    QLineEdit* Text8;   // P2 X
    QLineEdit* Text9;   // P2 Z
    QLineEdit* Text10;  // P3 X
    QLineEdit* Text11;  // P3 Z
    QLineEdit* Text12;  // I
    QLineEdit* Text13;  // K
    QLineEdit* Text14;  // P4 X
    QLineEdit* Text15;  // P4 Z
    QGroupBox* Frame1;
    QRadioButton* Option1;
    QRadioButton* Option2;
    QRadioButton* Option3;
    QRadioButton* Option4;
    QGroupBox* Frame2;
    QPushButton* Command9;
    QPushButton* Command5;
    QPushButton* Command8;
    QPushButton* Command1;
    QPushButton* Command3;
    QPushButton* Command4;
    QPushButton* Command6;
    QPushButton* Command7;
    QPushButton* Command2;
    QLabel* Label20;

protected:
    void CalcAndDraw() override;

private:
    int option() const;
    void insertContour(bool ccw);
};

}  // namespace quillmar
