// Times reading and writing a vehicle list file of 10,000 records against the
// plain file work on the same bytes, and prints how many times slower the list
// code is than that baseline.

#include "sampledata.h"

#include "collection/itemlist.h"
#include "collection/listfile.h"
#include "collection/totals.h"
#include "common/atomicfile.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kRecords = 10000;

// What every benchmark works on; set up once before the benchmarks run.
struct Fixture {
    QString listPath;     // the generated list file
    QString savePath;     // target of BM_Save
    QString baselinePath; // target of BM_SaveBaseline
    vm::ItemList loaded;  // the list as read from listPath
    QByteArray content;   // listFileContent(loaded)
};

Fixture* g_fixture = nullptr;

void BM_Load(benchmark::State& state)
{
    for (auto _ : state) {
        vm::ItemList list = vm::ItemList::empty(vm::Layout::Vehicle);
        const vm::Status status = vm::LoadListFile(list, g_fixture->listPath);
        if (!status) {
            state.SkipWithError(status.message().toStdString().c_str());
            break;
        }
        vm::ApplyColumnLayout(list);
        benchmark::DoNotOptimize(list);
    }
}

// Reading the file and cutting it into lines and fields, each field kept as
// its own byte array: the least a list reader has to do with these bytes.
void BM_LoadBaseline(benchmark::State& state)
{
    for (auto _ : state) {
        QFile file(g_fixture->listPath);
        if (!file.open(QIODevice::ReadOnly)) {
            state.SkipWithError("list file cannot be opened");
            break;
        }
        const QByteArray bytes = file.readAll();
        QList<QList<QByteArray>> rows;
        const char* data = bytes.constData();
        const char* const end = data + bytes.size();
        // Lines end at CR, LF or CR LF; a TAB ends a field. Each row reserves
        // as many fields as the row before had, so that growing the rows does
        // not dominate.
        qsizetype fieldsPerRow = 0;
        const char* line = data;
        while (line < end) {
            const char* lineEnd = line;
            while (lineEnd < end && *lineEnd != '\r' && *lineEnd != '\n') {
                ++lineEnd;
            }
            if (lineEnd > line) {
                QList<QByteArray>& fields = rows.emplace_back();
                fields.reserve(fieldsPerRow);
                const char* field = line;
                while (field < lineEnd) {
                    const void* tab = std::memchr(field, '\t', std::size_t(lineEnd - field));
                    const char* fieldEnd = tab ? static_cast<const char*>(tab) : lineEnd;
                    fields.append(QByteArray(field, fieldEnd - field));
                    field = fieldEnd + 1;
                }
                fieldsPerRow = fields.size();
            }
            if (lineEnd + 1 < end && lineEnd[0] == '\r' && lineEnd[1] == '\n') {
                ++lineEnd;
            }
            line = lineEnd + 1;
        }
        benchmark::DoNotOptimize(rows);
    }
}

void BM_Save(benchmark::State& state)
{
    for (auto _ : state) {
        const vm::Status status = vm::SaveListFile(g_fixture->loaded, g_fixture->savePath);
        if (!status) {
            state.SkipWithError(status.message().toStdString().c_str());
            break;
        }
    }
}

// Writing the same bytes in one piece to a plain file.
void BM_SaveBaseline(benchmark::State& state)
{
    for (auto _ : state) {
        QFile file(g_fixture->baselinePath);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(g_fixture->content) != g_fixture->content.size()) {
            state.SkipWithError("baseline file cannot be written");
            break;
        }
        file.close();
    }
}

// The same bytes through the atomic replace alone (temporary file, sync,
// rename): the price of never leaving a half-written list behind.
void BM_SaveAtomicOnly(benchmark::State& state)
{
    for (auto _ : state) {
        if (!vm::writeFileAtomically(g_fixture->baselinePath, g_fixture->content)) {
            state.SkipWithError("atomic file cannot be written");
            break;
        }
    }
}

// Count and sums of the list as the status bar shows them.
void BM_Totals(benchmark::State& state)
{
    const QList<bool> hidden(g_fixture->loaded.rowCount(), false);
    for (auto _ : state) {
        benchmark::DoNotOptimize(vm::computeTotals(g_fixture->loaded, hidden));
    }
}

// Touches the same three cells of every row and only adds their lengths.
void BM_TotalsBaseline(benchmark::State& state)
{
    const vm::ItemList& list = g_fixture->loaded;
    const int columns[] = {vm::ColumnByHeader(list, QStringLiteral("Anzahl")),
                           vm::ColumnByHeader(list, QStringLiteral("Katalogwert")),
                           vm::ColumnByHeader(list, QStringLiteral("Preis"))};
    for (auto _ : state) {
        qsizetype sum = 0;
        for (int r = 1; r < list.rowCount(); ++r) {
            sum += list.cell(r, 0).size();
            for (int c : columns) {
                sum += list.cell(r, c).size();
            }
        }
        benchmark::DoNotOptimize(sum);
    }
}

BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadBaseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveBaseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveAtomicOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Totals)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TotalsBaseline)->Unit(benchmark::kMillisecond);

