// Timings of a large program document: reading the file, putting it into the text box,
// the first paint, Change color over the whole text, a hit highlight and position
// mapping at the far end, reading the text back and saving it.
//
// The program is generated: 859,000 lines, about 20 MB, mostly G-code words with a
// Japanese comment every 500 lines so that characters and bytes differ. The BM_Scale*
// benchmarks run the steps on an eighth, a quarter, a half and the whole program and fit
// the growth (BigO and RMS in the output): none may grow faster than the text, and a
// position at the end costs the same whatever the length.
//
// Before them it times the real path beside a bare program doing the same and prints the
// ratios: start-up and open + show + save + exit as whole processes (this program started
// again in a child mode) with their peak memory, keystrokes and undos inside one process,
// and every step again at 5, 10, 20 and 40 MB. QUILLMAR_PAIRS_ONLY=1 prints only those.

#include "benchmarks/generated_program.h"
#include "app/document_state.h"
#include "app/editing_rules.h"
#include "app/frmDocument.h"
#include "app/frmMain.h"
#include "app/quillmar_application.h"
#include "common/shared_state.h"
#include "platform/key_locks.h"
#include "platform/settings_store.h"
#include "platform/program_file.h"
#include "platform/rich_text_box.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <Qsci/qsciscintilla.h>

#include <algorithm>
#include <functional>
#include <vector>

#include <cstdio>
#include <fstream>
#include <map>
#include <memory>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>

extern char** environ;

using namespace quillmar;
using namespace quillmar::bench;

namespace {

struct Fixture {
    QTemporaryDir dir;
    QString path;
    QString pathOut;
    QByteArray bytes;
    QString text;
};

Fixture& fixture() {
    static Fixture* f = [] {
        auto* made = new Fixture;
        made->bytes = generateProgram(kFullLines);
        made->path = made->dir.filePath(QStringLiteral("big.min"));
        made->pathOut = made->dir.filePath(QStringLiteral("saved.min"));
        writeFileBytes(made->path, made->bytes);
        made->text = decodeProgram(made->bytes).text;
        return made;
    }();
    return *f;
}

std::unique_ptr<RichTextBox> loadedBox(const QString& text) {
    auto box = std::make_unique<RichTextBox>();
    box->resize(1000, 700);
    box->load(text, TextEncoding::Utf8);
    return box;
}

void setBytesCounter(benchmark::State& state, qsizetype bytes) {
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes));
    state.counters["MB"] = double(bytes) / 1e6;
}

void BM_ReadFile(benchmark::State& state) {
    Fixture& f = fixture();
    for (auto _ : state) {
        ProgramFileRead read = readProgramFile(f.path);
        benchmark::DoNotOptimize(read.text.data());
    }
    setBytesCounter(state, f.bytes.size());
}

void BM_Load(benchmark::State& state) {
    Fixture& f = fixture();
    RichTextBox box;
    for (auto _ : state) box.load(f.text, TextEncoding::Utf8);
    setBytesCounter(state, f.bytes.size());
}

void BM_LoadAndFirstPaint(benchmark::State& state) {
    Fixture& f = fixture();
    for (auto _ : state) {
        RichTextBox box;
        box.resize(1000, 700);
        box.load(f.text, TextEncoding::Utf8);
        benchmark::DoNotOptimize(box.grab());
    }
    setBytesCounter(state, f.bytes.size());
}

void BM_PaintAtEnd(benchmark::State& state) {
    Fixture& f = fixture();
    auto box = loadedBox(f.text);
    box->setSelStart(box->textLength());
    for (auto _ : state) benchmark::DoNotOptimize(box->grab());
}

// Change color as the command runs it: the whole text, its non-digit runs, one restyle.
void BM_ChangeColor(benchmark::State& state) {
    Fixture& f = fixture();
    auto box = loadedBox(f.text);
    for (auto _ : state) {
        const qint64 caret = box->SelStart();
        box->setColourOfRuns(nonDigitRuns(box->Text()), QColor(0, 0, 255));
        box->setSelStart(caret);
    }
    setBytesCounter(state, f.bytes.size());
}

