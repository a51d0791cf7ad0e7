#pragma once

#include <QDialog>

#include "common/machine_profile.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quillmar {

class SettingsStore;

// The machine-setup dialog "Parameter". It is created in its design state; filling it
// from the profile is a step of its own, so that start-up can prepare a dialog without
// filling it. "Set" writes the boxes it shows into the profile and all eighteen keys into
// the store, then accepts; "Cancel" rejects and changes nothing.
class frmProcessSetup : public QDialog {
    Q_OBJECT

public:
    frmProcessSetup(MachineProfile& profile, SettingsStore& store, QWidget* parent = nullptr);

    // Puts the profile into the boxes, check boxes and options.
    void fillFromProfile();

    void Command1_Click();  // "Set"
    void Command2_Click();  // "Cancel"
    void mcMacTurn_Click();
    void mcMULTUS_Click();
    void mcOther_Click();

    QLabel* Label4;
    QLabel* Label5;
    QLineEdit* txtMaxS;
    QLabel* LabelApp;
    QLabel* LabelAppX;
    QLineEdit* txtHomeX;
    QLabel* LabelAppZ;
    QLineEdit* txtHomeZ;
    QLabel* Label1;
    QLabel* Label2;
    QLineEdit* txtAppX;
    QLabel* Label3;
    QLineEdit* txtAppZ;
    QCheckBox* ChkBturret;
    QCheckBox* chkToolLife;
    QCheckBox* ChkDoor;
    QCheckBox* ChkOsp;
    QCheckBox* ChkMeasuer;
    QCheckBox* ChkPanel;
    QCheckBox* ChkToolFrom;
    QCheckBox* ChkLoadMoniter;
    QCheckBox* ChkOptionalStop;
    QGroupBox* Frame1;
    QRadioButton* mcOther;
    QRadioButton* mcMacTurn;
    QRadioButton* mcMULTUS;
    QGroupBox* TurretH;
    QRadioButton* H1;
    QRadioButton* H2;
    QGroupBox* AtcMacro;
    QRadioButton* M321;
    QRadioButton* M421;
    QRadioButton* M441;
    QPushButton* Command1;
    QPushButton* Command2;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The tab chain, select-all on the boxes, and the buttons.
    void connectControls();
    // The approach and home boxes and the approach label for a machine type.
    void showApproachFor(MachineKind kind);
    void applyMachineType(MachineKind kind);
    void setTurretAndAtcEnabled(bool enabled);

    MachineProfile& profile_;
    SettingsStore& store_;
};

// The dialog part of Process > Setup: fills a fresh dialog from the profile and runs it
// through the modal seam. True when "Set" closed it; the profile then holds the new
// settings, and so does the store unless the user was told it could not be written.
// Either way the caller applies the machine-type menus afterwards.
bool runProcessSetup(MachineProfile& profile, SettingsStore& store, QWidget* parent);

}  // namespace quillmar
