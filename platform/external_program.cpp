#include "platform/external_program.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace quillmar {

ExternalProgram::ExternalProgram(QObject* parent) : QObject(parent) {}

ExternalProgram::~ExternalProgram() { close(); }

namespace {

// How long a program may take to start, and to end when asked to, before it is given up
// on or killed; then how long its killing may take.
constexpr int kStartTimeoutMs = 5000;
constexpr int kTerminateTimeoutMs = 2000;
constexpr int kKillTimeoutMs = 1000;

bool isThere(const QString& program) {
    return program.contains(QLatin1Char('/')) ? QFileInfo::exists(program)
                                              : !QStandardPaths::findExecutable(program).isEmpty();
}

}  // namespace

bool ExternalProgram::start(const QString& program, const QStringList& arguments, QString* error, bool* missing) {
    auto* process = new QProcess(this);
    process->setProgram(program);
    process->setArguments(arguments);
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->start();
    if (!process->waitForStarted(kStartTimeoutMs)) {
        if (error)
            *error = process->errorString();
        if (missing)
            *missing = process->error() == QProcess::FailedToStart && !isThere(program);
        delete process;
        return false;
    }
    connect(process, &QProcess::finished, this, [this, process](int status, QProcess::ExitStatus how) {
        processes_.removeAll(process);
        process->deleteLater();
        if (how == QProcess::NormalExit)
            emit exited(status, process->arguments());
    });
    processes_.append(process);
    return true;
}

int ExternalProgram::runningCount() const {
    int n = 0;
    for (const QPointer<QProcess>& process : processes_)
        n += process && process->state() != QProcess::NotRunning;
    return n;
}

bool ExternalProgram::isRunning() const { return runningCount() > 0; }

void ExternalProgram::close() {
    const QList<QPointer<QProcess>> running = processes_;
    for (const QPointer<QProcess>& process : running) {
        if (!process || process->state() == QProcess::NotRunning)
            continue;
        // Closed by us: its end is no exit of its own to report.
        process->disconnect(this);
        process->terminate();
        if (!process->waitForFinished(kTerminateTimeoutMs)) {
            process->kill();
            process->waitForFinished(kKillTimeoutMs);
        }
    }
    processes_.clear();
    for (const QPointer<QProcess>& process : running)
        delete process.data();
}

}  // namespace quillmar
