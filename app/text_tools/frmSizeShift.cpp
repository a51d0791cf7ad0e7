#include "app/text_tools/frmSizeShift.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "app/document_state.h"
#include "app/text_tools/document_search.h"
#include "app/text_tools/size_shift.h"
#include "platform/form_behaviour.h"
#include "platform/modal.h"
#include "platform/rich_text_box.h"

namespace quillmar {

frmSizeShift::frmSizeShift(DocumentState& docs, ActiveText activeText, QWidget* parent)
    : SearchWindow(docs, std::move(activeText), parent, QStringLiteral("Size Shift")) {
    Label1 = new QLabel(QStringLiteral("Find Character"), this);
    txtFind = new QLineEdit(this);
    txtFind->setObjectName(QStringLiteral("txtFind"));
    txtFind->setToolTip(QStringLiteral("例: X , Z , S , SB , DA ,etc..."));
    Label2 = new QLabel(QStringLiteral("Cal."), this);
    Label3 = new QLabel(QStringLiteral("(+,-,*,/のみ)"), this);
    txtValue = new QLineEdit(this);
    txtValue->setObjectName(QStringLiteral("txtValue"));
    txtValue->setToolTip(QStringLiteral("例: 100 , -10 , *0.8 , /2 , etc..."));
    Check1 = new QCheckBox(QStringLiteral("From Top"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setChecked(true);
    Change = new QPushButton(QStringLiteral("Change"), this);
    Change->setObjectName(QStringLiteral("Change"));
    AllChange = new QPushButton(QStringLiteral("All change"), this);
    AllChange->setObjectName(QStringLiteral("AllChange"));
    Cancel = new QPushButton(QStringLiteral("Cancel"), this);
    Cancel->setObjectName(QStringLiteral("Cancel"));
    NextFind = new QPushButton(QStringLiteral("Skip"), this);
    NextFind->setObjectName(QStringLiteral("NextFind"));
    for (QPushButton* b : {Change, AllChange, Cancel, NextFind})
        b->setAutoDefault(false);

    auto* grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(txtFind, 0, 1, 1, 2);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(txtValue, 1, 1);
    grid->addWidget(Label3, 1, 2);
    grid->addWidget(Check1, 2, 0);
    grid->addWidget(Change, 2, 1);
    grid->addWidget(NextFind, 2, 2);
    grid->addWidget(AllChange, 3, 1);
    grid->addWidget(Cancel, 3, 2);
    setTabChain({txtFind, txtValue, Check1, Change, AllChange, Cancel, NextFind});
    Label1->setBuddy(txtFind);
    Label2->setBuddy(txtValue);

    connect(txtFind, &QLineEdit::textChanged, this, &frmSizeShift::txtFind_Change);
    connect(txtValue, &QLineEdit::textChanged, this, &frmSizeShift::txtValue_Change);
    connect(txtFind, &QLineEdit::returnPressed, this, &frmSizeShift::txtFind_KeyPress);
    connect(txtValue, &QLineEdit::returnPressed, this, &frmSizeShift::txtValue_KeyPress);
    connect(Change, &QPushButton::clicked, this, &frmSizeShift::Change_Click);
    connect(NextFind, &QPushButton::clicked, this, &frmSizeShift::NextFind_Click);
    connect(AllChange, &QPushButton::clicked, this, &frmSizeShift::AllChange_Click);
    connect(Cancel, &QPushButton::clicked, this, &frmSizeShift::Cancel_Click);

    search().gFirstSearch = true;
    for (QPushButton* b : {NextFind, Change, AllChange})
        b->setEnabled(false);
    Change->setDefault(false);
}

void frmSizeShift::setFindBox(const QString& text) {
    {
        const QSignalBlocker quiet(txtFind);
        txtFind->setText(text);
    }
    txtFind_Change();
}

bool frmSizeShift::bothBoxesHoldText() const { return !txtFind->text().isEmpty() && !txtValue->text().isEmpty(); }

void frmSizeShift::txtFind_Change() { boxesChanged(); }

void frmSizeShift::txtValue_Change() { boxesChanged(); }

void frmSizeShift::boxesChanged() {
    const bool both = bothBoxesHoldText();
    for (QPushButton* b : {NextFind, Change, AllChange})
        b->setEnabled(both);
    Change->setDefault(both);
    SearchState& s = search();
    s.gFindText = txtFind->text();
    s.gReplaceText = txtValue->text();
    s.gHitCount = 0;
}

// With both boxes filled Enter presses Change, the default button, instead.
void frmSizeShift::txtFind_KeyPress() {
    if (!bothBoxesHoldText())
        txtValue->setFocus();
}

void frmSizeShift::txtValue_KeyPress() {
    if (!bothBoxesHoldText())
        txtFind->setFocus();
}

void frmSizeShift::refuse(const SizeShiftRefused& refused) {
    tell(refused.message(), QStringLiteral("Size Shift"), modal::kExclamation);
}

void frmSizeShift::Change_Click() {
    RichTextBox* box = activeBox();
    if (!box)
        return;
    SearchState& s = search();
    const QString address = txtFind->text();
    // Everything that can be refused is worked out before anything changes.
    std::optional<PendingShift> pending;
    try {
        const Calculation calculation = parseCalculation(txtValue->text());
        if (!s.gFirstSearch)
            pending = prepareShift(docs(), box, address, calculation);
    } catch (const SizeShiftRefused& refused) {
        refuse(refused);
        return;
    }
    startAtTopOnce(Check1);
    if (s.gFirstSearch)
        s.gFirstSearch = false;
    else
        ShiftValue(docs(), box, pending);
    if (FindNext(docs(), box, address))
        return;
    tell(countOr(s.gHitCount, QStringLiteral(" 回 データを変更しました."), address, QStringLiteral(" 見つかりません。")),
         QStringLiteral("データ変更"));
    s.gFirstSearch = true;
    s.gHitCount = 0;
    Check1->setChecked(true);
}

void frmSizeShift::NextFind_Click() {
    RichTextBox* box = activeBox();
    if (!box)
        return;
    SearchState& s = search();
    startAtTopOnce(Check1);
    if (FindNext(docs(), box, txtFind->text()))
        return;
    tell(countOr(s.gHitCount, QStringLiteral(" 回変更いたしました。"), txtFind->text(), QStringLiteral(" 見つかりません。")),
         QStringLiteral("計算による変更"));
    s.gFirstSearch = true;
    s.gHitCount = 0;
}

void frmSizeShift::AllChange_Click() {
    RichTextBox* box = activeBox();
    if (!box)
        return;
    SearchState& s = search();
    TextToolResult result;
    const qint64 start = Check1->isChecked() ? 0 : box->SelStart();
    try {
        result = shiftAll(box->Text(), {txtFind->text(), parseCalculation(txtValue->text()), start});
    } catch (const SizeShiftRefused& refused) {
        refuse(refused);
        return;
    }
    writeBack(docs(), box, result);
    tell(countOr(s.gHitCount + result.count, QStringLiteral(" times changed."), txtFind->text(),
                 QStringLiteral(" not find.")),
         QStringLiteral("change by cal."));
    s.gFirstSearch = true;
    s.gHitCount = 0;
    Check1->setChecked(true);
}

// Unlike Find and Replace, the last hit keeps its highlight.
void frmSizeShift::Cancel_Click() { close(); }

}  // namespace quillmar
