#pragma once

// The generated program the benchmarks share: 859,000 lines, about 20 MB, mostly G-code
// words with a Japanese comment every 500 lines so that characters and bytes differ.

#include <QByteArray>

namespace quillmar::bench {

inline constexpr int kFullLines = 859000;

inline void appendNumber(QByteArray& out, int value, int minDigits = 1) {
    const QByteArray digits = QByteArray::number(value);
    for (qsizetype i = digits.size(); i < minDigits; ++i) out.append('0');
    out.append(digits);
}

// Lines such as "N0100 G01 X12.345 Z-3.5 F0.2", a few shorter moves and comments.
inline QByteArray generateProgram(int lines) {
    QByteArray out;
    out.reserve(qsizetype(lines) * 25);
    out.append("O1000\r\n");
    for (int i = 1; i < lines; ++i) {
        if (i % 500 == 0) {
            out.append("(\xe8\x8d\x92\xe5\x8a\xa0\xe5\xb7\xa5 ");  // "(荒加工 "
            appendNumber(out, i / 500);
            out.append(")\r\n");
            continue;
        }
        switch (i % 4) {
        case 0:
            out.append('N');
            appendNumber(out, i % 10000, 4);
            out.append(" G01 X");
            appendNumber(out, 10 + i % 90);
            out.append('.');
            appendNumber(out, i % 1000, 3);
            out.append(" Z-");
            appendNumber(out, i % 7);
            out.append(".5 F0.2\r\n");
            break;
        case 1:
            out.append("X");
            appendNumber(out, 10 + i % 90);
            out.append('.');
            appendNumber(out, (i * 7) % 1000, 3);
            out.append(" Z-");
            appendNumber(out, i % 5);
            out.append(".25\r\n");
            break;
        case 2:
            out.append('N');
            appendNumber(out, i % 10000, 4);
            out.append(" G00 X100. Z5. M08\r\n");
            break;
        default:
            out.append('N');
            appendNumber(out, i % 10000, 4);
            out.append(" G01 Z-");
            appendNumber(out, i % 9);
            out.append('.');
            appendNumber(out, i % 100, 2);
            out.append(" F0.15\r\n");
            break;
        }
    }
    out.append("M30\r\n");
    return out;
}

}  // namespace quillmar::bench
