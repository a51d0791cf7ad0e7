#include "app/text_tools/frmReplace.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "app/document_state.h"
#include "app/text_tools/document_search.h"
#include "app/text_tools/find_replace.h"
#include "platform/form_behaviour.h"
#include "platform/rich_text_box.h"

namespace quillmar {

frmReplace::frmReplace(DocumentState& docs, ActiveText activeText, QWidget* parent)
    : SearchWindow(docs, std::move(activeText), parent, QStringLiteral(" Replace")) {
    Label1 = new QLabel(QStringLiteral("Find"), this);
    Label2 = new QLabel(QStringLiteral("Replace"), this);
    txtFind = new QLineEdit(this);
    txtFind->setObjectName(QStringLiteral("txtFind"));
    txtReplace = new QLineEdit(this);
    txtReplace->setObjectName(QStringLiteral("txtReplace"));
    Change = new QPushButton(QStringLiteral("Change"), this);
    Change->setObjectName(QStringLiteral("Change"));
    Cancel = new QPushButton(QStringLiteral("Cancel"), this);
    Cancel->setObjectName(QStringLiteral("Cancel"));
    AllChange = new QPushButton(QStringLiteral("All change"), this);
    AllChange->setObjectName(QStringLiteral("AllChange"));
    Check1 = new QCheckBox(QStringLiteral("From Top"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setChecked(true);
    NextFind = new QPushButton(QStringLiteral("Skip"), this);
    NextFind->setObjectName(QStringLiteral("NextFind"));
    for (QPushButton* b : {Change, Cancel, AllChange, NextFind})
        b->setAutoDefault(false);

    auto* grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(txtFind, 0, 1, 1, 3);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(txtReplace, 1, 1, 1, 3);
    grid->addWidget(Check1, 2, 0);
    grid->addWidget(Change, 2, 1);
    grid->addWidget(NextFind, 2, 2);
    grid->addWidget(AllChange, 2, 3);
    grid->addWidget(Cancel, 3, 3);
    setTabChain({txtFind, txtReplace, Change, Cancel, AllChange, Check1, NextFind});
    Label1->setBuddy(txtFind);
    Label2->setBuddy(txtReplace);

    connect(txtFind, &QLineEdit::textChanged, this, &frmReplace::txtFind_Change);
    connect(txtReplace, &QLineEdit::textChanged, this, &frmReplace::txtReplace_Change);
    connect(Change, &QPushButton::clicked, this, &frmReplace::Change_Click);
    connect(NextFind, &QPushButton::clicked, this, &frmReplace::NextFind_Click);
    connect(AllChange, &QPushButton::clicked, this, &frmReplace::AllChange_Click);
    connect(Cancel, &QPushButton::clicked, this, &frmReplace::Cancel_Click);

    search().gFirstSearch = true;
    for (QPushButton* b : {NextFind, Change, AllChange})
        b->setEnabled(false);
    Change->setDefault(false);
}

void frmReplace::setFindBox(const QString& text) {
    {
        const QSignalBlocker quiet(txtFind);
        txtFind->setText(text);
    }
    txtFind_Change();
}

void frmReplace::txtFind_Change() {
    const bool any = !txtFind->text().isEmpty();
    for (QPushButton* b : {NextFind, Change, AllChange})
        b->setEnabled(any);
    Change->setDefault(any);
    boxesChanged();
}

void frmReplace::txtReplace_Change() { boxesChanged(); }

void frmReplace::boxesChanged() {
    SearchState& s = search();
    s.gFindText = txtFind->text();
    s.gReplaceText = txtReplace->text();
    s.gHitCount = 0;
}

void frmReplace::runEnded(qint64 count, const QString& countText) {
    tell(countOr(count, countText, txtFind->text(), QStringLiteral(" 見つかりませんでした。")),
         QStringLiteral("置き換え"));
    search().gFirstSearch = true;
    search().gHitCount = 0;
}

void frmReplace::Change_Click() {
    RichTextBox* box = activeBox();
    if (!box)
        return;
    SearchState& s = search();
    startAtTopOnce(Check1);
    if (s.gFirstSearch)
        s.gFirstSearch = false;
    else
        ReplaceCurrent(docs(), box, txtFind->text(), txtReplace->text());
    if (FindNext(docs(), box, txtFind->text()))
        return;
    Check1->setChecked(true);
    runEnded(s.gHitCount, QStringLiteral(" 回　変更しました。"));
}

void frmReplace::NextFind_Click() {
    RichTextBox* box = activeBox();
    if (!box)
        return;
    startAtTopOnce(Check1);
    if (!FindNext(docs(), box, txtFind->text()))
        runEnded(search().gHitCount, QStringLiteral(" 回 変更しました。"));
}

void frmReplace::AllChange_Click() {
    RichTextBox* box = activeBox();
    if (!box)
        return;
    const qint64 start = Check1->isChecked() ? 0 : box->SelStart();
    const TextToolResult result = replaceAll(box->Text(), {txtFind->text(), txtReplace->text(), start});
    writeBack(docs(), box, result);
    runEnded(search().gHitCount + result.count, QStringLiteral(" 回 変更しました。"));
    Check1->setChecked(true);
}

void frmReplace::Cancel_Click() {
    resetHighlight(activeBox());
    close();
}

}  // namespace quillmar
