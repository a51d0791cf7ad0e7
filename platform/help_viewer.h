#pragma once

#include <QObject>
#include <QString>

#include "platform/external_program.h"

namespace quillmar {

// Hands a help file to the desktop's viewer: the viewer command with the file's path as
// its one argument. Nothing waits for the viewer; a start that fails, or a viewer that
// ends reporting a failure, is told through `failed` with a description for the user
// (a missing viewer by its name, with the help file to open some other way).
class HelpViewer : public QObject {
    Q_OBJECT
public:
    explicit HelpViewer(QObject* parent = nullptr);

    // The viewer to start; the desktop's opener unless a test puts a stand-in here.
    void setViewer(const QString& command) { viewer_ = command; }
    const QString& viewer() const { return viewer_; }

    void show(const QString& path);

    // What the desktop opener's exit status means, as its manual gives it; empty for a
    // status it does not describe as a failure.
    static QString statusText(int status);

signals:
    void failed(const QString& description);

private:
    QString viewer_;
    ExternalProgram running_;
};

}  // namespace quillmar
