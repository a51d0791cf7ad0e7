#include <gtest/gtest.h>

#include <QAction>
#include <QDate>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <memory>
#include <vector>

#include "app/frmMain.h"
#include "app/insert_menus.h"
#include "app/insert_comment.h"
#include "app/menu_tree.h"
#include "common/shared_state.h"
#include "cycles/process_error.h"
#include "platform/key_locks.h"
#include "platform/modal.h"
#include "platform/rich_text_box.h"
#include "platform/settings_store.h"
#include "cycles/fake_process_dialog.h"
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
        settings.write("Parameter", "CsvFileName", QStringLiteral(QUILLMAR_SOURCE_DIR "/resources/beside/S45C.CSV"));
        w = std::make_unique<frmMain>(state, settings, keys);
        w->MDIForm_Load(QString());
        w->show();
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
    const char* caption;
    const char* inserted;  // "\n" stands for the CR LF written
};

// Every entry of the G-Code and M-Code menus, in menu order.
const Entry kEntries[] = {
    {"mnuGcode", 13, "Ａ-Turret G13", "G13\n"},
    {"mnuGcode", 14, "Ｂ-Turret G14", "G14\n"},
    {"GcodeSpindleSelect", 1, "Main Spindle（Ｌ） G140", "G140\n"},
    {"GcodeSpindleSelect", 2, "Sub Spindle（Ｒ） G141", "G141\n"},
    {"GcodeSpindleSelect", 3, "Sub Spindle Uper G142", "G142\n"},
    {"GcodeG04", -1, "Douel G04", "G04 F"},
    {"mnuGcodeComp", 1, "Compensation Right On ", " G41"},
    {"mnuGcodeComp", 2, "Compensation Left On ", " G42"},
    {"mnuGcodeComp", 3, "Compensation Cancel  G40", " G40"},
    {"mnuGcodeComp", 4, "X-Z plane coordinate  G18", " G18"},
    {"mnuGcodeComp", 5, "X-Y plane coordinate  G17", " G17"},
    {"mnuGcodeComp", 6, "Y-Z plane coordinate  G19", " G19"},
    {"GcodeHomeG21", -1, "ATC Home postion  G21", "N000 G21 HP="},
    {"GcodeHomeG20", -1, "Standard Home postion  G20", "N000 G20 HP="},
    {"GcodeG29", -1, "Torque limit  G29", "N000 G29 PW="},
    {"GcodeG22", -1, "Torque skip  G22", "N000 G22 W D L PW=\n"},
    {"GcodeG28", -1, "Limit cancel  G28", "N000 G28\n"},
    {"GcodeG32", -1, "Face direction  G32", "N000 G32 X Z F\n"},
    {"GcodeG72", -1, "Multiple Cycle  G72", "N000 G72 X Z H D F\n"},
    {"GcodeG31", -1, "1 Cycle  G31", "N000 G31 X Z F\n"},
    {"GcodeG71", -1, "Multiple Cycle  G71", "N000 G71 X Z H D F\n"},
    {"GcodeG34", -1, "No fix Cycle  G34", "N000 G34 X Z F\n"},
    {"GcodeG96", -1, "On  G96", "G96 S"},
    {"GcodeG97", -1, "Off G97", "G97 S"},
    {"GcodeG110", -1, "A turret  G110", "G110 G96 S"},
    {"GcodeG111", -1, "B turret  G111", "G111 G96 S"},
    {"GcodeG75", -1, "C Chamfer  G75", "G75 L"},
    {"GcodeG76", -1, "R Chamfer  G76", "G76 L"},
    {"mnuGcodeLap", 1, "Rough  Cycle G85", "N000 G85 NAP1 D U W F\n"},
    {"mnuGcodeLap", 2, "Rough  condition  change  G84", "$    G84 XA= DA= FA= XB= DB= FB=\n"},
    {"mnuGcodeLap", 3, "Finish  Cycle  G87", "N000 G87 NAP1 (U W)\n"},
    {"mnuGcodeLap", 4, "From Cycle  G86", "N000 G86 NAP1 D U W F\n"},
    {"mnuGcodeLap", 5, "Special  Thread  Cycle  G88", "N000 G88 NAP1 D H F\n"},
    {"mnuGcodeLap", 6, "Long shape  command  G81", "NAP1 G81\n"},
    {"mnuGcodeLap", 7, "Face  shape  command  G82", "NAP1 G82\n"},
    {"mnuGcodeLap", 8, "Material shape command  G83", "NAP1 G83\n"},
    {"mnuGcodeLap", 9, "Shape command finish  G80", "N000 G80\n"},
    {"mnuGcodeMap", 1, "Drill  G181", "N000 G181 C X Z I K F Q\n"},
    {"mnuGcodeMap", 2, "deep  hole  Drill  G183", "N000 G183 C X Z I K F E Q\n"},
    {"mnuGcodeMap", 3, "Synchro Tap Right thread  G178", "N000 G178 C X Z I K F Q\n"},
    {"mnuGcodeMap", 4, "Synchro Tap Left thread  G179", "N000 G179 C X Z I K F Q\n"},
    {"mnuGcodeMap", 5, "Folwting Tap  G184", "N000 G184 C X Z I K F Q\n"},
    {"mnuGcodeMap", 6, "Key way long G190", "N000 G190 C X Z I D E F Q\n"},
    {"mnuGcodeMap", 7, "Key way  Face  G191", "N000 G191 C X Z K D E F Q\n"},
    {"mnuGcodeMap", 8, "Thread length G185", "N000 G185 C X Z I K F SA=\n"},
    {"mnuGcodeMap", 9, "Thread  Face G186", "N000 G186 C X Z I K F SA=\n"},
    {"mnuGcodeMap", 10, "Thread  long G187", "N000 G187 C X Z I K F SA=\n"},
    {"mnuGcodeMap", 11, "Thread  Face  G188", "N000 G188 C X Z I K F SA=\n"},
    {"mnuGcodeMap", 12, "Milling G189", "N000 G189 C X Z I K F E Q\n"},
    {"mnuGcodeMap", 13, "Boring  G182", "N000 G182 C X Z I K F Q\n"},
    {"mnuGcodeMap", 14, "Cycle  cancel  G180", "N000 G180\n"},
    {"GcodeTailstock", -1, "Tail stock movement  G152", "N000 G152 W"},
    {"GcodeG77", -1, "Right thread  G77", "N000 G77 X Z K F\n"},
    {"GcodeG78", -1, "Left thread  G78", "N000 G78 X Z K F\n"},
    {"McodeDoorFrontOpen", -1, "Open M91", " M91"},
    {"McodeDoorFrontClose", -1, "Close M90", " M90"},
    {"McodeDoorCeilingOpen", -1, "Open M291", " M291"},
    {"McodeDoorCeilingClose", -1, "Close M290", " M290"},
    {"McodeCoolantStanderdOn", -1, "On M08", " M08"},
    {"McodeCoolantStanderdOff", -1, "Off M09", " M09"},
    {"McodeCoolantHipressOn", -1, "On M145", " M145"},
    {"McodeCoolantHipressOff", -1, "Off M144", " M144"},
    {"McodeCoolantHipress2On", -1, "On M175", " M175"},
    {"McodeCoolantHipress2Off", -1, "Off M174", " M174"},
    {"McodeAirblowChuckOn", -1, "ON M89", " M89"},
    {"McodeAirblowChuckOff", -1, "OFF M88", " M88"},
    {"McodeAirblowWorksensorOn", -1, "ON M155", " M155"},
    {"McodeAirblowWorksensorOff", -1, "OFF M154", " M154"},
    {"McodeAirblowTouchsensorOn", -1, "ON M127", " M127"},
    {"McodeAirblowTouchsensorOff", -1, "OFF M126", " M126"},
    {"McodeAirblowAdditionalOn", -1, "ON M51", " M51"},
    {"McodeAirblowAdditionalOff", -1, "OFF M50", " M50"},
    {"McodeChuckMainClose", -1, "Close M83", " M83"},
    {"McodeChuckMainOpen", -1, "Open M84", " M84"},
    {"McodeChuckSubClose", -1, "Close M283", " M249"},
    {"McodeChuckSubOpen", -1, "Open M284", " M248"},
    {"McodeChuckInterlockMainOn", -1, "ON M185", " M185"},
    {"McodeChuckInterlockMainOff", -1, "OFF M184", " M184"},
    {"McodeChuckInterlockSubOn", -1, "ON M247", " M247"},
    {"McodeChuckInterlockSubOff", -1, "OFF M246", " M246"},
    {"McodeChuckPressureHigh", -1, "High M59", " M59"},
    {"McodeChuckPressureLow", -1, "Low M58", " M58"},
    {"McodeChuckBarrierOn", -1, "ON M25", " M25"},
    {"McodeChuckBarrierOff", -1, "OFF M24", " M24"},
    {"McodeChuckMissOn", -1, "ON M133", " M133"},
    {"McodeChuckMissOff", -1, "OFF M132", " M132"},
    {"McodeChuckMissAirOn", -1, "Air On M131", " M131"},
    {"McodeChuckMissAirOff", -1, "Air Off M130", " M130"},
    {"McodeTailstockAddvance", -1, "Addvance M56", " M56"},
    {"McodeTailstockRetract", -1, "Retract M55", " M55"},
    {"McodeTailstockInterlockOn", -1, "On M157", " M157"},
    {"McodeTailstockInterlockOff", -1, "Off M156", " M156"},
    {"McodeSpindleM", 1, "CW M03", " M03 M63"},
    {"McodeSpindleM", 2, "CCW M04", " M04 M63"},
    {"McodeSpindleM", 3, "Stop M05", " M05 M63"},
    {"McodeSpindleM", 4, "Orientation M19 C=Angle", " M19 M63"},
    {"McodeCaxisJointM110", -1, "On M110", " M110"},
    {"McodeCaxisJointM109", -1, "Off M109", " M109"},
    {"McodeCaxisBrakeM147", -1, "On M147", " M147"},
    {"McodeCaxisBrakeM146", -1, "Off M146", " M146"},
    {"McodeCaxisPositioningM15", -1, "CW M15", " M15"},
    {"McodeCaxisPositioningM16", -1, "CCW M16", " M16"},
    {"McodeCaxisInterlockM153", -1, "On M153", " M153"},
    {"McodeCaxisInterlockM152", -1, "Off M152", " M152"},
    {"McodeMspindleM", 1, "CW M13", " M13 M63"},
    {"McodeMspindleM", 2, "CCW M14", " M14 M63"},
    {"McodeMspindleM", 3, "Stop M12", " M12 M63"},
    {"McodeMspindleM", 4, "Orientation M229 CB=Angle", " M229 M63"},
};

