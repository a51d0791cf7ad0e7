#include "app/printing/PrintSetting.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <climits>
#include <cmath>
#include <optional>

#include "common/read_number.h"
#include "common/runtime_error.h"
#include "common/shared_state.h"
#include "platform/fonts.h"
#include "platform/form_behaviour.h"
#include "platform/modal.h"
#include "platform/printer_surface.h"

namespace quillmar {
namespace {

// A margin as typed, rounded to whole millimetres (halves to even); nullopt when it does
// not fit the stored whole number.
std::optional<long> marginFrom(const QString& box) {
    double value = 0.0;
    try {
        value = std::nearbyint(ReadNumber(box));
    } catch (const RuntimeError&) {
        return std::nullopt;
    }
    if (!(value >= INT_MIN && value <= INT_MAX))
        return std::nullopt;
    return static_cast<long>(value);
}

}  // namespace

PrintSetting::PrintSetting(SharedState& state, PrinterChoice& printer, QWidget* parent)
    : QWidget(parent, kFixedToolWindow),
      state_(state),
      printer_(printer) {
    setWindowTitle(QStringLiteral("Printer Setup"));
    Frame2 = named(new QGroupBox(QStringLiteral("Number"), this), "Frame2");
    Option1 = named(new QRadioButton(QStringLiteral("1-Line"), Frame2), "Option1");
    Option2 = named(new QRadioButton(QStringLiteral("2-Line"), Frame2), "Option2");
    Frame1 = named(new QGroupBox(QStringLiteral("Space number"), this), "Frame1");
    Label1 = named(new QLabel(QStringLiteral("Left"), Frame1), "Label1");
    Text1 = named(new QLineEdit(Frame1), "Text1");
    Label2 = named(new QLabel(QStringLiteral("Right"), Frame1), "Label2");
    Text2 = named(new QLineEdit(Frame1), "Text2");
    Command1 = named(new QPushButton(QStringLiteral("Printer Propate"), this), "Command1");
    Command2 = named(new QPushButton(QStringLiteral("Print Font"), this), "Command2");
    Command3 = named(new QPushButton(QStringLiteral("O K"), this), "Command3");
    Command4 = named(new QPushButton(QStringLiteral("Cancel"), this), "Command4");

    auto* columns = new QVBoxLayout(Frame2);
    columns->addWidget(Option1);
    columns->addWidget(Option2);
    auto* margins = new QGridLayout(Frame1);
    margins->addWidget(Label1, 0, 0);
    margins->addWidget(Text1, 0, 1);
    margins->addWidget(Label2, 1, 0);
    margins->addWidget(Text2, 1, 1);
    auto* frames = new QHBoxLayout;
    frames->addWidget(Frame2);
    frames->addWidget(Frame1);
    auto* dialogs = new QHBoxLayout;
    dialogs->addWidget(Command1);
    dialogs->addWidget(Command2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command3);
    buttons->addWidget(Command4);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(frames);
    layout->addLayout(dialogs);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(Command1, &QPushButton::clicked, this, &PrintSetting::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &PrintSetting::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &PrintSetting::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &PrintSetting::Command4_Click);
    fill();
}

void PrintSetting::fill() {
    Option1->setChecked(state_.gPrintLineMode == 1);
    Option2->setChecked(state_.gPrintLineMode == 2);
    Text1->setText(QString::number(state_.gPrintLeft));
    Text2->setText(QString::number(state_.gPrintRight));
}

void PrintSetting::Command1_Click() {
    if (const std::optional<int> orientation = printer_.choose(this, state_.gPrintOrientation))
        state_.gPrintOrientation = *orientation;
}

void PrintSetting::Command2_Click() {
    const std::optional<QFont> chosen =
        modal::fontDialog(this, fontForName(state_.gPrintFontName, static_cast<int>(state_.gPrintFontSize)));
    if (!chosen)
        return;
    state_.gPrintFontName = chosen->family();
    const double size = chosen->pointSizeF() > 0 ? chosen->pointSizeF() : chosen->pointSize();
    state_.gPrintFontSize = static_cast<long>(std::nearbyint(size));
}

void PrintSetting::Command3_Click() {
    const std::optional<long> left = marginFrom(Text1->text());
    const std::optional<long> right = marginFrom(Text2->text());
    if (!left || !right) {
        modal::msgBox(this,
                      !left ? QStringLiteral("The left margin is out of range.")
                            : QStringLiteral("The right margin is out of range."),
                      modal::kOkOnly | modal::kExclamation, windowTitle());
        return;
    }
    state_.gPrintLeft = *left;
    state_.gPrintRight = *right;
    if (Option1->isChecked())
        state_.gPrintLineMode = 1;
    else if (Option2->isChecked())
        state_.gPrintLineMode = 2;
    close();
}

void PrintSetting::Command4_Click() { close(); }

}  // namespace quillmar
