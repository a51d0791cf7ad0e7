#pragma once

#include <QList>
#include <QString>
#include <functional>

#include "platform/modal.h"

class QWidget;

namespace quillmar {

class frmDocument;
class frmMain;

// A modeless tool or calculator window of the main window: the menu command that opens
// it, its class name (the window's object name) and how to create it. Each exists at most
// once; its opener shows it, or brings the open one to the front with its values.
struct ToolWindowEntry {
    QString menu;
    QString windowClass;
    // Calculators insert into the document that was active when they were opened.
    bool recordsTarget = true;
    std::function<QWidget*(frmMain&)> create;
    // For a window that works on the document it was opened for: told the active document
    // at every opening. Such a window does not open while no document is.
    std::function<void(QWidget& window, frmDocument& active)> opened = {};
    // Run at every opening before the window shows, with or without a document.
    std::function<void(frmMain& main, QWidget& window)> prepare = {};
};

// Every tool window, one row each: adding a window is a row here and its own files.
const QList<ToolWindowEntry>& toolWindowEntries();
// The row of a window class; nullptr when there is none.
const ToolWindowEntry* toolWindowEntry(const QString& windowClass);
// The opening step of the Find, Replace and Size Shift windows (their rows' prepare).
void prepareSearchWindow(frmMain& main, QWidget& window);

}  // namespace quillmar
