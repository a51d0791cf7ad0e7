#include "app/common/single.h"

#include <charconv>
#include <cmath>

namespace quillmar {

double Single::toDouble() const {
    if (!std::isfinite(value_))
        return static_cast<double>(value_);
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value_);
    if (ec != std::errc())
        return static_cast<double>(value_);
    double d = 0.0;
    std::from_chars(buf, end, d);
    return d;
}

}  // namespace quillmar
