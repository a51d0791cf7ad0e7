#include "platform/rich_text_box.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <vector>

namespace quillmar {

namespace {

// Styles are read and written in pieces of this many bytes, so colouring a large text
// never needs a second copy of it.
constexpr qint64 kStyleChunk = qint64(1) << 20;
// Within this many characters a walk over the bytes is cheaper than the editor's index.
constexpr qint64 kWalkLimit = 4096;

int utf8SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead < 0xE0) return 2;
    if (lead < 0xF0) return 3;
    return 4;
}

quint64 lookKey(QRgb rgb, bool bold) { return (quint64(rgb & 0xFFFFFFu) << 1) | (bold ? 1u : 0u); }

// Sorted, with overlapping or touching runs joined, empty ones dropped.
std::vector<std::pair<qint64, qint64>> joinedRuns(std::vector<std::pair<qint64, qint64>> runs) {
    std::sort(runs.begin(), runs.end());
    std::vector<std::pair<qint64, qint64>> joined;
    for (const auto& run : runs) {
        if (run.second <= run.first) continue;
        if (!joined.empty() && run.first <= joined.back().second)
            joined.back().second = std::max(joined.back().second, run.second);
        else
            joined.push_back(run);
    }
    return joined;
}

}  // namespace

std::vector<char> RichTextBox::styleBytes(qint64 start, qint64 end) const {
    std::vector<char> styles;
    if (end <= start) return styles;
    styles.resize(size_t(end - start));
    std::vector<char> buffer;
    for (qint64 from = start; from < end; from += kStyleChunk) {
        const qint64 to = std::min(end, from + kStyleChunk);
        buffer.resize(size_t(2 * (to - from) + 2));
        SendScintilla(SCI_GETSTYLEDTEXT, long(from), long(to), buffer.data());
        for (qint64 i = from; i < to; ++i) styles[size_t(i - start)] = buffer[size_t(2 * (i - from) + 1)];
    }
    return styles;
}

RichTextBox::StyleLook RichTextBox::lookOf(int style) const {
    if (style > 0 && style < 256 && styleInUse_[size_t(style)]) return looks_[size_t(style)];
    return {textColour_.rgb(), font_.bold()};
}

int RichTextBox::styleFor(QRgb rgb, bool bold) {
    if (lookKey(rgb, bold) == lookKey(textColour_.rgb(), font_.bold())) return 0;
    const quint64 key = lookKey(rgb, bold);
    if (const auto found = styleByLook_.constFind(key); found != styleByLook_.constEnd()) return found.value();
    for (int style = 1; style < 256; ++style) {
        if (style >= STYLE_DEFAULT && style <= STYLE_LASTPREDEFINED) continue;
        if (styleInUse_[size_t(style)]) continue;
        styleInUse_[size_t(style)] = true;
        looks_[size_t(style)] = {rgb, bold};
        styleByLook_.insert(key, style);
        applyStyleLook(style);
        return style;
    }
    // Every style is taken: the nearest colour of the same weight stands in.
    int best = 0;
    int bestDistance = INT_MAX;
    for (auto it = styleByLook_.cbegin(); it != styleByLook_.cend(); ++it) {
        const StyleLook look = looks_[size_t(it.value())];
        if (look.bold != bold) continue;
        const int distance = std::abs(qRed(look.rgb) - qRed(rgb)) + std::abs(qGreen(look.rgb) - qGreen(rgb))
                             + std::abs(qBlue(look.rgb) - qBlue(rgb));
        if (distance < bestDistance) {
            bestDistance = distance;
            best = it.value();
        }
    }
    return best;
}

void RichTextBox::applyStyleLook(int style) {
    const StyleLook look = looks_[size_t(style)];
    SendScintilla(SCI_STYLESETFORE, static_cast<unsigned long>(style), QColor::fromRgb(look.rgb));
    sci(SCI_STYLESETBOLD, static_cast<unsigned long>(style), look.bold ? 1 : 0);
}

