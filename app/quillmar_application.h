#pragma once

#include <QApplication>
#include <QByteArray>
#include <QList>

namespace quillmar {

// The program's title: its name to the system, and the title of its own message boxes.
inline const QString kAppTitle = QStringLiteral("Quillmar");

// The application object. Every command reports its own failures; should one still escape
// an event handler, it is reported here instead of ending the program, so no open
// document is lost.
class QuillmarApplication : public QApplication {
public:
    QuillmarApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

    // The arguments as the system handed them over, less those the toolkit took for
    // itself: a file name among them need not be text.
    static QList<QByteArray> nativeArguments();
};

}  // namespace quillmar
