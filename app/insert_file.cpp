#include "app/insert_file.h"

#include <QFileInfo>
#include <QPointer>

#include "common/runtime_error.h"
#include "common/shared_state.h"
#include "app/quillmar_application.h"
#include "cycles/generator_runner.h"
#include "platform/modal.h"
#include "platform/program_file.h"
#include "platform/rich_text_box.h"

namespace quillmar {

InsertedFileRead readFileToInsert(const QString& path, QWidget* parent) {
    InsertedFileRead read = readInsertedFile(path, kInsertFileLimit);
    if (read.status == InsertedFileRead::Status::TooLarge)
        modal::msgBox(parent, QStringLiteral("このファイルはサイズが大きすぎるため開くことが出来ません。"),
                      modal::kOkOnly | modal::kNoIcon, kAppTitle);
    return read;
}

void showUnreadableFile(QWidget* parent, const QString& path, const QString& reason) {
    modal::msgBox(parent, path + QStringLiteral("\r\n") + reason, modal::kOkOnly | modal::kExclamation, kAppTitle);
}

void mnuInsertFile_Click(SharedState& state, RichTextBox* document, QWidget* parent) {
    // Watched, so that a document closed while the dialog is up is no document.
    const QPointer<RichTextBox> target(document);
    runWithProcessErrorTrap(parent, [&] {
        if (!target)
            throw RuntimeError(kErrNoObject);
        modal::FileRequest request;
        request.kind = modal::FileRequest::Open;
        request.directory = state.gInsertDir;
        // "*" as File > Open has it: "*.*" lists only names with a dot, and a program file
        // often has none.
        request.filter = QStringLiteral("All Files (*.*)|*|LIB File (*.lib)|*.lib|System Sub (*.ssb)|*.ssb");
        const std::optional<QString> chosen = modal::fileDialog(parent, request);
        if (!chosen || chosen->isEmpty())
            return;
        state.gInsertDir = QFileInfo(*chosen).absolutePath();

        const InsertedFileRead read = readFileToInsert(*chosen, parent);
        if (read.status == InsertedFileRead::Status::Unreadable)
            showUnreadableFile(parent, *chosen, read.error);
        if (read.status != InsertedFileRead::Status::Read)
            return;
        if (!target)
            throw RuntimeError(kErrNoObject);
        target->insertFileText(read.text, read.encoding, read.forms);
    });
}

}  // namespace quillmar
