#pragma once

// What the rotary-tool generator tests share.

#include <gtest/gtest.h>

#include <QObject>
#include <QString>
#include <QStringList>
#include <ostream>
#include <utility>
#include <vector>

#include "common/machine_profile.h"
#include "common/shared_state.h"
#include "cycles/fake_process_dialog.h"
#include "platform/rich_text_box.h"
#include "support/documents.h"
#include "support/machine.h"
#include "support/expected_text.h"

namespace quillmar::test {

// A rotary generator's menu handler.
using Command = void (*)(SharedState&, RichTextBox*, QWidget*);

// A drilling row of the cutting-condition table: tool, coolant, V, F, D, L, U, W and C.
inline QStringList drillRow(const char* tool, const char* coolant, const char* v, const char* f, const char* d,
                            const char* l, const char* u, const char* w, const char* c) {
    return {"M-DRILL", "", tool, "0", coolant, v, f, d, l, u, w, c};
}

// What the user types into the dialog, box by box, in order; a "CoolantOFF" or
// "SpindleCCW" entry chooses that option instead.
using Typing = std::vector<std::pair<const char*, const char*>>;

inline void script(FakeProcessDialog& user, const Typing& typing) {
    for (const auto& [box, text] : typing) {
        if (QString::fromLatin1(box).startsWith(QLatin1String("Coolant")) ||
            QString::fromLatin1(box).startsWith(QLatin1String("Spindle")))
            user.choose(box);
        else
            user.type(box, QString::fromUtf8(text));
    }
}

// The rows of every rotary generator's defaults, so a case needs to name only its command.
inline void fillRotaryRows(SharedState& s, const QStringList& fields) {
    for (int row : {17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 30, 33})
        fillRow(s, row, fields);
}

// A list with more entries: a case's typing or edits after those of the case it extends.
inline std::vector<Edit> plus(std::vector<Edit> list, std::initializer_list<Edit> more) {
    list.insert(list.end(), more);
    return list;
}

// A generator family's case: a command on a machine, typed over the family's base typing,
// with the block its expected text as edits of the family's base block.
struct RotaryCase {
    const char* name;
    Command command;
    Machine machine;
    Typing typed;
    std::vector<Edit> edits;
};

inline void PrintTo(const RotaryCase& c, std::ostream* os) { *os << c.name; }

inline std::string blockName(const ::testing::TestParamInfo<RotaryCase>& info) { return info.param.name; }

// Runs a case whole: the block lands at the caret in one change and nothing is reported.
inline void expectBlock(const RotaryCase& c, const QStringList& row, const Typing& base, const QString& expected) {
    SharedState s = stateFor(c.machine);
    fillRotaryRows(s, row);
    Document doc(QStringLiteral("AB"), 1);
    FakeProcessDialog user;
    script(user, base);
    script(user, c.typed);

    c.command(s, &doc.box, nullptr);

    EXPECT_TRUE(user.messages.empty()) << (user.messages.empty() ? "" : user.messages[0].title.toStdString());
    EXPECT_EQ(s.gOutputText.toStdString(), expected.toStdString());
    EXPECT_EQ(doc.box.Text(), QStringLiteral("A") + expected + QStringLiteral("B"));
    EXPECT_EQ(doc.changes, 1);
    EXPECT_EQ(s.profile.gApproachX, c.machine.approachX);
    EXPECT_EQ(s.profile.gApproachZ, c.machine.approachZ);
}

// B, C and SZ as a tilted-plane dialog offers them.
inline QString offeredShift(const ProcessDialogView& v) {
    return v.text("B") + QLatin1Char('|') + v.text("C") + QLatin1Char('|') + v.text("SZ");
}

// A failure: reported by its number, nothing inserted, and every value a run may change
// as the run before left it (B 45, zero shift 2.5 and 0.1), so the next tilted-plane
// dialog still offers them.
struct RotaryFailure {
    const char* name;
    Command command;
    Typing typed;
    int error;
    bool beforeDialog = false;  // a bad cutting-condition cell
};

inline void PrintTo(const RotaryFailure& c, std::ostream* os) { *os << c.name; }

inline std::string failureName(const ::testing::TestParamInfo<RotaryFailure>& info) { return info.param.name; }

inline void expectFailureChangesNothing(const RotaryFailure& c, const QStringList& row, Command tiltedCommand) {
    SharedState s = stateFor(Machine{MachineKind::MacTurn});
    fillRotaryRows(s, row);
    if (c.beforeDialog)
        fillRotaryRows(s, [&] { QStringList bad = row; bad[4] = QStringLiteral("on"); return bad; }());
    s.params.gParamB = 45;
    s.params.gParamSZ = 0.1;
    s.gLastShiftX = Single(2.5f);
    s.gSpindleSpeed = 1230;
    s.gOutputText = QStringLiteral("before");
    Document doc(QStringLiteral("text"), 2);
    FakeProcessDialog user;
    script(user, c.typed);

    c.command(s, &doc.box, nullptr);

    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].title, QStringLiteral("Error %1").arg(c.error));
    EXPECT_EQ(user.showings, c.beforeDialog ? 0 : 1);
    EXPECT_EQ(doc.box.Text(), QStringLiteral("text"));
    EXPECT_EQ(doc.changes, 0);
    EXPECT_EQ(s.gOutputText, QStringLiteral("before"));
    EXPECT_EQ(s.gSpindleSpeed, 1230);
    EXPECT_FALSE(s.gOutputText.contains(QStringLiteral("inf")) || s.gOutputText.contains(QStringLiteral("nan")));

    fillRotaryRows(s, row);
    user.clearScript();
    user.leaveBy(FakeProcessDialog::Leave::Cancel);
    tiltedCommand(s, &doc.box, nullptr);
    EXPECT_EQ(offeredShift(user.seen), QStringLiteral("45|2.5|0.1"));
}

}  // namespace quillmar::test
