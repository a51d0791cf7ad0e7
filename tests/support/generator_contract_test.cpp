#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "common/shared_state.h"
#include "cycles/fake_process_dialog.h"
#include "cycles/roughing.h"
#include "rotary/rotary_generators.h"
#include "support/documents.h"

// What every generator on the shared runner promises, whatever its cycle: no document is
// error 91 and a cutting-condition cell that is no number is error 13, both before the
// dialog comes up; Cancel, Escape and the close button change nothing; and a run that
// fails after the dialog leaves the shared state and the document as they were.

using namespace quillmar;
using test::Document;
using test::FakeProcessDialog;

namespace {

struct Registered {
    std::string name;
    std::function<ProcessGenerator()> make;
};

void PrintTo(const Registered& r, std::ostream* os) { *os << r.name; }

std::vector<Registered> registered() {
    std::vector<Registered> all = {{"RoughOD", roughOuterGenerator}, {"RoughID", roughInnerGenerator},
                                   {"RoughFace", roughFaceGenerator}, {"RoughFaceOD", roughFaceOuterGenerator}};
    for (const GeneratorEntry& entry : rotaryGenerators())
        all.push_back({entry.menu, entry.make});
    return all;
}

// A state with the generator's cutting-condition row (its spindle cell is read strictly) and values left by earlier runs.
SharedState primed(const ProcessGenerator& g, const char* spindle = "0") {
    SharedState s;
    test::fillRow(s, g.dialog.processNumber, {"n", "row", "1", spindle, "1", "300", "0.01", "0.1", "0.08", "0.25", "0.005", "0.02"});
    s.params.gToolNo = 99, s.params.gParamV = 5, s.params.gStartX = 7, s.params.gParamC = 0.5f;
    s.gOutputText = QStringLiteral("before"), s.gSpindleSpeed = 123, s.gLastShiftX = Single(4.5f);
    s.workShape.gMaterialOD = 3, s.workShape.gPZero = 0.1, s.workShape.gMaterialID = 1.0f;
    return s;
}

auto snapshot(const SharedState& s) {
    return std::tuple(s.params.gToolNo, s.params.gParamV, s.params.gStartX, s.params.gParamC.value(),
                      s.gOutputText.toStdString(), s.gSpindleSpeed, s.workShape.gMaterialOD, s.workShape.gPZero,
                      s.workShape.gMaterialID.value(), s.gLastShiftX ? s.gLastShiftX->value() : -1.0f);
}

void expectUnchanged(const SharedState& s, const Document& doc) {
    EXPECT_EQ(snapshot(s), snapshot(primed(ProcessGenerator{})));
    EXPECT_EQ(doc.box.Text(), QStringLiteral("text"));
    EXPECT_EQ(doc.changes, 0);
}

class GeneratorContract : public ::testing::TestWithParam<Registered> {};

TEST_P(GeneratorContract, RefusesBeforeTheDialog) {
    const ProcessGenerator g = GetParam().make();
    for (const char* cell : {"x", "no document"}) {
        SharedState s = primed(g, cell);
        Document doc(QStringLiteral("text"), 0);
        FakeProcessDialog user;
        const bool noDocument = QByteArray(cell) == "no document";
        runProcessGenerator(g, s, noDocument ? nullptr : &doc.box, nullptr);
        EXPECT_EQ(user.showings, 0) << cell;
        ASSERT_EQ(user.messages.size(), 1u) << cell;
        EXPECT_EQ(user.messages[0].title, noDocument ? QStringLiteral("Error 91") : QStringLiteral("Error 13"));
        EXPECT_EQ(user.messages[0].style, static_cast<int>(modal::kOkOnly) | modal::kExclamation);
        expectUnchanged(s, doc);
    }
}

TEST_P(GeneratorContract, ARunThatDoesNotCompleteChangesNothing) {
    const ProcessGenerator g = GetParam().make();
    for (auto leave : {FakeProcessDialog::Leave::Cancel, FakeProcessDialog::Leave::Escape,
                       FakeProcessDialog::Leave::CloseButton}) {
        SharedState s = primed(g);
        s.gDialogAccepted = true;  // left by an earlier dialog
        Document doc(QStringLiteral("text"), 2);
        FakeProcessDialog user;
        user.type("ToolNumber", "7").type("V", "900").type("C", "3").leaveBy(leave);
        runProcessGenerator(g, s, &doc.box, nullptr);
        EXPECT_TRUE(user.messages.empty());
        EXPECT_FALSE(s.gDialogAccepted);
        expectUnchanged(s, doc);
    }
    SharedState s = primed(g);
    Document doc(QStringLiteral("text"), 2);
    FakeProcessDialog user;
    // The spindle speed overflows once the dialog's values are taken.
    user.type("V", "1E306").type("C", "3").type("StartX", "2").type("EndZ", "-1");
    runProcessGenerator(g, s, &doc.box, nullptr);
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].title, QStringLiteral("Error 6"));
    expectUnchanged(s, doc);
}

INSTANTIATE_TEST_SUITE_P(Registered, GeneratorContract, ::testing::ValuesIn(registered()),
                         [](const ::testing::TestParamInfo<Registered>& info) { return info.param.name; });

}  // namespace
