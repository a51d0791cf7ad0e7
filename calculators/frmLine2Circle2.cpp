#include "calculators/frmLine2Circle2.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "calculators/calculator_layout.h"
#include "calculators/two_lines_two_arcs.h"
#include "platform/PictureBox.h"

namespace quillmar {

frmLine2Circle2::frmLine2Circle2(InsertText insert, QWidget* parent)
    : CalculatorFrame(QStringLiteral("2-Line & 2-Circle"), kCalculatorPictureSize, std::move(insert), parent) {
    Frame2 = new QGroupBox(QStringLiteral("Line direction"), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Option3 = new QRadioButton(QStringLiteral("Hori"), Frame2);
    Option3->setObjectName(QStringLiteral("Option3"));
    Option4 = new QRadioButton(QStringLiteral("Verti"), Frame2);
    Option4->setObjectName(QStringLiteral("Option4"));
    Option3->setChecked(true);
    auto* directions = new QHBoxLayout(Frame2);
    directions->addWidget(Option3);
    directions->addWidget(Option4);
    Frame1 = makeOptionFrame(this, "Frame1", QStringLiteral("Circle Pos."), {&Option1, &Option2}, {"1", "2"});

    auto label = [this](const QString& text) { return makeLabel(QString(), text); };
    Text1 = makeInputBox(QStringLiteral("Text1"));
    Text2 = makeInputBox(QStringLiteral("Text2"));
    Text3 = makeInputBox(QStringLiteral("Text3"));
    Command1 = makeButton(QStringLiteral("Command1"), QStringLiteral("X Z Insert"));
    Text4 = makeInputBox(QStringLiteral("Text4"));
    Text5 = makeInputBox(QStringLiteral("Text5"));
    Text6 = makeInputBox(QStringLiteral("Text6"));
    Command3 = makeButton(QStringLiteral("Command3"), QStringLiteral("X Z Insert"));
    Text7 = makeInputBox(QStringLiteral("Text7"));
    Text8 = makeInputBox(QStringLiteral("Text8"));
    Command4 = makeButton(QStringLiteral("Command4"), QStringLiteral("X Z Insert"));
    Text9 = makeResultBox(QStringLiteral("Text9"));
    Text10 = makeResultBox(QStringLiteral("Text10"));
    Text11 = makeResultBox(QStringLiteral("Text11"));
    Text12 = makeResultBox(QStringLiteral("Text12"));
    Command5 = makeButton(QStringLiteral("Command5"), QStringLiteral("I K Insert"));
    Text13 = makeResultBox(QStringLiteral("Text13"));
    Text14 = makeResultBox(QStringLiteral("Text14"));
    Text15 = makeResultBox(QStringLiteral("Text15"));
    Text16 = makeResultBox(QStringLiteral("Text16"));
    Command6 = makeButton(QStringLiteral("Command6"), QStringLiteral("I K Insert"));

    Label21 = makeLabel(QStringLiteral("Label21"), QString());
    showAsNote(Label21);
    Command10 = makeButton(QStringLiteral("Command10"), QStringLiteral("Print"));
    Command2 = makeButton(QStringLiteral("Command2"), QStringLiteral("Cancel"));

    const QString centre = QStringLiteral("Circle１ CenterX");
    layOutCalculator(
        this,
        {.frames = {Frame2, Frame1},
         .rows = {{label("Line & Circle 1 X"), Text1, label("Z"), Text2, label("R"), Text3, nullptr, nullptr, Command1},
                  {label("Line & Circle 2 X"), Text4, label("Z"), Text5, label("R"), Text6, nullptr, nullptr, Command3},
                  {label("Circle & Circle3 X"), Text7, label("Z"), Text8, nullptr, nullptr, nullptr, nullptr, Command4},
                  {label(centre), Text9, label("Z"), Text10, label("I"), Text11, label("K"), Text12, Command5},
                  {label(centre), Text13, label("Z"), Text14, label("I"), Text15, label("K"), Text16, Command6}},
         .lines = {{Label21}, {nullptr, Command10, Command2}}});

    enterChain().moveOn({Text7, Text1, Text2, Text3, Text4, Text5, Text6, Text8, Text1});
    setTabChain({Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text8, Command1, Command3, Command4, Command5,
                 Command6, Command10, Command2, Picture1, Option3, Option4, Option1, Option2});
    setUpMode(false);

    connect(Option3, &QRadioButton::clicked, this, &frmLine2Circle2::Option3_Click);
    connect(Option4, &QRadioButton::clicked, this, &frmLine2Circle2::Option4_Click);
    for (QRadioButton* option : {Option1, Option2})
        connect(option, &QRadioButton::clicked, this, &frmLine2Circle2::CalcAndDraw);
    const QString x = QStringLiteral("X");
    const QString z = QStringLiteral(" Z");
    const QString i = QStringLiteral("I");
    const QString k = QStringLiteral(" K");
    connectInsertButtons({wordsInsert(Command1, {{x, Text1}, {z, Text2}}), wordsInsert(Command3, {{x, Text4}, {z, Text5}}),
                          wordsInsert(Command4, {{x, Text7}, {z, Text8}}),
                          wordsInsert(Command5, {{i, Text11}, {k, Text12}}),
                          wordsInsert(Command6, {{i, Text15}, {k, Text16}})});
    connect(Command10, &QPushButton::clicked, this, &frmLine2Circle2::Command10_Click);
    connect(Command2, &QPushButton::clicked, this, &frmLine2Circle2::Command2_Click);
}

void frmLine2Circle2::setLocked(QLineEdit* box, bool locked) {
    box->setReadOnly(locked);
    box->setFocusPolicy(locked ? Qt::ClickFocus : Qt::StrongFocus);
    QPalette colours = box->palette();
    colours.setColor(QPalette::Base, palette().color(locked ? QPalette::Button : QPalette::Base));
    box->setPalette(colours);
}

void frmLine2Circle2::setUpMode(bool vertical) {
    setLocked(vertical ? Text8 : Text7, true);
    setLocked(vertical ? Text7 : Text8, false);
    Label21->setText(vertical ? QStringLiteral("※X軸位置は接点１・接点２．接点３のいずれかを入力してください。")
                              : QStringLiteral("※Z軸位置は接点１・接点２．接点３のいずれかを入力してください。"));
}

void frmLine2Circle2::CalcAndDraw() {
    const TwoLinesTwoArcsRun run =
        runTwoLinesTwoArcs({Text1->text(), Text2->text(), Text3->text(), Text4->text(), Text5->text(), Text6->text(),
                            Text7->text(), Text8->text(), Option2->isChecked() ? 2 : 1, !Option3->isChecked()});
    showTexts({{Text1, run.p1x}, {Text2, run.p1z}, {Text4, run.p2x}, {Text5, run.p2z}, {Text7, run.p3x},
               {Text8, run.p3z}, {Text9, run.c1x}, {Text10, run.c1z}, {Text11, run.i1}, {Text12, run.k1},
               {Text13, run.c2x}, {Text14, run.c2z}, {Text15, run.i2}, {Text16, run.k2}});
    showFigure(run.figure, kMarkerColour);
}

// Leaving a filled position box of the free axis makes it the given one: the other two
// are emptied before the recompute.
bool frmLine2Circle2::eventFilter(QObject* watched, QEvent* event) {
    if (leavesForControl(event)) {
        const QList<QLineEdit*> free = Option3->isChecked() ? QList<QLineEdit*>{Text2, Text5, Text8}
                                                             : QList<QLineEdit*>{Text1, Text4, Text7};
        auto* box = qobject_cast<QLineEdit*>(watched);
        if (box && free.contains(box) && !box->text().isEmpty()) {
            for (QLineEdit* other : free)
                if (other != box)
                    other->clear();
        }
    }
    return CalculatorFrame::eventFilter(watched, event);
}

void frmLine2Circle2::Option3_Click() {
    setUpMode(false);
    Text1->setFocus(Qt::OtherFocusReason);
    CalcAndDraw();
}

void frmLine2Circle2::Option4_Click() {
    setUpMode(true);
    Text1->setFocus(Qt::OtherFocusReason);
    CalcAndDraw();
}

void frmLine2Circle2::Picture1_GotFocus() {}

void frmLine2Circle2::Command10_Click() { printWindow(); }
void frmLine2Circle2::Command2_Click() { close(); }

}  // namespace quillmar
