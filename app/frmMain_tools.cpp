// The openers of the tool and calculator windows.
#include "app/frmDocument.h"
#include "app/frmMain.h"
#include "app/print_commands.h"
#include "app/tool_windows.h"
#include "calculators/CalculatorFrame.h"
#include "platform/rich_text_box.h"
#include "platform/window_frame.h"

namespace quillmar {

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
    for (const ToolWindowEntry& entry : toolWindowEntries())
        setCommand(entry.menu, [this, &entry](int) { openToolWindow(entry); });
}

const ToolWindowEntry* toolWindowEntry(const QString& windowClass) {
    for (const ToolWindowEntry& entry : toolWindowEntries())
        if (entry.windowClass == windowClass)
            return &entry;
    return nullptr;
}

QWidget* frmMain::loadToolWindow(const ToolWindowEntry& entry) {
    QPointer<QWidget>& window = toolWindows_[entry.windowClass];
    if (!window) {
        window = entry.create(*this);
        if (auto* calculator = qobject_cast<CalculatorFrame*>(window))
            calculator->setPrinter(&printing_->windowPrinter);
        window->setObjectName(entry.windowClass);
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    return window;
}

QWidget* frmMain::openToolWindow(const ToolWindowEntry& entry) {
    frmDocument* active = activeDocument();
    if (entry.opened && !active)
        return nullptr;
    if (entry.recordsTarget)
        docs_.gTargetDoc = active;
    QWidget* window = loadToolWindow(entry);
    if (entry.opened)
        entry.opened(*window, *active);
    if (entry.prepare)
        entry.prepare(*this, *window);
    keepTitleWhole(*window);
    window->show();
    fitOnScreen(*window);
    window->raise();
    window->activateWindow();
    return window;
}

QWidget* frmMain::toolWindow(const QString& name) const { return toolWindows_.value(name).data(); }

}  // namespace quillmar
