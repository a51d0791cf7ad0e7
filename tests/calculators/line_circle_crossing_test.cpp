#include "calculators/line_circle_crossing.h"

#include <cmath>

#include "calculator_cases.h"

using namespace quillmar;
using namespace quillmar::test;

namespace {

using In = LineCircleInput;

// X1 Z1 I1 K1 X2 Z2 I2 K2
std::string shown(const LineCircleRun& r) {
    return shownTexts(std::array{r.x1, r.z1, r.i1, r.k1, r.x2, r.z2, r.i2, r.k2});
}
const Calculator<In, LineCircleRun> kLineCircle{runLineCircleCrossing, shown};

// The 30-degree line through the origin and the circle about Z 10, X 20 (radius 10) of
// radius 5: both crossings lie toward larger Z.
const In kBase{.lineX = "0", .lineZ = "0", .angle = "30", .centreX = "20", .centreZ = "10", .r = "5"};

LineCircleRun withAngle(const char* a) { return runLineCircleCrossing(edited(kBase, {{&In::angle, a}})); }

}  // namespace

TEST(LineCircleCrossing, Cases) {
    expectCases(kLineCircle, kBase,
                {{"worked", {}, "10.254 8.8802 4.873 1.1198 17.0665 14.78 1.4667 -4.78"},
                 {"centreAtSmallerZ", {{&In::lineZ, "20"}}, "10.254 11.1198 4.873 -1.1198 17.0665 5.22 1.4667 4.78"},
                 {"centreAtTheLinePointsZ", {{&In::lineZ, "10"}, {&In::centreX, "-10"}, {&In::centreZ, "10"}},
                  "-5 14.3301 -2.5 -4.3301 0 10 -5 0"},
                 {"xyCentreDownLeft", {{&In::centreX, "-20"}, {&In::centreZ, "-10"}},
                  "-23.5019 -13.5688 3.5019 3.5688 -15.1583 -8.7517 -4.8417 -1.2483", Plane::XY}});
    expectFailures(kLineCircle, kBase,
                   {{"missesTheCircle", {{&In::centreX, "20"}, {&In::centreZ, "-10"}}, "- - - - - - - -", Plane::XY},
                    {"touchesTheCircle", {{&In::angle, "0"}, {&In::centreX, "10"}, {&In::centreZ, "0"}},
                     "- - - - - - - -"},
                    {"zeroRadius", {{&In::r, "0"}}, "- - - - - - - -"},
                    {"blankRadius", {{&In::r, " "}}, "- - - - - - - -"},
                    {"angleTooLarge", {{&In::angle, "1E999"}}, "- - - - - - - -"},
                    {"pointTooLargeToWrite", {{&In::angle, "0"}, {&In::centreX, "2E15"}, {&In::centreZ, "0"}},
                     "- - 5 - - - -5 -", Plane::XY}});
}

TEST(LineCircleCrossing, AnAngleAboveAHalfTurnIsTakenBelowItOnce) {
    EXPECT_EQ(shown(withAngle("190")), shown(withAngle("-170")));
    // Never upward: -200 stays as typed, whose line differs from 160's in the last bits.
    auto lineTo = [](const char* a) {
        const LineCircleRun run = runLineCircleCrossing(edited(kBase, {{&In::angle, a}, {&In::r, ""}}));
        const QPointF to = std::get<Figure::Line>(run.figure.steps.at(2)).to;
        return std::pair{to.x(), to.y()};  // exactly, not QPointF's fuzzy equality
    };
    EXPECT_EQ(lineTo("190"), lineTo("-170"));
    EXPECT_NE(lineTo("-200"), lineTo("160"));
}

TEST(LineCircleCrossing, StagesThatStopEarly) {
    // Without the circle: clear, scale and the line.
    expectEarlyStops(kLineCircle, kBase, {&In::lineX, &In::lineZ, &In::angle}, {&In::centreX, &In::centreZ, &In::r}, 3);
}
