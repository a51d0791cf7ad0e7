#include "cycles/document_append.h"

#include "platform/rich_text_box.h"

namespace quillmar {
namespace {

bool endsWithLineEnd(const RichTextBox& document) {
    const QString last = document.textRange(document.textLength() - 1, 1);
    return last == QLatin1String("\n") || last == QLatin1String("\r");
}

}  // namespace

void appendAtDocumentEnd(RichTextBox& document, const QString& text) {
    if (text.isEmpty())
        return;
    const qint64 start = document.SelStart();
    const qint64 length = document.SelLength();
    // Replacing the empty selection at the end leaves every existing character, and with
    // it its style, untouched; rewriting the whole text would drop the colours.
    document.setSelStart(document.textLength());
    document.setSelText(endsWithLineEnd(document) ? text : QStringLiteral("\r\n") + text);
    document.select(start, length);
}

}  // namespace quillmar
