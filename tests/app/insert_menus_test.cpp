#include <gtest/gtest.h>

#include <QAction>
#include <QTemporaryDir>
#include <memory>

#include "app/frmMain.h"
#include "app/menu_tree.h"
#include "common/shared_state.h"
#include "cycles/process_error.h"
#include "platform/key_locks.h"
#include "platform/rich_text_box.h"
#include "platform/settings_store.h"
#include "support/documents.h"

using namespace quillmar;
using test::crlf;

namespace {

struct MainWindow : test::MessageLog {
    QTemporaryDir dir;
    SettingsStore settings{dir.filePath(QStringLiteral("Quillmar.ini"))};
    SharedState state;
    InProcessKeyLocks keys;
    std::unique_ptr<frmMain> w = std::make_unique<frmMain>(state, settings, keys);
    MainWindow() { w->MDIForm_Load(QString()), w->mnuFileNew_Click(); }
    QAction* item(const char* name, int index) const { return w->menus().action(QString::fromLatin1(name), index); }
};

// One entry of each shape: arrays at both ends, a line of its own, a word after the caret.
const struct {
    const char* name;
    int index;
    const char* inserted;  // "\n" stands for the CR LF written
} kEntries[] = {
    {"mnuGcode", 13, "G13\n"}, {"mnuGcode", 14, "G14\n"}, {"GcodeSpindleSelect", 3, "G142\n"}, {"GcodeG04", -1, "G04 F"},
    {"mnuGcodeComp", 6, " G19"}, {"GcodeHomeG21", -1, "N000 G21 HP="}, {"GcodeG22", -1, "N000 G22 W D L PW=\n"},
    {"mnuGcodeLap", 1, "N000 G85 NAP1 D U W F\n"}, {"mnuGcodeLap", 2, "$    G84 XA= DA= FA= XB= DB= FB=\n"},
    {"mnuGcodeMap", 14, "N000 G180\n"}, {"McodeCoolantStanderdOn", -1, " M08"}, {"McodeSpindleM", 4, " M19 M63"},
    {"McodeMspindleM", 4, " M229 M63"},
};

TEST(InsertMenus, EntriesInsertTheirTextAtTheCaretAsOneChange) {
    MainWindow f;
    RichTextBox* doc = f.w->activeText();
    int changes = 0;
    QObject::connect(doc, &RichTextBox::contentChanged, [&changes](const TextChange&) { ++changes; });
    const QString line = QStringLiteral("G00 X10");
    for (const auto& e : kEntries) {
        doc->setText(line);
        doc->setSelStart(line.size());
        changes = 0;
        f.item(e.name, e.index)->trigger();
        EXPECT_EQ(doc->Text(), line + crlf(e.inserted)) << e.name << e.index;
        EXPECT_EQ(doc->SelStart(), doc->Text().size()) << e.name;
        EXPECT_EQ(changes, 1) << e.name;
    }
    // A selection is replaced, one undo step per entry.
    doc->setText(QStringLiteral("G00 X10 M09"));
    doc->select(7, 4);
    f.item("McodeCoolantStanderdOn", -1)->trigger();
    f.item("mnuGcodeLap", 9)->trigger();
    EXPECT_EQ(doc->Text(), crlf("G00 X10 M08N000 G80\n"));
    f.w->mnuEditUndo_Click();
    EXPECT_EQ(doc->Text(), QStringLiteral("G00 X10 M08"));
    doc->setText(QString());
    for (const auto& [name, index] : {std::pair{"mnuGcode", 15}, {"GcodeSpindleSelect", 0}, {"mnuGcodeLap", -1}})
        f.w->runCommand(QString::fromLatin1(name), index);
    EXPECT_TRUE(doc->Text().isEmpty());
    EXPECT_TRUE(f.shown.empty());
}

TEST(InsertMenus, WithoutADocumentEveryEntryReportsError91) {
    MainWindow f;
    f.w->activeText()->setModified(false);
    f.w->mnuFileClose_Click();
    ASSERT_EQ(f.w->activeText(), nullptr);
    for (const auto& e : kEntries)
        f.item(e.name, e.index)->trigger();
    ASSERT_EQ(f.shown.size(), std::size(kEntries));
    EXPECT_EQ(f.shown.back().title, processErrorTitle(91));
}

}  // namespace
