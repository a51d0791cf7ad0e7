#pragma once

// What the finishing and grooving tests share: the machine as flags, a profile with the
// approach point (12, 0.2) and the home point (20, 10), and the cutting-condition rows of
// both families.

#include "common/shared_state.h"
#include "roughing_fixture.h"
#include "support/documents.h"
#include "support/expected_text.h"

namespace quillmar::test {

// Flags rather than a machine type, so that a profile may carry both machine flags.
struct TurningMachine {
    bool macTurn = false;
    bool multus = false;
    bool toolLife = false;
    bool toolShape = false;
    bool loadMonitor = false;
    bool optionalStop = false;
};

inline SharedState turningState(const TurningMachine& m) {
    SharedState s;
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
        fillRow(s, row, {QString::number(row), "Finish", "3", "0", "1", "400", "0.006", "0", "0", "0.01", "0.004", "0"});
    for (int row : {11, 12, 13})
        fillRow(s, row, {QString::number(row), "Groove", "5", "0", "1", "300", "0.003", "0.02", "0.12", "0.004",
                         "0.002", "0.03"});
    return s;
}

// A command run on a document that holds a line before the caret and one after it.
struct TurningRun {
    QString before = QStringLiteral("N000 G50\r\n");
    QString after = QStringLiteral("NEND M02\r\n");
    Document doc{before + after, before.size()};
    FakeProcessDialog user;

    QString inserted() const {
        const QString text = doc.box.Text();
        if (!text.startsWith(before) || !text.endsWith(after))
            return QStringLiteral("<the surrounding text changed>");
        return text.mid(before.size(), text.size() - before.size() - after.size());
    }
};

}  // namespace quillmar::test
