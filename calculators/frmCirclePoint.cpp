#include "calculators/frmCirclePoint.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "calculators/calculator_layout.h"
#include "calculators/circle_tangent_point.h"
#include "platform/PictureBox.h"

namespace quillmar {

frmCirclePoint::frmCirclePoint(InsertText insert, QWidget* parent)
    : CalculatorFrame(QStringLiteral(" Circle with tangent point"), kCalculatorPictureSize, std::move(insert),
                      parent) {
    // The failure text takes the picture's own text colour, red from the start.
    Picture1->setForeColor(kMarkerColour);
    Frame2 = makePlaneFrame(this, OptionXZ, OptionXY);
    Frame1 = makeOptionFrame(this, "Frame1", QStringLiteral("clos"), {&Option1, &Option2}, {"1", "2"});

    Label9 = makeLabel(QStringLiteral("Label9"), QStringLiteral("Center   X"));
    Text1 = makeInputBox(QStringLiteral("Text1"));
    Label11 = makeLabel(QStringLiteral("Label11"), QStringLiteral("Z"));
    Text2 = makeInputBox(QStringLiteral("Text2"));
    Label10 = makeLabel(QStringLiteral("Label10"), QStringLiteral("R"));
    Text3 = makeInputBox(QStringLiteral("Text3"));

    Label4 = makeLabel(QStringLiteral("Label4"), QStringLiteral("Angle of tan."));
    Label5 = makeLabel(QStringLiteral("Label5"), QStringLiteral("A"));
    Text4 = makeInputBox(QStringLiteral("Text4"));

    Label12 = makeLabel(QStringLiteral("Label12"), QStringLiteral("Tangent  X"));
    Text5 = makeResultBox(QStringLiteral("Text5"));
    Label14 = makeLabel(QStringLiteral("Label14"), QStringLiteral("Z"));
    Text6 = makeResultBox(QStringLiteral("Text6"));
    Label16 = makeLabel(QStringLiteral("Label16"), QStringLiteral("I"));
    Text7 = makeResultBox(QStringLiteral("Text7"));
    Label18 = makeLabel(QStringLiteral("Label18"), QStringLiteral("K"));
    Text8 = makeResultBox(QStringLiteral("Text8"));
    Command1 = makeButton(QStringLiteral("Command1"), QStringLiteral("X Z Insert"));
    Command3 = makeButton(QStringLiteral("Command3"), QStringLiteral("I K Insert"));

    Command10 = makeButton(QStringLiteral("Command10"), QStringLiteral("Print"));
    Command2 = makeButton(QStringLiteral("Command2"), QStringLiteral("Cancel"));

    layOutCalculator(this, {.frames = {Frame2, Frame1},
                            .rows = {{Label9, Text1, Label11, Text2, Label10, Text3},
                                     {Label4, nullptr, nullptr, nullptr, Label5, Text4},
                                     {Label12, Text5, Label14, Text6, Label16, Text7, Label18, Text8, Command1,
                                      Command3}},
                            .lines = {{nullptr, Command10, Command2}}});

    enterChain().moveOn({Text1, Text2, Text3, Text4, Command3});
    setTabChain({Text1, Text2, Text3, Text4, Option1, Option2, Command1, Command3, Command10, Command2, Picture1,
                 OptionXZ, OptionXY});

    followPlaneOptions(OptionXZ, OptionXY, Text1);
    for (QRadioButton* option : {Option1, Option2})
        connect(option, &QRadioButton::clicked, this, &frmCirclePoint::CalcAndDraw);
    connectInsertButtons({pointInsert(Command1, QStringLiteral(" X"), Text5, Text6, false),
                          offsetInsert(Command3, Text7, Text8, false)});
    setPlaneCaptions({{{Label11, Label14}, QStringLiteral("Z"), QStringLiteral("Y")},
                      {{Label18}, QStringLiteral("K"), QStringLiteral("J")},
                      {{Command1}, QStringLiteral("X Z 挿入"), QStringLiteral("X Y 挿入")},
                      {{Command3}, QStringLiteral("I K 挿入"), QStringLiteral("I J 挿入")}});
    connect(Command10, &QPushButton::clicked, this, &frmCirclePoint::Command10_Click);
    connect(Command2, &QPushButton::clicked, this, &frmCirclePoint::Command2_Click);
}

void frmCirclePoint::CalcAndDraw() {
    const CircleTangentRun run = runCircleTangentPoint(
        {Text1->text(), Text2->text(), Text3->text(), Text4->text(), plane(), Option2->isChecked() ? 2 : 1});
    showTexts({{Text5, run.x}, {Text6, run.z}, {Text7, run.i}, {Text8, run.k}});
    showFigure(run.figure, std::nullopt);
}

void frmCirclePoint::Command10_Click() { printWindow(); }
void frmCirclePoint::Command2_Click() { close(); }

}  // namespace quillmar
