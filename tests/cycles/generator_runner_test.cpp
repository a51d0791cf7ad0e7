#include <gtest/gtest.h>

#include "support/documents.h"
#include "common/shared_state.h"
#include "cycles/generator_runner.h"
#include "cycles/next_request.h"
#include "fake_process_dialog.h"
#include "platform/rich_text_box.h"
#include "support/machine.h"

using namespace quillmar;
using test::Document;
using test::fillRow;
using test::FakeProcessDialog;

namespace {

const QStringList kRow5 = {"OD", "rough", "3", "0", "1", "300", "0.012", "0.1", "", "0.02", "0.005", "0.03"};

// A small turning generator with the dialog of a cycle; its build only counts.
ProcessGenerator sampleGenerator(int* builds = nullptr) {
    ProcessGenerator g;
    g.dialog.caption = QStringLiteral("O.D.Rough");
    g.dialog.processNumber = 5;
    g.dialog.captions = {{"LabelD", "Deepth"}, {"LabelL", ""}, {"LabelL2", ""}, {"LabelEndC", ""}};
    g.dialog.hidden = {"L", "EndC"};
    g.dialog.texts = {{"StartZ", "0"}};
    g.build = [builds](SharedState&) {
        if (builds)
            ++*builds;
    };
    return g;
}

TEST(GeneratorRunner, ANumberTooLargeToReadIsReportedAndReadsNothing) {
    SharedState s;
    fillRow(s, 5, kRow5);
    s.params.gToolNo = 99;
    Document doc(QStringLiteral("text"), 0);
    FakeProcessDialog user;
    user.type("V", "1E400");
    int builds = 0;
    runProcessGenerator(sampleGenerator(&builds), s, &doc.box, nullptr);
    EXPECT_EQ(builds, 0);
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].title, QStringLiteral("Error 6"));
    EXPECT_EQ(s.params.gToolNo, 99);
    EXPECT_EQ(doc.box.Text(), QStringLiteral("text"));
}

TEST(GeneratorRunner, ADocumentClosedOnTheWayIsNoDocument) {
    SharedState s;
    fillRow(s, 5, kRow5);
    auto* doc = new RichTextBox;
    ProcessGenerator g = sampleGenerator();
    g.build = [doc](SharedState& st) {
        st.gOutputText = QStringLiteral("X");
        delete doc;
    };
    FakeProcessDialog user;
    runProcessGenerator(g, s, doc, nullptr);
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].title, QStringLiteral("Error 91"));
}

TEST(GeneratorRunner, EveryRunStartsFromTheDesignedDialog) {
    SharedState s;
    fillRow(s, 5, kRow5);
    fillRow(s, 6, {"", "", "1", "x"});  // fails after the relabelling
    Document doc(QString(), 0);
    FakeProcessDialog user;

    ProcessGenerator odd = sampleGenerator();
    odd.dialog.hidden = {"D"};
    odd.dialog.shown = {"SZ"};
    odd.dialog.captions = {{"LabelEndC", "X"}};
    user.leaveBy(FakeProcessDialog::Leave::Cancel);
    runProcessGenerator(odd, s, &doc.box, nullptr);
    ProcessGenerator failing = odd;
    failing.dialog.processNumber = 6;
    runProcessGenerator(failing, s, &doc.box, nullptr);
    EXPECT_EQ(user.messages.size(), 1u);

    ProcessGenerator plain;
    plain.dialog.caption = QStringLiteral("Plain");
    plain.dialog.processNumber = 5;
    runProcessGenerator(plain, s, &doc.box, nullptr);
    EXPECT_EQ(user.showings, 2);
    EXPECT_TRUE(!user.seen.isHidden("D") && user.seen.isHidden("SZ"));
    EXPECT_EQ(user.seen.text("LabelEndC") + user.seen.text("StartZ"), QStringLiteral("C"));
}

// The bare request with the caret after it. The menu is hidden on other machines; the
// command itself does not ask.
TEST(NextRequest, LeavesTheBareRequestWithTheCaretAfterIt) {
    const struct {
        void (*command)(SharedState&, RichTextBox*, QWidget*);
        test::Machine machine;
        const char* inserted;
    } cases[] = {{ProcessMT1_Click, {.kind = test::kMac}, "N000 MT=1"},
                 {ProcessMT1_Click, {.kind = test::kMac, .toolLife = true}, "N000 MT=1 TG="},
                 {ProcessMT3_Click, {.kind = test::kOth, .toolLife = true}, "N000 MT=3 TG="}};
    for (const auto& c : cases) {
        SharedState s = test::stateFor(c.machine);
        Document doc(QStringLiteral("N000 G00\r\n\r\nN000 M01"), 10);
        FakeProcessDialog user;
        c.command(s, &doc.box, nullptr);
        const QString inserted = QString::fromLatin1(c.inserted);
        EXPECT_TRUE(user.messages.empty());
        EXPECT_EQ(doc.box.Text(), QStringLiteral("N000 G00\r\n") + inserted + QStringLiteral("\r\nN000 M01"));
        EXPECT_EQ(doc.box.SelStart(), 10 + inserted.size());
        EXPECT_EQ(doc.changes, 1);
        EXPECT_EQ(s.gOutputText, inserted);
    }
}

TEST(NextRequest, NoDocumentIsError91) {
    SharedState s;
    FakeProcessDialog user;
    ProcessMT1_Click(s, nullptr, nullptr);
    ProcessMT3_Click(s, nullptr, nullptr);
    ASSERT_EQ(user.messages.size(), 2u);
    for (const auto& m : user.messages)
        EXPECT_EQ(m.title, QStringLiteral("Error 91"));
}

}  // namespace
