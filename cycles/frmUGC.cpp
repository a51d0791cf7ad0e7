#include "cycles/frmUGC.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "common/shared_state.h"
#include "cycles/cutting_table.h"
#include "cycles/dialog_controls.h"
#include "cycles/generator_runner.h"
#include "cycles/ugc_sketch.h"
#include "platform/modal.h"
#include "platform/window_frame.h"

namespace quillmar {
namespace {

QLabel* label(const char* caption, const char* name, QWidget* parent) {
    return plainLabel(QString::fromLatin1(caption), name, parent);
}

struct Highlight {
    const char* box;
    const char* segment;
};
constexpr Highlight kHighlights[] = {
    {"Text9", "Line18"}, {"Text3", "Line3"},  {"Text5", "Line2"},  {"Text4", "Line19"}, {"Text6", "Line19"},
    {"Text1", "Line6"},  {"Text2", "Line7"},  {"Text8", "Line13"}, {"Text7", "Line17"},
};

const char* const kCentreSegments[] = {"Line12", "Line13", "Line15", "Line16", "Line17"};

}  // namespace

frmUGC::frmUGC(SharedState& state, QWidget* parent)
    : QDialog(parent, kFixedToolDialog), state_(state) {
    keepTitleBarBare(*this);
    setObjectName(QStringLiteral("frmUGC"));
    setWindowTitle(QStringLiteral(" Material"));

    Label13 = label("Material File", "Label13", this);
    CsvFile = named(new QLineEdit(this), "CsvFile");
    CsvFile->setEnabled(false);  // it only shows the path
    Material = named(new QPushButton(QStringLiteral("Material File Select"), this), "Material");

    Sketch = named(new UgcSketch(this), "Sketch");
    Label10 = label("Jaw", "Label10", Sketch);
    Label12 = label("Material", "Label12", Sketch);
    Label11 = label("Center", "Label11", Sketch);
    Label10->move(70, 22);
    Label12->move(175, 70);
    Label11->move(320, 80);
    Label11->setVisible(false);

    SpindleSelect = named(new QGroupBox(QStringLiteral("Spindle"), this), "SpindleSelect");
    MainSpindle = named(new QRadioButton(QStringLiteral("Main"), SpindleSelect), "MainSpindle");
    SubSpindle = named(new QRadioButton(QStringLiteral("Sub"), SpindleSelect), "SubSpindle");
    ChuckingSelect = named(new QGroupBox(QStringLiteral("Chucking"), this), "ChuckingSelect");
    OD = named(new QRadioButton(QStringLiteral("O.D."), ChuckingSelect), "OD");
    ID = named(new QRadioButton(QStringLiteral("I.D."), ChuckingSelect), "ID");
    MainSpindle->setChecked(true);
    OD->setChecked(true);
    Check3 = named(new QCheckBox(QStringLiteral("Graphck"), this), "Check3");
    Check2 = named(new QCheckBox(QStringLiteral("With Face"), this), "Check2");
    Check1 = named(new QCheckBox(QStringLiteral("With Center"), this), "Check1");

    Label4 = label("P-Zero", "Label4", this);
    Text9 = named(new QLineEdit(this), "Text9");
    Label5 = label("Jaw Clamp", "Label5", this);
    Text1 = named(new QLineEdit(this), "Text1");
    Label6 = label("Jaw Deepth", "Label6", this);
    Text2 = named(new QLineEdit(this), "Text2");
    Label1 = label("Length OL", "Label1", this);
    Text3 = named(new QLineEdit(this), "Text3");
    Label2 = label("Material OD", "Label2", this);
    Text5 = named(new QLineEdit(this), "Text5");
    Label3 = label("Material ID", "Label3", this);
    Text4 = named(new QLineEdit(this), "Text4");
    Label7 = label("Center Length", "Label7", this);
    Text8 = named(new QLineEdit(this), "Text8");
    Label8 = label("Center Dia.", "Label8", this);
    Text7 = named(new QLineEdit(this), "Text7");
    Label9 = label("Center D2", "Label9", this);
    Text6 = named(new QLineEdit(this), "Text6");

    Command1 = named(new QPushButton(QStringLiteral("Exe."), this), "Command1");
    Command2 = named(new QPushButton(QStringLiteral("Cancel"), this), "Command2");
    // Neither button is the window's default button, so Enter in a box presses nothing.
    Command1->setAutoDefault(false);
    Command2->setAutoDefault(false);
    Material->setAutoDefault(false);

    buildLayout();
    connectControls();

    for (QLineEdit* box : boxes()) {
        box->setPalette(box->palette());  // each box keeps a palette of its own
        box->installEventFilter(this);
    }
    setBox(Text6, false, Background::ButtonFace);
    setBox(Text7, false, Background::ButtonFace);
    setBox(Text8, false, Background::ButtonFace);

    CsvFile->setText(state_.gCsvFileName);

    Form_Load();
}

void frmUGC::connectControls() {
    const QList<QWidget*> tabOrder = {Text9, Text1,    Text2,    Text3,       Text5,       Text4, Check1,
                                      Text8, Text7,    Text6,    Command1,    Command2,    MainSpindle,
                                      SubSpindle, OD,  ID,       Check2,      Material,    Check3};
    setTabChain(tabOrder);
    // Enter in the first diameter types nothing, and moves on once it holds a value.
    (new EnterChain(this))->run(Text1, [this] {
        if (!Text1->text().isEmpty())
            Text2->setFocus();
    }, EnterChain::Key::Swallow);

    connect(Command1, &QPushButton::clicked, this, &frmUGC::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmUGC::Command2_Click);
    connect(Material, &QPushButton::clicked, this, &frmUGC::Material_Click);
    connect(Check3, &QCheckBox::toggled, this, &frmUGC::Check3_Click);
    connect(Check1, &QCheckBox::toggled, this, &frmUGC::Check1_Click);
}

void frmUGC::buildLayout() {
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(Label13);
    fileRow->addWidget(CsvFile, 1);
    fileRow->addWidget(Material);

    auto pair = [](QGroupBox* frame, QRadioButton* a, QRadioButton* b) {
        auto* row = new QHBoxLayout(frame);
        row->addWidget(a);
        row->addWidget(b);
    };
    pair(SpindleSelect, MainSpindle, SubSpindle);
    pair(ChuckingSelect, OD, ID);
    auto* checks = new QVBoxLayout;
    checks->addWidget(Check3);
    checks->addWidget(Check2);
    checks->addWidget(Check1);
    auto* options = new QHBoxLayout;
    options->addWidget(SpindleSelect);
    options->addWidget(ChuckingSelect);
    options->addLayout(checks);
    options->addStretch(1);

    auto* boxes = new QGridLayout;
    const QList<QPair<QLabel*, QLineEdit*>> columns[] = {
        {{Label4, Text9}, {Label5, Text1}, {Label6, Text2}},
        {{Label1, Text3}, {Label2, Text5}, {Label3, Text4}},
        {{Label7, Text8}, {Label8, Text7}, {Label9, Text6}},
    };
    for (int column = 0; column < 3; ++column) {
        for (int row = 0; row < 3; ++row) {
            const auto& [l, box] = columns[column][row];
            boxes->addWidget(l, row, column * 2);
            boxes->addWidget(box, row, column * 2 + 1);
            box->setFixedWidth(80);
        }
    }

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);