void BM_SelStartAtEnd(benchmark::State& state) {
    Fixture& f = fixture();
    auto box = loadedBox(f.text);
    const qint64 end = box->textLength();
    qint64 sum = 0;
    for (auto _ : state) {
        box->select(end - 40, 30);
        sum += box->SelStart() + box->SelLength();
    }
    benchmark::DoNotOptimize(sum);
}

// The restyle alone, the runs found beforehand.
void BM_ColourRunsOnly(benchmark::State& state) {
    Fixture& f = fixture();
    auto box = loadedBox(f.text);
    const QList<std::pair<qint64, qint64>> runs = nonDigitRuns(f.text);
    for (auto _ : state) box->setColourOfRuns(runs, QColor(0, 0, 255));
    state.counters["runs"] = double(runs.size());
}

// A find hit near the end: select, red and bold, then reset.
void BM_HitHighlightAtEnd(benchmark::State& state) {
    Fixture& f = fixture();
    auto box = loadedBox(f.text);
    const qint64 end = box->textLength();
    for (auto _ : state) {
        box->select(end - 40, 5);
        box->setSelColor(QColor(255, 0, 0));
        box->setSelBold(true);
        box->setSelColor(QColor(0, 0, 0));
        box->setSelBold(false);
    }
}

// A typed key at the top of the big text, with the change report it raises.
void BM_TypeAtStart(benchmark::State& state) {
    Fixture& f = fixture();
    auto box = loadedBox(f.text);
    qint64 reported = 0;
    QObject::connect(box.get(), &RichTextBox::contentChanged,
                     [&](const TextChange& change) { reported += change.insertedLength; });
    for (auto _ : state) {
        box->setSelStart(0);
        box->setSelText(QStringLiteral("X"));
        box->select(0, 1);
        box->setSelText(QString());
    }
    benchmark::DoNotOptimize(reported);
}

void BM_Text(benchmark::State& state) {
    Fixture& f = fixture();
    auto box = loadedBox(f.text);
    for (auto _ : state) {
        QString text = box->Text();
        benchmark::DoNotOptimize(text.data());
    }
    setBytesCounter(state, f.bytes.size());
}

void BM_Save(benchmark::State& state) {
    Fixture& f = fixture();
    auto box = loadedBox(f.text);
    for (auto _ : state) {
        const ProgramFileWrite written = writeProgramFile(f.pathOut, box->Text(), box->encoding());
        if (!written.ok) state.SkipWithError("save failed");
    }
    setBytesCounter(state, f.bytes.size());
}

// The same steps on programs of state.range(0) lines, for the growth fit of each.
struct Sized {
    QByteArray bytes;
    QString text;
    QString path;
};

const Sized& sized(int lines) {
    static std::map<int, Sized> made;
    auto found = made.find(lines);
    if (found == made.end()) {
        Sized s;
        s.bytes = generateProgram(lines);
        s.text = decodeProgram(s.bytes).text;
        s.path = fixture().dir.filePath(QStringLiteral("sized-%1.min").arg(lines));
        writeFileBytes(s.path, s.bytes);
        found = made.emplace(lines, std::move(s)).first;
    }
    return found->second;
}

