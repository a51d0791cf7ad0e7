#pragma once

#include <QObject>
#include <QString>

#include "platform/external_program.h"

namespace quillmar {

// Hands a help file to the desktop's viewer: the viewer command with the file's path as
// its one argument. Nothing waits for the viewer. Whatever goes wrong is told through
// `failed` in words for someone who has just chosen a menu entry, always naming the help
// file: a file that is not there or cannot be read (the viewer is then not started at
// all), a viewer that is not installed or cannot start, or a viewer that ends reporting
// a failure.
class HelpViewer : public QObject {
    Q_OBJECT
public:
    explicit HelpViewer(QObject* parent = nullptr);

    // The viewer to start; the desktop's opener unless a test puts a stand-in here.
    void setViewer(const QString& command) { viewer_ = command; }
    const QString& viewer() const { return viewer_; }

    void show(const QString& path);

    // Why the file could not be shown, from the exit status the desktop opener's manual
    // gives for a failure; empty for a status it does not describe as one.
    QString failureReason(int status) const;

signals:
    void failed(const QString& description);

private:
    QString viewer_;
    ExternalProgram running_;
};

}  // namespace quillmar
