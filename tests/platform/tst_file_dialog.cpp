// The real file dialog of the modal seam, read from inside its own loop and cancelled.
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "platform/modal.h"

using namespace quillmar;

class FileDialogTest : public QObject {
    Q_OBJECT

private slots:
    void aFolderThatDoesNotExistIsNoFileName() {
        QTemporaryDir dir;
        QString name = QStringLiteral("<no dialog>"), folder;
        QTimer::singleShot(0, [&] {
            if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
                folder = dialog->directory().absolutePath();
                dialog->reject();
            }
        });
        modal::FileRequest request;
        request.directory = dir.filePath(QStringLiteral("Program"));
        QVERIFY(!modal::fileDialog(nullptr, request));
        QCOMPARE(name, QString());
        QCOMPARE(folder, dir.path());
    }
};

QTEST_MAIN(FileDialogTest)
#include "tst_file_dialog.moc"
