#pragma once

#include <QString>
#include <initializer_list>

#include "common/machine_profile.h"

namespace quillmar {

struct ProcessParameters;
struct SharedState;

// The block a generator builds, line by line, in the shared gOutputText. Every line ends
// with CR LF. A line is given as its pieces in a braced list, which C++ evaluates left to
// right, so the formatters that cut a value in place (FormatCoord, FormatTwoDigits) act
// in the order the line is written and a later piece sees the cut value:
//
//     text.add({"N000 G00 X", FormatCoord(p.gEndX), " Z", FormatCoordValue(profile.gApproachZ)});
//
// A line reaches the block only once all its pieces are made, so a failure in a piece
// leaves no half line behind.
class ProgramText {
public:
    explicit ProgramText(SharedState& state);

    // The first line "(-----< " + title + " >-----)"; it replaces whatever an earlier
    // command left in gOutputText.
    void header(std::initializer_list<QString> title);
    void header(const QString& title) { header({title}); }
    // A first line of another shape (a subprogram that begins with its TAB line).
    void first(std::initializer_list<QString> pieces);
    void first(const QString& line) { first({line}); }

    void add(std::initializer_list<QString> pieces);
    void add(const QString& line) { add({line}); }

    // The line holding a single TAB that ends every generated cycle.
    void closingTab();

    // The tool number as the T and TL words and the NT label write it: the whole part,
    // at least two digits, stored back into gToolNo.
    QString tt();
    // The tool number as the MT=, TG=, VLMON and tool-data words write it (cut in place).
    QString t();
    // "NT" + tt: the label of a tool's first approach line.
    QString toolLabel();

    const QString& text() const;

    SharedState& state;
    ProcessParameters& p;
    const MachineProfile& profile;
    const MachineKind machine;
};

// Block-number placeholders of generated lines.
inline const QString kBlock = QStringLiteral("N000 ");
inline const QString kContinuation = QStringLiteral("N000     ");

}  // namespace quillmar
