#include "platform/external_program.h"

#include <QProcess>

namespace quillmar {

ExternalProgram::ExternalProgram(QObject* parent) : QObject(parent) {}

ExternalProgram::~ExternalProgram() { close(); }

bool ExternalProgram::start(const QString& program, const QStringList& arguments, QString* error) {
    if (isRunning())
        close();
    auto* process = new QProcess(this);
    process->setProgram(program);
    process->setArguments(arguments);
    process->start();
    if (!process->waitForStarted(5000)) {
        if (error)
            *error = process->errorString();
        delete process;
        return false;
    }
    process_ = process;
    return true;
}

bool ExternalProgram::isRunning() const { return process_ && process_->state() != QProcess::NotRunning; }

void ExternalProgram::close() {
    if (!isRunning())
        return;
    process_->terminate();
    if (!process_->waitForFinished(2000)) {
        process_->kill();
        process_->waitForFinished(1000);
    }
}

}  // namespace quillmar
