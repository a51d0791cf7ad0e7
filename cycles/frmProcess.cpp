#include "cycles/frmProcess.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "common/format.h"
#include "common/read_number.h"
#include "common/runtime_error.h"
#include "common/shared_state.h"
#include "cycles/dialog_controls.h"
#include "platform/window_frame.h"

namespace quillmar {
namespace {

// Controls keep their place when a cycle hides a neighbour, as on a form.
template <typename T>
T* placed(T* widget, const char* name) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
    return quillmar::named(widget, name);
}

QLabel* label(const QString& caption, const char* name, QWidget* parent) {
    return placed(plainLabel(caption, name, parent), name);
}

QString text(const char* s) { return QString::fromUtf8(s); }

}  // namespace

frmProcess::frmProcess(SharedState& state, QWidget* parent)
    : QDialog(parent, kFixedDialog), state_(state) {
    keepTitleBarBare(*this);
    setObjectName(text("frmProcess"));
    setWindowTitle(text(" Process"));

    Frame1 = placed(new QGroupBox(text("Spindle"), this), "Frame1");
    SpindleCW = placed(new QRadioButton(text("CW"), Frame1), "SpindleCW");
    SpindleCCW = placed(new QRadioButton(text("CCW"), Frame1), "SpindleCCW");
    Frame2 = placed(new QGroupBox(text("Coolant"), this), "Frame2");
    CoolantON = placed(new QRadioButton(text("ON"), Frame2), "CoolantON");
    CoolantOFF = placed(new QRadioButton(text("OFF"), Frame2), "CoolantOFF");
    TipPostion = placed(new QGroupBox(text("M-Index"), this), "TipPostion");
    M602 = placed(new QRadioButton(text("0°"), TipPostion), "M602");
    M603 = placed(new QRadioButton(text("180°"), TipPostion), "M603");
    M602->setChecked(true);

    Label1 = label(text("Tool No."), "Label1", this);
    Label10 = label(text("T"), "Label10", this);
    ToolNumber = placed(new QLineEdit(this), "ToolNumber");
    LabelB = label(text("B-axis"), "LabelB", this);
    LabelB2 = label(text("B"), "LabelB2", this);
    B = placed(new QLineEdit(text("0"), this), "B");
    LabelV = label(text("Cut Speed(m/min)"), "LabelV", this);
    Labelv2 = label(text("V"), "Labelv2", this);
    V = placed(new QLineEdit(this), "V");
    LabelF = label(text("Feed(mm/rev)"), "LabelF", this);
    LabelF2 = label(text("F"), "LabelF2", this);
    F = placed(new QLineEdit(this), "F");
    LabelU = label(text("Finish X"), "LabelU", this);
    LabelU2 = label(text("U"), "LabelU2", this);
    U = placed(new QLineEdit(this), "U");
    LabelW = label(text("Finish Z"), "LabelW", this);
    LabelW2 = label(text("W"), "LabelW2", this);
    W = placed(new QLineEdit(this), "W");
    LabelD = label(text("Step"), "LabelD", this);
    LabelD2 = label(text("D"), "LabelD2", this);
    D = placed(new QLineEdit(this), "D");
    LabelL = label(text("Step Back"), "LabelL", this);
    LabelL2 = label(text("L"), "LabelL2", this);
    L = placed(new QLineEdit(this), "L");
    LabelC = label(text("Chamfer"), "LabelC", this);
    LabelC2 = label(text("C"), "LabelC2", this);
    C = placed(new QLineEdit(this), "C");
    Frame3 = placed(new QGroupBox(text("chamfer"), this), "Frame3");
    Option1 = placed(new QRadioButton(text("C"), Frame3), "Option1");
    Option2 = placed(new QRadioButton(text("R"), Frame3), "Option2");
    Option1->setChecked(true);
    LabelCZ = label(QString(), "LabelCZ", this);
    LabelSZ = label(text("Z"), "LabelSZ", this);
    SZ = placed(new QLineEdit(this), "SZ");
    LabelStart = label(text("Start"), "LabelStart", this);
    LabelStartX = label(text("X"), "LabelStartX", this);
    StartX = placed(new QLineEdit(this), "StartX");
    LabelStartZ = label(text("Z"), "LabelStartZ", this);
    StartZ = placed(new QLineEdit(this), "StartZ");
    LabelStartC = label(text("C"), "LabelStartC", this);
    StartC = placed(new QLineEdit(this), "StartC");
    LabelEnd = label(text("End point"), "LabelEnd", this);
    LabelEndX = label(text("X"), "LabelEndX", this);
    EndX = placed(new QLineEdit(this), "EndX");
    LabelEndZ = label(text("Z"), "LabelEndZ", this);
    EndZ = placed(new QLineEdit(this), "EndZ");
    EndZ2 = label(text("End point"), "EndZ2", this);
    LabelEndC = label(text("C"), "LabelEndC", this);
    EndC = placed(new QLineEdit(this), "EndC");
    LabelAttn = label(QString(), "LabelAttn", this);
    Label2 = label(text("Attn. move by TAB key."), "Label2", this);
    Command1 = placed(new QPushButton(text("Execute"), this), "Command1");
    Command2 = placed(new QPushButton(text("Cancel"), this), "Command2");
    // Neither button is the window's default or cancel button.
    Command1->setAutoDefault(false);
    Command2->setAutoDefault(false);

    for (QWidget* w : std::initializer_list<QWidget*>{LabelB, LabelB2, B, Frame3, LabelSZ, SZ})
        w->setVisible(false);

    buildLayout();

    connectControls();
}