TEST(InsertMenus, EveryEntryInsertsItsTextAtTheCaret) {
    MainWindow f;
    RichTextBox* doc = f.w->activeText();
    ASSERT_NE(doc, nullptr);
    int changes = 0;
    QObject::connect(doc, &RichTextBox::contentChanged, [&changes](const TextChange&) { ++changes; });
    const QString line = QStringLiteral("G00 X10");
    for (const Entry& e : kEntries) {
        SCOPED_TRACE(std::string(e.name) + "(" + std::to_string(e.index) + ")");
        QAction* action = f.item(e.name, e.index);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->text(), QString::fromUtf8(e.caption));
        doc->setText(line);
        doc->setSelStart(line.size());
        changes = 0;

        action->trigger();

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
    f.w->mnuEditUndo_Click();
    EXPECT_EQ(doc->Text(), QStringLiteral("G00 X10 M09"));
}

TEST(InsertMenus, AnIndexOutsideItsArrayDoesNothing) {
    MainWindow f;
    RichTextBox* doc = f.w->activeText();
    for (const auto& [name, index] : std::vector<std::pair<const char*, int>>{
             {"mnuGcode", 1}, {"mnuGcode", 15}, {"GcodeSpindleSelect", 0}, {"mnuGcodeComp", 7},
             {"mnuGcodeLap", -1}, {"mnuGcodeMap", 15}, {"McodeSpindleM", 5}, {"McodeMspindleM", 0}})
        f.w->runCommand(QString::fromLatin1(name), index);
    EXPECT_TRUE(doc->Text().isEmpty());
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
    for (const modal::MessageRequest& m : f.messages) {
        EXPECT_EQ(m.title, processErrorTitle(91));
        EXPECT_EQ(m.text, processErrorText(91));
    }
}

