// The openers of the calculator windows: each records the active document as the
// target and shows its one window.
#include <memory>

#include "app/common/shared_state.h"
#include "app/frmDocument.h"
#include "app/frmMain.h"
#include "app/tool_windows.h"
#include "calculators/frmLineRLine.h"
#include "platform/rich_text_box.h"

namespace quillmar {

frmMain::ToolWindows::ToolWindows(frmMain& main)
    : lineRLine([&main] { return new frmLineRLine(main.targetInsert(), &main); }) {}

std::function<bool(const QString&)> frmMain::targetInsert() {
    // The target is read when the text is inserted, so a later opener retargets every
    // open calculator.
    return [this](const QString& text) {
        frmDocument* doc = docs_.gTargetDoc.data();
        if (!doc)
            return false;
        doc->txtText->setSelText(text);
        return true;
    };
}

void frmMain::registerToolCommands() {
    tools_ = std::make_unique<ToolWindows>(*this);
    setCommand(QStringLiteral("LineCircleLine"), [this](int) { LineCircleLine_Click(); });
}

void frmMain::LineCircleLine_Click() {
    docs_.gTargetDoc = activeDocument();
    tools_->lineRLine.show();
}

QWidget* frmMain::toolWindow(const QString& name) const {
    if (name == QLatin1String("frmLineRLine"))
        return tools_->lineRLine.window();
    return nullptr;
}

}  // namespace quillmar