void frmProcess::connectControls() {
    setTabChain({
        ToolNumber, B, V, F, U, W, D, L, C, SZ, StartX, StartZ, StartC, EndX, EndZ, EndC,
        Command1, Command2, SpindleCW, SpindleCCW, CoolantON, CoolantOFF, M602, M603, Option1, Option2,
    });

    // Enter in a box types nothing; in the first three it moves on.
    auto* enter = new EnterChain(this);
    for (QLineEdit* box : boxes()) {
        selectAllOnFocus(box);
        enter->run(box, [] {}, EnterChain::Key::Swallow);
    }
    enter->moveOn({ToolNumber, V, F, U}, EnterChain::Key::Swallow);
    B->installEventFilter(this);

    connect(Command1, &QPushButton::clicked, this, &frmProcess::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmProcess::Command2_Click);
}

void frmProcess::buildLayout() {
    auto pair = [](QRadioButton* a, QRadioButton* b, QGroupBox* frame) {
        auto* l = new QHBoxLayout(frame);
        l->addWidget(a);
        l->addWidget(b);
    };
    pair(SpindleCW, SpindleCCW, Frame1);
    pair(CoolantON, CoolantOFF, Frame2);
    pair(M602, M603, TipPostion);
    pair(Option1, Option2, Frame3);

    auto* options = new QHBoxLayout;
    options->addWidget(Frame1);
    options->addWidget(Frame2);
    options->addWidget(TipPostion);
    options->addStretch();

    // Two labelled boxes a row, the chamfer frame between the pairs of its row.
    auto* values = new QGridLayout;
    const QList<QList<QWidget*>> rows = {
        {Label1, Label10, ToolNumber, nullptr, LabelB, LabelB2, B},
        {LabelV, Labelv2, V, nullptr, LabelF, LabelF2, F},
        {LabelU, LabelU2, U, nullptr, LabelW, LabelW2, W},
        {LabelD, LabelD2, D, nullptr, LabelL, LabelL2, L},
        {LabelC, LabelC2, C, Frame3, LabelCZ, LabelSZ, SZ},
    };
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c)
            if (rows[r][c])
                values->addWidget(rows[r][c], r, c);

    auto* points = new QGridLayout;
    const QList<QList<QWidget*>> pointRows = {
        {LabelStart, LabelStartX, StartX, LabelStartZ, StartZ, LabelStartC, StartC},
        {LabelEnd, LabelEndX, EndX, LabelEndZ, EndZ, LabelEndC, EndC},
    };
    for (int r = 0; r < pointRows.size(); ++r)
        for (int c = 0; c < pointRows[r].size(); ++c)
            points->addWidget(pointRows[r][c], r, c);
    // The second label lies under the end Z box and is seen where a cycle hides the box.
    points->addWidget(EndZ2, 1, 4);
    EndZ->raise();

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(Label2);
    bottom->addStretch();
    bottom->addWidget(Command1);
    bottom->addWidget(Command2);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(options);
    layout->addLayout(values);
    layout->addLayout(points);
    layout->addWidget(LabelAttn);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QList<QLineEdit*> frmProcess::boxes() const {
    return {ToolNumber, B, V, F, U, W, D, L, C, SZ, StartX, StartZ, StartC, EndX, EndZ, EndC};
}

QWidget* frmProcess::control(const QString& name) const {
    if (name.isEmpty())
        return nullptr;
    return findChild<QWidget*>(name);
}

void frmProcess::applyLayout(const ProcessDialogLayout& layout) {
    setWindowTitle(layout.caption);
    relabelEndCOnB_ = layout.relabelEndCOnB;
    for (const ControlText& c : layout.captions) {
        QWidget* w = control(c.control);
        if (auto* l = qobject_cast<QLabel*>(w))
            l->setText(c.text);
        else if (auto* g = qobject_cast<QGroupBox*>(w))
            g->setTitle(c.text);
        else if (auto* b = qobject_cast<QAbstractButton*>(w))
            b->setText(c.text);
    }
    for (const QString& name : layout.hidden)
        if (QWidget* w = control(name))
            w->setVisible(false);
    for (const QString& name : layout.shown)
        if (QWidget* w = control(name))
            w->setVisible(true);
    for (const ControlText& c : layout.toolTips)
        if (QWidget* w = control(c.control))
            w->setToolTip(c.text);
}