void BM_ScaleRead(benchmark::State& state) {
    const Sized& s = sized(int(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(readProgramFile(s.path).text.data());
    state.SetComplexityN(state.range(0));
}

void BM_ScaleLoad(benchmark::State& state) {
    const Sized& s = sized(int(state.range(0)));
    RichTextBox box;
    for (auto _ : state) box.load(s.text, TextEncoding::Utf8);
    state.SetComplexityN(state.range(0));
}

void BM_ScaleChangeColor(benchmark::State& state) {
    const Sized& s = sized(int(state.range(0)));
    auto box = loadedBox(s.text);
    for (auto _ : state) box->setColourOfRuns(nonDigitRuns(box->Text()), QColor(0, 0, 255));
    state.SetComplexityN(state.range(0));
}

void BM_ScaleSelStartAtEnd(benchmark::State& state) {
    const Sized& s = sized(int(state.range(0)));
    auto box = loadedBox(s.text);
    const qint64 end = box->textLength();
    qint64 sum = 0;
    for (auto _ : state) {
        box->select(end - 40, 30);
        sum += box->SelStart();
    }
    benchmark::DoNotOptimize(sum);
    state.SetComplexityN(state.range(0));
}

void BM_ScaleSave(benchmark::State& state) {
    const Sized& s = sized(int(state.range(0)));
    auto box = loadedBox(s.text);
    for (auto _ : state) writeProgramFile(fixture().pathOut, box->Text(), box->encoding());
    state.SetComplexityN(state.range(0));
}

// --- the real path beside a bare editor ----------------------------------------------
//
// Each pair runs the same action through Quillmar's document window (frmMain, frmDocument,
// the undo ring) and on a bare QScintilla editor holding the same text, alternately, and
// prints the medians and their ratio.

double residentMiB();

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

void idle() { QCoreApplication::processEvents(); }

void pressKey(QWidget* target, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
}

double msSince(const QElapsedTimer& t) { return double(t.nsecsElapsed()) / 1e6; }

struct App {
    QTemporaryDir dir;
    SettingsStore settings{dir.filePath(QStringLiteral("q.ini"))};
    SharedState state;
    InProcessKeyLocks keys;
    std::unique_ptr<frmMain> window;
    frmDocument* doc = nullptr;

    void start() {
        window = std::make_unique<frmMain>(state, settings, keys);
        window->MDIForm_Load(QString());
        window->resize(1200, 900);
        window->show();
        idle();
    }
    void open(const QString& path) {
        doc = window->OpenDocumentFile(path);
        idle();
    }
    void end() {
        if (doc) doc->txtText->setModified(false);
        window->close();
        window.reset();
        idle();
    }
};

struct Bare {
    std::unique_ptr<QsciScintilla> editor;
    void open(const QString& path) {
        editor = std::make_unique<QsciScintilla>();
        editor->resize(1200, 900);
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        const QByteArray bytes = file.readAll();
        editor->setUtf8(true);
        editor->SendScintilla(QsciScintillaBase::SCI_APPENDTEXT, uintptr_t(bytes.size()), bytes.constData());
        editor->show();
        idle();
    }
    void save(const QString& path) {
        const auto* data = static_cast<const char*>(
            editor->SendScintillaPtrResult(QsciScintillaBase::SCI_GETCHARACTERPOINTER));
        writeFileBytes(path, QByteArrayView(data, editor->SendScintilla(QsciScintillaBase::SCI_GETLENGTH)));
    }
    void caretAtEnd() { editor->SendScintilla(QsciScintillaBase::SCI_DOCUMENTEND); }
};


// --- whole processes ---------------------------------------------------------------
//
// Start-up and open + show + save + exit are timed as a user meets them: this program is
// started again in a child mode, timed from the spawn to its exit, and the child's peak
// memory is read from its resource use. Both sides run the same binary, so loading it
// costs them the same.

struct ProcessRun {
    double ms = 0;
    double peakMiB = 0;
};

// The child's own peak, VmHWM of its address space: the resource use that wait4 reports
// would carry the parent's peak over the spawn.
double peakOfThisProcessMiB() {
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word) {
        if (word == "VmHWM:") {
            double kib = 0;
            status >> kib;
            return kib / 1024;
        }
    }
    return 0;
}

QString& peakFile() {
    static QString path = fixture().dir.filePath(QStringLiteral("child-peak"));
    return path;
}

ProcessRun runChild(const std::vector<std::string>& args) {
    const std::string self = QCoreApplication::applicationFilePath().toStdString();
    std::vector<std::string> words{self, "--child", peakFile().toStdString()};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    QElapsedTimer t;
    t.start();
    pid_t pid = 0;
    if (posix_spawn(&pid, self.c_str(), nullptr, nullptr, argv.data(), environ) != 0) return {};
    int status = 0;
    waitpid(pid, &status, 0);
    const double ms = msSince(t);
    std::ifstream peak(peakFile().toStdString());
    double mib = 0;
    peak >> mib;
    return {ms, mib};
}

// What a child does: the bare side or ours, starting only or opening, saving and exiting.
// A start-up child leaves as soon as its window is painted: closing is not start-up.
int childWork(int argc, char** argv, const char* peakPath) {
    const auto leave = [peakPath] {
        std::ofstream(peakPath) << peakOfThisProcessMiB() << std::flush;
        std::_Exit(0);
    };
    QuillmarApplication application(argc, argv);
    const std::string mode = argv[1];
    if (mode == "bare-start" || mode == "text-start") {
        QMainWindow plain;
        if (mode == "text-start") {
            // The least window that shows text: one menu title and the status bar's
            // Japanese hint. Loading the fonts is a cost no window with text escapes.
            plain.menuBar()->addMenu(QStringLiteral("&File"));
            plain.statusBar()->showMessage(QString::fromUtf8("ここをクリックしても切り替えが出来ます。―→"));
        }
        plain.resize(1200, 900);
        plain.show();
        idle();
        leave();
    } else if (mode == "start") {
        App app;
        app.start();
        leave();
    } else if (mode == "bare-open" && argc > 3) {
        Bare b;
        b.open(QString::fromLocal8Bit(argv[2]));
        b.save(QString::fromLocal8Bit(argv[3]));
    } else if (mode == "open" && argc > 3) {
        App app;
        app.start();
        app.open(QString::fromLocal8Bit(argv[2]));
        app.window->SaveDocument(*app.doc, QString::fromLocal8Bit(argv[3]));
        app.end();
    } else {
        return 2;
    }
    return 0;
}

// argv: this program, "--child", the file for the peak, then the child's mode and files.
int childMain(int argc, char** argv) {
    int childArgc = argc - 2;
    const int done = childWork(childArgc, argv + 2, argv[2]);
    std::ofstream(argv[2]) << peakOfThisProcessMiB();
    return done;
}

struct PairMedians {
    double ours = 0;
    double bare = 0;
    double oursPeak = 0;
    double barePeak = 0;
};

PairMedians processPairs(int runs, const std::vector<std::string>& ours, const std::vector<std::string>& bare) {
    std::vector<double> oursMs, bareMs, oursPeak, barePeak;
    for (int i = 0; i < runs; ++i) {
        const ProcessRun b = runChild(bare);
        const ProcessRun o = runChild(ours);
        bareMs.push_back(b.ms);
        barePeak.push_back(b.peakMiB);
        oursMs.push_back(o.ms);
        oursPeak.push_back(o.peakMiB);
    }
    return {median(oursMs), median(bareMs), median(oursPeak), median(barePeak)};
}

// A keystroke at the end of the program of `path` and its undo, through the document
// window and on the bare editor, with the first keystroke after opening on its own.
struct KeyMedians {
    double first = 0;
    double key = 0;
    double undo = 0;
    double bareKey = 0;
    double bareUndo = 0;
};

KeyMedians keystrokesAtEnd(const QString& path, int runs, bool autoNumber) {
    KeyMedians m;
    std::vector<double> ours, bare, oursUndo, bareUndo;
    App app;
    app.start();
    app.open(path);
    app.state.gAutoNumber = autoNumber;
    RichTextBox* text = app.doc->txtText;
    text->setFocus();
    Bare b;
    b.open(path);
    b.caretAtEnd();
    for (int i = 0; i <= runs; ++i) {
        text->setSelStart(text->textLength());
        idle();
        QElapsedTimer t;
        t.start();
        pressKey(text, Qt::Key_X, QStringLiteral("X"));
        idle();
        if (i == 0) m.first = msSince(t);
        else ours.push_back(msSince(t));
        t.restart();
        app.window->mnuEditUndo_Click();
        idle();
        oursUndo.push_back(msSince(t));
        t.restart();
        pressKey(b.editor.get(), Qt::Key_X, QStringLiteral("X"));
        idle();
        bare.push_back(msSince(t));
        t.restart();
        b.editor->undo();
        idle();
        bareUndo.push_back(msSince(t));
    }
    app.end();
    m.key = median(ours);
    m.undo = median(oursUndo);
    m.bareKey = median(bare);
    m.bareUndo = median(bareUndo);
    return m;
}

void report(const char* what, double ours, double bare, const char* unit = "ms") {
    std::printf("%-44s quillmar %9.3f %s   bare %9.3f %s   ratio %5.2f\n", what, ours, unit, bare, unit,
                bare > 0 ? ours / bare : 0.0);
    std::fflush(stdout);
}

void report(const char* what, const std::vector<double>& ours, const std::vector<double>& bare, const char* unit = "ms") {
    report(what, median(ours), median(bare), unit);
}

void comparePairs(int runs) {
    Fixture& f = fixture();
    std::printf("\n-- whole processes beside a bare QMainWindow or QScintilla program (medians of %d) --\n", runs);
    const PairMedians start = processPairs(runs, {"start"}, {"bare-start"});
    report("start-up to the painted main window", start.ours, start.bare);
    report("  its peak memory", start.oursPeak, start.barePeak, "MiB");
    const PairMedians withText = processPairs(runs, {"text-start"}, {"bare-start"});
    report("  a bare window showing text", withText.ours, withText.bare);
    report("  ours beside the bare window showing text", start.ours, withText.ours);
    const std::string in = f.path.toStdString();
    const std::string out = f.pathOut.toStdString();
    const PairMedians open = processPairs(runs, {"open", in, out}, {"bare-open", in, out});
    report("open + show + save + exit (20 MB)", open.ours, open.bare);
    report("  its peak memory", open.oursPeak, open.barePeak, "MiB");

    std::printf("\n-- inside one process (medians of %d) --\n", runs);
    {
        std::vector<double> ours, bare;
        for (int i = 0; i < runs; ++i) {
            QElapsedTimer t;
            t.start();
            QMainWindow plain;
            plain.resize(1200, 900);
            plain.show();
            idle();
            bare.push_back(msSince(t));
            t.restart();
            App app;
            app.start();
            ours.push_back(msSince(t));
            app.end();
        }
        report("main window built and painted", ours, bare);
    }
    {
        // The text box alone on the byte path (read without decoding, load, save the
        // editor's bytes) beside the bare editor.
        std::vector<double> ours, bare;
        for (int i = 0; i < runs; ++i) {
            QElapsedTimer t;
            t.start();
            {
                Bare b;
                b.open(f.path);
                b.save(f.pathOut);
            }
            idle();
            bare.push_back(msSince(t));
            t.restart();
            {
                RichTextBox box;
                box.resize(1200, 900);
                const ProgramFileRead read = readProgramFile(f.path, ReadAs::Bytes);
                box.load(read);
                box.show();
                idle();
                box.saveTo(f.pathOut, box.encoding());
            }
            idle();
            ours.push_back(msSince(t));
        }
        report("text box on the byte path: open + save", ours, bare);
    }
    for (const bool autoNumber : {false, true}) {
        const KeyMedians m = keystrokesAtEnd(f.path, runs, autoNumber);
        if (!autoNumber)
            std::printf("%-44s quillmar %9.3f ms\n", "first keystroke at the end after opening", m.first);
        report(autoNumber ? "keystroke at the end, automatic numbering" : "keystroke at the end", m.key, m.bareKey);
        report(autoNumber ? "its undo, automatic numbering" : "its undo", m.undo, m.bareUndo);
    }
    {
        App app;
        app.start();
        app.open(f.path);
        RichTextBox* text = app.doc->txtText;
        text->setFocus();
        Bare b;
        b.open(f.path);
        std::vector<double> ours, bare;
        for (int i = 0; i < runs; ++i) {
            text->setSelStart(0);
            QElapsedTimer t;
            t.start();
            pressKey(text, Qt::Key_X, QStringLiteral("X"));
            idle();
            ours.push_back(msSince(t));
            app.window->mnuEditUndo_Click();
            b.editor->SendScintilla(QsciScintillaBase::SCI_DOCUMENTSTART);
            t.restart();
            pressKey(b.editor.get(), Qt::Key_X, QStringLiteral("X"));
            idle();
            bare.push_back(msSince(t));
            b.editor->undo();
        }
        report("keystroke at the start", ours, bare);
        app.end();
    }
    {
        App app;
        app.start();
        app.open(f.path);
        RichTextBox* text = app.doc->txtText;
        Bare b;
        b.open(f.path);
        b.caretAtEnd();
        idle();
        const double before = residentMiB();
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < 10; ++i) {
            text->setSelStart(text->textLength());
            pressKey(text, Qt::Key_X, QStringLiteral("X"));
            idle();
        }
        const double typed = msSince(t);
        const double grown = residentMiB() - before;
        t.restart();
        for (int i = 0; i < 10; ++i) {
            app.window->mnuEditUndo_Click();
            idle();
        }
        const double undone = msSince(t);
        t.restart();
        for (int i = 0; i < 10; ++i) {
            pressKey(b.editor.get(), Qt::Key_X, QStringLiteral("X"));
            idle();
        }
        const double bareTyped = msSince(t);
        const double bareGrown = residentMiB() - before - grown;
        t.restart();
        for (int i = 0; i < 10; ++i) {
            b.editor->undo();
            idle();
        }
        const double bareUndone = msSince(t);
        report("ten edits at the end", typed, bareTyped);
        report("ten undos", undone, bareUndone);
        std::printf("ten edits: process grew %.2f MiB (bare editor %.2f MiB); the ring holds %lld characters\n", grown,
                    bareGrown, static_cast<long long>(app.window->documents().undo.heldCharacters(app.doc->DocIndex)));
        app.end();
    }
}

