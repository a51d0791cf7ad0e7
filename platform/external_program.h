#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

class QProcess;

namespace quillmar {

// An outside program the application starts (the calculator, the help viewer). The
// program and its arguments go to the system as they are, never through a shell, so a
// path with blanks stays one argument. Each start runs another instance; only instances
// this object started are ever closed by it: another program's window title is no proof
// of whose it is.
class ExternalProgram : public QObject {
    Q_OBJECT
public:
    explicit ExternalProgram(QObject* parent = nullptr);
    ~ExternalProgram() override;

    // Starts one more instance; on failure returns false, `error` holds the system's
    // description and `missing` says whether the program itself was not there (a path
    // naming no file, or a bare name found nowhere on the search path).
    bool start(const QString& program, const QStringList& arguments, QString* error, bool* missing = nullptr);
    bool isRunning() const;
    int runningCount() const;
    // Asks every instance still running to close (as a window's close request would),
    // then waits briefly for each.
    void close();

signals:
    // An instance ended by itself with this exit status; nobody waits for it. The
    // arguments it was started with tell which of several instances it was.
    void exited(int status, const QStringList& arguments);

private:
    QList<QPointer<QProcess>> processes_;
};

}  // namespace quillmar
