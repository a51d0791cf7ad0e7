#pragma once

#include "calculators/CalculatorFrame.h"

class QGroupBox;
class QRadioButton;

namespace quillmar {

// "XY-XC Change": two points of the face plane between X-Y and X-C form, and the line
// through them with its Y-axis-mode values, on a fixed scale.
class frmXY_XC : public CalculatorFrame {
    Q_OBJECT

public:
    explicit frmXY_XC(InsertText insert = {}, QWidget* parent = nullptr);

    void OptionXY_Click();
    void OptionXC_Click();
    void Command2_Click();  // "Cancel"

    void Picture1_MouseMove(float x, float y) override;
    void Picture1_GotFocus() override;
    void Form_MouseMove() override;

    QGroupBox* FrameMode;
    QRadioButton* OptionXY;
    QRadioButton* OptionXC;
    QList<QLineEdit*> Text;  // Text[1] .. Text[15]; Text[0] unused
    QLineEdit* Text1;
    QLineEdit* Text2;
    QLineEdit* Text3;
    QLineEdit* Text4;
    QLineEdit* Text5;
    QLineEdit* Text6;
    QLineEdit* Text7;
    QLineEdit* Text8;
    QPushButton* Command1;
    QPushButton* Command5;
    QPushButton* Command3;
    QPushButton* Command4;
    QPushButton* Command7;
    QPushButton* Command6;
    QPushButton* Command8;
    QPushButton* Command11;
    QPushButton* Command13;
    QPushButton* Command2;
    ReadoutStrip* Picture2;  // "Y" at the vertical axis
    ReadoutStrip* Picture4;  // "X C0" at the horizontal axis
    ReadoutStrip* Picture5;  // the X-C read-out

protected:
    void CalcAndDraw() override;
    Plane plane() const override { return Plane::XY; }
    void showEvent(QShowEvent* event) override;

private:
    // The Enter chain, the Tab order and what each control runs.
    void connectControls();
    void setRoles(bool xcMode);
    bool shown_ = false;
};

}  // namespace quillmar