void RichTextBox::applyBaseStyle() {
    const QByteArray family = font_.family().toUtf8();
    int points = font_.pointSize();
    if (points <= 0) points = qRound(font_.pointSizeF());
    if (points <= 0) points = 10;
    SendScintilla(SCI_STYLESETFONT, uintptr_t(STYLE_DEFAULT), family.constData());
    sci(SCI_STYLESETSIZE, STYLE_DEFAULT, points);
    sci(SCI_STYLESETBOLD, STYLE_DEFAULT, font_.bold() ? 1 : 0);
    sci(SCI_STYLESETITALIC, STYLE_DEFAULT, font_.italic() ? 1 : 0);
    sci(SCI_STYLESETUNDERLINE, STYLE_DEFAULT, font_.underline() ? 1 : 0);
    SendScintilla(SCI_STYLESETFORE, static_cast<unsigned long>(STYLE_DEFAULT), textColour_);
    SendScintilla(SCI_STYLESETBACK, static_cast<unsigned long>(STYLE_DEFAULT), palette().color(QPalette::Base));
    sci(SCI_STYLECLEARALL);
    for (int style = 1; style < 256; ++style) {
        if (styleInUse_[size_t(style)]) applyStyleLook(style);
    }
    sci(SCI_INDICSETSTYLE, kHighlightIndicator, INDIC_HIDDEN);
    sci(SCI_INDICSETSTYLE, kStrikeIndicator, INDIC_STRIKE);
    SendScintilla(SCI_INDICSETFORE, static_cast<unsigned long>(kStrikeIndicator), textColour_);
    markStrikeOut();
}

void RichTextBox::markStrikeOut() {
    // The editor's styles have no strikethrough: an indicator over the whole text draws it.
    sci(SCI_SETINDICATORCURRENT, kStrikeIndicator);
    sci(SCI_INDICATORCLEARRANGE, 0, sci(SCI_GETLENGTH));
    if (font_.strikeOut()) sci(SCI_INDICATORFILLRANGE, 0, sci(SCI_GETLENGTH));
}

void RichTextBox::setTextFont(const QFont& font) {
    font_ = font;
    applyBaseStyle();
}

void RichTextBox::setFontName(const QString& name) {
    font_.setFamily(name);
    applyBaseStyle();
}

void RichTextBox::setFontSize(int points) {
    font_.setPointSize(std::max(1, points));
    applyBaseStyle();
}

void RichTextBox::setTextColour(const QColor& colour) {
    textColour_ = colour.isValid() ? colour : palette().color(QPalette::Text);
    applyBaseStyle();
}

// Restyles byte runs, taken one by one from nextRun(run) in order and apart, piece by
// piece: each piece's styles are read in one call, mapped, and written back in one call.
// Nothing is read while the text has never been coloured: its styles are all plain.
template <class NextRun, class Map>
void RichTextBox::restyle(NextRun nextRun, Map map) {
    std::array<int, 256> mapped;
    mapped.fill(-1);
    std::vector<char> buffer;
    std::vector<char> styles;
    std::vector<std::pair<qint64, qint64>> parts;
    std::pair<qint64, qint64> run;
    bool haveRun = nextRun(run);
    while (haveRun) {
        const qint64 pieceStart = run.first;
        const qint64 limit = pieceStart + kStyleChunk;
        qint64 pieceEnd = pieceStart;
        parts.clear();
        while (haveRun && run.first < limit) {
            if (run.second > limit) {
                parts.emplace_back(run.first, limit);
                pieceEnd = limit;
                run.first = limit;
                break;
            }
            parts.push_back(run);
            pieceEnd = run.second;
            haveRun = nextRun(run);
        }
        const qint64 length = pieceEnd - pieceStart;
        styles.resize(size_t(length));
        if (styled_) {
            buffer.resize(size_t(2 * length + 2));
            SendScintilla(SCI_GETSTYLEDTEXT, long(pieceStart), long(pieceEnd), buffer.data());
            for (qint64 i = 0; i < length; ++i) styles[size_t(i)] = buffer[size_t(2 * i + 1)];
        } else {
            std::fill(styles.begin(), styles.end(), char(0));
        }
        for (const auto& [from, to] : parts) {
            for (qint64 i = from; i < to; ++i) {
                char& style = styles[size_t(i - pieceStart)];
                int& to_style = mapped[static_cast<unsigned char>(style)];
                if (to_style < 0) to_style = map(static_cast<unsigned char>(style));
                style = char(to_style);
            }
        }
        sci(SCI_STARTSTYLING, static_cast<unsigned long>(pieceStart), 0);
        SendScintilla(SCI_SETSTYLINGEX, static_cast<unsigned long>(length), static_cast<void*>(styles.data()));
    }
    styled_ = true;
}

