// The main window's commune listing of every record ("****", "00"), from the click on
// Aff_Commune to the painted list, next to the naive design measured in the same run: the same
// lines added one by one, in file order, to a list widget that keeps them sorted; and the same
// click with a traffic log of 100,000 contacts (about 25 MB, written by the benchmark) chosen,
// kept from one click to the next while it does not change, and read anew at every click.
// The reference file is the program's own, or the one named by ORVEL_BENCH_FILE.
// Each time is the least, over the repetitions (--benchmark_repetitions), of the mean time on the
// clock per click, and of the processor time of the whole process. The last line printed is
// click_to_list_ms=<clock> click_to_list_cpu_ms=<processor> gui_listing_vs_naive=<ours / naive>
// click_log_cpu_ms=<processor> click_log_reread_cpu_ms=<processor>
// gui_click_log_vs_none=<with the log / without, processor>, each figure only when its
// benchmarks ran.
#include "app/main_window.h"
#include "bench/bench_files.h"
#include "data/program_directory.h"
#include "data/reference_file.h"
#include "listing/listing.h"
#include "widgets/qt_text.h"
#include "widgets/window_style.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>

namespace {

std::filesystem::path gProgramDirectory; // holds Liste_References.prn
std::filesystem::path gLog;              // the traffic log of the benchmarks with a log

constexpr int kLogContacts = 100'000;

template <class Widget> Widget* control(QWidget& window, const char* name) {
    return window.findChild<Widget*>(QString::fromLatin1(name));
}

enum class LogUse { None, Kept, ChangedEveryClick };

void clickCommuneListing(benchmark::State& state, LogUse log) {
    orvel::Main window(gProgramDirectory);
    window.show();
    control<QComboBox>(window, "Type_Activite")->setEditText(QStringLiteral("****"));
    control<QLineEdit>(window, "Dpart")->setText(QStringLiteral("00"));
    auto* button = control<QPushButton>(window, "Aff_Commune");
    if (log != LogUse::None) {
        // Chosen as the user does; its first reading is over before the clicks are timed.
        window.setFileQuestions(
            {[](QWidget*) { return QString::fromStdString(gLog.string()); }, {}});
        control<QAction>(window, "Mnu_Journal")->trigger();
    }
    auto modified = std::filesystem::last_write_time(gLog);
    for (auto _ : state) {
        if (log == LogUse::ChangedEveryClick) {
            state.PauseTiming();
            modified += std::chrono::seconds(1);
            std::filesystem::last_write_time(gLog, modified);
            state.ResumeTiming();
        }
        button->click();
        QApplication::processEvents();
    }
    state.counters["lines"] =
        static_cast<double>(control<QAbstractItemView>(window, "List1")->model()->rowCount());
}

void BM_MainWindowCommuneListing(benchmark::State& state) {
    clickCommuneListing(state, LogUse::None);
}
void BM_MainWindowCommuneListingWithLog(benchmark::State& state) {
    clickCommuneListing(state, LogUse::Kept);
}
void BM_MainWindowCommuneListingWithLogReadAnew(benchmark::State& state) {
    clickCommuneListing(state, LogUse::ChangedEveryClick);
}

void BM_NaiveSortedListWidget(benchmark::State& state) {
    const std::filesystem::path file = gProgramDirectory / orvel::kReferenceFileName;
    QListWidget list;
    list.setSortingEnabled(true);
    list.setFont(orvel::listFont());
    list.resize(841, 400);
    list.show();
    for (auto _ : state) {
        list.clear();
        orvel::forEachLine(file, [&list](std::string_view record) {
            list.addItem(
                orvel::fromCp1252(orvel::listingLine(orvel::ListingOrder::Commune, record)));
        });
        QApplication::processEvents();
    }
    state.counters["lines"] = static_cast<double>(list.count());
}

BENCHMARK(BM_MainWindowCommuneListing)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime();
BENCHMARK(BM_MainWindowCommuneListingWithLog)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime();
BENCHMARK(BM_MainWindowCommuneListingWithLogReadAnew)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime();
BENCHMARK(BM_NaiveSortedListWidget)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime();

// Prints as usual and keeps each benchmark's least time per iteration, in milliseconds, under
// its function's name (repetitions and aggregates carry suffixes in their full names).
class RecordingReporter : public benchmark::ConsoleReporter {
public:
    // No colours: bench/run reads the last line as plain text.
    RecordingReporter() : ConsoleReporter(OO_Tabular) {}
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && !run.error_occurred && run.iterations > 0) {
                const auto keepLeast = [&](std::map<std::string, double>& least, double seconds) {
                    const double milliseconds =
                        1000 * seconds / static_cast<double>(run.iterations);
                    const auto [kept, added] =
                        least.emplace(run.run_name.function_name, milliseconds);
                    kept->second = added ? milliseconds : std::min(kept->second, milliseconds);
                };
                keepLeast(leastMilliseconds, run.real_accumulated_time);
                keepLeast(leastCpuMilliseconds, run.cpu_accumulated_time);
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> leastMilliseconds;
    std::map<std::string, double> leastCpuMilliseconds; // every thread of the process
};

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);

    // The main window writes its directory into the user's settings; keep those untouched.
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());

    QTemporaryDir givenFileDirectory;
    const QString givenFile = qEnvironmentVariable("ORVEL_BENCH_FILE");
    if (givenFile.isEmpty()) {
        gProgramDirectory = orvel::programDirectory();
    } else {
        gProgramDirectory = givenFileDirectory.path().toStdString();
        std::filesystem::create_symlink(std::filesystem::absolute(givenFile.toStdString()),
                                        gProgramDirectory / orvel::kReferenceFileName);
    }

    QTemporaryDir logDirectory;
    gLog = logDirectory.filePath(QStringLiteral("journal.adi")).toStdString();
    orvel::bench::writeBenchLog(gProgramDirectory / orvel::kReferenceFileName, gLog, kLogContacts);
    // A message about the log would wait for a click: it is printed and closed instead.
    QTimer messages;
    QObject::connect(&messages, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            std::fprintf(stderr, "orvel_gui_bench: message: %s\n", qPrintable(box->text()));
            box->accept();
        }
    });
    messages.start(50);

    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const auto ours = reporter.leastMilliseconds.find("BM_MainWindowCommuneListing");
    if (ours == reporter.leastMilliseconds.end()) {
        std::fprintf(stderr, "orvel_gui_bench: the main window's listing did not run\n");
        return 1;
    }
    std::printf("click_to_list_ms=%.2f click_to_list_cpu_ms=%.2f", ours->second,
                reporter.leastCpuMilliseconds["BM_MainWindowCommuneListing"]);
    // The naive design is slow on large files; bench/run leaves it out with a filter.
    const auto naive = reporter.leastMilliseconds.find("BM_NaiveSortedListWidget");
    if (naive != reporter.leastMilliseconds.end()) {
        std::printf(" gui_listing_vs_naive=%.4f", ours->second / naive->second);
    }
    std::map<std::string, double>& cpu = reporter.leastCpuMilliseconds;
    const auto withLog = cpu.find("BM_MainWindowCommuneListingWithLog");
    if (withLog != cpu.end()) {
        std::printf(" click_log_cpu_ms=%.2f", withLog->second);
    }
    const auto readAnew = cpu.find("BM_MainWindowCommuneListingWithLogReadAnew");
    if (readAnew != cpu.end()) {
        std::printf(" click_log_reread_cpu_ms=%.2f", readAnew->second);
    }
    if (withLog != cpu.end()) {
        std::printf(" gui_click_log_vs_none=%.4f",
                    withLog->second / cpu["BM_MainWindowCommuneListing"]);
    }
    std::printf("\n");
    return 0;
}
