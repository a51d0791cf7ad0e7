#pragma once

// What the finishing and grooving tests share: a profile with the approach point (12, 0.2)
// and the home point (20, 10), the cutting-condition rows of both families, a run of a
// command on a document, and the two checks every case makes: the whole block inserted,
// against the family's base block as the case edits it, and a failure that changes nothing.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "roughing_fixture.h"
#include "support/expected_text.h"

namespace quillmar::test {

using TurningMachine = RoughingMachine;

inline Typing with(Typing typed, const Typing& more) {
    typed.insert(typed.end(), more.begin(), more.end());
    return typed;
}

inline std::vector<Edit> plus(std::vector<Edit> edits, const std::vector<Edit>& more) {
    edits.insert(edits.end(), more.begin(), more.end());
    return edits;
}

// A command run, the user typing into the dialog, on a document with a line on either
// side of the caret.
struct TurningRun {
    TurningRun(const TurningMachine& m, ProcessGenerator (*generator)(), const Typing& typed, double speed = 0,
               float innerDiameter = 0) {
        s.profile.gMacTurn = m.macTurn;
        s.profile.gMultus = m.multus;
        s.profile.gToolLife = m.toolLife;
        s.profile.gToolShape = m.toolShape;
        s.profile.gLoadMonitor = m.loadMonitor;
        s.profile.gOptionalStop = m.optionalStop;
        s.profile.gApproachX = 12;
        s.profile.gApproachZ = 0.2;
        s.profile.gHomeX = 20;
        s.profile.gHomeZ = 10;
        for (int row : {7, 8, 9, 10})
            fillRow(s, row, {"", "Finish", "3", "0", "1", "400", "0.006", "0", "0", "0.01", "0.004", "0"});
        for (int row : {11, 12, 13})
            fillRow(s, row, {"", "Groove", "5", "0", "1", "300", "0.003", "0.02", "0.12", "0.004", "0.002", "0.03"});
        s.gSpindleSpeed = speed;
        s.workShape.gMaterialID = innerDiameter;
        enter(user, typed);
        runProcessGenerator(generator(), s, &doc.box, nullptr);
    }
    QString inserted() const {
        const QString text = doc.box.Text();
        if (!text.startsWith(before) || !text.endsWith(after))
            return QStringLiteral("<the surrounding text changed>");
        return text.mid(before.size(), text.size() - before.size() - after.size());
    }

    SharedState s;
    const QString before = QStringLiteral("N000 G50\r\n");
    const QString after = QStringLiteral("NEND M02\r\n");
    Document doc{before + after, before.size()};
    FakeProcessDialog user;
};

struct TurningCase {
    const char* name;
    ProcessGenerator (*generator)();
    TurningMachine machine;
    Typing typed;
    std::vector<Edit> edits;
    double previousSpeed = 0;
    float innerDiameter = 0;
};

inline void expectBlock(const char* base, const TurningCase& c) {
    TurningRun run(c.machine, c.generator, c.typed, c.previousSpeed, c.innerDiameter);
    EXPECT_TRUE(run.user.messages.empty());
    const QString expected = edited(block(base), c.edits);
    EXPECT_EQ(run.inserted().toStdString(), expected.toStdString());
    EXPECT_EQ(run.doc.box.SelStart(), run.before.size() + expected.size());
}

struct TurningFailure {
    const char* name;
    ProcessGenerator (*generator)();
    Typing typed;
    const char* title;
};

// The error is shown; the document, the previous cycle's speed and the block stay.
inline void expectFailure(const TurningFailure& c) {
    TurningRun run({}, c.generator, c.typed, 770);
    ASSERT_EQ(run.user.messages.size(), 1u);
    EXPECT_EQ(run.user.messages[0].title, QString::fromLatin1(c.title));
    EXPECT_EQ(run.doc.changes, 0);
    EXPECT_EQ(run.s.gSpindleSpeed, 770);
    EXPECT_EQ(run.s.gOutputText, QString());
}

template <typename Case>
std::string caseName(const ::testing::TestParamInfo<Case>& info) {
    return info.param.name;
}

}  // namespace quillmar::test
