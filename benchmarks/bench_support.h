#pragma once

// What the benchmarks that compare themselves with GNU sed share: sed run over the same
// generated file, and a reporter that keeps each run's time to print ratios after the table.

#include <benchmark/benchmark.h>

#include "benchmarks/generated_program.h"
#include "platform/program_file.h"

#include <QString>
#include <QTemporaryDir>
#include <cstdlib>
#include <map>
#include <string>
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

}  // namespace quillmar::bench
