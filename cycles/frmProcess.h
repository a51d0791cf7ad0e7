#pragma once

#include <QDialog>

#include "cycles/process_dialog_layout.h"
#include "cycles/process_read.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quillmar {

struct SharedState;

// The parameter dialog of every cycle generator. It is created in its design state for
// each run; a generator adapts it with applyLayout, fills it with LoadProcessDefaults
// and its own texts, and shows it through the modal seam. Execute reads the boxes into
// the shared parameters and accepts; Cancel, Escape and closing the window reject.
class frmProcess : public QDialog {
    Q_OBJECT

public:
    explicit frmProcess(SharedState& state, QWidget* parent = nullptr);

    // Caption, label captions, hidden and shown controls and tooltips of a cycle; the
    // box texts of the layout are written by setBoxTexts after the defaults.
    void applyLayout(const ProcessDialogLayout& layout);
    void setBoxTexts(const QList<ControlText>& texts);
    // The names of a layout that are no control of this dialog.
    QStringList unknownControls(const ProcessDialogLayout& layout) const;

    // Fills the tool number, the spindle and coolant options and the seven condition
    // boxes from a row of the cutting-condition table. A spindle or coolant cell that is
    // not a number fails with type mismatch (13); boxes filled before it keep their text.
    void LoadProcessDefaults(int row);

    // Shows the B-axis box and the tip-position options only on MacTurn and MULTUS.
    void ShowBAxisFields();

    // The boxes and options as they stand.
    ProcessDialogInput input() const;
    // Stores the boxes and options into the shared parameters; fails with overflow (6)
    // on a number that does not fit, leaving the parameters as they were.
    void ReadProcessDialog();

    // The error number that stopped Execute's read-out (0: none). The dialog still
    // closes as executed, and the generator reports the number.
    int readError() const { return readError_; }

    void Command1_Click();  // "Execute"
    void Command2_Click();  // "Cancel"
    void B_LostFocus();

    // Escape and the window's close button come here: they count as Cancel.
    void reject() override;

    QGroupBox* Frame1;
    QRadioButton* SpindleCW;
    QRadioButton* SpindleCCW;
    QGroupBox* Frame2;
    QRadioButton* CoolantON;
    QRadioButton* CoolantOFF;
    QGroupBox* TipPostion;
    QRadioButton* M602;
    QRadioButton* M603;
    QLabel* Label1;
    QLabel* Label10;
    QLineEdit* ToolNumber;
    QLabel* LabelB;
    QLabel* LabelB2;
    QLineEdit* B;
    QLabel* LabelV;
    QLabel* Labelv2;
    QLineEdit* V;
    QLabel* LabelF;
    QLabel* LabelF2;
    QLineEdit* F;
    QLabel* LabelU;
    QLabel* LabelU2;
    QLineEdit* U;
    QLabel* LabelW;
    QLabel* LabelW2;
    QLineEdit* W;
    QLabel* LabelD;
    QLabel* LabelD2;
    QLineEdit* D;
    QLabel* LabelL;
    QLabel* LabelL2;
    QLineEdit* L;
    QLabel* LabelC;
    QLabel* LabelC2;
    QLineEdit* C;
    QGroupBox* Frame3;
    QRadioButton* Option1;
    QRadioButton* Option2;
    QLabel* LabelCZ;
    QLabel* LabelSZ;
    QLineEdit* SZ;
    QLabel* LabelStart;
    QLabel* LabelStartX;
    QLineEdit* StartX;
    QLabel* LabelStartZ;
    QLineEdit* StartZ;
    QLabel* LabelStartC;
    QLineEdit* StartC;
    QLabel* LabelEnd;
    QLabel* LabelEndX;
    QLineEdit* EndX;
    QLabel* LabelEndZ;
    QLineEdit* EndZ;
    QLabel* EndZ2;
    QLabel* LabelEndC;
    QLineEdit* EndC;
    QLabel* LabelAttn;
    QLabel* Label2;
    QPushButton* Command1;
    QPushButton* Command2;

    // The sixteen boxes in tab order.
    QList<QLineEdit*> boxes() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* control(const QString& name) const;
    void buildLayout();
    // The tab chain, Enter and select-all on the boxes, and the buttons.
    void connectControls();

    SharedState& state_;
    int readError_ = 0;
    bool relabelEndCOnB_ = false;  // from the layout: see ProcessDialogLayout
};

}  // namespace quillmar
