#pragma once

// Calculator rows: a base input, and rows that list only the boxes they change.

#include <gtest/gtest.h>

#include <QStringList>

#include <initializer_list>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "calculators/calculator_conventions.h"

namespace quillmar::test {

template <typename Input>
using Edits = std::vector<std::pair<QString Input::*, const char*>>;

template <typename Input>
Input edited(Input in, const Edits<Input>& edits) {
    for (const auto& [box, text] : edits)
        in.*box = QString::fromUtf8(text);
    return in;
}

// Box texts joined by blanks, "-" for a box left as it was.
template <typename Texts>
std::string shownTexts(const Texts& texts) {
    QStringList parts;
    for (const std::optional<QString>& text : texts)
        parts << text.value_or(QStringLiteral("-"));
    return parts.join(QLatin1Char(' ')).toStdString();
}

// A row: the boxes it changes and the result texts it shows (for a failure: exactly the
// boxes written before it).
template <typename Input>
struct Case {
    const char* name;
    Edits<Input> changes;
    const char* shown;
    Plane plane = Plane::XZ;
    int option = 1;
};

// A calculator under test: its run, and the texts of a run in the order of its boxes.
template <typename Input, typename Run>
struct Calculator {
    Run (*run)(const Input&);
    std::string (*shown)(const Run&);
};

template <typename Input, typename Run>
void expectCases(Calculator<Input, Run> calculator, const Input& base,
                 std::type_identity_t<std::initializer_list<Case<Input>>> cases, bool failing = false) {
    for (const Case<Input>& c : cases) {
        Input in = edited(base, c.changes);
        if constexpr (requires { in.plane; })
            in.plane = c.plane;
        if constexpr (requires { in.option; })
            in.option = c.option;
        const Run r = calculator.run(in);
        EXPECT_EQ(r.figure.failure.has_value(), failing) << c.name;
        EXPECT_EQ(calculator.shown(r), c.shown) << c.name;
    }
}

template <typename Input, typename Run>
void expectFailures(Calculator<Input, Run> calculator, const Input& base,
                    std::type_identity_t<std::initializer_list<Case<Input>>> cases) {
    expectCases(calculator, base, cases, true);
}

// The stages that stop early: with one of `first` empty nothing is drawn; with one of
// `later` empty the first `steps` steps are drawn and nothing is written.
template <typename Input, typename Run>
void expectEarlyStops(Calculator<Input, Run> calculator, const Input& base,
                      std::initializer_list<QString Input::*> first, std::initializer_list<QString Input::*> later,
                      std::size_t steps) {
    int n = 0;
    for (QString Input::*box : first)
        EXPECT_TRUE(calculator.run(edited(base, {{box, ""}})).figure.steps.empty()) << "first box " << n++;
    n = 0;
    for (QString Input::*box : later) {
        SCOPED_TRACE("later box " + std::to_string(n++));
        const Run r = calculator.run(edited(base, {{box, ""}}));
        EXPECT_EQ(calculator.shown(r), calculator.shown(Run{}));
        EXPECT_FALSE(r.figure.failure);
        EXPECT_EQ(r.figure.steps.size(), steps);
    }
}

}  // namespace quillmar::test