    auto* main = new QVBoxLayout(this);
    main->addLayout(fileRow);
    main->addWidget(Sketch, 0, Qt::AlignHCenter);
    main->addLayout(options);
    main->addLayout(boxes);
    main->addLayout(buttons);
    main->setSizeConstraint(QLayout::SetFixedSize);
}

QList<QLineEdit*> frmUGC::boxes() const { return {Text9, Text1, Text2, Text3, Text5, Text4, Text8, Text7, Text6}; }

QString frmUGC::segmentOf(const QString& boxName) {
    for (const Highlight& h : kHighlights)
        if (boxName == QLatin1String(h.box))
            return QString::fromLatin1(h.segment);
    return QString();
}

QColor frmUGC::colourOf(Background background) {
    const QPalette palette = QApplication::palette();
    switch (background) {
        case Background::Window: return palette.color(QPalette::Active, QPalette::Base);
        case Background::ButtonFace: return palette.color(QPalette::Active, QPalette::Button);
        case Background::MenuBar: return palette.color(QPalette::Active, QPalette::Mid);
    }
    return palette.color(QPalette::Base);
}

void frmUGC::setBox(QLineEdit* box, bool enabled, Background background) {
    box->setEnabled(enabled);
    QPalette palette = box->palette();
    const QColor colour = colourOf(background);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Base, colour);
    box->setPalette(palette);
}

void frmUGC::Form_Load() {
    for (QWidget* w : std::initializer_list<QWidget*>{ChuckingSelect, SpindleSelect, MainSpindle, SubSpindle, OD,
                                                      ID, Check1, Check2})
        w->setEnabled(false);
    for (QLineEdit* box : {Text1, Text2, Text6, Text7, Text8})
        setBox(box, false, Background::ButtonFace);
}

