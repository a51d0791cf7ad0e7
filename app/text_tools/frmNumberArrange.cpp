#include "app/text_tools/frmNumberArrange.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/document_state.h"
#include "app/frmDocument.h"
#include "app/text_tools/document_search.h"
#include "app/text_tools/renumber.h"
#include "platform/form_behaviour.h"
#include "platform/modal.h"
#include "platform/rich_text_box.h"

namespace quillmar {
namespace {

const QString kTitle = QStringLiteral("Sequence Number Arrange");

}  // namespace

frmNumberArrange::frmNumberArrange(DocumentState& docs, QWidget* parent)
    : QWidget(parent, kFixedToolWindow),
      docs_(docs) {
    setWindowTitle(kTitle);
    Label1 = named(new QLabel(QStringLiteral("Digit Number"), this), "Label1");
    DigitNo = named(new QLineEdit(QStringLiteral("3"), this), "DigitNo");
    DigitNo->setToolTip(QStringLiteral("3=N000 , 4=N0000..."));
    Label3 = named(new QLabel(QStringLiteral("Start Number"), this), "Label3");
    StartNo = named(new QLineEdit(QStringLiteral("1"), this), "StartNo");
    StartNo->setToolTip(QStringLiteral("100=N100, N101..."));
    Label2 = named(new QLabel(QStringLiteral("Add Value"), this), "Label2");
    AddNo = named(new QLineEdit(QStringLiteral("1"), this), "AddNo");
    AddNo->setToolTip(QStringLiteral("1=N001, N002..."));
    FromTop = named(new QCheckBox(QStringLiteral("Arrange from top"), this), "FromTop");
    FromTop->setChecked(true);
    StopM02 = named(new QCheckBox(QStringLiteral("Stop at M02 and RTS"), this), "StopM02");
    Continue = named(new QCheckBox(QStringLiteral("Continuous number"), this), "Continue");
    Frame1 = named(new QGroupBox(QStringLiteral("Space"), this), "Frame1");
    WithoutSpace = named(new QRadioButton(QStringLiteral("non"), Frame1), "WithoutSpace");
    WithoutSpace->setToolTip(QStringLiteral("N000X100..."));
    With1Space = named(new QRadioButton(QStringLiteral("1"), Frame1), "With1Space");
    With1Space->setToolTip(QStringLiteral("N000 X100..."));
    With5Space = named(new QRadioButton(QStringLiteral("5"), Frame1), "With5Space");
    With5Space->setToolTip(QStringLiteral("N000     X100..."));
    With5Space->setChecked(true);
    Command1 = named(new QPushButton(QStringLiteral("O  K"), this), "Command1");
    Cancel = named(new QPushButton(QStringLiteral("Cancel"), this), "Cancel");

    auto* boxes = new QGridLayout;
    boxes->addWidget(Label1, 0, 0);
    boxes->addWidget(DigitNo, 0, 1);
    boxes->addWidget(Label3, 1, 0);
    boxes->addWidget(StartNo, 1, 1);
    boxes->addWidget(Label2, 2, 0);
    boxes->addWidget(AddNo, 2, 1);
    auto* spacing = new QHBoxLayout(Frame1);
    spacing->addWidget(WithoutSpace);
    spacing->addWidget(With1Space);
    spacing->addWidget(With5Space);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command1);
    buttons->addWidget(Cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(boxes);
    layout->addWidget(FromTop);
    layout->addWidget(StopM02);
    layout->addWidget(Continue);
    layout->addWidget(Frame1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    for (QLineEdit* box : {DigitNo, StartNo, AddNo})
        selectAllOnFocus(box);
    auto* enter = new EnterChain(this);
    enter->moveOn({DigitNo, StartNo, AddNo, Command1}, EnterChain::Key::Swallow);
    enter->pressOnEnter(Command1);
    enter->pressOnEnter(Cancel);
    connect(Command1, &QPushButton::clicked, this, &frmNumberArrange::Command1_Click);
    connect(Cancel, &QPushButton::clicked, this, &frmNumberArrange::Cancel_Click);
    connect(StopM02, &QCheckBox::clicked, this, &frmNumberArrange::StopM02_Click);
}

void frmNumberArrange::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        Cancel_Click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmNumberArrange::setDocument(frmDocument* document) {
    document_ = document;
    if (document)
        searchFromSelection(docs_, document->txtText);
}

frmDocument* frmNumberArrange::document() const { return document_.data(); }

void mnuToolsNumberArrange_Click(QWidget& window, frmDocument& active) {
    static_cast<frmNumberArrange&>(window).setDocument(&active);
}

void frmNumberArrange::StopM02_Click() { Continue->setEnabled(!StopM02->isChecked()); }

void frmNumberArrange::Cancel_Click() { close(); }

void frmNumberArrange::Command1_Click() {
    frmDocument* target = document_.data();
    if (!target) {
        close();
        return;
    }
    RenumberOptions options;
    const QString refusal = renumberRefusal(DigitNo->text(), StartNo->text(), AddNo->text(), options);
    if (!refusal.isEmpty()) {
        modal::msgBox(this, refusal, modal::kOkOnly | modal::kExclamation, kTitle);
        return;
    }
    options.stopAtEnd = StopM02->isChecked();
    options.continuous = Continue->isChecked();
    options.spacing = With1Space->isChecked() ? 1 : With5Space->isChecked() ? 5 : 0;
    options.fromTop = FromTop->isChecked();

    RichTextBox* box = target->txtText;
    const qint64 caret = options.fromTop ? 0 : box->SelStart();
    close();
    const WaitPointer busy(*box);
    const RenumberResult result = renumber(box->Text(), options, caret);
    box->setText(result.text);
    box->setSelStart(result.caret);
    docs_.gSearchPos = result.searchPos;
}

}  // namespace quillmar
