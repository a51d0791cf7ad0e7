#include "app/insert_menus.h"

#include <QDate>
#include <QSet>

#include "app/frmMain.h"
#include "app/insert_comment.h"
#include "app/insert_file.h"
#include "cycles/generator_runner.h"

namespace quillmar {
namespace {

constexpr InsertLineEnd kCrLf = InsertLineEnd::CrLf;
constexpr InsertLineEnd kNoEnd = InsertLineEnd::None;

}  // namespace

// The texts are the control's words as the programmer types them. Templates leave their
// address letters for the user to fill in, and the "N000" placeholders for renumbering.
// The sub-spindle chuck entries insert M249 and M248, the words the sub-spindle chuck
// of the machines this program writes for takes, whatever their captions say.
const InsertMenuEntry kInsertMenuEntries[] = {
    {"mnuGcode", 13, "Ａ-Turret G13", "G13", kCrLf},
    {"mnuGcode", 14, "Ｂ-Turret G14", "G14", kCrLf},
    {"GcodeSpindleSelect", 1, "Main Spindle（Ｌ） G140", "G140", kCrLf},
    {"GcodeSpindleSelect", 2, "Sub Spindle（Ｒ） G141", "G141", kCrLf},
    {"GcodeSpindleSelect", 3, "Sub Spindle Uper G142", "G142", kCrLf},
    {"GcodeG04", -1, "Douel G04", "G04 F", kNoEnd},
    {"mnuGcodeComp", 1, "Compensation Right On ", " G41", kNoEnd},
    {"mnuGcodeComp", 2, "Compensation Left On ", " G42", kNoEnd},
    {"mnuGcodeComp", 3, "Compensation Cancel  G40", " G40", kNoEnd},
    {"mnuGcodeComp", 4, "X-Z plane coordinate  G18", " G18", kNoEnd},
    {"mnuGcodeComp", 5, "X-Y plane coordinate  G17", " G17", kNoEnd},
    {"mnuGcodeComp", 6, "Y-Z plane coordinate  G19", " G19", kNoEnd},
    {"GcodeHomeG21", -1, "ATC Home postion  G21", "N000 G21 HP=", kNoEnd},
    {"GcodeHomeG20", -1, "Standard Home postion  G20", "N000 G20 HP=", kNoEnd},
    {"GcodeG29", -1, "Torque limit  G29", "N000 G29 PW=", kNoEnd},
    {"GcodeG22", -1, "Torque skip  G22", "N000 G22 W D L PW=", kCrLf},
    {"GcodeG28", -1, "Limit cancel  G28", "N000 G28", kCrLf},
    {"GcodeG32", -1, "Face direction  G32", "N000 G32 X Z F", kCrLf},
    {"GcodeG72", -1, "Multiple Cycle  G72", "N000 G72 X Z H D F", kCrLf},
    {"GcodeG31", -1, "1 Cycle  G31", "N000 G31 X Z F", kCrLf},
    {"GcodeG71", -1, "Multiple Cycle  G71", "N000 G71 X Z H D F", kCrLf},
    {"GcodeG34", -1, "No fix Cycle  G34", "N000 G34 X Z F", kCrLf},
    {"GcodeG96", -1, "On  G96", "G96 S", kNoEnd},
    {"GcodeG97", -1, "Off G97", "G97 S", kNoEnd},
    {"GcodeG110", -1, "A turret  G110", "G110 G96 S", kNoEnd},
    {"GcodeG111", -1, "B turret  G111", "G111 G96 S", kNoEnd},
    {"GcodeG75", -1, "C Chamfer  G75", "G75 L", kNoEnd},
    {"GcodeG76", -1, "R Chamfer  G76", "G76 L", kNoEnd},
    {"mnuGcodeLap", 1, "Rough  Cycle G85", "N000 G85 NAP1 D U W F", kCrLf},
    {"mnuGcodeLap", 2, "Rough  condition  change  G84", "$    G84 XA= DA= FA= XB= DB= FB=", kCrLf},
    {"mnuGcodeLap", 3, "Finish  Cycle  G87", "N000 G87 NAP1 (U W)", kCrLf},
    {"mnuGcodeLap", 4, "From Cycle  G86", "N000 G86 NAP1 D U W F", kCrLf},
    {"mnuGcodeLap", 5, "Special  Thread  Cycle  G88", "N000 G88 NAP1 D H F", kCrLf},
    {"mnuGcodeLap", 6, "Long shape  command  G81", "NAP1 G81", kCrLf},
    {"mnuGcodeLap", 7, "Face  shape  command  G82", "NAP1 G82", kCrLf},
    {"mnuGcodeLap", 8, "Material shape command  G83", "NAP1 G83", kCrLf},
    {"mnuGcodeLap", 9, "Shape command finish  G80", "N000 G80", kCrLf},
    {"mnuGcodeMap", 1, "Drill  G181", "N000 G181 C X Z I K F Q", kCrLf},
    {"mnuGcodeMap", 2, "deep  hole  Drill  G183", "N000 G183 C X Z I K F E Q", kCrLf},
    {"mnuGcodeMap", 3, "Synchro Tap Right thread  G178", "N000 G178 C X Z I K F Q", kCrLf},
    {"mnuGcodeMap", 4, "Synchro Tap Left thread  G179", "N000 G179 C X Z I K F Q", kCrLf},
    {"mnuGcodeMap", 5, "Folwting Tap  G184", "N000 G184 C X Z I K F Q", kCrLf},
    {"mnuGcodeMap", 6, "Key way long G190", "N000 G190 C X Z I D E F Q", kCrLf},
    {"mnuGcodeMap", 7, "Key way  Face  G191", "N000 G191 C X Z K D E F Q", kCrLf},
    {"mnuGcodeMap", 8, "Thread length G185", "N000 G185 C X Z I K F SA=", kCrLf},
    {"mnuGcodeMap", 9, "Thread  Face G186", "N000 G186 C X Z I K F SA=", kCrLf},
    {"mnuGcodeMap", 10, "Thread  long G187", "N000 G187 C X Z I K F SA=", kCrLf},
    {"mnuGcodeMap", 11, "Thread  Face  G188", "N000 G188 C X Z I K F SA=", kCrLf},
    {"mnuGcodeMap", 12, "Milling G189", "N000 G189 C X Z I K F E Q", kCrLf},
    {"mnuGcodeMap", 13, "Boring  G182", "N000 G182 C X Z I K F Q", kCrLf},
    {"mnuGcodeMap", 14, "Cycle  cancel  G180", "N000 G180", kCrLf},
    {"GcodeTailstock", -1, "Tail stock movement  G152", "N000 G152 W", kNoEnd},
    {"GcodeG77", -1, "Right thread  G77", "N000 G77 X Z K F", kCrLf},
    {"GcodeG78", -1, "Left thread  G78", "N000 G78 X Z K F", kCrLf},
    {"McodeDoorFrontOpen", -1, "Open M91", " M91", kNoEnd},
    {"McodeDoorFrontClose", -1, "Close M90", " M90", kNoEnd},
    {"McodeDoorCeilingOpen", -1, "Open M291", " M291", kNoEnd},
    {"McodeDoorCeilingClose", -1, "Close M290", " M290", kNoEnd},
    {"McodeCoolantStanderdOn", -1, "On M08", " M08", kNoEnd},
    {"McodeCoolantStanderdOff", -1, "Off M09", " M09", kNoEnd},
    {"McodeCoolantHipressOn", -1, "On M145", " M145", kNoEnd},
    {"McodeCoolantHipressOff", -1, "Off M144", " M144", kNoEnd},
    {"McodeCoolantHipress2On", -1, "On M175", " M175", kNoEnd},
    {"McodeCoolantHipress2Off", -1, "Off M174", " M174", kNoEnd},
    {"McodeAirblowChuckOn", -1, "ON M89", " M89", kNoEnd},
    {"McodeAirblowChuckOff", -1, "OFF M88", " M88", kNoEnd},
    {"McodeAirblowWorksensorOn", -1, "ON M155", " M155", kNoEnd},
    {"McodeAirblowWorksensorOff", -1, "OFF M154", " M154", kNoEnd},
    {"McodeAirblowTouchsensorOn", -1, "ON M127", " M127", kNoEnd},
    {"McodeAirblowTouchsensorOff", -1, "OFF M126", " M126", kNoEnd},
    {"McodeAirblowAdditionalOn", -1, "ON M51", " M51", kNoEnd},
    {"McodeAirblowAdditionalOff", -1, "OFF M50", " M50", kNoEnd},
    {"McodeChuckMainClose", -1, "Close M83", " M83", kNoEnd},
    {"McodeChuckMainOpen", -1, "Open M84", " M84", kNoEnd},
    {"McodeChuckSubClose", -1, "Close M283", " M249", kNoEnd},
    {"McodeChuckSubOpen", -1, "Open M284", " M248", kNoEnd},
    {"McodeChuckInterlockMainOn", -1, "ON M185", " M185", kNoEnd},
    {"McodeChuckInterlockMainOff", -1, "OFF M184", " M184", kNoEnd},
    {"McodeChuckInterlockSubOn", -1, "ON M247", " M247", kNoEnd},
    {"McodeChuckInterlockSubOff", -1, "OFF M246", " M246", kNoEnd},
    {"McodeChuckPressureHigh", -1, "High M59", " M59", kNoEnd},
    {"McodeChuckPressureLow", -1, "Low M58", " M58", kNoEnd},
    {"McodeChuckBarrierOn", -1, "ON M25", " M25", kNoEnd},
    {"McodeChuckBarrierOff", -1, "OFF M24", " M24", kNoEnd},
    {"McodeChuckMissOn", -1, "ON M133", " M133", kNoEnd},
    {"McodeChuckMissOff", -1, "OFF M132", " M132", kNoEnd},
    {"McodeChuckMissAirOn", -1, "Air On M131", " M131", kNoEnd},
    {"McodeChuckMissAirOff", -1, "Air Off M130", " M130", kNoEnd},
    {"McodeTailstockAddvance", -1, "Addvance M56", " M56", kNoEnd},
    {"McodeTailstockRetract", -1, "Retract M55", " M55", kNoEnd},
    {"McodeTailstockInterlockOn", -1, "On M157", " M157", kNoEnd},
    {"McodeTailstockInterlockOff", -1, "Off M156", " M156", kNoEnd},
    {"McodeSpindleM", 1, "CW M03", " M03 M63", kNoEnd},
    {"McodeSpindleM", 2, "CCW M04", " M04 M63", kNoEnd},
    {"McodeSpindleM", 3, "Stop M05", " M05 M63", kNoEnd},
    {"McodeSpindleM", 4, "Orientation M19 C=Angle", " M19 M63", kNoEnd},
    {"McodeCaxisJointM110", -1, "On M110", " M110", kNoEnd},
    {"McodeCaxisJointM109", -1, "Off M109", " M109", kNoEnd},
    {"McodeCaxisBrakeM147", -1, "On M147", " M147", kNoEnd},
    {"McodeCaxisBrakeM146", -1, "Off M146", " M146", kNoEnd},
    {"McodeCaxisPositioningM15", -1, "CW M15", " M15", kNoEnd},
    {"McodeCaxisPositioningM16", -1, "CCW M16", " M16", kNoEnd},
    {"McodeCaxisInterlockM153", -1, "On M153", " M153", kNoEnd},
    {"McodeCaxisInterlockM152", -1, "Off M152", " M152", kNoEnd},
    {"McodeMspindleM", 1, "CW M13", " M13 M63", kNoEnd},
    {"McodeMspindleM", 2, "CCW M14", " M14 M63", kNoEnd},
    {"McodeMspindleM", 3, "Stop M12", " M12 M63", kNoEnd},
    {"McodeMspindleM", 4, "Orientation M229 CB=Angle", " M229 M63", kNoEnd},
};

const std::size_t kInsertMenuEntryCount = sizeof(kInsertMenuEntries) / sizeof(kInsertMenuEntries[0]);

const InsertMenuEntry* findInsertMenuEntry(const QString& name, int index) {
    for (std::size_t i = 0; i < kInsertMenuEntryCount; ++i) {
        const InsertMenuEntry& e = kInsertMenuEntries[i];
        if (name == QLatin1String(e.name) && (e.index < 0 || e.index == index))
            return &e;
    }
    return nullptr;
}

QString insertedText(const InsertMenuEntry& entry) {
    QString text = QString::fromUtf8(entry.text);
    if (entry.lineEnd == InsertLineEnd::CrLf)
        text += QStringLiteral("\r\n");
    return text;
}

void insertMenuEntry(const QString& name, int index, RichTextBox* document, QWidget* parent) {
    const InsertMenuEntry* entry = findInsertMenuEntry(name, index);
    if (!entry)
        return;
    runWithProcessErrorTrap(parent, [&] { insertAtCaret(document, insertedText(*entry)); });
}

void mnuGcode_Click(int Index, RichTextBox* document, QWidget* parent) {
    insertMenuEntry(QStringLiteral("mnuGcode"), Index, document, parent);
}

void GcodeSpindleSelect_Click(int Index, RichTextBox* document, QWidget* parent) {
    insertMenuEntry(QStringLiteral("GcodeSpindleSelect"), Index, document, parent);
}

void mnuGcodeComp_Click(int Index, RichTextBox* document, QWidget* parent) {
    insertMenuEntry(QStringLiteral("mnuGcodeComp"), Index, document, parent);
}

void mnuGcodeLap_Click(int Index, RichTextBox* document, QWidget* parent) {
    insertMenuEntry(QStringLiteral("mnuGcodeLap"), Index, document, parent);
}

void mnuGcodeMap_Click(int Index, RichTextBox* document, QWidget* parent) {
    insertMenuEntry(QStringLiteral("mnuGcodeMap"), Index, document, parent);
}

void McodeSpindleM_Click(int Index, RichTextBox* document, QWidget* parent) {
    insertMenuEntry(QStringLiteral("McodeSpindleM"), Index, document, parent);
}

void McodeMspindleM_Click(int Index, RichTextBox* document, QWidget* parent) {
    insertMenuEntry(QStringLiteral("McodeMspindleM"), Index, document, parent);
}

namespace {

using ArrayHandler = void (*)(int, RichTextBox*, QWidget*);
struct ArrayCommand {
    const char* name;
    ArrayHandler handler;
};
const ArrayCommand kArrayCommands[] = {
    {"mnuGcode", mnuGcode_Click},         {"GcodeSpindleSelect", GcodeSpindleSelect_Click},
    {"mnuGcodeComp", mnuGcodeComp_Click}, {"mnuGcodeLap", mnuGcodeLap_Click},
    {"mnuGcodeMap", mnuGcodeMap_Click},   {"McodeSpindleM", McodeSpindleM_Click},
    {"McodeMspindleM", McodeMspindleM_Click},
};

}  // namespace

void registerInsertCommands(frmMain& main) {
    // Each entry writes into the document active when it is chosen.
    QSet<QString> registered;
    for (const ArrayCommand& array : kArrayCommands) {
        const ArrayHandler handler = array.handler;
        main.setCommand(QString::fromLatin1(array.name),
                        [&main, handler](int index) { handler(index, main.activeText(), &main); });
        registered.insert(QString::fromLatin1(array.name));
    }
    for (std::size_t i = 0; i < kInsertMenuEntryCount; ++i) {
        const QString name = QString::fromLatin1(kInsertMenuEntries[i].name);
        if (registered.contains(name))
            continue;
        registered.insert(name);
        main.setCommand(name, [&main, name](int) { insertMenuEntry(name, -1, main.activeText(), &main); });
    }
    main.setCommand(QStringLiteral("mnuInsertComment"), [&main](int index) {
        mnuInsertComment_Click(index, commentFileBesideProgram(), QDate::currentDate, main.activeText(), &main);
    });
    main.setCommand(QStringLiteral("mnuInsertFile"),
                    [&main](int) { mnuInsertFile_Click(main.state(), main.activeText(), &main); });
}

}  // namespace quillmar