// Every step at 5, 10, 20 and 40 MB, each size's time over the half size's beside it.
void compareSizes(int runs) {
    std::printf("\n-- from 5 to 40 MB (medians of %d; x: over the half size) --\n", runs);
    std::printf("%6s  %-24s %-24s %-18s %-18s %-18s\n", "MB", "open+show+save+exit ms", "bare ms", "peak MiB/bare",
                "first key ms", "key/undo ms");
    PairMedians last;
    KeyMedians lastKeys;
    for (const int lines : {kFullLines / 4, kFullLines / 2, kFullLines, kFullLines * 2}) {
        const Sized& s = sized(lines);
        const std::string in = s.path.toStdString();
        const std::string out = fixture().pathOut.toStdString();
        const PairMedians open = processPairs(runs, {"open", in, out}, {"bare-open", in, out});
        const KeyMedians keys = keystrokesAtEnd(s.path, runs, false);
        const auto over = [](double now, double before) { return before > 0 ? now / before : 0.0; };
        std::printf("%6.1f  %8.1f (x%4.2f)          %8.1f (x%4.2f)          %5.0f/%-5.0f (%4.2f)  %6.2f (x%4.2f)    %5.2f/%-5.2f\n",
                    double(s.bytes.size()) / 1e6, open.ours, over(open.ours, last.ours), open.bare,
                    over(open.bare, last.bare), open.oursPeak, open.barePeak, over(open.oursPeak, open.barePeak),
                    keys.first, over(keys.first, lastKeys.first), keys.key, keys.undo);
        std::fflush(stdout);
        last = open;
        lastKeys = keys;
    }
}

