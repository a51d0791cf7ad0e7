#include "calculators/frmLineRPoint.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "calculators/arc_through_point.h"
#include "calculators/calculator_layout.h"
#include "platform/PictureBox.h"

namespace quillmar {

frmLineRPoint::frmLineRPoint(InsertText insert, QWidget* parent)
    : CalculatorFrame(QStringLiteral("1point Line tangent circle"), kCalculatorPictureSize, std::move(insert),
                      parent) {
    // The failure text takes the picture's own text colour, red from the start.
    Picture1->setForeColor(kMarkerColour);
    Frame2 = makePlaneFrame(this, OptionXZ, OptionXY);
    Frame1 = makeOptionFrame(this, "Frame1", QStringLiteral("Circle"), {&Option1, &Option2}, {"1", "2"});

    Label1 = makeLabel(QStringLiteral("Label1"), QStringLiteral("Line         X"));
    Text1 = makeInputBox(QStringLiteral("Text1"));
    Label2 = makeLabel(QStringLiteral("Label2"), QStringLiteral("Z"));
    Text2 = makeInputBox(QStringLiteral("Text2"));
    Label3 = makeLabel(QStringLiteral("Label3"), QStringLiteral("A"));
    Text3 = makeInputBox(QStringLiteral("Text3"));
    Command1 = makeButton(QStringLiteral("Command1"), QStringLiteral("X Z 挿入"));

    Label4 = makeLabel(QStringLiteral("Label4"), QStringLiteral("End          X"));
    Text4 = makeInputBox(QStringLiteral("Text4"));
    Label5 = makeLabel(QStringLiteral("Label5"), QStringLiteral("Z"));
    Text5 = makeInputBox(QStringLiteral("Text5"));
    Command3 = makeButton(QStringLiteral("Command3"), QStringLiteral("X Z 挿入"));

    Label9 = makeLabel(QStringLiteral("Label9"), QStringLiteral("Circle     CX"));
    Text6 = makeResultBox(QStringLiteral("Text6"));
    Label11 = makeLabel(QStringLiteral("Label11"), QStringLiteral("CZ"));
    Text7 = makeResultBox(QStringLiteral("Text7"));
    Label10 = makeLabel(QStringLiteral("Label10"), QStringLiteral("R"));
    Text8 = makeInputBox(QStringLiteral("Text8"));
    Command4 = makeButton(QStringLiteral("Command4"), QStringLiteral("X Z 挿入"));

    Label12 = makeLabel(QStringLiteral("Label12"), QStringLiteral("Start       X"));
    Text9 = makeResultBox(QStringLiteral("Text9"));
    Label14 = makeLabel(QStringLiteral("Label14"), QStringLiteral("Z"));
    Text10 = makeResultBox(QStringLiteral("Text10"));
    Label16 = makeLabel(QStringLiteral("Label16"), QStringLiteral("I"));
    Text11 = makeResultBox(QStringLiteral("Text11"));
    Label18 = makeLabel(QStringLiteral("Label18"), QStringLiteral("K"));
    Text12 = makeResultBox(QStringLiteral("Text12"));
    Command5 = makeButton(QStringLiteral("Command5"), QStringLiteral("X Z 挿入"));
    Command6 = makeButton(QStringLiteral("Command6"), QStringLiteral("I K 挿入"));

    Command10 = makeButton(QStringLiteral("Command10"), QStringLiteral("Print"));
    Command2 = makeButton(QStringLiteral("Command2"), QStringLiteral("Cancel"));

    layOutCalculator(this, {.frames = {Frame2, Frame1},
                            .rows = {{Label1, Text1, Label2, Text2, Label3, Text3, nullptr, nullptr, Command1},
                                     {Label4, Text4, Label5, Text5, nullptr, nullptr, nullptr, nullptr, Command3},
                                     {Label9, Text6, Label11, Text7, Label10, Text8, nullptr, nullptr, Command4},
                                     {Label12, Text9, Label14, Text10, Label16, Text11, Label18, Text12, Command5,
                                      Command6}},
                            .lines = {{nullptr, Command10, Command2}}});

    enterChain().moveOn({Text1, Text2, Text3, Text4, Text5, Text8, Command1});
    enterChain().moveOn(Text6, Text9);
    recomputeOnLeave(Text6);
    setTabChain({Text1, Text2, Text3, Text4, Text5, Text8, Option1, Option2, Command1, Command3, Command4, Command5,
                 Command6, Command10, Command2, Picture1, OptionXZ, OptionXY});

    followPlaneOptions(OptionXZ, OptionXY, Text1);
    for (QRadioButton* option : {Option1, Option2})
        connect(option, &QRadioButton::clicked, this, &frmLineRPoint::CalcAndDraw);
    const QString x = QStringLiteral(" X");
    connectInsertButtons({pointInsert(Command1, x, Text1, Text2), pointInsert(Command3, x, Text4, Text5),
                          pointInsert(Command4, x, Text6, Text7), pointInsert(Command5, x, Text9, Text10),
                          offsetInsert(Command6, Text11, Text12)});
    setPlaneCaptions({{{Label2, Label5, Label14}, QStringLiteral("Z"), QStringLiteral("Y")},
                      {{Label11}, QStringLiteral("CZ"), QStringLiteral("CY")},
                      {{Label18}, QStringLiteral("K"), QStringLiteral("J")},
                      {{Command1, Command3, Command4, Command5}, QStringLiteral("X Z 挿入"), QStringLiteral("X Y 挿入")},
                      {{Command6}, QStringLiteral("I K 挿入"), QStringLiteral("I J 挿入")}});
    connect(Command10, &QPushButton::clicked, this, &frmLineRPoint::Command10_Click);
    connect(Command2, &QPushButton::clicked, this, &frmLineRPoint::Command2_Click);
}

void frmLineRPoint::CalcAndDraw() {
    const ArcThroughPointRun run =
        runArcThroughPoint({Text1->text(), Text2->text(), Text3->text(), Text4->text(), Text5->text(), Text8->text(),
                            plane(), Option2->isChecked() ? 2 : 1});
    showTexts({{Text6, run.centreX}, {Text7, run.centreZ}, {Text9, run.startX}, {Text10, run.startZ},
               {Text11, run.i}, {Text12, run.k}});
    showFigure(run.figure, std::nullopt);
}

void frmLineRPoint::Command10_Click() { printWindow(); }
void frmLineRPoint::Command2_Click() { close(); }

}  // namespace quillmar
