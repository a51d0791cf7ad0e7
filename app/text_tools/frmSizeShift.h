#pragma once

#include "app/text_tools/search_window.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quillmar {

class SizeShiftRefused;

// "Size Shift": rewrites the number after each occurrence of an address by a calculation,
// one by one (Change, Skip) or all at once (All change).
class frmSizeShift : public SearchWindow {
    Q_OBJECT

public:
    frmSizeShift(DocumentState& docs, ActiveText activeText, QWidget* parent);

    void setFindBox(const QString& text) override;
    void txtFind_Change();
    void txtValue_Change();
    void txtFind_KeyPress();   // Enter in the address box
    void txtValue_KeyPress();  // Enter in the calculation box
    void Change_Click();
    void NextFind_Click();
    void AllChange_Click();
    void Cancel_Click();

    QLabel* Label1;
    QLineEdit* txtFind;   // the address
    QLabel* Label2;
    QLabel* Label3;
    QLineEdit* txtValue;  // the calculation
    QCheckBox* Check1;    // from the top
    QPushButton* Change;
    QPushButton* AllChange;
    QPushButton* Cancel;
    QPushButton* NextFind;  // "Skip"

private:
    void boxesChanged();
    bool bothBoxesHoldText() const;
    void refuse(const SizeShiftRefused& refused);
};

}  // namespace quillmar
