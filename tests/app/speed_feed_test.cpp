#include "app/speed_feed.h"

#include <gtest/gtest.h>

using namespace quillmar;

namespace {

struct Case {
    const char* first;   // V, or the roughness
    const char* second;  // D, or the nose radius
    bool ra;             // feed only: the roughness is Ra
    SpeedFeedOutcome::Kind kind;
    const char* textOrBox;  // the inserted text, or the box that gets the focus
};

void check(const Case& c, const SpeedFeedOutcome& out) {
    SCOPED_TRACE(std::string(c.first) + " / " + c.second);
    EXPECT_EQ(out.kind, c.kind);
    const QString expected = QString::fromUtf8(c.textOrBox);
    EXPECT_EQ(c.kind == SpeedFeedOutcome::Insert ? out.text : out.box, expected);
    EXPECT_EQ(out.message.isEmpty(), c.kind != SpeedFeedOutcome::Refused);
}

}  // namespace

TEST(SpindleSpeedCalculator, CutsDownToTens) {
    const Case cases[] = {
        {"100", "50", false, SpeedFeedOutcome::Insert, "630"},
        {"172.7", "2.2", false, SpeedFeedOutcome::Insert, "25000"},  // a product a hair below 2500
        {"", "50", false, SpeedFeedOutcome::FocusOnly, "V"}, {"-100", "50", false, SpeedFeedOutcome::Refused, "V"},
        {"1E999", "50", false, SpeedFeedOutcome::Refused, "V"},
        {"100", "", false, SpeedFeedOutcome::Refused, "Diameter"},
        {"100", "0", false, SpeedFeedOutcome::Refused, "Diameter"},
        {"1E300", "1E-300", false, SpeedFeedOutcome::Refused, "V"},  // no finite result
        {"9999999999999999999999999999999999999999", "5", false, SpeedFeedOutcome::Refused, "V"},  // beyond 1e15
    };
    for (const Case& c : cases)
        check(c, spindleSpeed(QString::fromUtf8(c.first), QString::fromUtf8(c.second)));
}

TEST(FeedFromRoughness, InsertsInchPerRevolutionCutDownToTenThousandths) {
    const Case cases[] = {
        {"1.6", "0.8", true, SpeedFeedOutcome::Insert, "F0.0079"}, {"3.2", "0.4", false, SpeedFeedOutcome::Insert, "F0.0039"},
        {"0.7", "3.5", true, SpeedFeedOutcome::Insert, "F0.011"},
        {"5.03305445", "1", false, SpeedFeedOutcome::Insert, "F0.0079"},  // a product a hair below 79
        {"", "0.8", true, SpeedFeedOutcome::FocusOnly, "RA"}, {"0", "0.8", true, SpeedFeedOutcome::Refused, "RA"},
        {"1.6", "-0.8", true, SpeedFeedOutcome::Refused, "NoseR"},
        {"1E200", "1E200", true, SpeedFeedOutcome::Refused, "RA"},
        {"1.2499999999999998E32", "1", false, SpeedFeedOutcome::Insert, "F39370078740157.5"},  // the limit is on inches
        {"8.064499999999998E34", "1", false, SpeedFeedOutcome::Refused, "RA"},  // 999999999999999.9 writes as 1E+15
    };
    for (const Case& c : cases)
        check(c, feedFromRoughness(QString::fromUtf8(c.first), QString::fromUtf8(c.second), c.ra));
}
