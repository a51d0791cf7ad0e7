#pragma once

#include <QString>
#include <cstddef>

class QWidget;

namespace quillmar {

class RichTextBox;
class frmMain;

enum class InsertLineEnd { None, CrLf };

// One entry of the G-Code and M-Code menus and the fixed text it puts at the caret.
struct InsertMenuEntry {
    const char* name;     // the menu entry's name, e.g. "GcodeG04" or "mnuGcodeMap"
    int index;            // its index within an array of entries, else -1
    const char* caption;  // as the menu shows it (UTF-8)
    const char* text;     // what it inserts (UTF-8)
    InsertLineEnd lineEnd;
};

// Every entry of the two menus, in menu order.
extern const InsertMenuEntry kInsertMenuEntries[];
extern const std::size_t kInsertMenuEntryCount;

// The entry chosen by a menu name and index: for an array of entries the index must be
// one of the array's, for a single entry it does not matter; nullptr when there is none.
const InsertMenuEntry* findInsertMenuEntry(const QString& name, int index);

// The entry's text with its line end.
QString insertedText(const InsertMenuEntry& entry);

// Puts the entry's text at the caret of the document (replacing a selection) as one
// change. A name or index outside the table does nothing; with no document the failure
// is reported as error 91 and nothing changes.
void insertMenuEntry(const QString& name, int index, RichTextBox* document, QWidget* parent);

// The handlers of the arrays of entries, by their index.
void mnuGcode_Click(int Index, RichTextBox* document, QWidget* parent);
void GcodeSpindleSelect_Click(int Index, RichTextBox* document, QWidget* parent);
void mnuGcodeComp_Click(int Index, RichTextBox* document, QWidget* parent);
void mnuGcodeLap_Click(int Index, RichTextBox* document, QWidget* parent);
void mnuGcodeMap_Click(int Index, RichTextBox* document, QWidget* parent);
void McodeSpindleM_Click(int Index, RichTextBox* document, QWidget* parent);
void McodeMspindleM_Click(int Index, RichTextBox* document, QWidget* parent);

// Binds every entry of the two menus and the Insert menu's commands to the main window.
void registerInsertCommands(frmMain& main);

}  // namespace quillmar
