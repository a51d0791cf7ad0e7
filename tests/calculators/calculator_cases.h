#pragma once

// Calculator rows: a base input and its writes, each row listing only what differs.

#include <gtest/gtest.h>

#include <QStringList>

#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "calculators/calculator_run.h"

namespace quillmar::test {

using Boxes = std::vector<std::pair<const char*, const char*>>;

inline CalculatorInput withBoxes(CalculatorInput base, const Boxes& changes) {
    for (const auto& [box, text] : changes)
        base.boxes.insert(QString::fromLatin1(box), QString::fromUtf8(text));
    return base;
}

// The writes of a run as "Box=text Box=text ...", in the order written.
inline std::string writesOf(const CalculatorRun& run) {
    QStringList parts;
    for (const BoxWrite& w : run.writes)
        parts << w.box + QLatin1Char('=') + w.text;
    return parts.join(QLatin1Char(' ')).toStdString();
}

// Box texts joined by blanks, "-" for a box left as it was.
template <typename Texts>
std::string shownTexts(const Texts& texts) {
    QStringList parts;
    for (const std::optional<QString>& text : texts)
        parts << text.value_or(QStringLiteral("-"));
    return parts.join(QLatin1Char(' ')).toStdString();
}

// The base writes with the listed boxes' texts replaced, in the base order.
inline std::string expectedWrites(const Boxes& base, const Boxes& changes) {
    QStringList parts;
    for (const auto& [box, text] : base) {
        const char* value = text;
        for (const auto& [changedBox, changedText] : changes)
            if (std::string(changedBox) == box)
                value = changedText;
        parts << QString::fromLatin1(box) + QLatin1Char('=') + QString::fromUtf8(value);
    }
    return parts.join(QLatin1Char(' ')).toStdString();
}

// A row: the boxes it changes, and the result boxes whose texts differ from the base
// writes (for a failure: exactly the boxes written before it).
struct Case { const char* name; Boxes changes; Boxes expected; Plane plane = Plane::XZ; int option = 1; };

using Runner = CalculatorRun (*)(const CalculatorInput&);

inline void expectCases(Runner run, const CalculatorInput& base, const Boxes& baseWrites,
                        std::initializer_list<Case> cases, bool failing = false) {
    for (const Case& c : cases) {
        CalculatorInput in = withBoxes(base, c.changes);
        in.plane = c.plane;
        in.option = c.option;
        const CalculatorRun r = run(in);
        EXPECT_EQ(r.figure.failure.has_value(), failing) << c.name;
        EXPECT_EQ(writesOf(r), failing ? expectedWrites(c.expected, {}) : expectedWrites(baseWrites, c.expected))
            << c.name;
    }
}

inline void expectFailures(Runner run, const CalculatorInput& base, std::initializer_list<Case> cases) {
    expectCases(run, base, {}, cases, true);
}

// The stages that stop early: with one of `first` empty nothing is drawn; with one of
// `later` empty the first `steps` steps are drawn and nothing is written.
inline void expectEarlyStops(Runner run, const CalculatorInput& base, std::initializer_list<const char*> first,
                             std::initializer_list<const char*> later, std::size_t steps) {
    for (const char* box : first)
        EXPECT_TRUE(run(withBoxes(base, {{box, ""}})).figure.steps.empty()) << box;
    for (const char* box : later) {
        const CalculatorRun r = run(withBoxes(base, {{box, ""}}));
        EXPECT_TRUE(r.writes.empty() && !r.figure.failure) << box;
        EXPECT_EQ(r.figure.steps.size(), steps) << box;
    }
}

}  // namespace quillmar::test
