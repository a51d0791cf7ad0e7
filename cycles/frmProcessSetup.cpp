#include "cycles/frmProcessSetup.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cmath>

#include "common/read_number.h"
#include "common/runtime_error.h"
#include "cycles/dialog_controls.h"
#include "cycles/machine_profile_settings.h"
#include "platform/modal.h"
#include "platform/settings_store.h"
#include "platform/window_frame.h"

namespace quillmar {
namespace {

QString text(const char* s) { return QString::fromLatin1(s); }

}  // namespace

frmProcessSetup::frmProcessSetup(MachineProfile& profile, SettingsStore& store, QWidget* parent)
    : QDialog(parent, kFixedDialog),
      profile_(profile),
      store_(store) {
    keepTitleBarBare(*this);
    setObjectName(text("frmProcessSetup"));
    setWindowTitle(text("Parameter"));

    Label4 = named(new QLabel(text("Max.Spindle"), this), "Label4");
    Label5 = named(new QLabel(text("S"), this), "Label5");
    txtMaxS = named(new QLineEdit(this), "txtMaxS");
    LabelApp = named(new QLabel(text("Turret index"), this), "LabelApp");
    LabelAppX = named(new QLabel(text("X"), this), "LabelAppX");
    txtHomeX = named(new QLineEdit(this), "txtHomeX");
    LabelAppZ = named(new QLabel(text("Z"), this), "LabelAppZ");
    txtHomeZ = named(new QLineEdit(this), "txtHomeZ");
    Label1 = named(new QLabel(text("Apploch"), this), "Label1");
    Label2 = named(new QLabel(text("X"), this), "Label2");
    txtAppX = named(new QLineEdit(this), "txtAppX");
    Label3 = named(new QLabel(text("Z"), this), "Label3");
    txtAppZ = named(new QLineEdit(this), "txtAppZ");

    ChkBturret = named(new QCheckBox(text("2-Turret"), this), "ChkBturret");
    chkToolLife = named(new QCheckBox(text("Tool life"), this), "chkToolLife");
    ChkDoor = named(new QCheckBox(text("Auto Door"), this), "ChkDoor");
    ChkOsp = named(new QCheckBox(text("OSP-U100 after"), this), "ChkOsp");
    ChkMeasuer = named(new QCheckBox(text("In.Measuer"), this), "ChkMeasuer");
    ChkPanel = named(new QCheckBox(text("Panel Check"), this), "ChkPanel");
    ChkToolFrom = named(new QCheckBox(text("Tool shpe"), this), "ChkToolFrom");
    ChkLoadMoniter = named(new QCheckBox(text("Load monitor"), this), "ChkLoadMoniter");
    ChkOptionalStop = named(new QCheckBox(text("Optional stop"), this), "ChkOptionalStop");
    ChkPanel->setChecked(true);

    Frame1 = named(new QGroupBox(text("Machine Type"), this), "Frame1");
    mcOther = named(new QRadioButton(text("Other"), Frame1), "mcOther");
    mcMacTurn = named(new QRadioButton(text("MacTurn"), Frame1), "mcMacTurn");
    mcMULTUS = named(new QRadioButton(text("MULTUS"), Frame1), "mcMULTUS");
    TurretH = named(new QGroupBox(text("Turret Type"), this), "TurretH");
    H1 = named(new QRadioButton(text("H1"), TurretH), "H1");
    H2 = named(new QRadioButton(text("H2"), TurretH), "H2");
    AtcMacro = named(new QGroupBox(text("ATC Macro Type"), this), "AtcMacro");
    M321 = named(new QRadioButton(text("M321"), AtcMacro), "M321");
    M421 = named(new QRadioButton(text("M421"), AtcMacro), "M421");
    M441 = named(new QRadioButton(text("M441"), AtcMacro), "M441");

    Command1 = named(new QPushButton(text("Set"), this), "Command1");
    Command2 = named(new QPushButton(text("Cancel"), this), "Command2");
    // Neither button is the default or the cancel button: Enter and Esc do nothing.
    Command1->setAutoDefault(false);
    Command2->setAutoDefault(false);

    auto* frame1Layout = new QHBoxLayout(Frame1);
    frame1Layout->addWidget(mcOther);
    frame1Layout->addWidget(mcMacTurn);
    frame1Layout->addWidget(mcMULTUS);
    auto* turretLayout = new QHBoxLayout(TurretH);
    turretLayout->addWidget(H1);
    turretLayout->addWidget(H2);
    auto* atcLayout = new QHBoxLayout(AtcMacro);
    atcLayout->addWidget(M321);
    atcLayout->addWidget(M421);
    atcLayout->addWidget(M441);

    auto* boxes = new QGridLayout;
    boxes->addWidget(Label4, 0, 0);
    boxes->addWidget(Label5, 0, 1);
    boxes->addWidget(txtMaxS, 0, 2);
    boxes->addWidget(LabelApp, 1, 0);
    // The label reaches under its box, so the code that replaces the hidden box has room.
    boxes->addWidget(LabelAppX, 1, 1, 1, 2);
    boxes->addWidget(txtHomeX, 1, 2);
    boxes->addWidget(LabelAppZ, 1, 3);
    boxes->addWidget(txtHomeZ, 1, 4);
    boxes->addWidget(Label1, 2, 0);
    boxes->addWidget(Label2, 2, 1);
    boxes->addWidget(txtAppX, 2, 2);
    boxes->addWidget(Label3, 2, 3);
    boxes->addWidget(txtAppZ, 2, 4);
    LabelAppX->setMinimumWidth(LabelAppX->fontMetrics().horizontalAdvance(text("G20 HP=4 M867")) + 8);
    LabelAppX->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    txtHomeX->raise();

    auto* checks = new QGridLayout;
    checks->addWidget(ChkBturret, 0, 0);
    checks->addWidget(chkToolLife, 0, 1);
    checks->addWidget(ChkDoor, 0, 2);
    checks->addWidget(ChkOsp, 1, 0);
    checks->addWidget(ChkMeasuer, 1, 1);
    checks->addWidget(ChkPanel, 1, 2);
    checks->addWidget(ChkToolFrom, 2, 0);
    checks->addWidget(ChkLoadMoniter, 2, 1);
    checks->addWidget(ChkOptionalStop, 2, 2);

    auto* groups = new QHBoxLayout;
    groups->addWidget(TurretH);
    groups->addWidget(AtcMacro);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(boxes);
    layout->addLayout(checks);
    layout->addWidget(Frame1);
    layout->addLayout(groups);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connectControls();
}

void frmProcessSetup::connectControls() {
    const QList<QWidget*> tabOrder = {
        txtMaxS, txtHomeX, txtHomeZ, txtAppX, txtAppZ, Command1, Command2,
        H1, H2, M321, M421, M441,
        ChkDoor, ChkPanel, ChkMeasuer, ChkBturret, ChkOsp, chkToolLife, ChkToolFrom, ChkLoadMoniter,
        mcOther, mcMacTurn, mcMULTUS, ChkOptionalStop,
    };
    setTabChain(tabOrder);

    for (QLineEdit* box : {txtMaxS, txtHomeX, txtHomeZ, txtAppX, txtAppZ})
        selectAllOnFocus(box);

    connect(Command1, &QPushButton::clicked, this, &frmProcessSetup::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmProcessSetup::Command2_Click);
    connect(mcMacTurn, &QRadioButton::clicked, this, &frmProcessSetup::mcMacTurn_Click);
    connect(mcMULTUS, &QRadioButton::clicked, this, &frmProcessSetup::mcMULTUS_Click);
    connect(mcOther, &QRadioButton::clicked, this, &frmProcessSetup::mcOther_Click);
}

void frmProcessSetup::showApproachFor(MachineKind kind) {
    const bool other = kind == MachineKind::Other;
    txtHomeX->setVisible(other);
    txtHomeZ->setVisible(other);
    LabelAppZ->setVisible(other);
    switch (kind) {
        case MachineKind::MacTurn: LabelAppX->setText(text("G21 HP=4")); break;
        case MachineKind::Multus: LabelAppX->setText(text("G20 HP=4 M867")); break;
        case MachineKind::Other: LabelAppX->setText(text("X")); break;
    }
}

void frmProcessSetup::fillFromProfile() {
    txtMaxS->setText(profileNumberText(profile_.gMaxSpindleSpeed));
    txtHomeX->setText(profileNumberText(profile_.gHomeX));
    txtHomeZ->setText(profileNumberText(profile_.gHomeZ));
    txtAppX->setText(profileNumberText(profile_.gApproachX));
    txtAppZ->setText(profileNumberText(profile_.gApproachZ));

    ChkDoor->setChecked(profile_.gAutoDoor);
    ChkPanel->setChecked(profile_.gPanelCheck);
    ChkMeasuer->setChecked(profile_.gMeasuring);
    ChkBturret->setChecked(profile_.gBTurret);
    chkToolLife->setChecked(profile_.gToolLife);
    ChkOsp->setChecked(profile_.gOspU100);

    // Selecting an option runs its handler, as a click would.
    switch (MachineType(profile_)) {
        case MachineKind::MacTurn:
            mcMacTurn->setChecked(true);
            mcMacTurn_Click();
            setTurretAndAtcEnabled(true);
            break;
        case MachineKind::Multus:
            mcMULTUS->setChecked(true);
            mcMULTUS_Click();
            TurretH->setEnabled(true);
            AtcMacro->setEnabled(true);
            H1->setChecked(true);
            H1->setEnabled(true);
            H2->setEnabled(false);
            M321->setEnabled(true);
            M421->setEnabled(true);
            M441->setEnabled(true);
            break;
        case MachineKind::Other:
            mcOther->setChecked(true);
            mcOther_Click();
            setTurretAndAtcEnabled(false);
            break;
    }

    // After the machine type, so a stored H2 on a MULTUS machine opens selected though disabled.
    (profile_.gTurretType != 1 ? H2 : H1)->setChecked(true);

    if (profile_.gAtcMacro == QLatin1String("M321"))
        M321->setChecked(true);
    else if (profile_.gAtcMacro == QLatin1String("M421"))
        M421->setChecked(true);
    else
        M441->setChecked(true);

    ChkToolFrom->setChecked(profile_.gToolShape);
    ChkLoadMoniter->setChecked(profile_.gLoadMonitor);
    ChkOptionalStop->setChecked(profile_.gOptionalStop);
}

void frmProcessSetup::setTurretAndAtcEnabled(bool enabled) {
    for (QWidget* w : std::initializer_list<QWidget*>{TurretH, AtcMacro, H1, H2, M321, M421, M441})
        w->setEnabled(enabled);
}

void frmProcessSetup::applyMachineType(MachineKind kind) {
    const bool other = kind == MachineKind::Other;
    showApproachFor(kind);
    TurretH->setEnabled(!other);
    AtcMacro->setEnabled(!other);
    if (kind == MachineKind::Multus)
        H1->setChecked(true);
    H1->setEnabled(!other);
    H2->setEnabled(kind == MachineKind::MacTurn);
    M321->setEnabled(!other);
    M421->setEnabled(!other);
    M441->setEnabled(!other);
}

void frmProcessSetup::mcMacTurn_Click() {
    if (mcMacTurn->isChecked())
        applyMachineType(MachineKind::MacTurn);
}

void frmProcessSetup::mcMULTUS_Click() {
    if (mcMULTUS->isChecked())
        applyMachineType(MachineKind::Multus);
}

void frmProcessSetup::mcOther_Click() {
    if (mcOther->isChecked())
        applyMachineType(MachineKind::Other);
}

void frmProcessSetup::Command1_Click() {
    struct Box {
        QLineEdit* box;
        const char* name;
        double value;
    };
    Box boxes[] = {
        {txtMaxS, "Max.Spindle S", profile_.gMaxSpindleSpeed}, {txtHomeX, "Turret index X", profile_.gHomeX},
        {txtHomeZ, "Turret index Z", profile_.gHomeZ},          {txtAppX, "Apploch X", profile_.gApproachX},
        {txtAppZ, "Apploch Z", profile_.gApproachZ},
    };
    // Every box is checked before anything changes, so a refused value leaves the
    // profile and the store as they were.
    for (Box& b : boxes) {
        // A box this machine hides is out of the user's reach: its stored value stands.
        if (!b.box->isVisibleTo(this))
            continue;
        bool inRange = true;
        try {
            b.value = ReadNumber(b.box->text());
        } catch (const RuntimeError&) {
            inRange = false;
        }
        if (inRange && b.box == txtMaxS)
            inRange = std::isfinite(static_cast<float>(b.value));
        if (!hasLeadingNumber(b.box->text())) {
            // Read by the leading-number rule it would be 0, and the stored value lost.
            modal::msgBox(this, text(b.name) + text(": enter a number."),
                          modal::kOkOnly | modal::kExclamation, windowTitle());
            b.box->setFocus();
            b.box->selectAll();
            return;
        }
        if (!inRange) {
            modal::msgBox(this, text(b.name) + text(": the value is out of range."),
                          modal::kOkOnly | modal::kExclamation, windowTitle());
            b.box->setFocus();
            b.box->selectAll();
            return;
        }
    }

    MachineProfile& p = profile_;
    p.gMaxSpindleSpeed = Single(boxes[0].value);
    p.gHomeX = boxes[1].value;
    p.gHomeZ = boxes[2].value;
    p.gApproachX = boxes[3].value;
    p.gApproachZ = boxes[4].value;
    p.gAutoDoor = ChkDoor->isChecked();
    p.gPanelCheck = ChkPanel->isChecked();
    p.gMeasuring = ChkMeasuer->isChecked();
    p.gToolLife = chkToolLife->isChecked();
    p.gBTurret = ChkBturret->isChecked();
    p.gOspU100 = ChkOsp->isChecked();
    p.gMacTurn = mcMacTurn->isChecked();
    p.gMultus = !p.gMacTurn && mcMULTUS->isChecked();
    p.gTurretType = H1->isChecked() ? 1 : 2;
    p.gAtcMacro = M321->isChecked() ? text("M321") : M421->isChecked() ? text("M421") : text("M441");
    p.gToolShape = ChkToolFrom->isChecked();
    p.gLoadMonitor = ChkLoadMoniter->isChecked();
    p.gOptionalStop = ChkOptionalStop->isChecked();

    saveMachineProfile(p, store_);
    // The new machine holds for this run even when the file cannot keep it.
    if (!store_.sync())
        modal::msgBox(this, settingsNotSavedText(store_), modal::kOkOnly | modal::kExclamation,
                      windowTitle());
    accept();
}

void frmProcessSetup::Command2_Click() { reject(); }

void frmProcessSetup::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape || isEnterKey(event)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmProcessSetup::closeEvent(QCloseEvent* event) {
    // No close box: only "Set" and "Cancel" end the dialog.
    if (event->spontaneous()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

bool runProcessSetup(MachineProfile& profile, SettingsStore& store, QWidget* parent) {
    frmProcessSetup dialog(profile, store, parent);
    dialog.fillFromProfile();
    return modal::exec(&dialog) == QDialog::Accepted;
}

}  // namespace quillmar
