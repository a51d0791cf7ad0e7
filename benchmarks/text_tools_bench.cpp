// Timings of Replace's and Size shift's All change on the generated program, from the
// press of the button to the text written back into the document (one undo step, its
// recording included), on an eighth, a quarter, a half and the whole program, beside
// GNU sed doing the same substitution on the same file:
//   Replace G01 -> G1          against  sed 's/G01/G1/g'
//   Size shift X +1            against  sed -E 's/X-?[0-9.]+/X1/g'
// The growth fit (BigO, RMS) shows whether a run stays linear; the ratio to sed is
// printed at the end for every size. Two runs have no sed beside them and show only their
// growth: Size shift over as many blanks as the program has characters, with the address
// " ", and one press of Replace's Change in the middle of a run (it rewrites the hit and
// clears the highlights without writing the whole text).

#include "benchmarks/bench_support.h"
#include "benchmarks/generated_program.h"
#include "common/shared_state.h"
#include "app/frmMain.h"
#include "app/text_tools/frmReplace.h"
#include "app/text_tools/frmSizeShift.h"
#include "app/text_tools/size_shift.h"
#include "platform/key_locks.h"
#include "platform/modal.h"
#include "platform/program_file.h"
#include "platform/rich_text_box.h"
#include "platform/settings_store.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>

using namespace quillmar;
using namespace quillmar::bench;

namespace {


// One main window with one document, as the user has it; every message box says OK.
struct Editor {
    QTemporaryDir dir;
    SettingsStore settings{dir.filePath(QStringLiteral("Quillmar.ini"))};
    SharedState state;
    InProcessKeyLocks keys;
    frmMain main{state, settings, keys};
    modal::Responder answers;
    RichTextBox* text = nullptr;
    frmReplace* replace = nullptr;
    frmSizeShift* sizeShift = nullptr;

    Editor() {
        answers.message = [](const modal::MessageRequest&) { return modal::kOk; };
        modal::setResponder(&answers);
        main.MDIForm_Load(QString());
        main.mnuFileNew_Click();
        text = main.activeText();
        main.runCommand(QStringLiteral("mnuSearchReplace"));
        replace = qobject_cast<frmReplace*>(main.toolWindow(QStringLiteral("frmReplace")));
        replace->txtFind->setText(QStringLiteral("G01"));
        replace->txtReplace->setText(QStringLiteral("G1"));
        main.runCommand(QStringLiteral("mnuToolsSizeShift"));
        sizeShift = qobject_cast<frmSizeShift*>(main.toolWindow(QStringLiteral("frmSizeShift")));
        sizeShift->txtFind->setText(QStringLiteral("X"));
        sizeShift->txtValue->setText(QStringLiteral("+1"));
    }
    ~Editor() {
        text->setModified(false);
        modal::setResponder(nullptr);
    }
};

Editor& editor() {
    static Editor* e = new Editor;
    return *e;
}

void pressAllChange(benchmark::State& state, QPushButton* allChange, QCheckBox* fromTop) {
    const Program& p = program(int(state.range(0)));
    Editor& e = editor();
    for (auto _ : state) {
        state.PauseTiming();
        e.text->setText(p.text);
        fromTop->setChecked(true);
        state.ResumeTiming();
        allChange->click();
    }
    state.SetComplexityN(state.range(0));
    state.counters["MB"] = double(p.bytes) / 1e6;
}

void BM_ReplaceAllChange(benchmark::State& state) {
    pressAllChange(state, editor().replace->AllChange, editor().replace->Check1);
}

void BM_SizeShiftAllChange(benchmark::State& state) {
    pressAllChange(state, editor().sizeShift->AllChange, editor().sizeShift->Check1);
}


// Every blank is an address with no number after it.
void BM_SizeShiftBlankRun(benchmark::State& state) {
    const QString blanks(program(int(state.range(0))).text.size(), u' ');
    const SizeShiftOptions options{QStringLiteral(" "), parseCalculation(u"+1"), 0};
    for (auto _ : state)
        benchmark::DoNotOptimize(shiftAll(blanks, options));
    state.SetComplexityN(state.range(0));
}

// The third press: the first found a hit, the second replaced it and found the next.
void BM_ReplaceChangePress(benchmark::State& state) {
    const Program& p = program(int(state.range(0)));
    Editor& e = editor();
    for (auto _ : state) {
        state.PauseTiming();
        e.text->setText(p.text);
        e.replace->Check1->setChecked(true);
        e.replace->Change->click();
        e.replace->Change->click();
        state.ResumeTiming();
        e.replace->Change->click();
    }
    state.SetComplexityN(state.range(0));
}

void BM_SedReplace(benchmark::State& state) { runSed(state, "'s/G01/G1/g'", program(int(state.range(0))).path); }
void BM_SedSizeShift(benchmark::State& state) {
    runSed(state, "-E 's/X-?[0-9.]+/X1/g'", program(int(state.range(0))).path);
}


}  // namespace

QUILLMAR_AT_EVERY_SIZE(BM_ReplaceAllChange, 5);
QUILLMAR_AT_EVERY_SIZE(BM_SedReplace, 5);
QUILLMAR_AT_EVERY_SIZE(BM_SizeShiftAllChange, 5);
QUILLMAR_AT_EVERY_SIZE(BM_SedSizeShift, 5);
QUILLMAR_AT_EVERY_SIZE(BM_SizeShiftBlankRun, 5);
QUILLMAR_AT_EVERY_SIZE(BM_ReplaceChangePress, 5);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::printf("program: %d lines, %lld bytes\n", kFullLines, static_cast<long long>(program(kFullLines).bytes));
    return runAgainstSed(argc, argv, 5, "All change against GNU sed (real time, press to text written back):",
                         {{"BM_ReplaceAllChange", "BM_SedReplace"}, {"BM_SizeShiftAllChange", "BM_SedSizeShift"}});
}
