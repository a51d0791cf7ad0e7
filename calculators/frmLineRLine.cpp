#include "calculators/frmLineRLine.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "calculators/arc_tangent_two_lines.h"
#include "platform/PictureBox.h"

namespace quillmar {
namespace {

constexpr int kBoxWidth = 64;  // 960 twips

}  // namespace

frmLineRLine::frmLineRLine(InsertText insert, QWidget* parent)
    : CalculatorFrame(QStringLiteral("2Line tangent Circle"), kCalculatorPictureSize, std::move(insert), parent) {
    FramePlane = makePlaneFrame(this, OptionXZ, OptionXY);
    FramePosition = makeOptionFrame(this, "FramePosition", QStringLiteral("Circle position"),
                                    {&Option1, &Option2, &Option3, &Option4}, {"1", "2", "3", "4"});

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
    showAsNote(Label21);

    Command10 = makeButton(QStringLiteral("Command10"), QStringLiteral("Print"));
    Command2 = makeButton(QStringLiteral("Command2"), QStringLiteral("Cancel"));

    layOutCalculator(
        this, {.frames = {FramePlane, FramePosition, Check1},
               .rows = {{Label1, Text1, Label2, Text2, Label3, Text3, nullptr, nullptr, Command1},
                        {Label4, Text4, Label5, Text5, Label8, Text6, nullptr, nullptr, Command3},
                        {Label7, Text7, Label6, Text8, nullptr, nullptr, nullptr, nullptr, Command4},
                        {Label9, Text10, Label11, Text11, Label10, Text9, nullptr, nullptr, Command5},
                        {Label12, Text12, Label14, Text13, Label16, Text16, Label18, Text17, Command8, Command6},
                        {Label13, Text14, Label15, Text15, Label17, Text18, Label19, Text19, Command9, Command7}},
               .lines = {{Label21}, {nullptr, Command10, Command2}},
               .boxWidth = kBoxWidth,
               .calculatorFont = false});
    connectControls();
}

void frmLineRLine::connectControls() {
    enterChain().moveOn({Text1, Text2, Text3, Text4, Text5, Text6, Text9, Command1});
    setTabChain({Text1,    Text2,    Text3,    Text4,    Text5,     Text6,    Text9,    Check1,   Command1,
                 Command3, Command4, Command5, Command8, Command6,  Command9, Command7, Command10, Command2,
                 Picture1, OptionXZ, OptionXY, Option1,  Option2,   Option3,  Option4});
    followPlaneOptions(OptionXZ, OptionXY, Text1);
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
    const ArcTangentTexts& arc = run.arc;
    showTexts({{Text7, run.crossingX}, {Text8, run.crossingZ}, {Text10, arc.centreX}, {Text11, arc.centreZ},
               {Text12, arc.tangent1X}, {Text13, arc.tangent1Z}, {Text17, arc.tangent1K}, {Text14, arc.tangent2X},
               {Text15, arc.tangent2Z}, {Text19, arc.tangent2K}, {Text16, arc.tangent1I}, {Text18, arc.tangent2I}});
    if (run.zoomEnabled)
        Check1->setEnabled(*run.zoomEnabled);
    showFigure(run.figure, kMarkerColour);
}

void frmLineRLine::Command10_Click() { printWindow(); }
void frmLineRLine::Command2_Click() { close(); }

}  // namespace quillmar
