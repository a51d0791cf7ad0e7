#include "app/insert_comment.h"

#include <QCoreApplication>
#include <optional>

#include "app/insert_file.h"
#include "common/runtime_error.h"
#include "cycles/generator_runner.h"
#include "platform/program_file.h"
#include "platform/rich_text_box.h"

namespace quillmar {
namespace {

const QString kFrame = QStringLiteral("(-----<  >-----)");
constexpr qint64 kInsideFrame = 8;  // between the two blanks

// The comment file as read, a missing one as empty; nullopt when it was refused for its
// size, which is said.
std::optional<InsertedFileRead> commentHead(const QString& path, QWidget* parent) {
    InsertedFileRead read = readFileToInsert(path, parent);
    switch (read.status) {
        case InsertedFileRead::Status::Read:
            return read;
        case InsertedFileRead::Status::Missing:
            return InsertedFileRead();
        case InsertedFileRead::Status::TooLarge:
            return std::nullopt;
        default:
            throw RuntimeError(kErrFileAccess);
    }
}

}  // namespace

QString commentFileBesideProgram() { return QCoreApplication::applicationDirPath() + QStringLiteral("/Comment.txt"); }

QString insertDateText(const QDate& date) {
    return QStringLiteral("%1.%2.%3")
        .arg(date.year(), 4, 10, QLatin1Char('0'))
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.day(), 2, 10, QLatin1Char('0'));
}

void mnuInsertComment_Click(int Index, const QString& commentFile, const DateSource& today, RichTextBox* document,
                            QWidget* parent) {
    if (Index < 1 || Index > 3)
        return;
    runWithProcessErrorTrap(parent, [&] {
        if (!document)
            throw RuntimeError(kErrNoObject);
        switch (Index) {
            case 1: {
                const std::optional<InsertedFileRead> head = commentHead(commentFile, parent);
                if (head)
                    document->insertFileText(head->text + QStringLiteral(" EDIT DATE  : ") + insertDateText(today()) +
                                                 QStringLiteral("   )\r\n \r\n"),
                                             head->encoding, head->forms);
                break;
            }
            case 2: {
                const qint64 start = document->SelStart();
                document->setSelText(kFrame);
                document->setSelStart(start + kInsideFrame);
                break;
            }
            case 3:
                document->setSelText(insertDateText(today()));
                break;
        }
    });
}

}  // namespace quillmar
