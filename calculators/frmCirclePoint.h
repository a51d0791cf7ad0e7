#pragma once

#include "calculators/CalculatorFrame.h"

class QGroupBox;
class QRadioButton;

namespace quillmar {

// " Circle with tangent point": the point where a line of a given direction touches a
// circle, and the vector from it to the centre.
class frmCirclePoint : public CalculatorFrame {
    Q_OBJECT

public:
    explicit frmCirclePoint(InsertText insert = {}, QWidget* parent = nullptr);

    void Command10_Click();  // "Print"
    void Command2_Click();   // "Cancel"

    QGroupBox* Frame2;
    QRadioButton* OptionXZ;
    QRadioButton* OptionXY;
    QGroupBox* Frame1;
    QRadioButton* Option1;
    QRadioButton* Option2;

    QLabel *Label9, *Label11, *Label10, *Label4, *Label5, *Label12, *Label14, *Label16, *Label18;

    QLineEdit* Text1;  // centre X
    QLineEdit* Text2;  // centre Z
    QLineEdit* Text3;  // R
    QLineEdit* Text4;  // direction of the tangent
    QLineEdit* Text5;  // tangent point X
    QLineEdit* Text6;  // tangent point Z
    QLineEdit* Text7;  // I
    QLineEdit* Text8;  // K

    QPushButton *Command1, *Command3, *Command10, *Command2;

protected:
    void CalcAndDraw() override;
};

}  // namespace quillmar
