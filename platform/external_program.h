#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

class QProcess;

namespace quillmar {

// An outside program the application starts (the calculator, the help viewer). Only a
// program this object started is ever closed by it: another program's window title is
// no proof of whose it is.
class ExternalProgram : public QObject {
    Q_OBJECT
public:
    explicit ExternalProgram(QObject* parent = nullptr);
    ~ExternalProgram() override;

    // Starts the program; on failure returns false and `error` holds the system's description.
    bool start(const QString& program, const QStringList& arguments, QString* error);
    bool isRunning() const;
    // Asks the program to close (as a window's close request would), then waits briefly.
    void close();

private:
    QPointer<QProcess> process_;
};

}  // namespace quillmar
