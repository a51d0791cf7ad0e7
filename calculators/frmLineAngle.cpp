#include "calculators/frmLineAngle.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "calculators/calculator_layout.h"
#include "calculators/fixed_sketch.h"
#include "calculators/taper.h"

namespace quillmar {
namespace {

FixedSketch* taperSketch(QWidget* parent) {
    // A taper rising from the start point to the end point, with the axis below it.
    return new FixedSketch(QSizeF(3375, 2415),
                           {QLineF(300, 1900, 3100, 1900), QLineF(300, 1500, 1000, 1500), QLineF(1000, 1500, 2400, 700),
                            QLineF(2400, 700, 3100, 700)},
                           {QRectF(960, 1460, 80, 80), QRectF(2360, 660, 80, 80)},
                           {{QPointF(700, 1560), QStringLiteral("X1,Z1")}, {QPointF(2100, 300), QStringLiteral("X2,Z2")}},
                           parent);
}

}  // namespace

frmLineAngle::frmLineAngle(InsertText insert, QWidget* parent)
    : TaperWindow(QStringLiteral("Line angle"), std::move(insert), parent) {
    Label1 = makeLabel("Label1", QStringLiteral("Start    X1"));
    Text1 = makeInputBox("Text1");
    Label2 = makeLabel("Label2", QStringLiteral("　  　　　 Z1"));
    Text2 = makeInputBox("Text2");
    Label3 = makeLabel("Label3", QStringLiteral("Angle     A"));
    Text3 = makeInputBox("Text3");
    Label4 = makeLabel("Label4", QStringLiteral("End       X2"));
    Text4 = makeInputBox("Text4");
    Label5 = makeLabel("Label5", QStringLiteral("　　　　   Z2"));
    Text5 = makeInputBox("Text5");
    Label6 = makeLabel("Label6", QStringLiteral("Start & Ａ，Ｘ２，Ｚ２のいずれか２箇所を入力してください。"));
    showAsNote(Label6);
    Label6->setWordWrap(true);
    Frame1 = named(new QGroupBox(QStringLiteral("Insert"), this), "Frame1");
    Command1 = makeButton("Command1", QStringLiteral("X 2"));
    Command3 = makeButton("Command3", QStringLiteral("Z 2"));
    Command4 = makeButton("Command4", QStringLiteral("X2 , Z2"));
    Command5 = makeButton("Command5", QStringLiteral("A"));
    Command2 = makeButton("Command2", QStringLiteral("Cancel"));
    Picture1 = taperSketch(this);

    layOut({{Label1, Text1}, {Label2, Text2}, {Label3, Text3}, {Label4, Text4}, {Label5, Text5}}, Picture1, Label6,
           Frame1, {Command1, Command3, Command4, Command5}, Command2);

    const QList<QWidget*> chain = {Text1, Text2, Text3, Text4, Text5, Command1};
    enterChain().moveOn(chain);
    setTabChain(chain);
    onLeave().run(Text4, [this] { Text4_LostFocus(); });
    onLeave().run(Text5, [this] { Text5_LostFocus(); });
    connect(Command1, &QPushButton::clicked, this, &frmLineAngle::Command1_Click);
    connect(Command3, &QPushButton::clicked, this, &frmLineAngle::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &frmLineAngle::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &frmLineAngle::Command5_Click);
    connect(Command2, &QPushButton::clicked, this, &frmLineAngle::Command2_Click);
}

TaperLine frmLineAngle::line() const {
    return {Text1->text(), Text2->text(), Text3->text(), Text4->text(), Text5->text()};
}

void frmLineAngle::Text4_LostFocus() {
    if (const auto z2 = taperEndZ(line()))
        Text5->setText(*z2);
}

void frmLineAngle::Text5_LostFocus() {
    const TaperFromEndZ result = taperFromEndZ(line());
    if (result.angle)
        Text3->setText(*result.angle);
    if (result.endX)
        Text4->setText(*result.endX);
}

void frmLineAngle::insertAndClose(const QString& text) {
    if (insert(text))
        close();
}

void frmLineAngle::Command1_Click() { insertAndClose(QStringLiteral("X") + Text4->text()); }
void frmLineAngle::Command3_Click() { insertAndClose(QStringLiteral("Z") + Text5->text()); }
void frmLineAngle::Command4_Click() {
    insertAndClose(QStringLiteral("X") + Text4->text() + QStringLiteral(" Z") + Text5->text());
}
void frmLineAngle::Command5_Click() { insertAndClose(QStringLiteral("A") + Text3->text()); }
void frmLineAngle::Command2_Click() { close(); }

}  // namespace quillmar
