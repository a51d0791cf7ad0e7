#pragma once

#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quillmar {

class PrinterChoice;
struct SharedState;

// Printer Setup: the printer and its orientation, the print font, the margins and the
// number of columns.
class PrintSetting : public QWidget {
    Q_OBJECT
public:
    PrintSetting(SharedState& state, PrinterChoice& printer, QWidget* parent = nullptr);

    // Shows the columns and margins in force.
    void fill();

    QGroupBox* Frame2;
    QRadioButton* Option1;
    QRadioButton* Option2;
    QGroupBox* Frame1;
    QLabel* Label1;
    QLineEdit* Text1;
    QLabel* Label2;
    QLineEdit* Text2;
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
    QPushButton* Command4;

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

private:
    SharedState& state_;
    PrinterChoice& printer_;
};

}  // namespace quillmar
