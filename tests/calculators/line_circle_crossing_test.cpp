#include "calculators/line_circle_crossing.h"

#include <cmath>

#include "calculator_cases.h"

using namespace quillmar;
using namespace quillmar::test;

namespace {

// The 30-degree line through the origin and the circle about Z 10, X 20 (radius 10) of
// radius 5: both crossings lie toward larger Z.
const CalculatorInput kBase{
    {{"Text1", "0"}, {"Text2", "0"}, {"Text3", "30"}, {"Text4", "20"}, {"Text5", "10"}, {"Text6", "5"}}};

CalculatorRun withAngle(const char* a) { return runLineCircleCrossing(withBoxes(kBase, {{"Text3", a}})); }

}  // namespace

TEST(LineCircleCrossing, Cases) {
    expectCases(runLineCircleCrossing, kBase,
                {{"Text9", "4.873"}, {"Text13", "1.466"}, {"Text7", "10.254"}, {"Text8", "8.88"}, {"Text10", "1.119"},
                 {"Text11", "17.066"}, {"Text12", "14.78"}, {"Text14", "-4.78"}},
                {{"worked", {}, {}},
                 {"centreAtSmallerZ", {{"Text2", "20"}},
                  {{"Text8", "11.119"}, {"Text10", "-1.12"}, {"Text12", "5.22"}, {"Text14", "4.78"}}},
                 {"centreAtTheLinePointsZ", {{"Text2", "10"}, {"Text4", "-10"}, {"Text5", "10"}},
                  {{"Text9", "-2.5"}, {"Text13", "-5"}, {"Text7", "-5"}, {"Text8", "14.33"}, {"Text10", "-4.331"},
                   {"Text11", "0"}, {"Text12", "10"}, {"Text14", "0"}}},
                 {"xyCentreDownLeft", {{"Text4", "-20"}, {"Text5", "-10"}},
                  {{"Text9", "3.502"}, {"Text13", "-4.842"}, {"Text7", "-23.502"}, {"Text8", "-13.569"},
                   {"Text10", "3.568"}, {"Text11", "-15.159"}, {"Text12", "-8.752"}, {"Text14", "-1.249"}},
                  Plane::XY}});
    expectFailures(runLineCircleCrossing, kBase,
                   {{"missesTheCircle", {{"Text4", "20"}, {"Text5", "-10"}}, {}, Plane::XY},
                    {"touchesTheCircle", {{"Text3", "0"}, {"Text4", "10"}, {"Text5", "0"}}, {}},
                    {"zeroRadius", {{"Text6", "0"}}, {}},
                    {"blankRadius", {{"Text6", " "}}, {}},
                    {"angleTooLarge", {{"Text3", "1E999"}}, {}},
                    {"pointTooLargeToWrite", {{"Text3", "0"}, {"Text4", "2E15"}, {"Text5", "0"}}, {{"Text9", "5"}, {"Text13", "-5"}},
                     Plane::XY}});
}

TEST(LineCircleCrossing, AnAngleAboveAHalfTurnIsTakenBelowItOnce) {
    EXPECT_EQ(writesOf(withAngle("190")), writesOf(withAngle("-170")));
    // Never upward: -200 stays as typed, whose line differs from 160's in the last bits.
    auto lineTo = [](const char* a) {
        const CalculatorRun run = runLineCircleCrossing(withBoxes(kBase, {{"Text3", a}, {"Text6", ""}}));
        const QPointF to = std::get<Figure::Line>(run.figure.steps.at(2)).to;
        return std::pair{to.x(), to.y()};  // exactly, not QPointF's fuzzy equality
    };
    EXPECT_EQ(lineTo("190"), lineTo("-170"));
    EXPECT_NE(lineTo("-200"), lineTo("160"));
}

TEST(LineCircleCrossing, StagesThatStopEarly) {
    // Without the circle: clear, scale and the line.
    expectEarlyStops(runLineCircleCrossing, kBase, {"Text1", "Text2", "Text3"}, {"Text4", "Text5", "Text6"}, 3);
}
