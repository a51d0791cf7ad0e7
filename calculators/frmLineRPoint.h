#pragma once

#include "calculators/CalculatorFrame.h"

class QGroupBox;
class QRadioButton;

namespace quillmar {

// "1point Line tangent circle": the arc of radius R through an end point that touches a
// line given by a point and its angle, its centre and its start point on the line.
class frmLineRPoint : public CalculatorFrame {
    Q_OBJECT

public:
    explicit frmLineRPoint(InsertText insert = {}, QWidget* parent = nullptr);

    void Command10_Click();  // "Print"
    void Command2_Click();   // "Cancel"

    QGroupBox* Frame2;
    QRadioButton* OptionXZ;
    QRadioButton* OptionXY;
    QGroupBox* Frame1;
    QRadioButton* Option1;
    QRadioButton* Option2;

    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label9, *Label11, *Label10;
    QLabel *Label12, *Label14, *Label16, *Label18;

    QLineEdit* Text1;   // line point X
    QLineEdit* Text2;   // line point Z
    QLineEdit* Text3;   // line angle
    QLineEdit* Text4;   // end point X
    QLineEdit* Text5;   // end point Z
    QLineEdit* Text6;   // centre X
    QLineEdit* Text7;   // centre Z
    QLineEdit* Text8;   // R
    QLineEdit* Text9;   // start point X
    QLineEdit* Text10;  // start point Z
    QLineEdit* Text11;  // I
    QLineEdit* Text12;  // K

    QPushButton *Command1, *Command3, *Command4, *Command5, *Command6, *Command10, *Command2;

protected:
    void CalcAndDraw() override;
};

}  // namespace quillmar
