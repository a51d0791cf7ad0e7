#include "common/single.h"

#include <charconv>
#include <cmath>

namespace quillmar {

double Single::toDouble() const {
    if (!std::isfinite(value_))
        return static_cast<double>(value_);
    char buf[64];
    // The shortest digits that read back as this single, never its exact binary expansion
    // (123456790528 shows as 1.2345679e+11 and widens to 123456790000).
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value_, std::chars_format::scientific);
    if (ec != std::errc())
        return static_cast<double>(value_);
    double d = 0.0;
    std::from_chars(buf, end, d);
    return d;
}

}  // namespace quillmar
