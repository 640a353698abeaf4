#include "query/record_printers.h"

#include "listing/record_csv.h"
#include "query/query_output.h"

namespace orvel::query {
namespace {

class LinePrinter final : public RecordPrinter {
public:
    void print(const FoundRecord& found) override {
        out_.appendLine({found.shownStart, found.shownEnd});
    }
    void finish() override { out_.finish(); }

private:
    Output out_;
};

class CsvPrinter final : public RecordPrinter {
public:
    void print(const FoundRecord& found) override {
        writeHeaderOnce();
        if (!found.isHeaderLine) {
            out_.append(recordCsvRow(found.record));
        }
    }
    void finish() override {
        writeHeaderOnce();
        out_.finish();
    }

private:
    void writeHeaderOnce() {
        if (!wroteHeader_) {
            out_.append(recordCsvHeader());
            wroteHeader_ = true;
        }
    }

    Output out_;
    bool wroteHeader_ = false;
};

} // namespace

std::unique_ptr<RecordPrinter> recordPrinter(const Options& options) {
    if (options.csv) {
        return std::make_unique<CsvPrinter>();
    }
    return std::make_unique<LinePrinter>();
}

} // namespace orvel::query
