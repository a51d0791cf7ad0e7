#include "platform/help_viewer.h"

namespace quillmar {

HelpViewer::HelpViewer(QObject* parent) : QObject(parent), viewer_(QStringLiteral("xdg-open")) {
    connect(&running_, &ExternalProgram::exited, this, [this](int status) {
        const QString text = statusText(status);
        if (!text.isEmpty())
            emit failed(text);
    });
}

void HelpViewer::show(const QString& path) {
    QString error;
    bool missing = false;
    if (running_.start(viewer_, {path}, &error, &missing))
        return;
    if (missing)
        error = QStringLiteral("No program to show help files was found (%1). Install one, or open %2 yourself.")
                    .arg(viewer_, path);
    emit failed(error);
}

QString HelpViewer::statusText(int status) {
    switch (status) {
        case 1: return QStringLiteral("Error in command line syntax.");
        case 2: return QStringLiteral("One of the files passed on the command line did not exist.");
        case 3: return QStringLiteral("A required tool could not be found.");
        case 4: return QStringLiteral("The action failed.");
        default: return {};
    }
}

}  // namespace quillmar