// A first program as a new user writes it; Undo then takes back one change at a time.
TEST(InsertMenus, ANewUsersFirstInsertsAndUndo) {
    MainWindow f;
    test::FakeProcessDialog user(false);
    user.type("EndX", QStringLiteral("2.5")).type("EndZ", QStringLiteral("-1"));
    f.responder.dialog = [&user](QDialog* d) { return user.handle(d); };
    QTemporaryDir files;
    const QString lib = files.filePath(QStringLiteral("SUB.LIB"));
    {
        QFile file(lib);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("G04 F1\r\n");
    }
    f.responder.file = [&lib](const modal::FileRequest&) { return std::optional<QString>(lib); };
    RichTextBox* doc = f.w->activeText();
    QStringList states{doc->Text()};
    QObject::connect(doc, &RichTextBox::contentChanged, [&](const TextChange&) { states << doc->Text(); });

    f.item("ProcessMeasuerInD", -1)->trigger();
    f.item("GcodeG04", -1)->trigger();
    f.item("McodeCoolantStanderdOn", -1)->trigger();
    f.item("mnuInsertComment", 3)->trigger();
    f.item("mnuInsertComment", 1)->trigger();
    f.item("mnuInsertFile", -1)->trigger();

    ASSERT_EQ(states.size(), 8);
    EXPECT_TRUE(f.messages.empty());
    const QString text = doc->Text();
    // The measuring call leaves the caret before it, so what follows goes in ahead of it.
    const QString date = QStringLiteral("\\d{4}\\.\\d\\d\\.\\d\\d");
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("^G04 F M08") + date + QStringLiteral(" EDIT DATE  : ") +
                                                 date + QStringLiteral("   \\)\r\n \r\nG04 F1\r\nN000 CALL OME12 "
                                                                       "\\(ID\\.MEASURE D2\\.5\\)\r\n\t\r\n"))))
        << text.left(120).toStdString();
    EXPECT_TRUE(text.endsWith(QStringLiteral("NRTS RTS\r\n")));
    EXPECT_EQ(f.state.gInsertDir, files.path());

    for (int step = states.size() - 2; step >= 0; --step) {
        f.w->mnuEditUndo_Click();
        EXPECT_EQ(doc->Text().toStdString(), states[step].toStdString()) << "after undoing to state " << step;
    }
}

}  // namespace