double residentMiB() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return double(resident) * 4096 / (1024 * 1024);
}


}  // namespace

BENCHMARK(BM_ReadFile)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_LoadAndFirstPaint)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_PaintAtEnd)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChangeColor)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ColourRunsOnly)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SelStartAtEnd)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HitHighlightAtEnd)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TypeAtStart)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Text)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond)->Iterations(5);
#define SCALED(name)                                                                           \
    BENCHMARK(name)                                                                             \
        ->Arg(kFullLines / 8)                                                                   \
        ->Arg(kFullLines / 4)                                                                   \
        ->Arg(kFullLines / 2)                                                                   \
        ->Arg(kFullLines)                                                                       \
        ->Unit(benchmark::kMillisecond)                                                         \
        ->Complexity(benchmark::oN)
SCALED(BM_ScaleRead)->Iterations(4);
SCALED(BM_ScaleLoad)->Iterations(4);
SCALED(BM_ScaleChangeColor)->Iterations(3);
SCALED(BM_ScaleSelStartAtEnd)->Unit(benchmark::kMicrosecond)->Complexity(benchmark::o1);
SCALED(BM_ScaleSave)->Iterations(4);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 2 && std::string(argv[1]) == "--child") return childMain(argc, argv);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    std::printf("program: %d lines, %lld bytes\n", kFullLines, static_cast<long long>(fixture().bytes.size()));
    {
        const double before = residentMiB();
        auto box = loadedBox(fixture().text);
        box->grab();
        std::printf("memory of one loaded and painted document: %.0f MiB\n", residentMiB() - before);
    }
    comparePairs(9);
    compareSizes(5);
    if (!qEnvironmentVariableIsSet("QUILLMAR_PAIRS_ONLY")) benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak resident memory: %ld MB\n", usage.ru_maxrss / 1024);
    return 0;
}
