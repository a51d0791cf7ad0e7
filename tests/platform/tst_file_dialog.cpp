// The real file dialog of the modal seam, read from inside its own loop and cancelled.
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "platform/key_locks.h"
#include "platform/modal.h"

using namespace quillmar;

class FileDialogTest : public QObject {
    Q_OBJECT

private slots:
    // A folder that does not exist is no file name, and a typed name keeps its case.
    void theDialogStartsInAFolderWithNoNameAndCapsLockOff() {
        QTemporaryDir dir;
        InProcessKeyLocks keys;
        keys.set(kVkCapsLock, true);
        modal::setKeyboard(&keys);
        QString name = QStringLiteral("<no dialog>"), folder;
        bool capsLock = true;
        QTimer::singleShot(0, [&] {
            if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
                folder = dialog->directory().absolutePath();
                capsLock = keys.isOn(kVkCapsLock);
                dialog->reject();
            }
        });
        modal::FileRequest request;
        request.directory = dir.filePath(QStringLiteral("Program"));
        QVERIFY(!modal::fileDialog(nullptr, request));
        modal::setKeyboard(nullptr);
        QCOMPARE(name, QString());
        QCOMPARE(folder, dir.path());
        QVERIFY(!capsLock && keys.isOn(kVkCapsLock));
    }
};

QTEST_MAIN(FileDialogTest)
#include "tst_file_dialog.moc"
