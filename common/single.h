#pragma once

namespace quillmar {

// A single-precision number as the program's single-precision variables hold it.
// It widens to double as the decimal it shows (0.1f becomes 0.1, not 0.100000001490116),
// so mixed arithmetic gives the value the user typed rather than binary noise.
class Single {
public:
    constexpr Single() = default;
    constexpr Single(float f) : value_(f) {}  // NOLINT: implicit like an assignment
    constexpr Single(double d) : value_(static_cast<float>(d)) {}  // NOLINT
    constexpr Single(int i) : value_(static_cast<float>(i)) {}  // NOLINT

    constexpr float value() const { return value_; }
    double toDouble() const;
    operator double() const { return toDouble(); }  // NOLINT

private:
    float value_ = 0.0f;
};

}  // namespace quillmar
