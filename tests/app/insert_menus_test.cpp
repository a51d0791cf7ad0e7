#include <gtest/gtest.h>

#include <QAction>
#include <QTemporaryDir>
#include <memory>
#include <vector>

#include "app/frmMain.h"
#include "app/insert_menus.h"
#include "app/menu_tree.h"
#include "common/shared_state.h"
#include "cycles/process_error.h"
#include "platform/key_locks.h"
#include "platform/modal.h"
#include "platform/rich_text_box.h"
#include "platform/settings_store.h"
#include "support/documents.h"

using namespace quillmar;
using test::crlf;

namespace {

// The main window with one new document; message boxes are recorded and answered OK.
struct MainWindow {
    QTemporaryDir dir;
    SettingsStore settings{dir.filePath(QStringLiteral("Quillmar.ini"))};
    SharedState state;
    InProcessKeyLocks keys;
    std::unique_ptr<frmMain> w;
    modal::Responder responder;
    std::vector<modal::MessageRequest> messages;

    MainWindow() {
        responder.message = [this](const modal::MessageRequest& m) {
            messages.push_back(m);
            return int(modal::kOk);
        };
        modal::setResponder(&responder);
        w = std::make_unique<frmMain>(state, settings, keys);
        w->MDIForm_Load(QString());
        w->mnuFileNew_Click();
    }
    ~MainWindow() {
        w.reset();
        modal::setResponder(nullptr);
    }
    QAction* item(const char* name, int index) const { return w->menus().action(QString::fromLatin1(name), index); }
};

struct Entry {
    const char* name;
    int index;
    const char* inserted;  // "\n" stands for the CR LF written
};

// Every entry of the G-Code and M-Code menus.
const Entry kEntries[] = {
    {"mnuGcode", 13, "G13\n"}, {"mnuGcode", 14, "G14\n"}, {"GcodeSpindleSelect", 1, "G140\n"},
    {"GcodeSpindleSelect", 2, "G141\n"}, {"GcodeSpindleSelect", 3, "G142\n"}, {"GcodeG04", -1, "G04 F"},
    {"mnuGcodeComp", 1, " G41"}, {"mnuGcodeComp", 2, " G42"}, {"mnuGcodeComp", 3, " G40"}, {"mnuGcodeComp", 4, " G18"},
    {"mnuGcodeComp", 5, " G17"}, {"mnuGcodeComp", 6, " G19"}, {"GcodeHomeG21", -1, "N000 G21 HP="},
    {"GcodeHomeG20", -1, "N000 G20 HP="}, {"GcodeG29", -1, "N000 G29 PW="}, {"GcodeG22", -1, "N000 G22 W D L PW=\n"},
    {"GcodeG28", -1, "N000 G28\n"}, {"GcodeG32", -1, "N000 G32 X Z F\n"}, {"GcodeG72", -1, "N000 G72 X Z H D F\n"},
    {"GcodeG31", -1, "N000 G31 X Z F\n"}, {"GcodeG71", -1, "N000 G71 X Z H D F\n"}, {"GcodeG34", -1, "N000 G34 X Z F\n"},
    {"GcodeG96", -1, "G96 S"}, {"GcodeG97", -1, "G97 S"}, {"GcodeG110", -1, "G110 G96 S"},
    {"GcodeG111", -1, "G111 G96 S"}, {"GcodeG75", -1, "G75 L"}, {"GcodeG76", -1, "G76 L"},
    {"mnuGcodeLap", 1, "N000 G85 NAP1 D U W F\n"}, {"mnuGcodeLap", 2, "$    G84 XA= DA= FA= XB= DB= FB=\n"},
    {"mnuGcodeLap", 3, "N000 G87 NAP1 (U W)\n"}, {"mnuGcodeLap", 4, "N000 G86 NAP1 D U W F\n"},
    {"mnuGcodeLap", 5, "N000 G88 NAP1 D H F\n"}, {"mnuGcodeLap", 6, "NAP1 G81\n"}, {"mnuGcodeLap", 7, "NAP1 G82\n"},
    {"mnuGcodeLap", 8, "NAP1 G83\n"}, {"mnuGcodeLap", 9, "N000 G80\n"}, {"mnuGcodeMap", 1, "N000 G181 C X Z I K F Q\n"},
    {"mnuGcodeMap", 2, "N000 G183 C X Z I K F E Q\n"}, {"mnuGcodeMap", 3, "N000 G178 C X Z I K F Q\n"},
    {"mnuGcodeMap", 4, "N000 G179 C X Z I K F Q\n"}, {"mnuGcodeMap", 5, "N000 G184 C X Z I K F Q\n"},
    {"mnuGcodeMap", 6, "N000 G190 C X Z I D E F Q\n"}, {"mnuGcodeMap", 7, "N000 G191 C X Z K D E F Q\n"},
    {"mnuGcodeMap", 8, "N000 G185 C X Z I K F SA=\n"}, {"mnuGcodeMap", 9, "N000 G186 C X Z I K F SA=\n"},
    {"mnuGcodeMap", 10, "N000 G187 C X Z I K F SA=\n"}, {"mnuGcodeMap", 11, "N000 G188 C X Z I K F SA=\n"},
    {"mnuGcodeMap", 12, "N000 G189 C X Z I K F E Q\n"}, {"mnuGcodeMap", 13, "N000 G182 C X Z I K F Q\n"},
    {"mnuGcodeMap", 14, "N000 G180\n"}, {"GcodeTailstock", -1, "N000 G152 W"}, {"GcodeG77", -1, "N000 G77 X Z K F\n"},
    {"GcodeG78", -1, "N000 G78 X Z K F\n"}, {"McodeDoorFrontOpen", -1, " M91"}, {"McodeDoorFrontClose", -1, " M90"},
    {"McodeDoorCeilingOpen", -1, " M291"}, {"McodeDoorCeilingClose", -1, " M290"},
    {"McodeCoolantStanderdOn", -1, " M08"}, {"McodeCoolantStanderdOff", -1, " M09"},
    {"McodeCoolantHipressOn", -1, " M145"}, {"McodeCoolantHipressOff", -1, " M144"},
    {"McodeCoolantHipress2On", -1, " M175"}, {"McodeCoolantHipress2Off", -1, " M174"},
    {"McodeAirblowChuckOn", -1, " M89"}, {"McodeAirblowChuckOff", -1, " M88"}, {"McodeAirblowWorksensorOn", -1, " M155"},
    {"McodeAirblowWorksensorOff", -1, " M154"}, {"McodeAirblowTouchsensorOn", -1, " M127"},
    {"McodeAirblowTouchsensorOff", -1, " M126"}, {"McodeAirblowAdditionalOn", -1, " M51"},
    {"McodeAirblowAdditionalOff", -1, " M50"}, {"McodeChuckMainClose", -1, " M83"}, {"McodeChuckMainOpen", -1, " M84"},
    {"McodeChuckSubClose", -1, " M249"}, {"McodeChuckSubOpen", -1, " M248"}, {"McodeChuckInterlockMainOn", -1, " M185"},
    {"McodeChuckInterlockMainOff", -1, " M184"}, {"McodeChuckInterlockSubOn", -1, " M247"},
    {"McodeChuckInterlockSubOff", -1, " M246"}, {"McodeChuckPressureHigh", -1, " M59"},
    {"McodeChuckPressureLow", -1, " M58"}, {"McodeChuckBarrierOn", -1, " M25"}, {"McodeChuckBarrierOff", -1, " M24"},
    {"McodeChuckMissOn", -1, " M133"}, {"McodeChuckMissOff", -1, " M132"}, {"McodeChuckMissAirOn", -1, " M131"},
    {"McodeChuckMissAirOff", -1, " M130"}, {"McodeTailstockAddvance", -1, " M56"}, {"McodeTailstockRetract", -1, " M55"},
    {"McodeTailstockInterlockOn", -1, " M157"}, {"McodeTailstockInterlockOff", -1, " M156"},
    {"McodeSpindleM", 1, " M03 M63"}, {"McodeSpindleM", 2, " M04 M63"}, {"McodeSpindleM", 3, " M05 M63"},
    {"McodeSpindleM", 4, " M19 M63"}, {"McodeCaxisJointM110", -1, " M110"}, {"McodeCaxisJointM109", -1, " M109"},
    {"McodeCaxisBrakeM147", -1, " M147"}, {"McodeCaxisBrakeM146", -1, " M146"}, {"McodeCaxisPositioningM15", -1, " M15"},
    {"McodeCaxisPositioningM16", -1, " M16"}, {"McodeCaxisInterlockM153", -1, " M153"},
    {"McodeCaxisInterlockM152", -1, " M152"}, {"McodeMspindleM", 1, " M13 M63"}, {"McodeMspindleM", 2, " M14 M63"},
    {"McodeMspindleM", 3, " M12 M63"}, {"McodeMspindleM", 4, " M229 M63"},
};

TEST(InsertMenus, EveryEntryInsertsItsTextAtTheCaretAsOneChange) {
    MainWindow f;
    RichTextBox* doc = f.w->activeText();
    int changes = 0;
    QObject::connect(doc, &RichTextBox::contentChanged, [&changes](const TextChange&) { ++changes; });
    const QString line = QStringLiteral("G00 X10");
    for (const Entry& e : kEntries) {
        SCOPED_TRACE(std::string(e.name) + "(" + std::to_string(e.index) + ")");
        doc->setText(line);
        doc->setSelStart(line.size());
        changes = 0;
        f.item(e.name, e.index)->trigger();
        const QString inserted = crlf(e.inserted);
        EXPECT_EQ(doc->Text(), line + inserted);
        EXPECT_EQ(doc->SelStart(), line.size() + inserted.size());
        EXPECT_EQ(changes, 1);
    }
    EXPECT_EQ(std::size(kEntries), kInsertMenuEntryCount);
    EXPECT_TRUE(f.messages.empty());
}

TEST(InsertMenus, ReplacesTheSelectionAsOneUndoStep) {
    MainWindow f;
    RichTextBox* doc = f.w->activeText();
    doc->setSelText(QStringLiteral("G00 X10 M09"));
    doc->select(7, 4);
    f.item("McodeCoolantStanderdOn", -1)->trigger();
    f.item("mnuGcodeLap", 9)->trigger();
    EXPECT_EQ(doc->Text(), crlf("G00 X10 M08N000 G80\n"));
    f.w->mnuEditUndo_Click();
    EXPECT_EQ(doc->Text(), QStringLiteral("G00 X10 M08"));
}

TEST(InsertMenus, AnIndexOutsideItsArrayDoesNothing) {
    MainWindow f;
    for (const auto& [name, index] : std::vector<std::pair<const char*, int>>{
             {"mnuGcode", 1}, {"mnuGcode", 15}, {"GcodeSpindleSelect", 0}, {"mnuGcodeComp", 7},
             {"mnuGcodeLap", -1}, {"mnuGcodeMap", 15}, {"McodeSpindleM", 5}, {"McodeMspindleM", 0}})
        f.w->runCommand(QString::fromLatin1(name), index);
    EXPECT_TRUE(f.w->activeText()->Text().isEmpty());
    EXPECT_TRUE(f.messages.empty());
}

TEST(InsertMenus, WithoutADocumentEveryEntryReportsError91) {
    MainWindow f;
    f.w->activeText()->setModified(false);
    f.w->mnuFileClose_Click();
    ASSERT_EQ(f.w->activeText(), nullptr);
    for (const Entry& e : kEntries)
        f.item(e.name, e.index)->trigger();
    ASSERT_EQ(f.messages.size(), std::size(kEntries));
    for (const modal::MessageRequest& m : f.messages)
        EXPECT_EQ(m.title, processErrorTitle(91));
}

}  // namespace
