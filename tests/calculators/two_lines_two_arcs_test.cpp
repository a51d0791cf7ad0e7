#include "calculators/two_lines_two_arcs.h"

#include "calculator_cases.h"

using namespace quillmar;
using namespace quillmar::test;

namespace {

using In = TwoLinesTwoArcsInput;

// P1 X Z, P2 X Z, P3 X Z | C1 X Z, I K | C2 X Z, I K
std::string shown(const TwoLinesTwoArcsRun& r) {
    return shownTexts(
        std::array{r.p1x, r.p1z, r.p2x, r.p2z, r.p3x, r.p3z, r.c1x, r.c1z, r.i1, r.k1, r.c2x, r.c2z, r.i2, r.k2});
}
const Calculator<In, TwoLinesTwoArcsRun> kTwoLinesTwoArcs{runTwoLinesTwoArcs, shown};
const char* const kNone = "- - - - - - - - - - - - - -";

// "Hori": lines at X 100 and X 60 (20 apart in radius), R1 5, R2 8, P1 at Z 0.
const In kBase{.p1x = "100", .p1z = "0", .r1 = "5", .p2x = "60", .r2 = "8"};
// "Verti": lines at Z 0 and Z -20, P1 at X 50.
const In kVertical{.p1x = "50", .p1z = "0", .r1 = "5", .p2z = "-20", .r2 = "8", .vertical = true};

UserScale scaleOf(const TwoLinesTwoArcsRun& run) { return std::get<Figure::Scale>(run.figure.steps.at(1)).scale; }

}  // namespace

TEST(TwoLinesTwoArcs, Horizontal) {
    expectCases(
        kTwoLinesTwoArcs, kBase,
        {{"worked", {}, "- 0 - 10.9544 84.6153 4.2132 90 0 2.6923 -4.2132 76 10.9544 -4.3077 6.7412"},
         {"arcTwoTowardSmallerZ", {}, "- 0 - -10.9545 84.6153 -4.2133 90 0 2.6923 4.2133 76 -10.9545 -4.3077 -6.7412",
          Plane::XZ, 2},
         {"placedByP2", {{&In::p1z, ""}, {&In::p2z, "20"}},
          "- 9.0455 - 20 84.6153 13.2587 90 9.0455 2.6923 -4.2132 76 20 -4.3077 6.7413"},
         {"placedByP3", {{&In::p1z, ""}, {&In::p3z, "10"}},
          "- 5.7867 - 16.7412 84.6153 10 90 5.7867 2.6923 -4.2133 76 16.7412 -4.3077 6.7412"},
         {"firstFilledWins", {{&In::p2z, "99"}, {&In::p3z, "99"}},
          "- 0 - 10.9544 84.6153 4.2132 90 0 2.6923 -4.2132 76 10.9544 -4.3077 6.7412"},
         {"givenPositionCutBack", {{&In::p1z, "10.12345"}},
          "- 10.1234 - 21.0779 84.6153 14.3367 90 10.1234 2.6923 -4.2133 76 21.0779 -4.3077 6.7412"},
         {"allZEmpty", {{&In::p1z, ""}}, "- 0 - 0 84.6153 0 90 0 2.6923 0 76 0 -4.3077 0"},
         {"stackedArcs", {{&In::p2x, "48"}, {&In::p1z, "12"}}, "- 12 - 12 80 12 90 12 5 0 64 12 -8 0"},
         {"lineOneBelow", {{&In::p1x, "60"}, {&In::p2x, "100"}},
          "- 0 - 10.9544 75.3846 4.2132 70 0 -2.6923 -4.2132 84 10.9544 4.3077 6.7412"},
         {"negativeRadius", {{&In::p2x, "96"}, {&In::r1, "-2"}, {&In::r2, "5"}},
          "- 0 - 2.8284 102.6666 -1.8857 104 0 0.6667 1.8857 106 2.8284 1.6667 4.7141"}});
    expectFailures(kTwoLinesTwoArcs, kBase,
                   {{"linesTooFarApart", {{&In::p2x, "20"}}, kNone},
                    {"coincidingLines", {{&In::p2x, "100"}}, kNone},
                    {"coincidingLinesWithoutRadii", {{&In::p2x, "100"}, {&In::r1, ""}}, kNone},
                    {"tooLarge", {{&In::r1, "1E999"}}, kNone},
                    {"lineBeyondSinglePrecision", {{&In::p1x, "1E39"}, {&In::p2x, ""}}, kNone},
                    {"positionTooLargeToWrite", {{&In::p1z, "1E15"}}, kNone}});
    EXPECT_EQ(scaleOf(runTwoLinesTwoArcs(kBase)), (UserScale{-67.0028f, -80, 144.96f, 80}));
}

TEST(TwoLinesTwoArcs, Vertical) {
    expectCases(kTwoLinesTwoArcs, kVertical,
                {{"worked", {}, "50 - 71.9089 - 58.4265 -7.6924 50 -5 -4.2133 2.6924 71.9089 -12 6.7412 -4.3076"},
                 {"placedByP3", {{&In::p1x, ""}, {&In::p3x, "58.426"}},
                  "49.9994 - 71.9084 - 58.426 -7.6924 49.9994 -5 -4.2133 2.6924 71.9084 -12 6.7412 -4.3076"},
                 {"arcTwoDown", {}, "50 - 28.091 - 41.5734 -7.6924 50 -5 4.2133 2.6924 28.091 -12 -6.7412 -4.3076",
                  Plane::XZ, 2}});
}

TEST(TwoLinesTwoArcs, OneAndTwoLineViews) {
    auto hori = [](const Edits<In>& boxes) { return runTwoLinesTwoArcs(edited(In{}, boxes)); };
    auto verti = [](const Edits<In>& boxes) { return runTwoLinesTwoArcs(edited(In{.vertical = true}, boxes)); };
    EXPECT_EQ(runTwoLinesTwoArcs(In{}).figure.steps.size(), 1u);
    for (const auto& [run, scale] :
         {std::pair{hori({{&In::p1x, "40"}}), UserScale{-906, -520, 1812, 1000}},
          {hori({{&In::p1x, "100"}, {&In::p2x, "60"}, {&In::r1, "5"}}), UserScale{-36.24f, -60, 72.48f, 40}},
          {verti({{&In::p2z, "30"}}), UserScale{-876, -500, 1812, 1000}},
          {verti({{&In::p1z, "0"}, {&In::p2z, "-20"}}), UserScale{-46.24f, 20, 72.48f, 40}}}) {
        EXPECT_EQ(shown(run), kNone);
        EXPECT_FALSE(run.figure.failure);
        EXPECT_EQ(scaleOf(run), scale);
    }
}
