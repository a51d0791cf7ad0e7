#include "platform/external_program.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace quillmar {

ExternalProgram::ExternalProgram(QObject* parent) : QObject(parent) {}

ExternalProgram::~ExternalProgram() { close(); }

namespace {

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
    if (!process->waitForStarted(5000)) {
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
            emit exited(status);
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
        if (!process->waitForFinished(2000)) {
            process->kill();
            process->waitForFinished(1000);
        }
    }
    processes_.clear();
    for (const QPointer<QProcess>& process : running)
        delete process.data();
}

}  // namespace quillmar
