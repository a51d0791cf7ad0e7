#pragma once

// The main window as the window tests drive it: a fresh settings file, the shared state,
// the key locks, a scripted responder for its prompts, and a folder for the files a test
// opens and saves.

#include <QAction>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <csignal>
#include <memory>
#include <sys/resource.h>

#include "app/frmDocument.h"
#include "app/frmMain.h"
#include "app/menu_tree.h"
#include "common/shared_state.h"
#include "platform/key_locks.h"
#include "platform/rich_text_box.h"
#include "platform/settings_store.h"
#include "support/test_support.h"

namespace quillmar::test {

inline QByteArray readBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

inline bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// The pages of a PDF file as written: its page objects, not the page tree above them.
inline qsizetype pdfPageCount(const QString& path) {
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![A-Za-z])"));
    return QString::fromLatin1(readBytes(path)).count(page);
}

// Files written while this lives can grow to `bytes` only, as on a disk that is full: a
// write beyond that fails with the system's reason instead of ending the process.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : previous_(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit small = saved_;
        small.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*previous_)(int);
};

struct MainWindowFixture {
    TempSettings temp;
    QTemporaryDir files;
    SettingsStore settings{temp.path()};
    SharedState state;
    InProcessKeyLocks keys;
    ScriptedResponder answers;
    std::unique_ptr<frmMain> window;

    // Builds and loads the window; a test that stores settings first calls this after.
    frmMain& start(bool show = true, const FileName& commandLineFile = FileName()) {
        window = std::make_unique<frmMain>(state, settings, keys);
        window->MDIForm_Load(commandLineFile);
        if (show)
            window->show();
        return *window;
    }
    frmMain& w() { return *window; }
    QAction* item(const char* name, int index = -1) { return window->menus().action(QString::fromLatin1(name), index); }
    void choose(const char* name, int index = -1) { item(name, index)->trigger(); }
    QString file(const QString& name) const { return files.filePath(name); }
    frmDocument* active() { return window->activeDocument(); }
    // A new document holding the text, the caret at its start.
    RichTextBox* newDocument(const QString& text = QString()) {
        window->mnuFileNew_Click();
        RichTextBox* t = window->activeText();
        t->setText(text);
        t->setSelStart(0);
        return t;
    }
    // Its window; an empty one is left unmodified.
    frmDocument* newWindow(const QString& text = QString()) {
        return text.isEmpty() ? (window->mnuFileNew_Click(), active()) : (newDocument(text), active());
    }
    frmDocument* open(const QString& path) {
        answers.answerFile(path);
        window->mnuFileOpen_Click();
        return active();
    }
    // The last message shown, answered OK (empty when the call showed none).
    QString messageOf(const std::function<void()>& act) {
        const size_t before = answers.messages.size();
        answers.answerMessage(modal::kOk);
        act();
        if (answers.messages.size() == before) {
            answers.messageAnswers.clear();
            return QString();
        }
        return answers.messages.back().text;
    }
};

}  // namespace quillmar::test
