#include "calculators/frmXY_XC.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "calculators/calculator_layout.h"
#include "calculators/xy_xc.h"
#include "platform/PictureBox.h"

namespace quillmar {
namespace {

// As wide as the other calculators' pictures, 5595 twips high.
constexpr QSize kPictureSize{kCalculatorPictureSize.width(), 5595 / kTwipsPerPixel};

QLabel* mark(QWidget* parent, QRgb colour) {
    auto* label = new QLabel(QStringLiteral("◆"), parent);
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, QColor::fromRgb(colour));
    label->setPalette(colours);
    QFont font = label->font();
    font.setPointSizeF(15.75);
    label->setFont(font);
    return label;
}

}  // namespace

frmXY_XC::frmXY_XC(InsertText insert, QWidget* parent)
    : CalculatorFrame(QStringLiteral("XY-XC Change"), kPictureSize, std::move(insert), parent) {
    FrameMode = new QGroupBox(QStringLiteral("座標"), this);
    FrameMode->setObjectName(QStringLiteral("FrameMode"));
    OptionXY = new QRadioButton(QStringLiteral("Ｘ-Y"), FrameMode);
    OptionXY->setObjectName(QStringLiteral("OptionXY"));
    OptionXC = new QRadioButton(QStringLiteral("Ｘ－C"), FrameMode);
    OptionXC->setObjectName(QStringLiteral("OptionXC"));
    OptionXY->setChecked(true);
    auto* modeLayout = new QHBoxLayout(FrameMode);
    modeLayout->addWidget(OptionXY);
    modeLayout->addWidget(OptionXC);

    Text << nullptr;
    for (int n = 1; n <= 15; ++n) {
        const QString name = QStringLiteral("Text%1").arg(n);
        Text << (n <= 8 ? makeInputBox(name) : makeResultBox(name));
    }
    Text1 = Text[1], Text2 = Text[2], Text3 = Text[3], Text4 = Text[4];
    Text5 = Text[5], Text6 = Text[6], Text7 = Text[7], Text8 = Text[8];
    for (QLineEdit* box : {Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text8})
        selectAllOnFocus(box);
    // Enter goes round the X-Y boxes of both points, or round their X-C boxes.
    enterChain().moveOn({Text1, Text2, Text5, Text6, Text1});
    enterChain().moveOn({Text3, Text4, Text7, Text8, Text3});
    Command1 = makeButton(QStringLiteral("Command1"), QStringLiteral("X Y Insert"));
    Command5 = makeButton(QStringLiteral("Command5"), QStringLiteral("X C Insert"));
    Command3 = makeButton(QStringLiteral("Command3"), QStringLiteral("X Y Insert"));
    Command4 = makeButton(QStringLiteral("Command4"), QStringLiteral("X C Insert"));
    Command7 = makeButton(QStringLiteral("Command7"), QStringLiteral(" L   Insert"));
    Command6 = makeButton(QStringLiteral("Command6"), QStringLiteral(" A   Insert"));
    Command8 = makeButton(QStringLiteral("Command8"), QStringLiteral(" C   Insert"));
    Command11 = makeButton(QStringLiteral("Command11"), QStringLiteral("X Y Insert"));
    Command13 = makeButton(QStringLiteral("Command13"), QStringLiteral("X Y Insert"));
    Command2 = makeButton(QStringLiteral("Command2"), QStringLiteral("Cancel"));
    QLabel* note = makeLabel(QStringLiteral("Label20"),
                             QStringLiteral("※Y軸モード中の値は絶対値です。符号を考慮してプログラムして下さい。"));
    showAsNote(note);

    const int border = Picture1->frameWidth();
    Picture3->place(QRect(border + 8, border + 348, 169, 20));
    Picture5 = new ReadoutStrip(Picture1, QStringLiteral("Picture5"), QRect(border + 416, border + 348, 169, 20));
    Picture2 = new ReadoutStrip(Picture1, QStringLiteral("Picture2"), QRect(border + 300, border + 4, 29, 24));
    Picture4 = new ReadoutStrip(Picture1, QStringLiteral("Picture4"), QRect(border + 548, border + 164, 37, 20));

    auto label = [this](const char* text) { return makeLabel({}, QString::fromUtf8(text)); };
    QWidget* const z = nullptr;  // an empty cell
    layOutCalculator(
        this,
        {.frames = {FrameMode},
         .rows = {{mark(this, 0xFFFF0000), label("Point 1 X"), Text[1], label("Y"), Text[2], label("X"), Text[3],
                   label("C"), Text[4], Command1, Command5},
                  {mark(this, kSecondPointColour), label("Point 2 X"), Text[5], label("Y"), Text[6], label("X"), Text[7],
                   label("C"), Text[8], Command3, Command4},
                  {mark(this, 0xFFFFFF00), label("Length L"), Text[10], label("Line Angle"), Text[9], z, z, z, z,
                   Command7, Command6},
                  {mark(this, kCentreLineColour), label("Y-axis center line"), z, z, z, label("Master C"), Text[11], z,
                   z, Command8},
                  {z, label("Master C angle Y-axis mode Point 1 X"), Text[12], label("Y"), Text[13], z, z, z, z,
                   Command11},
                  {z, label("Point2 X"), Text[14], label("Y"), Text[15], z, z, z, z, Command13}},
         .lines = {{note, nullptr, Command2}},
         .margins = {0, 0, 6, 6}});

    setRoles(false);
    connectControls();
}

