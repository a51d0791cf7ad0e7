#include "calculators/frmLineR.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "calculators/calculator_layout.h"
#include "calculators/line_circle_crossing.h"
#include "platform/PictureBox.h"

namespace quillmar {

frmLineR::frmLineR(InsertText insert, QWidget* parent)
    : CalculatorFrame(QStringLiteral("Line & Circle"), kCalculatorPictureSize, std::move(insert), parent) {
    Picture1->setForeColor(kMarkerColour);
    Frame2 = makePlaneFrame(this, OptionXZ, OptionXY);

    Label1 = makeLabel(QStringLiteral("Label1"), QStringLiteral("Line   　    X"));
    Text1 = makeInputBox(QStringLiteral("Text1"));
    Label2 = makeLabel(QStringLiteral("Label2"), QStringLiteral("Z"));
    Text2 = makeInputBox(QStringLiteral("Text2"));
    Label3 = makeLabel(QStringLiteral("Label3"), QStringLiteral("A"));
    Text3 = makeInputBox(QStringLiteral("Text3"));
    Command1 = makeButton(QStringLiteral("Command1"), QStringLiteral("X Z 挿入"));

    Label4 = makeLabel(QStringLiteral("Label4"), QStringLiteral("Center     X"));
    Text4 = makeInputBox(QStringLiteral("Text4"));
    Label5 = makeLabel(QStringLiteral("Label5"), QStringLiteral("Z"));
    Text5 = makeInputBox(QStringLiteral("Text5"));
    Label8 = makeLabel(QStringLiteral("Label8"), QStringLiteral("R"));
    Text6 = makeInputBox(QStringLiteral("Text6"));
    Command3 = makeButton(QStringLiteral("Command3"), QStringLiteral("X Z 挿入"));

    Label7 = makeLabel(QStringLiteral("Label7"), QStringLiteral("Closs 1     X"));
    Text7 = makeResultBox(QStringLiteral("Text7"));
    Label6 = makeLabel(QStringLiteral("Label6"), QStringLiteral("Z"));
    Text8 = makeResultBox(QStringLiteral("Text8"));
    Label16 = makeLabel(QStringLiteral("Label16"), QStringLiteral("I"));
    Text9 = makeResultBox(QStringLiteral("Text9"));
    Label18 = makeLabel(QStringLiteral("Label18"), QStringLiteral("K"));
    Text10 = makeResultBox(QStringLiteral("Text10"));
    Command4 = makeButton(QStringLiteral("Command4"), QStringLiteral("X Z 挿入"));
    Command6 = makeButton(QStringLiteral("Command6"), QStringLiteral("I K 挿入"));

    Label9 = makeLabel(QStringLiteral("Label9"), QStringLiteral("Closs 2     X"));
    Text11 = makeResultBox(QStringLiteral("Text11"));
    Label11 = makeLabel(QStringLiteral("Label11"), QStringLiteral("Z"));
    Text12 = makeResultBox(QStringLiteral("Text12"));
    Label17 = makeLabel(QStringLiteral("Label17"), QStringLiteral("I"));
    Text13 = makeResultBox(QStringLiteral("Text13"));
    Label19 = makeLabel(QStringLiteral("Label19"), QStringLiteral("K"));
    Text14 = makeResultBox(QStringLiteral("Text14"));
    Command5 = makeButton(QStringLiteral("Command5"), QStringLiteral("XZL挿入"));
    Command7 = makeButton(QStringLiteral("Command7"), QStringLiteral("I K 挿入"));

    Command10 = makeButton(QStringLiteral("Command10"), QStringLiteral("Print"));
    Command2 = makeButton(QStringLiteral("Command2"), QStringLiteral("Cancel"));

    layOutCalculator(this, {.frames = {Frame2},
                            .rows = {{Label1, Text1, Label2, Text2, Label3, Text3, nullptr, nullptr, Command1},
                                     {Label4, Text4, Label5, Text5, Label8, Text6, nullptr, nullptr, Command3},
                                     {Label7, Text7, Label6, Text8, Label16, Text9, Label18, Text10, Command4,
                                      Command6},
                                     {Label9, Text11, Label11, Text12, Label17, Text13, Label19, Text14, Command5,
                                      Command7}},
                            .lines = {{nullptr, Command10, Command2}}});

    enterChain().moveOn({Text1, Text2, Text3, Text4, Text5, Text6, Command1});
    setTabChain({Text1, Text2, Text3, Text4, Text5, Text6, Command1, Command3, Command4, Command6, Command5,
                       Command7, Command10, Command2, Picture1, OptionXZ, OptionXY});

    followPlaneOptions(OptionXZ, OptionXY, Text1);
    const QString x = QStringLiteral(" X");
    connectInsertButtons({pointInsert(Command1, x, Text1, Text2), pointInsert(Command3, x, Text4, Text5),
                          pointInsert(Command4, QStringLiteral("N000 G01 X"), Text7, Text8),
                          offsetInsert(Command6, Text9, Text10), arcInsert(Command5, Text11, Text12, Text6),
                          offsetInsert(Command7, Text13, Text14)});
    setPlaneCaptions({{{Label2, Label5, Label6, Label11}, QStringLiteral("Z"), QStringLiteral("Y")},
                      {{Label18, Label19}, QStringLiteral("K"), QStringLiteral("J")},
                      {{Command1, Command3, Command4}, QStringLiteral("X Z 挿入"), QStringLiteral("X Y 挿入")},
                      {{Command6, Command7}, QStringLiteral("I K 挿入"), QStringLiteral("I J 挿入")},
                      {{Command5}, QStringLiteral("XZL挿入"), QStringLiteral("XYL挿入")}});
    connect(Command10, &QPushButton::clicked, this, &frmLineR::Command10_Click);
    connect(Command2, &QPushButton::clicked, this, &frmLineR::Command2_Click);
}

void frmLineR::CalcAndDraw() {
    const LineCircleRun run = runLineCircleCrossing(
        {Text1->text(), Text2->text(), Text3->text(), Text4->text(), Text5->text(), Text6->text(), plane()});
    showTexts({{Text7, run.x1}, {Text8, run.z1}, {Text9, run.i1}, {Text10, run.k1},
               {Text11, run.x2}, {Text12, run.z2}, {Text13, run.i2}, {Text14, run.k2}});
    showFigure(run.figure, kMarkerColour);
}

void frmLineR::Command10_Click() { printWindow(); }
void frmLineR::Command2_Click() { close(); }

}  // namespace quillmar
