#pragma once

#include "calculators/CalculatorFrame.h"

class QGroupBox;
class QRadioButton;

namespace quillmar {

// "Line & Circle": the two points where a line, given by a point and its angle, crosses
// a circle, with the vector from each point to the centre.
class frmLineR : public CalculatorFrame {
    Q_OBJECT

public:
    explicit frmLineR(InsertText insert = {}, QWidget* parent = nullptr);

    void Command10_Click();  // "Print"
    void Command2_Click();   // "Cancel"

    QGroupBox* Frame2;
    QRadioButton* OptionXZ;
    QRadioButton* OptionXY;

    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label8;
    QLabel *Label7, *Label6, *Label16, *Label18, *Label9, *Label11, *Label17, *Label19;

    QLineEdit* Text1;   // line point X
    QLineEdit* Text2;   // line point Z
    QLineEdit* Text3;   // line angle
    QLineEdit* Text4;   // centre X
    QLineEdit* Text5;   // centre Z
    QLineEdit* Text6;   // R
    QLineEdit* Text7;   // crossing 1 X
    QLineEdit* Text8;   // crossing 1 Z
    QLineEdit* Text9;   // crossing 1 I
    QLineEdit* Text10;  // crossing 1 K
    QLineEdit* Text11;  // crossing 2 X
    QLineEdit* Text12;  // crossing 2 Z
    QLineEdit* Text13;  // crossing 2 I
    QLineEdit* Text14;  // crossing 2 K

    QPushButton *Command1, *Command3, *Command4, *Command6, *Command5, *Command7, *Command10, *Command2;

protected:
    void CalcAndDraw() override;
};

}  // namespace quillmar
