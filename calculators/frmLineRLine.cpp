#include "calculators/frmLineRLine.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "calculators/arc_tangent_two_lines.h"
#include "platform/PictureBox.h"

namespace quillmar {
namespace {

constexpr int kBoxWidth = 64;

}  // namespace

frmLineRLine::frmLineRLine(InsertText insert, QWidget* parent)
    : CalculatorFrame(QStringLiteral("2Line tangent Circle"), kCalculatorPictureSize, std::move(insert), parent) {
    FramePlane = new QGroupBox(QStringLiteral("座標"), this);
    FramePlane->setObjectName(QStringLiteral("FramePlane"));
    OptionXZ = new QRadioButton(QStringLiteral("Ｘ-Ｚ"), FramePlane);
    OptionXZ->setObjectName(QStringLiteral("OptionXZ"));
    OptionXY = new QRadioButton(QStringLiteral("Ｘ－Ｙ"), FramePlane);
    OptionXY->setObjectName(QStringLiteral("OptionXY"));
    OptionXZ->setChecked(true);

    FramePosition = new QGroupBox(QStringLiteral("Circle position"), this);
    FramePosition->setObjectName(QStringLiteral("FramePosition"));
    Option1 = new QRadioButton(QStringLiteral("1"), FramePosition);
    Option2 = new QRadioButton(QStringLiteral("2"), FramePosition);
    Option3 = new QRadioButton(QStringLiteral("3"), FramePosition);
    Option4 = new QRadioButton(QStringLiteral("4"), FramePosition);
    Option1->setObjectName(QStringLiteral("Option1"));
    Option2->setObjectName(QStringLiteral("Option2"));
    Option3->setObjectName(QStringLiteral("Option3"));
    Option4->setObjectName(QStringLiteral("Option4"));
    Option1->setChecked(true);

    Check1 = new QCheckBox(QStringLiteral("Zoom"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setEnabled(false);

    Label1 = makeLabel(QStringLiteral("Label1"), QStringLiteral("Line   １    X"));
    Text1 = makeInputBox(QStringLiteral("Text1"));
    Label2 = makeLabel(QStringLiteral("Label2"), QStringLiteral("Z"));
    Text2 = makeInputBox(QStringLiteral("Text2"));
    Label3 = makeLabel(QStringLiteral("Label3"), QStringLiteral("A"));
    Text3 = makeInputBox(QStringLiteral("Text3"));
    Command1 = makeButton(QStringLiteral("Command1"), QStringLiteral("X Z 挿入"));

    Label4 = makeLabel(QStringLiteral("Label4"), QStringLiteral("Line   ２    X"));
    Text4 = makeInputBox(QStringLiteral("Text4"));
    Label5 = makeLabel(QStringLiteral("Label5"), QStringLiteral("Z"));
    Text5 = makeInputBox(QStringLiteral("Text5"));
    Label8 = makeLabel(QStringLiteral("Label8"), QStringLiteral("A"));
    Text6 = makeInputBox(QStringLiteral("Text6"));
    Command3 = makeButton(QStringLiteral("Command3"), QStringLiteral("X Z 挿入"));

    Label7 = makeLabel(QStringLiteral("Label7"), QStringLiteral("Closs       X"));
    Text7 = makeResultBox(QStringLiteral("Text7"));
    Label6 = makeLabel(QStringLiteral("Label6"), QStringLiteral("Z"));
    Text8 = makeResultBox(QStringLiteral("Text8"));
    Command4 = makeButton(QStringLiteral("Command4"), QStringLiteral("X Z 挿入"));

    Label9 = makeLabel(QStringLiteral("Label9"), QStringLiteral("Circle    CX"));
    Text10 = makeResultBox(QStringLiteral("Text10"));
    Label11 = makeLabel(QStringLiteral("Label11"), QStringLiteral("CZ"));
    Text11 = makeResultBox(QStringLiteral("Text11"));
    Label10 = makeLabel(QStringLiteral("Label10"), QStringLiteral("R"));
    Text9 = makeInputBox(QStringLiteral("Text9"));
    Command5 = makeButton(QStringLiteral("Command5"), QStringLiteral("X Z 挿入"));

    Label12 = makeLabel(QStringLiteral("Label12"), QStringLiteral("Tangent 1 X"));
    Text12 = makeResultBox(QStringLiteral("Text12"));
    Label14 = makeLabel(QStringLiteral("Label14"), QStringLiteral("Z"));
    Text13 = makeResultBox(QStringLiteral("Text13"));
    Label16 = makeLabel(QStringLiteral("Label16"), QStringLiteral("I"));
    Text16 = makeResultBox(QStringLiteral("Text16"));
    Label18 = makeLabel(QStringLiteral("Label18"), QStringLiteral("K"));
    Text17 = makeResultBox(QStringLiteral("Text17"));
    Command8 = makeButton(QStringLiteral("Command8"), QStringLiteral("X Z 挿入"));
    Command6 = makeButton(QStringLiteral("Command6"), QStringLiteral("I K 挿入"));

    Label13 = makeLabel(QStringLiteral("Label13"), QStringLiteral("Tangent 2 X"));
    Text14 = makeResultBox(QStringLiteral("Text14"));
    Label15 = makeLabel(QStringLiteral("Label15"), QStringLiteral("Z"));
    Text15 = makeResultBox(QStringLiteral("Text15"));
    Label17 = makeLabel(QStringLiteral("Label17"), QStringLiteral("I"));
    Text18 = makeResultBox(QStringLiteral("Text18"));
    Label19 = makeLabel(QStringLiteral("Label19"), QStringLiteral("K"));
    Text19 = makeResultBox(QStringLiteral("Text19"));
    Command9 = makeButton(QStringLiteral("Command9"), QStringLiteral("XZL挿入"));
    Command7 = makeButton(QStringLiteral("Command7"), QStringLiteral("I K 挿入"));

    Label21 = makeLabel(QStringLiteral("Label21"),
                        QStringLiteral("※直線２の開始点が直線１上にあるときは腺が交差するように0.001ずらしてください。"));
    QPalette noteColours = Label21->palette();
    noteColours.setColor(QPalette::WindowText, Qt::red);
    Label21->setPalette(noteColours);

    Command10 = makeButton(QStringLiteral("Command10"), QStringLiteral("Print"));
    Command2 = makeButton(QStringLiteral("Command2"), QStringLiteral("Cancel"));

    buildLayout();

    setEnterChain({Text1, Text2, Text3, Text4, Text5, Text6, Text9, Command1});
    const QList<QWidget*> tabOrder = {Text1,    Text2,    Text3,    Text4,     Text5,    Text6,    Text9,
                                      Check1,   Command1, Command3, Command4,  Command5, Command8, Command6,
                                      Command9, Command7, Command10, Command2, Picture1, OptionXZ, OptionXY,
                                      Option1,  Option2,  Option3,  Option4};
    for (qsizetype i = 0; i + 1 < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i], tabOrder[i + 1]);

    connect(OptionXZ, &QRadioButton::clicked, this, &frmLineRLine::OptionXZ_Click);
    connect(OptionXY, &QRadioButton::clicked, this, &frmLineRLine::OptionXY_Click);
    for (QRadioButton* option : {Option1, Option2, Option3, Option4})
        connect(option, &QRadioButton::clicked, this, &frmLineRLine::CalcAndDraw);
    connect(Check1, &QCheckBox::clicked, this, &frmLineRLine::CalcAndDraw);
    const QString g01 = QStringLiteral("N000 G01 X");
    connectInsertButtons({pointInsert(Command1, g01, Text1, Text2), pointInsert(Command3, g01, Text4, Text5),
                          pointInsert(Command4, g01, Text7, Text8), pointInsert(Command5, g01, Text10, Text11),
                          pointInsert(Command8, QStringLiteral("N000     X"), Text12, Text13),
                          offsetInsert(Command6, Text16, Text17), arcInsert(Command9, Text14, Text15, Text9),
                          offsetInsert(Command7, Text18, Text19)});
    setPlaneCaptions({{{Label2, Label5, Label6, Label14, Label15}, QStringLiteral("Z"), QStringLiteral("Y")},
                      {{Label11}, QStringLiteral("CZ"), QStringLiteral("CY")},
                      {{Label18, Label19}, QStringLiteral("K"), QStringLiteral("J")},
                      {{Command1, Command3, Command4, Command5, Command8}, QStringLiteral("X Z 挿入"),
                       QStringLiteral("X Y 挿入")},
                      {{Command6, Command7}, QStringLiteral("I K 挿入"), QStringLiteral("I J 挿入")},
                      {{Command9}, QStringLiteral("XZL挿入"), QStringLiteral("XYL挿入")}});
    connect(Command10, &QPushButton::clicked, this, &frmLineRLine::Command10_Click);
    connect(Command2, &QPushButton::clicked, this, &frmLineRLine::Command2_Click);
}

void frmLineRLine::buildLayout() {
    auto* planeLayout = new QHBoxLayout(FramePlane);
    planeLayout->addWidget(OptionXZ);
    planeLayout->addWidget(OptionXY);
    auto* positionLayout = new QHBoxLayout(FramePosition);
    for (QRadioButton* option : {Option1, Option2, Option3, Option4})
        positionLayout->addWidget(option);

    auto* options = new QHBoxLayout;
    options->addWidget(FramePlane);
    options->addWidget(FramePosition);
    options->addWidget(Check1);
    options->addStretch();

    auto* rows = new QGridLayout;
    rows->setHorizontalSpacing(4);
    rows->setVerticalSpacing(3);
    auto put = [rows](int row, const QList<QWidget*>& widgets) {
        int column = 0;
        for (QWidget* w : widgets) {
            if (w)
                rows->addWidget(w, row, column);
            ++column;
        }
    };
    put(0, {Label1, Text1, Label2, Text2, Label3, Text3, nullptr, nullptr, Command1});
    put(1, {Label4, Text4, Label5, Text5, Label8, Text6, nullptr, nullptr, Command3});
    put(2, {Label7, Text7, Label6, Text8, nullptr, nullptr, nullptr, nullptr, Command4});
    put(3, {Label9, Text10, Label11, Text11, Label10, Text9, nullptr, nullptr, Command5});
    put(4, {Label12, Text12, Label14, Text13, Label16, Text16, Label18, Text17, Command8, Command6});
    put(5, {Label13, Text14, Label15, Text15, Label17, Text18, Label19, Text19, Command9, Command7});
    for (QLineEdit* box : findChildren<QLineEdit*>())
        box->setFixedWidth(kBoxWidth);
    for (QLabel* label : {Label2, Label3, Label5, Label6, Label8, Label10, Label11, Label14, Label15, Label16, Label17,
                          Label18, Label19})
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(Command10);
    bottom->addWidget(Command2);

    auto* main = new QVBoxLayout(this);
    main->setSizeConstraint(QLayout::SetFixedSize);
    main->setContentsMargins(6, 6, 6, 6);
    main->addWidget(Picture1);
    main->addLayout(options);
    main->addLayout(rows);
    main->addWidget(Label21);
    main->addLayout(bottom);
}

Plane frmLineRLine::plane() const { return OptionXZ->isChecked() ? Plane::XZ : Plane::XY; }

int frmLineRLine::corner() const {
    if (Option2->isChecked())
        return 2;
    if (Option3->isChecked())
        return 3;
    if (Option4->isChecked())
        return 4;
    return 1;
}

void frmLineRLine::CalcAndDraw() {
    ArcTangentInput input;
    input.x1 = Text1->text();
    input.z1 = Text2->text();
    input.a1 = Text3->text();
    input.x2 = Text4->text();
    input.z2 = Text5->text();
    input.a2 = Text6->text();
    input.r = Text9->text();
    input.plane = plane();
    input.corner = corner();
    input.zoom = Check1->isChecked();

    const ArcTangentRun run = runArcTangent(input);
    if (run.crossingX)
        Text7->setText(*run.crossingX);
    if (run.crossingZ)
        Text8->setText(*run.crossingZ);
    if (run.arc) {
        Text10->setText(run.arc->centreX);
        Text11->setText(run.arc->centreZ);
        Text12->setText(run.arc->tangent1X);
        Text13->setText(run.arc->tangent1Z);
        Text17->setText(run.arc->tangent1K);
        Text14->setText(run.arc->tangent2X);
        Text15->setText(run.arc->tangent2Z);
        Text19->setText(run.arc->tangent2K);
        Text16->setText(run.arc->tangent1I);
        Text18->setText(run.arc->tangent2I);
    }
    if (run.zoomEnabled)
        Check1->setEnabled(*run.zoomEnabled);
    showFigure(run.figure, kMarkerColour);
}

void frmLineRLine::OptionXZ_Click() { planeOptionClicked(OptionXZ, Plane::XZ, Text1); }

void frmLineRLine::OptionXY_Click() { planeOptionClicked(OptionXY, Plane::XY, Text1); }

void frmLineRLine::Command10_Click() { printWindow(); }
void frmLineRLine::Command2_Click() { close(); }

}  // namespace quillmar
