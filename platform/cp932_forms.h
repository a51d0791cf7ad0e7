#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QStringView>
#include <optional>

namespace quillmar {

// The IANA name of Windows code page 932; Qt hands it to ICU, which maps 0x5C to the
// backslash and 0x8160 to U+FF5E as Windows does (plain Shift_JIS would not).
inline constexpr const char* kCp932Name = "windows-31j";

// Code page 932 holds some characters in two or three places: NEC's row 13 (0x87xx)
// repeats symbols of JIS X 0208 (≒ ∵ √ ...) and of IBM's extension (Ⅰ № ...), and NEC's
// selection of IBM's extension (0xED40..0xEEFC) repeats IBM's extension (0xFA40..0xFC4B,
// 髙 ⅰ ...). Every form reads as the same character, but the converter writes only one
// of them back, while other programs write another. A document remembers which forms its
// file used, so that saving gives back the file's own bytes.
class Cp932Forms {
public:
    // The converter's own forms.
    Cp932Forms() = default;

    // The forms that bytes which decode cleanly in code page 932 use: for each character
    // held twice, the form the bytes hold; for one they do not hold, the form of the kind
    // (NEC's row 13, NEC's selection, IBM's extension) that the bytes chose over the
    // converter's and never passed over, so that typed text follows the file. nullopt when
    // the bytes hold one character in two forms, which no single choice writes back.
    static std::optional<Cp932Forms> of(QByteArrayView bytes);

    // Puts the remembered forms into `bytes`, the converter's code page 932 for `text`.
    void apply(QStringView text, QByteArray& bytes) const;

private:
    // Each character held twice whose form is not the converter's, with its form.
    QHash<char16_t, quint16> chosen_;
};

}  // namespace quillmar
