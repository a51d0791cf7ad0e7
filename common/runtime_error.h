#pragma once

#include <cmath>
#include <stdexcept>
#include <string>

namespace quillmar {

// Run-time error numbers that the program reports to the user.
enum ErrorNumber : int {
    kErrInvalidCall = 5,      // e.g. the square root of a negative number
    kErrOverflow = 6,
    kErrOutOfMemory = 7,
    kErrDivisionByZero = 11,
    kErrTypeMismatch = 13,
    kErrInternal = 51,        // a failure that carries no number of its own
    kErrFileAccess = 75,      // a file that is there but cannot be read
    kErrPathNotFound = 76,
    kErrNoObject = 91,        // no document to write into
};

// A run-time failure carrying the error number the user is shown.
class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(int number, const std::string& what = {})
        : std::runtime_error(what.empty() ? "run-time error " + std::to_string(number) : what),
          number_(number) {}
    int number() const { return number_; }

private:
    int number_;
};

// Floating-point arithmetic does not trap, so every operation that the program's error
// reports depend on goes through one of these.

// Fails with overflow when x is not a finite number.
inline double checkedFinite(double x) {
    if (!std::isfinite(x))
        throw RuntimeError(kErrOverflow);
    return x;
}

// 0 / 0 is an overflow; any other division by zero is division by zero.
inline double checkedDiv(double a, double b) {
    if (b == 0.0)
        throw RuntimeError(a == 0.0 ? kErrOverflow : kErrDivisionByZero);
    return checkedFinite(a / b);
}

inline double checkedMul(double a, double b) { return checkedFinite(a * b); }
inline double checkedAdd(double a, double b) { return checkedFinite(a + b); }
inline double checkedSub(double a, double b) { return checkedFinite(a - b); }

inline double checkedSqrt(double x) {
    if (std::isnan(x) || x < 0.0)
        throw RuntimeError(kErrInvalidCall);
    return checkedFinite(std::sqrt(x));
}

// Conversion to a whole number of the given range, rounding halves to the even neighbour.
inline double checkedWhole(double x, double lowest, double highest) {
    const double r = std::nearbyint(checkedFinite(x));
    if (r < lowest || r > highest)
        throw RuntimeError(kErrOverflow);
    return r;
}

// A value a program writes as a whole number (tool numbers, spindle speeds, counts): one
// beyond a 32-bit whole number is an overflow.
inline double checkedWholeWord(double x) {
    if (!(x >= -2147483648.0 && x <= 2147483647.0))
        throw RuntimeError(kErrOverflow);
    return x;
}

// 32-bit and 16-bit whole numbers.
inline long checkedLong(double x) { return static_cast<long>(checkedWhole(x, -2147483648.0, 2147483647.0)); }
inline int checkedShort(double x) { return static_cast<int>(checkedWhole(x, -32768.0, 32767.0)); }

}  // namespace quillmar
