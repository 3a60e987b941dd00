#include "files/DelimitedFile.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>

// Reading a data logger's long run, the largest file users bring: 57,000 lines, about
// 3 MB, written the way a German or French machine's logger program writes it (a
// byte-order mark, every cell quoted, semicolons, decimal commas, a second run that ends
// early and is padded with empty cells).

namespace {

constexpr int LINES = 57000;

std::string decimalComma(double value, int decimals) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string number(text);
    number[number.find('.')] = ',';
    return "\"" + number + "\"";
}

std::string loggerFile() {
    std::string text = "\xEF\xBB\xBF\"Run 1: Time (s)\";\"Run 1: Temperature (\xC2\xB0"
                       "C)\";\"Run 1: dT (\xC2\xB0"
                       "C)\";\"Run 1: Pressure (kPa)\";\"Run 2: Time (s)\";\"Run 2: "
                       "Temperature (\xC2\xB0"
                       "C)\"\r\n";
    for (int i = 1; i < LINES; ++i) {
        const double t = 0.05 * i;
        text += decimalComma(t, 3) + ";" + decimalComma(20 + 60 * std::exp(-t / 900), 5) +
                ";\"0,05\";" + decimalComma(101.325 + 0.001 * (i % 97), 4) + ";";
        text += i < LINES / 2
                    ? decimalComma(t, 3) + ";" + decimalComma(22 + 55 * std::exp(-t / 700), 5)
                    : std::string("\"\";\"\"");
        text += "\r\n";
    }
    return text;
}

void ReadLoggerFile(benchmark::State& state) {
    const std::string path = std::string(std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp") +
                             "/kelvane_logger_bench.csv";
    const std::string text = loggerFile();
    std::ofstream(path, std::ios::binary) << text;
    for (auto _ : state) {
        const DelimitedFile file = readDelimitedFile(path, {}, '.');
        benchmark::DoNotOptimize(file.table.rows.size());
    }
    state.counters["bytes"] = static_cast<double>(text.size());
    state.counters["rows"] = LINES - 1;
    std::remove(path.c_str());
}
BENCHMARK(ReadLoggerFile)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
