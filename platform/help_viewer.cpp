#include "platform/help_viewer.h"

#include <QFileInfo>

namespace quillmar {
namespace {

QString notShown(const QString& path, const QString& reason) {
    return QStringLiteral("The help file %1 could not be shown: %2").arg(path, reason);
}

}  // namespace

HelpViewer::HelpViewer(QObject* parent) : QObject(parent), viewer_(QStringLiteral("xdg-open")) {
    connect(&running_, &ExternalProgram::exited, this, [this](int status, const QStringList& arguments) {
        const QString reason = failureReason(status);
        if (!reason.isEmpty())
            emit failed(notShown(arguments.value(0), reason));
    });
}

void HelpViewer::show(const QString& path) {
    // The opener reports a missing file only by an exit status, and by then nobody knows
    // which file it was; checked here, the message can say so and name it.
    const QFileInfo file(path);
    const QString fullPath = file.absoluteFilePath();
    if (!file.isFile()) {
        emit failed(QStringLiteral("The help file %1 is missing.").arg(fullPath));
        return;
    }
    if (!file.isReadable()) {
        emit failed(QStringLiteral("The help file %1 cannot be read.").arg(fullPath));
        return;
    }
    QString error;
    bool missing = false;
    if (running_.start(viewer_, {fullPath}, &error, &missing))
        return;
    if (missing)
        emit failed(QStringLiteral("No program to show help files was found (%1). Install one, or open %2 yourself.")
                        .arg(viewer_, fullPath));
    else
        emit failed(
            notShown(fullPath, QStringLiteral("the viewer (%1) could not be started (%2).").arg(viewer_, error)));
}

QString HelpViewer::failureReason(int status) const {
    switch (status) {
        case 1: return QStringLiteral("the viewer (%1) did not understand how it was called.").arg(viewer_);
        case 2: return QStringLiteral("the viewer (%1) could not find the file.").arg(viewer_);
        case 3:
            return QStringLiteral("the viewer (%1) found no program installed that can show this kind of file.")
                .arg(viewer_);
        case 4: return QStringLiteral("the program the viewer (%1) chose to show it failed.").arg(viewer_);
        default: return {};
    }
}

}  // namespace quillmar