// The console table as usual, plus the mean real time per iteration of every
// benchmark that ran without error.
class TimingReporter : public benchmark::ConsoleReporter {
public:
    using benchmark::ConsoleReporter::ConsoleReporter;

    void ReportRuns(const std::vector<Run>& reports) override
    {
        for (const Run& run : reports) {
            if (run.error_occurred || run.iterations <= 0) {
                continue;
            }
            Timing& timing = m_timings[run.run_name.function_name];
            if (run.run_type == Run::RT_Iteration) {
                timing.seconds += run.real_accumulated_time;
                timing.iterations += double(run.iterations);
            } else if (run.aggregate_name == "mean") {
                // Only the aggregates are shown when repetitions report
                // aggregates only; their mean then stands for the runs.
                timing.meanSeconds = run.real_accumulated_time / double(run.iterations);
            }
        }
        benchmark::ConsoleReporter::ReportRuns(reports);
    }

    std::optional<double> secondsPerIteration(const std::string& name) const
    {
        const auto found = m_timings.find(name);
        if (found == m_timings.end()) {
            return std::nullopt;
        }
        const Timing& timing = found->second;
        if (timing.iterations > 0) {
            return timing.seconds / timing.iterations;
        }
        if (timing.meanSeconds > 0) {
            return timing.meanSeconds;
        }
        return std::nullopt;
    }

private:
    struct Timing {
        double seconds = 0;
        double iterations = 0;
        double meanSeconds = 0;
    };
    std::map<std::string, Timing> m_timings;
};

void printRatio(const TimingReporter& reporter, const char* label, const std::string& operation,
                const std::string& baseline)
{
    const std::optional<double> op = reporter.secondsPerIteration(operation);
    const std::optional<double> base = reporter.secondsPerIteration(baseline);
    if (op && base && *base > 0) {
        std::printf("ratio %s %.2f\n", label, *op / *base);
    }
}

// Writes the generated list and reads it back; the benchmarks only make sense
// when the file holds exactly the list and the list writes exactly the file.
bool prepare(Fixture& fixture, const QTemporaryDir& dir)
{
    fixture.listPath = dir.filePath(QStringLiteral("LOKS.TXT"));
    fixture.savePath = dir.filePath(QStringLiteral("SAVED.TXT"));
    fixture.baselinePath = dir.filePath(QStringLiteral("BASELINE.TXT"));

    const vm::ItemList generated = vm::bench::makeSampleVehicleList(kRecords);
    if (const vm::Status status = vm::SaveListFile(generated, fixture.listPath); !status) {
        std::fprintf(stderr, "%s\n", qPrintable(status.message()));
        return false;
    }

    fixture.loaded = vm::ItemList::empty(vm::Layout::Vehicle);
    if (const vm::Status status = vm::LoadListFile(fixture.loaded, fixture.listPath); !status) {
        std::fprintf(stderr, "%s\n", qPrintable(status.message()));
        return false;
    }
    vm::ApplyColumnLayout(fixture.loaded);

    if (fixture.loaded.rowCount() != generated.rowCount() ||
        fixture.loaded.columnCount() != generated.columnCount()) {
        std::fprintf(stderr, "list read back has %d x %d cells, written were %d x %d\n",
                     fixture.loaded.rowCount(), fixture.loaded.columnCount(), generated.rowCount(),
                     generated.columnCount());
        return false;
    }
    for (int r = 0; r < generated.rowCount(); ++r) {
        if (fixture.loaded.row(r) != generated.row(r)) {
            std::fprintf(stderr, "row %d read back differs from the row written\n", r);
            return false;
        }
    }

    fixture.content = vm::listFileContent(fixture.loaded);
    QFile file(fixture.listPath);
    if (!file.open(QIODevice::ReadOnly) || file.readAll() != fixture.content) {
        std::fprintf(stderr, "list file does not hold the bytes of the list\n");
        return false;
    }
    std::printf("list file: %d records, %lld bytes\n", kRecords,
                static_cast<long long>(fixture.content.size()));
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }

    const QTemporaryDir dir;
    if (!dir.isValid()) {
        std::fprintf(stderr, "no temporary folder: %s\n", qPrintable(dir.errorString()));
        return 1;
    }
    Fixture fixture;
    if (!prepare(fixture, dir)) {
        return 1;
    }
    g_fixture = &fixture;
    std::fflush(stdout);

    // Colours only on a terminal, so that logs stay plain text.
    const auto options = isatty(fileno(stdout)) ? benchmark::ConsoleReporter::OO_Defaults
                                                : benchmark::ConsoleReporter::OO_Tabular;
    TimingReporter reporter(options);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    g_fixture = nullptr;

    std::fflush(stdout);
    printRatio(reporter, "load", "BM_Load", "BM_LoadBaseline");
    printRatio(reporter, "save", "BM_Save", "BM_SaveBaseline");
    // What the list writer adds on top of the atomic replace.
    printRatio(reporter, "save-over-atomic", "BM_Save", "BM_SaveAtomicOnly");
    printRatio(reporter, "totals", "BM_Totals", "BM_TotalsBaseline");
    return 0;
}
