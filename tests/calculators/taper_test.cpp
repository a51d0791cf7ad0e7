#include "calculators/taper.h"

#include <gtest/gtest.h>

using namespace quillmar;

namespace {

QString q(const char* s) { return QString::fromUtf8(s); }

// Boxes X1, Z1, A, X2, Z2 and the texts leaving X2 and then Z2 write ("-": unchanged).
struct TaperCase { TaperLine boxes; const char* z2FromX2; const char* angle; const char* x2; };

std::string shown(const std::optional<QString>& text) { return text ? text->toStdString() : "-"; }

}  // namespace

TEST(TaperLine, CompletesTheMissingQuantity) {
    const TaperCase cases[] = {
        {{"0", "0", "30", "10", "8.6603"}, "8.6603", "-", "10.0001"},
        {{"0", "0", "", "20", "-10"}, "-", "135", "-"},
        {{"20", "0", "", "0", "-10"}, "-", "-135", "-"},
        {{"0", "0", "", "10", "20"}, "-", "14.036", "-"},
        {{"0", "5", "", "10", "5"}, "-", "-", "-"},             // Z1 = Z2: division by zero
        {{"0", "5", "90", "10", ""}, "5", "-", "-"},            // A 90: Z2 = Z1
        {{"0", "0", "0", "10", ""}, "-", "-", "-"},             // A 0: division by zero
        {{"1E999", "0", "30", "10", "1"}, "-", "-", "-"},       // beyond double range
        {{"0", "0", "45", "1E306", "1E999"}, "-", "-", "-"},    // a product beyond range
        {{"0", "0", "", "", "10"}, "-", "-", "-"},              // neither angle nor X2
    };
    for (const TaperCase& c : cases) {
        SCOPED_TRACE("row " + std::to_string(&c - cases));
        EXPECT_EQ(shown(taperEndZ(c.boxes)), c.z2FromX2);
        const TaperFromEndZ fromZ2 = taperFromEndZ(c.boxes);
        EXPECT_EQ(shown(fromZ2.angle), c.angle);
        EXPECT_EQ(shown(fromZ2.endX), c.x2);
    }
}

TEST(TaperNoseR, ThreeAmountsOrNone) {
    const struct { const char *r, *angle, *expected; } cases[] = {  // expected X Z Z2; "-": none written
        {"0.8", "30", "0.6762 0.5856 1.0143"}, {"0.4", "45", "0.4686 0.2343 0.5656"},
        {"1.2", "20", "0.7195 0.9884 1.4115"}, {"0.8", "0", "0 0.8 0.8"},
        {"0.8", "90", "1.6 -0.0001 1.6"},      {"0.8", "", "-"},
        {"1E300", "30", "-"},  // Z fits, X overflows: none is written
    };
    for (const auto& c : cases) {
        const auto out = noseRCompensation({q(c.r), q(c.angle)});
        EXPECT_EQ(out ? (out->x + ' ' + out->z + ' ' + out->z2).toStdString() : "-", c.expected) << c.r << " " << c.angle;
    }
}
