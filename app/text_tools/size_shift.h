#pragma once

#include <QString>
#include <QStringView>
#include <exception>
#include <optional>

#include "app/text_tools/find_replace.h"

namespace quillmar {

// Why size shift will not run; the user is told and nothing else happens.
class SizeShiftRefused : public std::exception {
public:
    enum class Reason { NoNumber, DivisionByZero, OutOfRange };
    explicit SizeShiftRefused(Reason reason) : reason_(reason) {}
    const char* what() const noexcept override { return "size shift refused"; }
    Reason reason() const { return reason_; }
    // The text of the message box that names the fault.
    QString message() const;

private:
    Reason reason_;
};

// The calculation box: "*n" multiplies, "/n" divides, anything else adds the number it is.
struct Calculation {
    enum class Op { Add, Multiply, Divide };
    Op op = Op::Add;
    double operand = 0.0;
};

// Refuses a number part without a leading number, a division by zero and a number
// beyond double range.
Calculation parseCalculation(QStringView text);

// The number after an address: blanks skipped until something is taken, "=" only
// before the first digit, a sign only as the first character taken, digits and one
// decimal point. `end` is where the scan stopped.
struct ScannedNumber {
    QString number;  // empty: no number follows
    bool equals = false;
    qint64 end = 0;
};
ScannedNumber scanNumber(QStringView text, qint64 from);


// The value of a scanned number ("-" or "." alone is 0); refuses one beyond double range.
double scannedValue(QStringView number);

// The calculation applied to a value; refuses a result beyond double range.
double calculate(double value, const Calculation& calculation);

// The program text of a result: rounded half away from zero to four decimals on its
// shortest decimal text, no trailing zeros or point, "0" before a leading point and
// never "-0". Refuses a result whose text would be 1e15 or more.
QString shiftedNumberText(double value);

// The rewritten word for the address at `hit`: the address, "=" when one was skipped,
// the new number; it replaces [hit, end). nullopt when no number follows the address.
struct ShiftedWord {
    QString replacement;
    qint64 end = 0;
};
std::optional<ShiftedWord> shiftWordAt(QStringView text, qint64 hit, QStringView address,
                                       const Calculation& calculation);

struct SizeShiftOptions {
    QString address;
    Calculation calculation;
    qint64 start = 0;  // the first position a hit may begin at
};

// Rewrites the number after every occurrence of the address from the start on. Each
// search resumes after the word it rewrote (after the hit's first character when nothing
// followed it), so a run never meets its own output; a following search begins at the
// second character of the last hit. Refuses the whole run, before any change, when one
// number cannot be calculated.
TextToolResult shiftAll(const QString& text, const SizeShiftOptions& options);

}  // namespace quillmar
