#pragma once

#include "calculators/taper.h"
#include "calculators/taper_window.h"

class QGroupBox;
class QLabel;

namespace quillmar {

class FixedSketch;

// "Line angle": completes a taper line from its start point and two of angle, end
// diameter and end Z; inserts one word of it and closes.
class frmLineAngle : public TaperWindow {
    Q_OBJECT
public:
    explicit frmLineAngle(InsertText insert = {}, QWidget* parent = nullptr);

    void Text4_LostFocus();
    void Text5_LostFocus();
    void Command1_Click();  // "X 2"
    void Command3_Click();  // "Z 2"
    void Command4_Click();  // "X2 , Z2"
    void Command5_Click();  // "A"
    void Command2_Click();  // "Cancel"

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLineEdit* Text1;  // start X1
    QLineEdit* Text2;  // start Z1
    QLineEdit* Text3;  // angle A
    QLineEdit* Text4;  // end X2
    QLineEdit* Text5;  // end Z2
    QLabel* Label6;
    QGroupBox* Frame1;
    QPushButton* Command1;
    QPushButton* Command3;
    QPushButton* Command4;
    QPushButton* Command5;
    QPushButton* Command2;
    FixedSketch* Picture1;

private:
    TaperLine line() const;
    void insertAndClose(const QString& text);
};

}  // namespace quillmar
