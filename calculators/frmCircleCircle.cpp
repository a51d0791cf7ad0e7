#include "calculators/frmCircleCircle.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "calculators/calculator_layout.h"
#include "calculators/two_circle_crossing.h"
#include "platform/PictureBox.h"

namespace quillmar {

frmCircleCircle::frmCircleCircle(InsertText insert, QWidget* parent)
    : CalculatorFrame(QStringLiteral(" 2-Circle clos point"), kCalculatorPictureSize, std::move(insert), parent) {
    Frame2 = makePlaneFrame(this, OptionXZ, OptionXY);

    Label1 = makeLabel(QStringLiteral("Label1"), QStringLiteral("Circle1 centerX"));
    Text1 = makeInputBox(QStringLiteral("Text1"));
    Label2 = makeLabel(QStringLiteral("Label2"), QStringLiteral("Z"));
    Text2 = makeInputBox(QStringLiteral("Text2"));
    Label3 = makeLabel(QStringLiteral("Label3"), QStringLiteral("R"));
    Text3 = makeInputBox(QStringLiteral("Text3"));

    Label4 = makeLabel(QStringLiteral("Label4"), QStringLiteral("Circle2 centerX"));
    Text4 = makeInputBox(QStringLiteral("Text4"));
    Label5 = makeLabel(QStringLiteral("Label5"), QStringLiteral("Z"));
    Text5 = makeInputBox(QStringLiteral("Text5"));
    Label11 = makeLabel(QStringLiteral("Label11"), QStringLiteral("R"));
    Text6 = makeInputBox(QStringLiteral("Text6"));

    Label7 = makeLabel(QStringLiteral("Label7"), QStringLiteral("Closs  P 1     X"));
    Text7 = makeResultBox(QStringLiteral("Text7"));
    Label8 = makeLabel(QStringLiteral("Label8"), QStringLiteral("Z"));
    Text8 = makeResultBox(QStringLiteral("Text8"));
    Command1 = makeButton(QStringLiteral("Command1"), QStringLiteral("X Z Insert"));

    Label12 = makeLabel(QStringLiteral("Label12"), QStringLiteral("Closs　P 2　   X"));
    Text11 = makeResultBox(QStringLiteral("Text11"));
    Label14 = makeLabel(QStringLiteral("Label14"), QStringLiteral("Z"));
    Text12 = makeResultBox(QStringLiteral("Text12"));
    Command3 = makeButton(QStringLiteral("Command3"), QStringLiteral("X Z Insert"));

    Command7 = makeButton(QStringLiteral("Command7"), QStringLiteral("Print"));
    Command2 = makeButton(QStringLiteral("Command2"), QStringLiteral("Cancel"));

    layOutCalculator(this, {.frames = {Frame2},
                            .rows = {{Label1, Text1, Label2, Text2, Label3, Text3},
                                     {Label4, Text4, Label5, Text5, Label11, Text6},
                                     {Label7, Text7, Label8, Text8, nullptr, nullptr, Command1},
                                     {Label12, Text11, Label14, Text12, nullptr, nullptr, Command3}},
                            .lines = {{nullptr, Command7, Command2}}});

    enterChain().moveOn({Text1, Text2, Text3, Text4, Text5, Text6, Text1});
    setTabChain({Text1, Picture1, Text2, Text3, Text4, Text5, Text6, Command1, Command3, Command7, Command2, OptionXZ,
                 OptionXY});

    followPlaneOptions(OptionXZ, OptionXY, Text1);
    connectInsertButtons({pointInsert(Command1, QStringLiteral(" X"), Text7, Text8),
                          pointInsert(Command3, QStringLiteral(" X"), Text11, Text12)});
    setPlaneCaptions({{{Label2, Label5, Label8, Label14}, QStringLiteral("Z"), QStringLiteral("Y")},
                      {{Command1, Command3}, QStringLiteral("X Z 挿入"), QStringLiteral("X Y 挿入")}});
    connect(Command7, &QPushButton::clicked, this, &frmCircleCircle::Command7_Click);
    connect(Command2, &QPushButton::clicked, this, &frmCircleCircle::Command2_Click);
}

void frmCircleCircle::CalcAndDraw() {
    const TwoCircleRun run = runTwoCircleCrossing(
        {Text1->text(), Text2->text(), Text3->text(), Text4->text(), Text5->text(), Text6->text(), plane()});
    showTexts({{Text7, run.x1}, {Text8, run.z1}, {Text11, run.x2}, {Text12, run.z2}});
    showFigure(run.figure, kMarkerColour);
}

void frmCircleCircle::Command7_Click() { printWindow(); }
void frmCircleCircle::Command2_Click() { close(); }

}  // namespace quillmar
