// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

#include "benchfigures.h"
#include "conversions.h"
#include "memorybox.h"
#include "numeraltables.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int Largest = 3999;
constexpr std::size_t TextLength = 1'000'000;
// romanValue may take this many times as long as merely reading its text.
constexpr double ReadingTarget = 10.0;

const NumeralTables &tables()
{
    static const NumeralTables filled = NumeralTables::filled();
    return filled;
}

// A long numeral as a user might paste it: the standard numerals of 1 to 3999
// back to back, over and over, cut at a million characters.
const std::u16string &romanText()
{
    static const std::u16string text = [] {
        std::u16string text;
        text.reserve(TextLength);
        for (int number = 1; text.size() < TextLength; number = number % Largest + 1)
            text += romanNumeral(tables(), number);
        text.resize(TextLength);
        return text;
    }();
    return text;
}

const std::u16string &lowerRomanText()
{
    static const std::u16string text = [] {
        std::u16string lower = romanText();
        for (char16_t &c : lower)
            c = char16_t(c + (u'a' - u'A'));
        return lower;
    }();
    return text;
}

// The texts here are ASCII, which the conversions upper-case themselves.
std::u16string unusedPlatformUpperCasing(std::u16string_view text)
{
    return std::u16string(text);
}

void setTextBytes(benchmark::State &state, const std::u16string &text)
{
    state.SetBytesProcessed(state.iterations() * std::int64_t(text.size() * sizeof(char16_t)));
}

void toRoman(benchmark::State &state)
{
    for ([[maybe_unused]] auto _ : state) {
        for (int number = 1; number <= Largest; ++number)
            benchmark::DoNotOptimize(romanNumeral(tables(), number));
    }
    state.counters["per_numeral"] = benchmark::Counter(
        Largest, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(toRoman)->Name("romanNumeral/1-3999");

void toValue(benchmark::State &state)
{
    const std::u16string &text = romanText();
    for ([[maybe_unused]] auto _ : state)
        benchmark::DoNotOptimize(romanValue(tables(), text));
    setTextBytes(state, text);
}
BENCHMARK(toValue)->Name("romanValue");

// The floor for anything that reads the text once: every code unit loaded and
// added, which the compiler is free to vectorise but not to skip.
void sumCodeUnits(benchmark::State &state)
{
    const std::u16string &text = romanText();
    for ([[maybe_unused]] auto _ : state) {
        std::uint64_t sum = 0;
        for (const char16_t c : text)
            sum += c;
        benchmark::DoNotOptimize(sum);
    }
    setTextBytes(state, text);
}
BENCHMARK(sumCodeUnits)->Name("sumCodeUnits");

// The whole Calculate of the Roman frame: a lower-case text is copied while
// upper-cased, an upper-case one only scanned, so the two show that cost.
void romanToArabic(benchmark::State &state, const std::u16string &(*text)())
{
    for ([[maybe_unused]] auto _ : state) {
        MemoryBox roman(text());
        MemoryBox arabic;
        RomanToArabic(tables(), roman, arabic, unusedPlatformUpperCasing);
        benchmark::DoNotOptimize(arabic.text());
    }
    setTextBytes(state, text());
}
BENCHMARK_CAPTURE(romanToArabic, upper, &romanText)->Name("RomanToArabic/upper");
BENCHMARK_CAPTURE(romanToArabic, lower, &lowerRomanText)->Name("RomanToArabic/lower");

// A run that measured the benchmark. Google Benchmark 1.8 replaced the run's
// error flag with a skip state, which an error sets too; whichever the
// installed version has is read.
template <typename BenchmarkRun> bool measuredRun(const BenchmarkRun &run)
{
    bool skipped = false;
    if constexpr (requires { run.skipped; })
        skipped = run.skipped != decltype(run.skipped){};
    else
        skipped = run.error_occurred;
    return run.run_type == BenchmarkRun::RT_Iteration && !skipped && run.iterations > 0;
}

// Shows the usual table, then how the readers of the long text compare with
// the plain sum, from the median CPU time of each benchmark's repetitions.
class SummaryReporter : public benchmark::ConsoleReporter
{
public:
    // Colours only on a terminal, so a saved report stays plain text.
    SummaryReporter() : ConsoleReporter(isatty(STDOUT_FILENO) != 0 ? OO_ColorTabular : OO_Tabular)
    {
    }

    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            if (measuredRun(run))
                m_seconds[run.run_name.function_name].push_back(run.cpu_accumulated_time /
                                                                double(run.iterations));
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void printSummary() const
    {
        const auto floor = seconds("sumCodeUnits");
        const auto value = seconds("romanValue");
        if (!floor || !value)
            return;
        std::printf("\nTime to read the %lld-character text, as a multiple of:\n",
                    static_cast<long long>(TextLength));
        std::printf("  %-20s %13s %11s\n", "", "sumCodeUnits", "romanValue");
        for (const char *name : {"romanValue", "RomanToArabic/upper", "RomanToArabic/lower"}) {
            if (const auto time = seconds(name))
                std::printf("  %-20s %12.1fx %10.1fx\n", name, *time / *floor, *time / *value);
        }
        std::printf("romanValue within %.0fx of sumCodeUnits: %s\n", ReadingTarget,
                    *value / *floor <= ReadingTarget ? "met" : "NOT met");
    }

private:
    [[nodiscard]] std::optional<double> seconds(const std::string &name) const
    {
        const auto found = m_seconds.find(name);
        return found == m_seconds.end() ? std::nullopt : median(found->second);
    }

    std::map<std::string, std::vector<double>> m_seconds;
};

} // namespace

int main(int argc, char *argv[])
{
    benchmark::Initialize(&argc, argv);
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printSummary();
    benchmark::Shutdown();
    return 0;
}
