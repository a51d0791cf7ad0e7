#include "app/text_tools/frmFind.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "app/document_state.h"
#include "app/text_tools/document_search.h"
#include "platform/form_behaviour.h"

namespace quillmar {

frmFind::frmFind(DocumentState& docs, ActiveText activeText, QWidget* parent)
    : SearchWindow(docs, std::move(activeText), parent, QStringLiteral(" Find")) {
    Label1 = new QLabel(QStringLiteral("Find   :"), this);
    txtFind = new QLineEdit(this);
    txtFind->setObjectName(QStringLiteral("txtFind"));
    Cancel = new QPushButton(QStringLiteral("Cancel"), this);
    Cancel->setObjectName(QStringLiteral("Cancel"));
    Check1 = new QCheckBox(QStringLiteral("from Top line."), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setChecked(true);
    NextFind = new QPushButton(QStringLiteral("Next find"), this);
    NextFind->setObjectName(QStringLiteral("NextFind"));
    for (QPushButton* b : {Cancel, NextFind})
        b->setAutoDefault(false);
    NextFind->setEnabled(false);

    auto* grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(txtFind, 0, 1, 1, 2);
    grid->addWidget(Check1, 1, 0);
    grid->addWidget(Cancel, 1, 1);
    grid->addWidget(NextFind, 1, 2);
    setTabChain({txtFind, Cancel, Check1, NextFind});
    Label1->setBuddy(txtFind);

    connect(txtFind, &QLineEdit::textChanged, this, &frmFind::txtFind_Change);
    connect(NextFind, &QPushButton::clicked, this, &frmFind::NextFind_Click);
    connect(Cancel, &QPushButton::clicked, this, &frmFind::Cancel_Click);

    search().gFirstSearch = true;
}

void frmFind::setFindBox(const QString& text) {
    {
        const QSignalBlocker quiet(txtFind);
        txtFind->setText(text);
    }
    txtFind_Change();
}

void frmFind::txtFind_Change() {
    NextFind->setEnabled(!txtFind->text().isEmpty());
    search().gFindText = txtFind->text();
}

void frmFind::NextFind_Click() {
    RichTextBox* box = activeBox();
    if (!box)
        return;
    SearchState& s = search();
    startAtTopOnce(Check1);
    if (FindNext(docs(), box, txtFind->text())) {
        ++s.gHitCount;
        return;
    }
    tell(countOr(s.gHitCount, QStringLiteral(" 回 見つかりました。"), txtFind->text(),
                 QStringLiteral(" は見つかりませんでした。")),
         QStringLiteral("検索"));
    Check1->setChecked(true);
    s.gHitCount = 0;
}

void frmFind::Cancel_Click() {
    resetHighlight(activeBox());
    close();
}

}  // namespace quillmar
