#pragma once

// What the benchmarks that compare themselves with GNU sed share: sed run over the same
// generated file, and a reporter that keeps each run's time to print ratios after the table.

#include <benchmark/benchmark.h>

#include "benchmarks/generated_program.h"
#include "platform/program_file.h"

#include <QString>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace quillmar::bench {

// The generated program of a size, made once per run: its text and a file holding it.
struct Program {
    QString text;
    QString path;
    qint64 bytes = 0;
};

inline QTemporaryDir& folder() {
    static QTemporaryDir dir;
    return dir;
}

inline const Program& program(int lines) {
    static std::map<int, Program> made;
    auto found = made.find(lines);
    if (found == made.end()) {
        const QByteArray bytes = generateProgram(lines);
        Program p;
        p.text = decodeProgram(bytes).text;
        p.path = folder().filePath(QStringLiteral("program-%1.min").arg(lines));
        p.bytes = bytes.size();
        writeFileBytes(p.path, bytes);
        found = made.emplace(lines, std::move(p)).first;
    }
    return found->second;
}

// GNU sed with `script` over the file at `path`, its output thrown away.
inline void runSed(benchmark::State& state, const char* script, const QString& path) {
    const std::string command = std::string("sed ") + script + " '" + path.toStdString() + "' > /dev/null";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0)
            state.SkipWithError("sed failed");
    }
    state.SetComplexityN(state.range(0));
}

// Keeps the mean real time of every run, in milliseconds, by the run's name.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> milliseconds;

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && run.iterations > 0)
                milliseconds[run.benchmark_name()] = run.real_accumulated_time * 1e3 / double(run.iterations);
        ConsoleReporter::ReportRuns(runs);
    }
};

// Runs the benchmarks, then prints for every size each of our runs beside sed's run on
// the same file. `iterations` is the one the runs were registered with (it is part of
// their names).
inline int runAgainstSed(int argc, char** argv, int iterations, const char* heading,
                         std::initializer_list<std::pair<const char*, const char*>> oursAndSed) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\n%s\n", heading);
    for (const int lines : {kFullLines / 8, kFullLines / 4, kFullLines / 2, kFullLines}) {
        const auto timeOf = [&](const char* name) {
            const std::string run = QStringLiteral("%1/%2/iterations:%3/real_time")
                                        .arg(QLatin1StringView(name))
                                        .arg(lines)
                                        .arg(iterations)
                                        .toStdString();
            return reporter.milliseconds.find(run);
        };
        for (const auto& [ours, sed] : oursAndSed) {
            const auto a = timeOf(ours);
            const auto b = timeOf(sed);
            if (a == reporter.milliseconds.end() || b == reporter.milliseconds.end() || b->second <= 0) continue;
            std::printf("  %-22s %7d lines: %8.1f ms, sed %8.1f ms, ratio %.2f\n", ours, lines, a->second,
                        b->second, a->second / b->second);
        }
    }
    benchmark::Shutdown();
    return 0;
}

}  // namespace quillmar::bench

// A run at an eighth, a quarter, a half and the whole generated program, in real time,
// with its growth fitted.
#define QUILLMAR_AT_EVERY_SIZE(name, iterations)                                                \
    BENCHMARK(name)                                                                             \
        ->Arg(quillmar::bench::kFullLines / 8)                                                  \
        ->Arg(quillmar::bench::kFullLines / 4)                                                  \
        ->Arg(quillmar::bench::kFullLines / 2)                                                  \
        ->Arg(quillmar::bench::kFullLines)                                                      \
        ->Unit(benchmark::kMillisecond)                                                         \
        ->UseRealTime()                                                                         \
        ->Iterations(iterations)                                                                \
        ->Complexity(benchmark::oN)
