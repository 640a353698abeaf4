// The main window's commune listing of every record ("****", "00"), from the click on
// Aff_Commune to the painted list, next to the naive design measured in the same run: the same
// lines added one by one, in file order, to a list widget that keeps them sorted.
// The reference file is the program's own, or the one named by ORVEL_BENCH_FILE.
// The last line printed is gui_listing_vs_naive=<our time / naive time>.
#include "app/main_window.h"
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
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>

namespace {

std::filesystem::path gProgramDirectory; // holds Liste_References.prn

template <class Widget> Widget* control(QWidget& window, const char* name) {
    return window.findChild<Widget*>(QString::fromLatin1(name));
}

void BM_MainWindowCommuneListing(benchmark::State& state) {
    orvel::Main window(gProgramDirectory);
    window.show();
    control<QComboBox>(window, "Type_Activite")->setEditText(QStringLiteral("****"));
    control<QLineEdit>(window, "Dpart")->setText(QStringLiteral("00"));
    auto* button = control<QPushButton>(window, "Aff_Commune");
    for (auto _ : state) {
        button->click();
        QApplication::processEvents();
    }
    state.counters["lines"] =
        static_cast<double>(control<QAbstractItemView>(window, "List1")->model()->rowCount());
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

BENCHMARK(BM_MainWindowCommuneListing)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_NaiveSortedListWidget)->Unit(benchmark::kMillisecond)->UseRealTime();

// Prints as usual and keeps each benchmark's time per iteration for the final ratio.
class RecordingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (!run.error_occurred) {
                realTimes[run.benchmark_name()] = run.GetAdjustedRealTime();
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> realTimes;
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

    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const auto ours = reporter.realTimes.find("BM_MainWindowCommuneListing/real_time");
    const auto naive = reporter.realTimes.find("BM_NaiveSortedListWidget/real_time");
    if (ours == reporter.realTimes.end() || naive == reporter.realTimes.end()) {
        std::fprintf(stderr, "gui_listing_vs_naive: both benchmarks must run\n");
        return 1;
    }
    std::printf("gui_listing_vs_naive=%.4f\n", ours->second / naive->second);
    return 0;
}
