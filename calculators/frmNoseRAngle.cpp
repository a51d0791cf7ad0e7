#include "calculators/frmNoseRAngle.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "calculators/fixed_sketch.h"
#include "calculators/taper.h"
#include "platform/fonts.h"

namespace quillmar {
namespace {

FixedSketch* noseRSketch(QWidget* parent) {
    const QList<QLineF> lines = {
        {1800, 960, 2580, 1740}, {2460, 960, 2460, 1740}, {2460, 1740, 3300, 1740}, {2460, 1740, 1380, 660},
        {180, 960, 2040, 960},   {1680, 1800, 1680, 480}, {960, 720, 0, 1680},      {420, 1815, 420, 480},
        {720, 960, 720, 1800},   {1800, 960, 1800, 1800}, {2460, 1620, 3300, 1620}, {180, 1740, 960, 1740},
        {1380, 1740, 2460, 1740}, {3240, 1380, 3240, 1980}, {1910, 770, 2460, 600}};
    const QList<QRectF> circles = {{360, 540, 555, 435}, {1620, 540, 555, 435}, {2400, 1320, 555, 435}};
    const QList<FixedSketch::Label> labels = {{QPointF(2220, 420), QStringLiteral("R")},
                                              {QPointF(1850, 1500), QStringLiteral("角度"), 9},
                                              {QPointF(2820, 1800), QStringLiteral("X/2")},
                                              {QPointF(1680, 1800), QStringLiteral("Z")},
                                              {QPointF(465, 1800), QStringLiteral("Z2")}};
    return new FixedSketch(QSizeF(3375, 2415), lines, circles, labels, parent);
}

}  // namespace

frmNoseRAngle::frmNoseRAngle(InsertText insert, QWidget* parent)
    : TaperWindow(QStringLiteral("Taper Nose-R"), std::move(insert), parent) {
    setFont(fontForName(QStringLiteral("ＭＳ Ｐゴシック"), 12));
    Label1 = makeLabel("Label1", QStringLiteral("Nose-R"));
    Text1 = makeInputBox("Text1");
    Label2 = makeLabel("Label2", QStringLiteral("Angle"));
    Text2 = makeInputBox("Text2");
    Label3 = makeLabel("Label3", QStringLiteral("Compe. Ｘ"));
    Text3 = makeResultBox("Text3");
    Label4 = makeLabel("Label4", QStringLiteral("　　　　　Ｚ"));
    Text4 = makeResultBox("Text4");
    Label5 = makeLabel("Label5", QStringLiteral("Down 　Ｚ2"));
    Text5 = makeResultBox("Text5");
    Frame1 = named(new QGroupBox(QStringLiteral("Insert"), this), "Frame1");
    Command1 = makeButton("Command1", QStringLiteral("X"));
    Command3 = makeButton("Command3", QStringLiteral("Z"));
    Command4 = makeButton("Command4", QStringLiteral("Z2"));
    Command2 = makeButton("Command2", QStringLiteral("Cancel"));
    Picture1 = noseRSketch(this);

    layOut({{Label1, Text1}, {Label2, Text2}, {Label3, Text3}, {Label4, Text4}, {Label5, Text5}}, Picture1, nullptr,
           Frame1, {Command1, Command3, Command4}, Command2);

    setTabChain({Text1, Text2, Command1, Command3, Command4, Command2});
    enterChain().moveOn({Text1, Text2, Text1});
    onLeave().run(Text1, [this] { Compute(); });
    onLeave().run(Text2, [this] { Compute(); });
    connect(Command1, &QPushButton::clicked, this, &frmNoseRAngle::Command1_Click);
    connect(Command3, &QPushButton::clicked, this, &frmNoseRAngle::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &frmNoseRAngle::Command4_Click);
    connect(Command2, &QPushButton::clicked, this, &frmNoseRAngle::Command2_Click);
    Text1->setFocus(Qt::OtherFocusReason);
}

void frmNoseRAngle::Compute() {
    if (const auto amounts = noseRCompensation({Text1->text(), Text2->text()})) {
        Text3->setText(amounts->x);
        Text4->setText(amounts->z);
        Text5->setText(amounts->z2);
    }
}

void frmNoseRAngle::Command1_Click() { insert(QStringLiteral(" ") + Text3->text()); }
void frmNoseRAngle::Command3_Click() { insert(QStringLiteral(" ") + Text4->text()); }
void frmNoseRAngle::Command4_Click() { insert(QStringLiteral(" ") + Text5->text()); }
void frmNoseRAngle::Command2_Click() { close(); }

}  // namespace quillmar