// Sets the colour, the bold or both of the bytes [start, end); what is not given stays
// as each character has it.
void RichTextBox::restyleRange(qint64 start, qint64 end, std::optional<QRgb> rgb, std::optional<bool> bold) {
    if (end <= start) return;
    bool given = false;
    restyle(
        [&](std::pair<qint64, qint64>& run) {
            if (given) return false;
            run = {start, end};
            given = true;
            return true;
        },
        [&](int old) {
            const StyleLook look = lookOf(old);
            return styleFor(rgb.value_or(look.rgb), bold.value_or(look.bold));
        });
}

void RichTextBox::setSelColor(const QColor& colour) {
    const auto [start, end] = selectionBytes();
    restyleRange(start, end, colour.isValid() ? colour.rgb() : textColour_.rgb(), std::nullopt);
}

void RichTextBox::setSelBold(bool bold) {
    const auto [start, end] = selectionBytes();
    restyleRange(start, end, std::nullopt, bold);
}

void RichTextBox::setColourOfRuns(const QList<std::pair<qint64, qint64>>& runs, const QColor& colour) {
    // Runs in order and apart, as a scan of the text gives them, are used as they are;
    // any others are sorted and joined first.
    bool ordered = true;
    qint64 previousEnd = 0;
    for (const auto& [start, length] : runs) {
        if (start < previousEnd || length <= 0) {
            ordered = false;
            break;
        }
        previousEnd = start + length;
    }
    std::vector<std::pair<qint64, qint64>> sorted;
    if (!ordered) {
        std::vector<std::pair<qint64, qint64>> ends;
        ends.reserve(size_t(runs.size()));
        for (const auto& [start, length] : runs) {
            if (length > 0) ends.emplace_back(std::max<qint64>(0, start), start + length);
        }
        sorted = joinedRuns(std::move(ends));
    }

    // Character positions to bytes in one walk along the text, jumping through the
    // editor's index over long stretches between runs.
    const qint64 length = byteLength();
    const char* bytes = utf8Mode_ ? bytesPointer() : nullptr;
    qint64 charPos = 0;
    qint64 bytePos = 0;
    auto toByte = [&](qint64 target) {
        if (!utf8Mode_) return std::min(target, length);
        if (target < charPos || target - charPos > kWalkLimit) {
            bytePos = byteFromChar(target);
            charPos = charFromByte(bytePos);
            return bytePos;
        }
        while (charPos < target && bytePos < length) {
            const int width = utf8SequenceLength(static_cast<unsigned char>(bytes[bytePos]));
            const int units = width == 4 ? 2 : 1;
            if (charPos + units > target) break;
            bytePos += width;
            charPos += units;
        }
        return bytePos;
    };
    size_t next = 0;
    const size_t count = ordered ? size_t(runs.size()) : sorted.size();
    auto nextRun = [&](std::pair<qint64, qint64>& run) {
        while (next < count) {
            qint64 from = 0;
            qint64 to = 0;
            if (ordered) {
                from = runs[qsizetype(next)].first;
                to = from + runs[qsizetype(next)].second;
            } else {
                from = sorted[next].first;
                to = sorted[next].second;
            }
            ++next;
            const qint64 start = toByte(from);
            const qint64 end = toByte(to);
            if (end > start) {
                run = {start, end};
                return true;
            }
        }
        return false;
    };
    const QRgb rgb = colour.isValid() ? colour.rgb() : textColour_.rgb();
    restyle(nextRun, [&](int old) { return styleFor(rgb, lookOf(old).bold); });
}