UgcInput frmUGC::input() const {
    UgcInput in;
    in.Text9 = Text9->text();
    in.Text1 = Text1->text();
    in.Text2 = Text2->text();
    in.Text3 = Text3->text();
    in.Text5 = Text5->text();
    in.Text4 = Text4->text();
    in.Text8 = Text8->text();
    in.Text7 = Text7->text();
    in.Text6 = Text6->text();
    in.OD = OD->isChecked();
    in.SubSpindle = SubSpindle->isChecked();
    in.Check1 = Check1->isChecked();
    in.Check2 = Check2->isChecked();
    in.Check3 = Check3->isChecked();
    return in;
}

void frmUGC::Command1_Click() {
    // A value too large for the arithmetic is reported and the dialog stays open with
    // the work shape untouched, so the user can correct it.
    const bool built = runWithProcessErrorTrap(this, [this] { executeUserGraphic(input(), state_); });
    if (!built)
        return;
    state_.gDialogAccepted = true;
    accept();
}

void frmUGC::Command2_Click() { reject(); }

void frmUGC::reject() {
    state_.gDialogAccepted = false;
    QDialog::reject();
}

void frmUGC::Check3_Click() {
    const bool on = Check3->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{ChuckingSelect, MainSpindle, SubSpindle, SpindleSelect, OD, ID,
                                                      Check1, Check2})
        w->setEnabled(on);
    const Background background = on ? Background::Window : Background::ButtonFace;
    setBox(Text1, on, background);
    setBox(Text2, on, background);
    if (!on || Check1->isChecked()) {
        setBox(Text6, on, background);
        setBox(Text7, on, background);
        setBox(Text8, on, background);
    }
}

void frmUGC::Check1_Click() {
    const bool centre = Check1->isChecked();
    setBox(Text4, !centre, centre ? Background::MenuBar : Background::Window);
    for (QLineEdit* box : {Text6, Text7, Text8})
        setBox(box, centre, centre ? Background::Window : Background::ButtonFace);
    // A centre takes the place of the bore.
    Sketch->setSegmentVisible(QStringLiteral("Line5"), !centre);
    for (const char* segment : kCentreSegments)
        Sketch->setSegmentVisible(QString::fromLatin1(segment), centre);
    restoreFaceBelowBore();
    Label11->setVisible(centre);
}

void frmUGC::restoreFaceBelowBore() {
    Sketch->setLook(QStringLiteral("Line19"), Check1->isChecked() ? UgcSketch::Look::Faded : UgcSketch::Look::Normal);
}

void frmUGC::Material_Click() {
    modal::FileRequest request;
    request.kind = modal::FileRequest::Open;
    request.directory = state_.gCsvDir;
    request.filter = QStringLiteral("CSV Files(*.csv)|*.csv|All Files(*.*)|*");
    const std::optional<QString> chosen = modal::fileDialog(this, request);
    if (!chosen || chosen->isEmpty())
        return;
    // A file that does not read leaves the table and the file in force as they were.
    if (!LoadCuttingTable(*chosen, state_.gCuttingTable)) {
        modal::msgBox(this, *chosen + QStringLiteral("\r\nThis material file cannot be read."),
                      static_cast<int>(modal::kOkOnly) | modal::kExclamation, QStringLiteral("Material File"));
        return;
    }
    state_.gCsvDir = QFileInfo(*chosen).absolutePath();
    state_.gCsvFileName = *chosen;
    CsvFile->setText(*chosen);
}

void frmUGC::box_GotFocus(QLineEdit* box) {
    Sketch->setLook(segmentOf(box->objectName()), UgcSketch::Look::Highlight);
}

void frmUGC::box_LostFocus(QLineEdit* box) {
    const QString segment = segmentOf(box->objectName());
    // Leaving the inner diameter or the centre's second diameter fades the face below
    // the bore, centre or not; only clearing "With Center" draws it in full again.
    if (segment == QLatin1String("Line19"))
        Sketch->setLook(segment, UgcSketch::Look::Faded);
    else
        Sketch->setLook(segment, UgcSketch::Look::Normal);
}

bool frmUGC::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box && boxes().contains(box)) {
        switch (event->type()) {
            case QEvent::FocusIn: box_GotFocus(box); break;
            case QEvent::FocusOut: box_LostFocus(box); break;
            default: break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace quillmar
