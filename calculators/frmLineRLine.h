#pragma once

#include "calculators/CalculatorFrame.h"

class QCheckBox;
class QGroupBox;
class QRadioButton;

namespace quillmar {

// "2Line tangent Circle": the arc of radius R that joins two lines, each given by a
// point and an angle, in one of the four corners around their crossing point.
class frmLineRLine : public CalculatorFrame {
    Q_OBJECT

public:
    explicit frmLineRLine(InsertText insert = {}, QWidget* parent = nullptr);

    void Command10_Click();  // "Print"
    void Command2_Click();   // "Cancel"

    QGroupBox* FramePlane;
    QRadioButton* OptionXZ;
    QRadioButton* OptionXY;
    QGroupBox* FramePosition;
    QRadioButton* Option1;
    QRadioButton* Option2;
    QRadioButton* Option3;
    QRadioButton* Option4;
    QCheckBox* Check1;

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* Label8;
    QLabel* Label9;
    QLabel* Label10;
    QLabel* Label11;
    QLabel* Label12;
    QLabel* Label13;
    QLabel* Label14;
    QLabel* Label15;
    QLabel* Label16;
    QLabel* Label17;
    QLabel* Label18;
    QLabel* Label19;
    QLabel* Label21;

    QLineEdit* Text1;   // line 1 X
    QLineEdit* Text2;   // line 1 Z
    QLineEdit* Text3;   // line 1 angle
    QLineEdit* Text4;   // line 2 X
    QLineEdit* Text5;   // line 2 Z
    QLineEdit* Text6;   // line 2 angle
    QLineEdit* Text7;   // crossing X
    QLineEdit* Text8;   // crossing Z
    QLineEdit* Text9;   // R
    QLineEdit* Text10;  // centre X
    QLineEdit* Text11;  // centre Z
    QLineEdit* Text12;  // tangent point 1 X
    QLineEdit* Text13;  // tangent point 1 Z
    QLineEdit* Text14;  // tangent point 2 X
    QLineEdit* Text15;  // tangent point 2 Z
    QLineEdit* Text16;  // I to the centre from tangent point 1
    QLineEdit* Text17;  // K from tangent point 1
    QLineEdit* Text18;  // I from tangent point 2
    QLineEdit* Text19;  // K from tangent point 2

    QPushButton* Command1;
    QPushButton* Command3;
    QPushButton* Command4;
    QPushButton* Command5;
    QPushButton* Command8;
    QPushButton* Command6;
    QPushButton* Command9;
    QPushButton* Command7;
    QPushButton* Command10;
    QPushButton* Command2;

protected:
    void CalcAndDraw() override;

private:
    // The Enter chain, the Tab order and what each control runs.
    void connectControls();
    int corner() const;
};

}  // namespace quillmar