void RichTextBox::markHighlight(qint64 start, qint64 end) {
    sci(SCI_SETINDICATORCURRENT, kHighlightIndicator);
    sci(SCI_INDICATORFILLRANGE, static_cast<unsigned long>(start), end - start);
}

// The byte runs the highlight mark covers, in order.
std::vector<std::pair<qint64, qint64>> RichTextBox::highlightRuns() const {
    std::vector<std::pair<qint64, qint64>> runs;
    const qint64 length = byteLength();
    for (qint64 at = 0; at < length;) {
        const qint64 end = sci(SCI_INDICATOREND, kHighlightIndicator, long(at));
        if (sci(SCI_INDICATORVALUEAT, kHighlightIndicator, long(at)) != 0) runs.emplace_back(at, std::min(end, length));
        if (end <= at) break;
        at = end;
    }
    return runs;
}

void RichTextBox::highlightSelection(const QColor& colour) {
    const auto [start, end] = selectionBytes();
    if (end <= start) return;
    restyleRange(start, end, colour.isValid() ? colour.rgb() : textColour_.rgb(), true);
    highlightStyle_[size_t(sci(SCI_GETSTYLEAT, static_cast<unsigned long>(start)) & 0xFF)] = true;
    markHighlight(start, end);
}

void RichTextBox::clearHighlights() {
    const std::vector<std::pair<qint64, qint64>> runs = highlightRuns();
    if (runs.empty()) return;
    sci(SCI_SETINDICATORCURRENT, kHighlightIndicator);
    sci(SCI_INDICATORCLEARRANGE, 0, byteLength());
    size_t next = 0;
    const int plain = styleFor(textColour_.rgb(), false);
    restyle(
        [&](std::pair<qint64, qint64>& run) {
            if (next == runs.size()) return false;
            run = runs[next++];
            return true;
        },
        [&](int old) { return highlightStyle_[size_t(old)] ? plain : old; });
}

QColor RichTextBox::SelColor() const {
    const auto [start, end] = selectionBytes();
    const qint64 at = start < end ? start : start - 1;
    if (at < 0 || at >= byteLength()) return QColor::fromRgb(lookOf(0).rgb);
    return QColor::fromRgb(lookOf(int(sci(SCI_GETSTYLEAT, static_cast<unsigned long>(at)) & 0xFF)).rgb);
}

bool RichTextBox::SelBold() const {
    const auto [start, end] = selectionBytes();
    const qint64 at = start < end ? start : start - 1;
    if (at < 0 || at >= byteLength()) return lookOf(0).bold;
    return lookOf(int(sci(SCI_GETSTYLEAT, static_cast<unsigned long>(at)) & 0xFF)).bold;
}

QColor RichTextBox::colourAt(qint64 position) const {
    const qint64 at = byteFromChar(position);
    if (at >= byteLength()) return QColor::fromRgb(lookOf(0).rgb);
    return QColor::fromRgb(lookOf(int(sci(SCI_GETSTYLEAT, static_cast<unsigned long>(at)) & 0xFF)).rgb);
}

bool RichTextBox::boldAt(qint64 position) const {
    const qint64 at = byteFromChar(position);
    if (at >= byteLength()) return lookOf(0).bold;
    return lookOf(int(sci(SCI_GETSTYLEAT, static_cast<unsigned long>(at)) & 0xFF)).bold;
}

}  // namespace quillmar
