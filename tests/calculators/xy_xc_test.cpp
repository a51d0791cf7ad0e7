#include "calculators/xy_xc.h"

#include "calculator_cases.h"

using namespace quillmar;

namespace {

XyXcInput xy(const char* x1, const char* y1, const char* x2 = "", const char* y2 = "") {
    return {.points = {{{x1, y1, "", ""}, {x2, y2, "", ""}}}, .xcMode = false};
}

XyXcInput xc(const char* x1, const char* c1, const char* x2 = "", const char* c2 = "") {
    return {.points = {{{"", "", x1, c1}, {"", "", x2, c2}}}, .xcMode = true};
}

// Text1 .. Text15
std::string shown(const XyXcRun& r) {
    const auto& [p1, p2] = r.points;
    return test::shownTexts(std::array{p1.x, p1.y, p1.diameter, p1.c, p2.x, p2.y, p2.diameter, p2.c, r.angle, r.length,
                                       r.masterC, r.yAxis[0].x, r.yAxis[0].y, r.yAxis[1].x, r.yAxis[1].y});
}

struct Case { XyXcInput input; const char* boxes; bool failed = false; };

}  // namespace

TEST(XyXc, ConvertsPointsAndLines) {
    const Case cases[] = {
        {xy("3", "4"), "- - 10 53.13 - - - - - - - - - - -"},
        {xy("0", "0"), "- - 0 90 - - - - - - - - - - -"},
        {xc("20", "30"), "8.6602 5 - - - - - - - - - - - - -"},
        {xc("20", "90"), "-0.0001 10 - - - - - - - - - - - - -"},
        {xy("20", "10", "10", "20"),
         "- - 44.7213 26.565 - - 44.7213 63.435 -45 14.1421 45 21.2132 7.071 21.2132 7.0711"},
        {xy("10", "5", "20", "15"),
         "- - 22.3606 26.565 - - 50 36.869 45 14.1421 315 3.5355 10.6067 3.5355 24.7488"},
        {xy("10", "10", "0", "10"), "- - 28.2842 45 - - 20 90 0 10 90 10 10 10 0"},
        {xy("10", "5", "10", "-5"), "- - 22.3606 26.565 - - 22.3606 333.435 90 10 360 10 5 10 5"},
        {xy("-10", "5", "-10", "-5"), "- - 22.3606 153.435 - - 22.3606 206.565 90 10 180 10 5 10 5"},
        {xy("3", "4", "3", "4"), "- - 10 53.13 - - 10 53.13 90 0 360 3 4 3 4"},
        {xc("20", "30", "", "45"), "8.6602 5 - - - - - - - - - - - - -"},  // point 2 incomplete: no line
        {xy("1E39", "0"), "- - - - - - - - - - - - - - -", true},  // beyond what a box can take
        // A tiny x is not zero: its quotient overflows, before either box of the point is written.
        {xy("1E-320", "93.8669", "-62.647", "-51.2302"), "- - - - - - - - - - - - - - -", true},
        {xy("-100.4", "25.4823", "1E-320", "110"), "- - 207.1666 165.758 - - - - - - - - - - -", true},
        {xy("1E-280", "0", "1.000000000000001E-280", "1E14"), "- - 0 0 - - 200000000000000 90 - - - - - - -", true},
    };
    for (const Case& c : cases) {
        const auto& [p1, p2] = c.input.points;
        SCOPED_TRACE((QStringList{p1.x, p1.y, p1.diameter, p1.c, p2.x, p2.y, p2.diameter, p2.c}.join(',').toStdString()));
        const XyXcRun run = runXyXc(c.input);
        EXPECT_EQ(shown(run), c.boxes);
        EXPECT_EQ(run.figure.failure.has_value(), c.failed);
    }
}

TEST(XyXc, ReadoutOnTheVerticalAxis) {
    EXPECT_EQ(xcReadoutText(0, 12.5).toStdString(), "X 25  C 90 ");
    EXPECT_EQ(xcReadoutText(0, -40).toStdString(), "X 80  C 270 ");
    EXPECT_EQ(xcReadoutText(0, 0).toStdString(), "X 0  C 0 ");
    EXPECT_EQ(xcReadoutText(1e-320, 110).toStdString(), "");
}
