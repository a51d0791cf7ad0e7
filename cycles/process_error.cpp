#include "cycles/process_error.h"

#include "common/format.h"
#include "common/runtime_error.h"
#include "platform/modal.h"

namespace quillmar {

QString processErrorText(int number) {
    switch (number) {
        case kErrDivisionByZero:
            return QStringLiteral("ゼロ割り算エラー。工具径などのデータが０です。");
        case kErrTypeMismatch:
            return QStringLiteral("加工条件エラー。素材入力をしてください。");
        case kErrPathNotFound:
            return QStringLiteral("パスが見つかりません。");
        case kErrNoObject:
            return QStringLiteral("ファイルが開いていないので挿入出来ません。新しく作成をする時は[新規]を押してください。");
        default:
            return QStringLiteral("エラーです。");
    }
}

QString processErrorTitle(int number) { return QStringLiteral("Error") + numberText(static_cast<double>(number)); }

void ShowProcessError(int number, QWidget* parent) {
    if (number == 0)
        return;
    modal::msgBox(parent, processErrorText(number), static_cast<int>(modal::kOkOnly) | modal::kExclamation,
                  processErrorTitle(number));
}

}  // namespace quillmar
