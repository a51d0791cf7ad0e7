#pragma once

#include "calculators/CalculatorFrame.h"

class QGroupBox;
class QRadioButton;

namespace quillmar {

// " 2-Circle clos point": the two points where two circles cross.
class frmCircleCircle : public CalculatorFrame {
    Q_OBJECT

public:
    explicit frmCircleCircle(InsertText insert = {}, QWidget* parent = nullptr);

    void Command7_Click();  // "Print"
    void Command2_Click();  // "Cancel"

    QGroupBox* Frame2;
    QRadioButton* OptionXZ;
    QRadioButton* OptionXY;

    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label11, *Label7, *Label8, *Label12, *Label14;

    QLineEdit* Text1;   // circle 1 centre X
    QLineEdit* Text2;   // circle 1 centre Z
    QLineEdit* Text3;   // circle 1 R
    QLineEdit* Text4;   // circle 2 centre X
    QLineEdit* Text5;   // circle 2 centre Z
    QLineEdit* Text6;   // circle 2 R
    QLineEdit* Text7;   // crossing 1 X
    QLineEdit* Text8;   // crossing 1 Z
    QLineEdit* Text11;  // crossing 2 X
    QLineEdit* Text12;  // crossing 2 Z

    QPushButton *Command1, *Command3, *Command7, *Command2;

protected:
    void CalcAndDraw() override;
};

}  // namespace quillmar
