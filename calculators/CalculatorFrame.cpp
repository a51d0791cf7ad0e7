#include "calculators/CalculatorFrame.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

#include "platform/PictureBox.h"
#include "platform/fonts.h"
#include "platform/window_printer.h"

namespace quillmar {
namespace {

const QString kPictureFont = QStringLiteral("ＭＳ Ｐゴシック");
constexpr QSize kReadoutSize{177, 20};

}  // namespace

CalculatorFrame::CalculatorFrame(const QString& title, QSize pictureSize, InsertText insert, QWidget* parent)
    : QWidget(parent, kFixedToolWindow),
      insert_(std::move(insert)),
      printer_(&defaultWindowPrinter()),
      enter_(new EnterChain(this, this)),
      leave_(new OnLeave(this, this)) {
    setWindowTitle(title);
    setMouseTracking(true);

    Picture1 = new PictureBox(pictureSize, this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    QFont pictureFont(familyForName(kPictureFont));
    pictureFont.setPointSizeF(9.75);
    Picture1->setTextFont(pictureFont);
    Picture1->setBackColor(kPictureBlack);
    Picture1->setForeColor(kPictureWhite);
    connect(Picture1, &PictureBox::mouseMoved, this, &CalculatorFrame::Picture1_MouseMove);
    connect(Picture1, &PictureBox::focusEntered, this, &CalculatorFrame::Picture1_GotFocus);

    const int border = Picture1->frameWidth();
    Picture3 = new ReadoutStrip(Picture1, QStringLiteral("Picture3"),
                                QRect(border, border + pictureSize.height() - kReadoutSize.height(),
                                      kReadoutSize.width(), kReadoutSize.height()));
}

CalculatorFrame::~CalculatorFrame() = default;

void CalculatorFrame::setPrinter(WindowPrinter* printer) { printer_ = printer ? printer : &defaultWindowPrinter(); }

void CalculatorFrame::setDrawingSurface(DrawingSurface* surface) {
    // A stand-in picture starts with the picture's text colour, which some windows'
    // failure text takes.
    if (surface)
        surface->setForeColor(Picture1->foreColor());
    surface_ = surface;
}

DrawingSurface& CalculatorFrame::drawingSurface() const {
    return surface_ ? *surface_ : static_cast<DrawingSurface&>(*Picture1);
}

void CalculatorFrame::Picture1_MouseMove(float x, float y) {
    Picture1->setCursor(Qt::CrossCursor);
    Picture3->setVisible(true);
    Picture3->showText(readoutText(x, y, plane()));
}

void CalculatorFrame::Picture1_GotFocus() { CalcAndDraw(); }

void CalculatorFrame::Form_MouseMove() { Picture3->setVisible(false); }

QLineEdit* CalculatorFrame::makeInputBox(const QString& name) {
    auto* box = new QLineEdit(this);
    box->setObjectName(name);
    recomputeOnLeave(box);
    return box;
}

QLineEdit* CalculatorFrame::makeResultBox(const QString& name) {
    auto* box = new QLineEdit(this);
    box->setObjectName(name);
    showAsResultBox(box);
    return box;
}

QLabel* CalculatorFrame::makeLabel(const QString& name, const QString& text) {
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    return label;
}

QPushButton* CalculatorFrame::makeButton(const QString& name, const QString& text) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(name);
    enter_->pressOnEnter(button);
    return button;
}

void CalculatorFrame::recomputeOnLeave(QWidget* box) {
    leave_->run(box, [this] { CalcAndDraw(); });
}

void CalculatorFrame::followPlaneOptions(QRadioButton* optionXZ, QRadioButton* optionXY, QWidget* firstBox) {
    optionXZ_ = optionXZ;
    for (auto [option, plane] : {std::pair{optionXZ, Plane::XZ}, std::pair{optionXY, Plane::XY}})
        connect(option, &QRadioButton::clicked, this, [this, option, plane, firstBox] {
            if (option->isChecked())
                applyPlaneCaptions(planeCaptions_, plane);
            CalcAndDraw();
            firstBox->setFocus(Qt::OtherFocusReason);
        });
}

Plane CalculatorFrame::plane() const {
    return !optionXZ_ || optionXZ_->isChecked() ? Plane::XZ : Plane::XY;
}

void CalculatorFrame::insert(const QString& text) {
    if (insert_)
        insert_(text);
}

void CalculatorFrame::connectInsertButtons(const QList<InsertButton>& buttons) {
    for (const InsertButton& button : buttons)
        connect(button.button, &QAbstractButton::clicked, this, [this, button] { insertFromButton(button); });
}

void CalculatorFrame::insertFromButton(const InsertButton& insert) { this->insert(insertText(insert, plane())); }

void CalculatorFrame::showFigure(const Figure& figure, std::optional<QRgb> failureColour) {
    drawFigure(figure, drawingSurface(), failureColour);
}

void CalculatorFrame::printWindow() {
    DrawingSurface& surface = drawingSurface();
    surface.setDrawMode(DrawMode::InvertPen);
    Picture3->setVisible(false);
    surface.setBackColor(kPictureWhite);
    CalcAndDraw();

    PrintOutcome outcome = PrintOutcome::Failed;
    QString reason;
    try {
        outcome = printer_->printWindow(*this);
        reason = printer_->failureReason();
    } catch (...) {
        outcome = PrintOutcome::Failed;
    }

    surface.setBackColor(kPictureBlack);
    surface.setDrawMode(DrawMode::CopyPen);
    Picture3->setVisible(true);
    CalcAndDraw();

    tellPrintOutcome(this, outcome, reason);
}

bool CalculatorFrame::eventFilter(QObject* watched, QEvent* event) {
    return enter_->handle(watched, event) || leave_->handle(watched, event) || QWidget::eventFilter(watched, event);
}

void CalculatorFrame::mouseMoveEvent(QMouseEvent* event) {
    Form_MouseMove();
    QWidget::mouseMoveEvent(event);
}

}  // namespace quillmar
