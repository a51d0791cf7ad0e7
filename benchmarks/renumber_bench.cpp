// Renumbering the generated 20 MB program with the window's defaults, from OK until the
// text is back in the document (one undo step), on an eighth, a quarter, a half and the
// whole program, beside GNU sed doing the nearest one-line job on the same file:
//     sed -E 's/^N[0-9]* */N001 /'
// The growth fit (BigO) shows whether the run stays linear; the ratio to sed is printed
// at the end for every size.

#include "app/frmDocument.h"
#include "app/frmMain.h"
#include "app/text_tools/frmNumberArrange.h"
#include "common/shared_state.h"
#include "benchmarks/bench_support.h"
#include "benchmarks/generated_program.h"
#include "platform/key_locks.h"
#include "platform/program_file.h"
#include "platform/rich_text_box.h"
#include "platform/settings_store.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

using namespace quillmar;
using namespace quillmar::bench;

namespace {


// The program's main window with one document, as a user has it.
struct Editor {
    SettingsStore settings{folder().filePath(QStringLiteral("Quillmar.ini"))};
    SharedState state;
    InProcessKeyLocks keys;
    frmMain main{state, settings, keys};
    frmDocument* document = nullptr;

    Editor() {
        main.MDIForm_Load(QString());
        main.mnuFileNew_Click();
        document = main.activeDocument();
    }
};

void BM_Renumber(benchmark::State& state) {
    const Program& p = program(int(state.range(0)));
    Editor editor;
    for (auto _ : state) {
        state.PauseTiming();
        editor.document->txtText->load(p.text, TextEncoding::Utf8);
        editor.main.runCommand(QStringLiteral("mnuToolsNumberArrange"));
        auto* window = static_cast<frmNumberArrange*>(editor.main.toolWindow(QStringLiteral("frmNumberArrange")));
        state.ResumeTiming();
        window->Command1->click();
        state.PauseTiming();
        if (!editor.document->txtText->Text().startsWith(QStringLiteral("O1000\r\nN001 ")))
            state.SkipWithError("not renumbered");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
    state.SetComplexityN(state.range(0));
}

void BM_Sed(benchmark::State& state) {
    runSed(state, "-E 's/^N[0-9]* */N001 /'", program(int(state.range(0))).path);
}


}  // namespace

QUILLMAR_AT_EVERY_SIZE(BM_Renumber, 3);
QUILLMAR_AT_EVERY_SIZE(BM_Sed, 3);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return runAgainstSed(argc, argv, 3, "Renumbering against GNU sed (real time, OK to text written back):",
                         {{"BM_Renumber", "BM_Sed"}});
}
