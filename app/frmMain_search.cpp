// The Edit menu's Find, Next Find and Replace and the Tools menu's Size Shift.
#include <QCheckBox>
#include <QLineEdit>

#include "app/frmMain.h"
#include "app/text_tools/document_search.h"
#include "app/text_tools/frmFind.h"
#include "app/tool_windows.h"
#include "platform/modal.h"
#include "platform/rich_text_box.h"

namespace quillmar {

void frmMain::registerSearchCommands() {
    setCommand(QStringLiteral("mnuSearchNextFind"), [this](int) { mnuSearchNextFind_Click(); });
}

void prepareSearchWindow(frmMain& main, QWidget& window) {
    // The window starts from the caret, and from the selection as its find text.
    RichTextBox* box = main.activeText();
    searchFromSelection(main.documents(), box);
    static_cast<SearchWindow&>(window).setFindBox(box && box->SelLength() > 0 ? box->SelText() : QString());
    // The text taken is selected and the box has the focus, so that typing replaces it.
    if (auto* findBox = window.findChild<QLineEdit*>(QStringLiteral("txtFind"))) {
        findBox->selectAll();
        findBox->setFocus();
    }
}

void frmMain::openSearchWindow(const QString& windowClass) {
    if (const ToolWindowEntry* entry = toolWindowEntry(windowClass))
        openToolWindow(*entry);
}

void frmMain::mnuSearchReplace_Click() { openSearchWindow(QStringLiteral("frmReplace")); }

void frmMain::mnuSearchNextFind_Click() {
    RichTextBox* box = activeText();
    if (!box)
        return;
    SearchState& s = docs_.search;
    // From the selection's second character, so overlapping occurrences come one by one.
    docs_.gSearchPos = box->SelStart() + 1;
    const bool found = FindNext(docs_, box, s.gFindText);
    resetHighlight(box);
    if (found) {
        ++s.gHitCount;
        return;
    }
    const QString text = s.gHitCount != 0
                             ? QString::number(s.gHitCount) + QStringLiteral("回 見つかりました。")
                             : QLatin1Char('"') + s.gFindText + QStringLiteral("\"は見つかりませんでした。");
    modal::msgBox(this, text, modal::kOkOnly, QStringLiteral("検索"));
    if (const ToolWindowEntry* entry = toolWindowEntry(QStringLiteral("frmFind")))
        static_cast<frmFind*>(loadToolWindow(*entry))->Check1->setChecked(true);
    s.gHitCount = 0;
}

}  // namespace quillmar
