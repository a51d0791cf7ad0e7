#include "platform/cp932_forms.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <vector>

namespace quillmar {
namespace {

bool isLeadByte(uchar byte) { return (byte >= 0x81 && byte <= 0x9f) || (byte >= 0xe0 && byte <= 0xfc); }

// The kinds of form, as bits, told apart by the first byte.
enum Kind : unsigned { Jis = 1, NecRow13 = 2, NecSelected = 4, Ibm = 8 };

unsigned kindOf(quint16 form) {
    const unsigned lead = form >> 8;
    if (lead == 0x87) return NecRow13;
    if (lead == 0xed || lead == 0xee) return NecSelected;
    if (lead >= 0xfa) return Ibm;
    return Jis;
}

struct HeldTwice {
    char16_t character = 0;
    quint16 converterForm = 0;
    std::vector<quint16> forms;
};

struct FormTable {
    std::vector<char16_t> characterOf = std::vector<char16_t>(0x10000);  // 0: not held twice
    QHash<char16_t, HeldTwice> byCharacter;
};

// Taken from the converter itself: every two-byte code is decoded, and a character that
// more than one code gives is held twice.
FormTable buildTable() {
    QHash<char16_t, HeldTwice> all;
    for (unsigned lead = 0x81; lead <= 0xfc; ++lead) {
        if (!isLeadByte(uchar(lead))) continue;
        for (unsigned trail = 0x40; trail <= 0xfc; ++trail) {
            if (trail == 0x7f) continue;
            const char code[2] = {char(lead), char(trail)};
            QStringDecoder decoder(kCp932Name);
            const QString text = decoder.decode(QByteArrayView(code, 2));
            if (decoder.hasError() || text.size() != 1) continue;
            HeldTwice& entry = all[text[0].unicode()];
            entry.character = text[0].unicode();
            entry.forms.push_back(quint16(lead << 8 | trail));
        }
    }
    FormTable table;
    for (HeldTwice& entry : all) {
        if (entry.forms.size() < 2) continue;
        QStringEncoder encoder(kCp932Name);
        const QByteArray written = encoder.encode(QStringView(&entry.character, 1));
        if (encoder.hasError() || written.size() != 2) continue;
        entry.converterForm = quint16(uchar(written[0]) << 8 | uchar(written[1]));
        for (quint16 form : entry.forms) table.characterOf[form] = entry.character;
        table.byCharacter.insert(entry.character, entry);
    }
    return table;
}

const FormTable& formTable() {
    static const FormTable table = buildTable();
    return table;
}

}  // namespace

std::optional<Cp932Forms> Cp932Forms::of(QByteArrayView bytes) {
    const FormTable& table = formTable();
    QHash<char16_t, quint16> used;
    for (qsizetype i = 0; i + 1 < bytes.size(); ++i) {
        if (!isLeadByte(uchar(bytes[i]))) continue;
        const quint16 form = quint16(uchar(bytes[i]) << 8 | uchar(bytes[i + 1]));
        ++i;
        const char16_t character = table.characterOf[form];
        if (!character) continue;
        const auto found = used.constFind(character);
        if (found == used.cend()) used.insert(character, form);
        else if (*found != form) return std::nullopt;
    }
    unsigned chosenKinds = 0, passedOver = 0;
    for (auto it = used.cbegin(); it != used.cend(); ++it) {
        const HeldTwice& entry = table.byCharacter[it.key()];
        if (it.value() != entry.converterForm) chosenKinds |= kindOf(it.value());
        for (quint16 form : entry.forms)
            if (form != it.value()) passedOver |= kindOf(form);
    }
    const unsigned preferred = chosenKinds & ~passedOver;

    Cp932Forms result;
    for (const HeldTwice& entry : table.byCharacter) {
        quint16 form = entry.converterForm;
        if (const auto found = used.constFind(entry.character); found != used.cend()) {
            form = *found;
        } else if (preferred) {
            int candidates = 0;
            for (quint16 other : entry.forms)
                if (other != entry.converterForm && (kindOf(other) & preferred)) form = other, ++candidates;
            if (candidates != 1) form = entry.converterForm;
        }
        if (form != entry.converterForm) result.chosen_.insert(entry.character, form);
    }
    return result;
}

void Cp932Forms::apply(QStringView text, QByteArray& bytes) const {
    if (chosen_.isEmpty()) return;
    qsizetype at = 0;
    for (QChar c : text) {
        if (at + 1 >= bytes.size()) return;
        if (!isLeadByte(uchar(bytes[at]))) {
            ++at;
            continue;
        }
        if (const auto found = chosen_.constFind(c.unicode()); found != chosen_.cend()) {
            bytes[at] = char(*found >> 8);
            bytes[at + 1] = char(*found & 0xff);
        }
        at += 2;
    }
}

}  // namespace quillmar
