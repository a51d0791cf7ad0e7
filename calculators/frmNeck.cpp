#include "calculators/frmNeck.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "calculators/calculator_layout.h"
#include "calculators/neck_groove.h"
#include "platform/PictureBox.h"

namespace quillmar {

frmNeck::frmNeck(InsertText insert, QWidget* parent)
    : CalculatorFrame(QStringLiteral("Neck"), kCalculatorPictureSize, std::move(insert), parent) {
    Text1 = makeInputBox(QStringLiteral("Text1"));
    Text2 = makeInputBox(QStringLiteral("Text2"));
    Text3 = makeInputBox(QStringLiteral("Text3"));
    Text4 = makeInputBox(QStringLiteral("Text4"));
    Text5 = makeInputBox(QStringLiteral("Text5"));
    QList<QLineEdit*> results;
    for (int n = 6; n <= 15; ++n)
        results << makeResultBox(QStringLiteral("Text%1").arg(n));
    Text6 = results[0], Text7 = results[1], Text8 = results[2], Text9 = results[3], Text10 = results[4];
    Text11 = results[5], Text12 = results[6], Text13 = results[7], Text14 = results[8], Text15 = results[9];

    Frame1 = new QGroupBox(QStringLiteral("Cicle"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto option = [this](const char* name, const char* caption) {
        auto* o = new QRadioButton(QString::fromLatin1(caption), Frame1);
        o->setObjectName(QString::fromLatin1(name));
        connect(o, &QRadioButton::clicked, this, &frmNeck::CalcAndDraw);
        return o;
    };
    Option1 = option("Option1", "4");
    Option2 = option("Option2", "3");
    Option3 = option("Option3", "1");
    Option4 = option("Option4", "2");
    Option2->setChecked(true);
    auto* grid = new QGridLayout(Frame1);
    grid->addWidget(Option1, 0, 0);
    grid->addWidget(Option2, 0, 1);
    grid->addWidget(Option3, 1, 0);
    grid->addWidget(Option4, 1, 1);

    Command8 = makeButton(QStringLiteral("Command8"), QStringLiteral("X Z insert"));
    Command1 = makeButton(QStringLiteral("Command1"), QStringLiteral("X Z insert"));
    Command3 = makeButton(QStringLiteral("Command3"), QStringLiteral("X Z insert"));
    Command6 = makeButton(QStringLiteral("Command6"), QStringLiteral("I K insert"));
    Command4 = makeButton(QStringLiteral("Command4"), QStringLiteral("X Z insert"));
    Frame2 = new QGroupBox(QStringLiteral("All insert"), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Command9 = makeButton(QStringLiteral("Command9"), QStringLiteral("CW"));
    Command5 = makeButton(QStringLiteral("Command5"), QStringLiteral("CCW"));
    auto* all = new QHBoxLayout(Frame2);
    all->addWidget(Command9);
    all->addWidget(Command5);
    Command7 = makeButton(QStringLiteral("Command7"), QStringLiteral("Print"));
    Command2 = makeButton(QStringLiteral("Command2"), QStringLiteral("Cancel"));
    Label20 = makeLabel(QStringLiteral("Label20"),
                        QStringLiteral("※底径が分からない場合は『２直線に接する円』を使用してください。"));

    auto label = [this](const char* text) { return makeLabel({}, QString::fromUtf8(text)); };
    QWidget* const z = nullptr;  // an empty cell
    layOutCalculator(
        this, {.rows = {{label("BotomX"), Text1, label("Face　Z"), Text2, label("R"), Text3, Frame1, Frame1, Frame1,
                         Frame1},
                        {label("Angle　A"), Text4, label("Start　X"), Text5, z, z, Frame1, Frame1, Frame1, Frame1},
                        {label("P 1　  X"), Text6, label("Z"), Text7, z, z, z, z, z, Command8},
                        {label("P 2　  X"), Text8, label("Z"), Text9, z, z, z, z, z, Command1},
                        {label("P 3　  X"), Text10, label("Z"), Text11, label("I"), Text12, label("K"), Text13, z,
                         Command3, Command6},
                        {label("P 4　  X"), Text14, label("Z"), Text15, z, z, z, z, z, Command4}},
               .lines = {{Label20, nullptr, Frame2}, {nullptr, Command7, Command2}},
               .boxWidth = 64,  // 960 twips
               .calculatorFont = false});

    enterChain().moveOn({Text1, Text2, Text3, Text4, Text5, Text1});
    setTabChain({Text1, Text2, Text3, Text4, Text5, Command8, Command1, Command3, Command6, Command4, Command9, Command5,
                 Command7, Command2, Picture1});

    const QString x = QStringLiteral(" X");
    connectInsertButtons({pointInsert(Command8, x, Text6, Text7), pointInsert(Command1, x, Text8, Text9),
                          pointInsert(Command3, x, Text10, Text11), pointInsert(Command4, x, Text14, Text15),
                          offsetInsert(Command6, Text12, Text13)});
    connect(Command5, &QPushButton::clicked, this, &frmNeck::Command5_Click);
    connect(Command9, &QPushButton::clicked, this, &frmNeck::Command9_Click);
    connect(Command7, &QPushButton::clicked, this, &frmNeck::Command7_Click);
    connect(Command2, &QPushButton::clicked, this, &frmNeck::Command2_Click);
}

int frmNeck::option() const {
    if (Option1->isChecked())
        return 1;
    if (Option3->isChecked())
        return 3;
    if (Option4->isChecked())
        return 4;
    return 2;
}

void frmNeck::CalcAndDraw() {
    const NeckRun run = runNeck({Text1->text(), Text2->text(), Text3->text(), Text4->text(), Text5->text(), option()});
    showTexts({{Text6, run.p1x}, {Text7, run.p1z}, {Text8, run.p2x}, {Text9, run.p2z}, {Text10, run.p3x},
               {Text11, run.p3z}, {Text12, run.i}, {Text13, run.k}, {Text14, run.p4x}, {Text15, run.p4z}});
    showFigure(run.figure, kMarkerColour);
}

void frmNeck::insertContour(bool ccw) {
    const QStringList lines = neckContour(ccw, option(),
                                          {Text6->text(), Text7->text(), Text10->text(), Text11->text(),
                                           Text14->text(), Text15->text(), Text3->text()});
    // Three separate changes of the document, as three presses would make.
    for (const QString& line : lines)
        insert(line);
}

void frmNeck::Command5_Click() { insertContour(true); }
void frmNeck::Command9_Click() { insertContour(false); }
void frmNeck::Command7_Click() { printWindow(); }
void frmNeck::Command2_Click() { close(); }

}  // namespace quillmar
