#pragma once

// What the generator tests share: the error a call raises, expected text written with
// plain line ends, a document that counts its changes, and a cutting-condition row.

#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "common/runtime_error.h"
#include "common/shared_state.h"
#include "platform/modal.h"
#include "platform/rich_text_box.h"

namespace quillmar::test {

// The run-time error a call raises, 0 for none.
template <typename F>
int runtimeErrorOf(F f) {
    try {
        f();
    } catch (const RuntimeError& e) {
        return e.number();
    }
    return 0;
}

// Expected text with every "\n" turned into the CR LF the program writes.
inline QString crlf(const char* text) {
    return QString::fromUtf8(text).replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
}

// A block written one line to a line after an opening line end; "<TAB>" stands for the
// closing line's TAB.
inline QString block(const char* lines) {
    QString text = QString::fromUtf8(lines);
    if (text.startsWith(QLatin1Char('\n')))
        text.remove(0, 1);
    text.replace(QStringLiteral("<TAB>"), QStringLiteral("\t"));
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return text;
}

struct Document {
    explicit Document(const QString& text = QString(), qint64 caret = 0) {
        box.setText(text);
        box.setSelStart(caret);
        QObject::connect(&box, &RichTextBox::contentChanged, [this](const TextChange&) { ++changes; });
    }
    RichTextBox box;
    int changes = 0;
};

// Records message boxes, answered OK, and file dialogs, answered with `choice`.
struct MessageLog {
    std::optional<QString> choice;
    std::vector<modal::MessageRequest> shown;
    std::vector<modal::FileRequest> asked;
    modal::Responder responder;
    MessageLog() {
        responder.message = [this](const modal::MessageRequest& m) { return shown.push_back(m), int(modal::kOk); };
        responder.file = [this](const modal::FileRequest& r) { return asked.push_back(r), choice; };
        modal::setResponder(&responder);
    }
    ~MessageLog() { modal::setResponder(nullptr); }
};

// The twelve fields of a cutting-condition row: two names, then tool, spindle, coolant,
// V, F, D, L, U, W and C.
inline void fillRow(SharedState& s, int row, const QStringList& fields) {
    for (int c = 0; c < fields.size(); ++c)
        s.gCuttingTable.setCell(row, c + 1, fields[c]);
}

}  // namespace quillmar::test