void frmXY_XC::connectControls() {
    setTabChain({Text1, Text2, Text5, Text6, Command1, Command5, Command3, Command4, Command7, Command6, Command8,
                 Command11, Command13, Command2, OptionXY, OptionXC, Text3, Text4, Text7, Text8, Picture1});
    connect(OptionXY, &QRadioButton::clicked, this, &frmXY_XC::OptionXY_Click);
    connect(OptionXC, &QRadioButton::clicked, this, &frmXY_XC::OptionXC_Click);
    const QString x = QStringLiteral("X");
    const QString y = QStringLiteral(" Y");
    const QString c = QStringLiteral("C");
    connectInsertButtons({wordsInsert(Command1, {{x, Text[1]}, {y, Text[2]}}),
                          wordsInsert(Command3, {{x, Text[5]}, {y, Text[6]}}),
                          wordsInsert(Command5, {{c, Text[4]}, {QStringLiteral(" X"), Text[3]}}),
                          wordsInsert(Command4, {{c, Text[8]}, {QStringLiteral(" X"), Text[7]}}),
                          wordsInsert(Command7, {{QStringLiteral("L"), Text[10]}}, false),
                          wordsInsert(Command6, {{QStringLiteral("A"), Text[9]}}, false),
                          wordsInsert(Command8, {{c, Text[11]}}, false),
                          wordsInsert(Command11, {{x, Text[12]}, {y, Text[13]}}),
                          wordsInsert(Command13, {{x, Text[14]}, {y, Text[15]}})});
    connect(Command2, &QPushButton::clicked, this, &frmXY_XC::Command2_Click);
}

void frmXY_XC::setRoles(bool xcMode) {
    for (int n = 1; n <= 8; ++n) {
        const bool xcBox = n == 3 || n == 4 || n == 7 || n == 8;
        const bool input = xcBox == xcMode;
        QLineEdit* box = Text[n];
        box->setReadOnly(!input);
        box->setFocusPolicy(input ? Qt::StrongFocus : Qt::ClickFocus);
        QPalette colours = palette();
        colours.setColor(QPalette::Base, input ? colours.color(QPalette::Base) : colours.color(QPalette::Button));
        box->setPalette(colours);
    }
}

void frmXY_XC::showEvent(QShowEvent* event) {
    CalculatorFrame::showEvent(event);
    // Painting never recomputes: a new window draws its axes and crosses once here.
    if (!shown_) {
        shown_ = true;
        drawingSurface().setScale(xyXcScale());
        CalcAndDraw();
    }
}

void frmXY_XC::CalcAndDraw() {
    const XyXcRun run = runXyXc({{{{Text[1]->text(), Text[2]->text(), Text[3]->text(), Text[4]->text()},
                                   {Text[5]->text(), Text[6]->text(), Text[7]->text(), Text[8]->text()}}},
                                 OptionXC->isChecked()});
    const auto& [p1, p2] = run.points;
    showTexts({{Text[1], p1.x}, {Text[2], p1.y}, {Text[3], p1.diameter}, {Text[4], p1.c},
               {Text[5], p2.x}, {Text[6], p2.y}, {Text[7], p2.diameter}, {Text[8], p2.c},
               {Text[9], run.angle}, {Text[10], run.length}, {Text[11], run.masterC},
               {Text[12], run.yAxis[0].x}, {Text[13], run.yAxis[0].y}, {Text[14], run.yAxis[1].x},
               {Text[15], run.yAxis[1].y}});
    showFigure(run.figure, kMarkerColour);
}

void frmXY_XC::OptionXY_Click() {
    setRoles(false);
    Text1->setFocus(Qt::OtherFocusReason);
}

void frmXY_XC::OptionXC_Click() {
    setRoles(true);
    Text3->setFocus(Qt::OtherFocusReason);
}

void frmXY_XC::Picture1_MouseMove(float x, float y) {
    Picture1->setCursor(Qt::CrossCursor);
    Picture3->setVisible(true);
    Picture5->setVisible(true);
    Picture3->showText(readoutText(x, y, Plane::XY));
    Picture5->showText(xcReadoutText(x, -static_cast<double>(y)));
    Picture2->showText(QStringLiteral("Y"));
    Picture4->showText(QStringLiteral("X C0"));
}

void frmXY_XC::Picture1_GotFocus() {}

void frmXY_XC::Form_MouseMove() {
    Picture3->setVisible(false);
    Picture5->setVisible(false);
}

void frmXY_XC::Command2_Click() { close(); }

}  // namespace quillmar