void frmProcess::setBoxTexts(const QList<ControlText>& texts) {
    for (const ControlText& c : texts) {
        QWidget* w = control(c.control);
        if (auto* box = qobject_cast<QLineEdit*>(w))
            box->setText(c.text);
        else if (auto* l = qobject_cast<QLabel*>(w))
            l->setText(c.text);
    }
}

QStringList frmProcess::unknownControls(const ProcessDialogLayout& layout) const {
    QStringList names;
    for (const ControlText& c : layout.captions)
        names << c.control;
    names << layout.hidden << layout.shown;
    for (const ControlText& c : layout.toolTips)
        names << c.control;
    for (const ControlText& c : layout.texts)
        names << c.control;
    QStringList unknown;
    for (const QString& name : names)
        if (!control(name) && !unknown.contains(name))
            unknown << name;
    return unknown;
}

void frmProcess::LoadProcessDefaults(int row) {
    using Table = CuttingConditionTable;
    const Table& table = state_.gCuttingTable;
    ToolNumber->setText(table.cell(row, Table::kToolNumber));
    if (ReadStrictNumber(table.cell(row, Table::kSpindleDirection)) != 0.0)
        SpindleCCW->setChecked(true);
    else
        SpindleCW->setChecked(true);
    if (ReadStrictNumber(table.cell(row, Table::kCoolant)) != 1.0)
        CoolantOFF->setChecked(true);
    else
        CoolantON->setChecked(true);
    V->setText(table.cell(row, Table::kV));
    F->setText(table.cell(row, Table::kF));
    D->setText(table.cell(row, Table::kD));
    L->setText(table.cell(row, Table::kL));
    U->setText(table.cell(row, Table::kU));
    W->setText(table.cell(row, Table::kW));
    C->setText(table.cell(row, Table::kC));
}

void frmProcess::ShowBAxisFields() {
    const bool hasBAxis = MachineType(state_.profile) != MachineKind::Other;
    for (QWidget* w : std::initializer_list<QWidget*>{LabelB, LabelB2, B, TipPostion})
        w->setVisible(hasBAxis);
}

ProcessDialogInput frmProcess::input() const {
    ProcessDialogInput in;
    in.ToolNumber = ToolNumber->text();
    in.V = V->text();
    in.F = F->text();
    in.U = U->text();
    in.W = W->text();
    in.D = D->text();
    in.L = L->text();
    in.C = C->text();
    in.B = B->text();
    in.SZ = SZ->text();
    in.StartX = StartX->text();
    in.StartZ = StartZ->text();
    in.StartC = StartC->text();
    in.EndX = EndX->text();
    in.EndZ = EndZ->text();
    in.EndC = EndC->text();
    in.SpindleCW = SpindleCW->isChecked();
    in.CoolantON = CoolantON->isChecked();
    in.M602 = M602->isChecked();
    in.Option1 = Option1->isChecked();
    return in;
}

void frmProcess::ReadProcessDialog() { state_.params = readProcessParameters(input(), state_.profile); }

void frmProcess::Command1_Click() {
    readError_ = 0;
    try {
        ReadProcessDialog();
    } catch (const RuntimeError& e) {
        readError_ = e.number();
    }
    state_.gDialogAccepted = true;
    accept();
}

void frmProcess::Command2_Click() { reject(); }

void frmProcess::reject() {
    state_.gDialogAccepted = false;
    QDialog::reject();
}

void frmProcess::B_LostFocus() {
    if (!relabelEndCOnB_)
        return;
    // Judged by the angle the program would show, as the B words are.
    bool ninety = false;
    try {
        ninety = writtenValue(ReadNumber(B->text()), Measure::Angle) == 90.0;
    } catch (const RuntimeError&) {
        ninety = false;
    }
    LabelEndC->setText(ninety ? text("X") : text("Z"));
}

bool frmProcess::eventFilter(QObject* watched, QEvent* event) {
    if (watched == B && event->type() == QEvent::FocusOut)
        B_LostFocus();
    return QDialog::eventFilter(watched, event);
}

void frmProcess::keyPressEvent(QKeyEvent* event) {
    // No default button: Enter presses only a button that has the focus, and does
    // nothing elsewhere. Escape cancels.
    if (isEnterKey(event)) {
        if (auto* button = qobject_cast<QPushButton*>(focusWidget()))
            button->click();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace quillmar
