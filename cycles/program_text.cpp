#include "cycles/program_text.h"

#include "common/format.h"
#include "common/shared_state.h"

namespace quillmar {
namespace {

const QString kLineEnd = QStringLiteral("\r\n");

QString joined(std::initializer_list<QString> pieces) {
    QString line;
    for (const QString& piece : pieces)
        line += piece;
    return line;
}

}  // namespace

ProgramText::ProgramText(SharedState& s)
    : state(s), p(s.params), profile(s.profile), machine(MachineType(s.profile)) {}

void ProgramText::header(std::initializer_list<QString> title) {
    state.gOutputText = QStringLiteral("(-----< ") + joined(title) + QStringLiteral(" >-----)") + kLineEnd;
}

void ProgramText::first(std::initializer_list<QString> pieces) { state.gOutputText = joined(pieces) + kLineEnd; }

void ProgramText::add(std::initializer_list<QString> pieces) { state.gOutputText += joined(pieces) + kLineEnd; }

void ProgramText::closingTab() { state.gOutputText += QStringLiteral("\t") + kLineEnd; }

QString ProgramText::tt() { return FormatTwoDigits(p.gToolNo); }

QString ProgramText::t() { return FormatWholeWord(p.gToolNo); }

QString ProgramText::toolLabel() { return QStringLiteral("NT") + tt(); }

const QString& ProgramText::text() const { return state.gOutputText; }

}  // namespace quillmar
