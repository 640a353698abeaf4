// orvel-query: the listings, the search and the revision check of Orvel_Reference from the
// command line, for scripts and checks. Arguments are UTF-8; output is UTF-8.

#include "data/cp1252.h"
#include "data/program_directory.h"
#include "data/reference_file.h"
#include "data/revision.h"
#include "listing/listing.h"
#include "search/search_engine.h"
#include "tools/csv_rows.h"

#include <cstdio>
#include <exception>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace orvel;

constexpr int kFound = 0;
constexpr int kNothingFound = 1;
constexpr int kUsageOrFileError = 2;

constexpr std::string_view kUsage =
    "usage : orvel-query [--file CHEMIN] [--csv] list commune|reference|canton|postal DIPLOME DPT\n"
    "        orvel-query [--file CHEMIN] [--csv] search 1|2|3|4|5 TEXTE\n"
    "        orvel-query [--file CHEMIN] revision\n"
    "Sans --file, lit Liste_References.prn dans le répertoire du programme.\n";

struct Options {
    std::optional<std::string> file;
    bool csv = false;
    std::vector<std::string_view> words;
};

// Large writes in one buffer: a listing of 40,000 lines is one fwrite, not 40,000.
class Output {
public:
    static constexpr std::size_t kFlushSize = std::size_t{256} * 1024;

    ~Output() { flush(); }
    Output() = default;
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;

    void append(std::string_view text) {
        buffer_ += text;
        flushWhenFull();
    }
    // A line of the file, converted to UTF-8, and its line break; the line may come in parts.
    void appendLine(std::initializer_list<std::string_view> cp1252Parts) {
        for (const std::string_view part : cp1252Parts) {
            appendCp1252AsUtf8(buffer_, part);
        }
        buffer_ += '\n';
        flushWhenFull();
    }
    void flush() {
        std::fwrite(buffer_.data(), 1, buffer_.size(), stdout);
        buffer_.clear();
    }

private:
    void flushWhenFull() {
        if (buffer_.size() > kFlushSize) {
            flush();
        }
    }

    std::string buffer_;
};

void printError(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fputc('\n', stderr);
}

int usageError() {
    std::fwrite(kUsage.data(), 1, kUsage.size(), stderr);
    return kUsageOrFileError;
}

int fileError(const ReadFailure& failure) {
    printError(failureMessage(failure));
    return kUsageOrFileError;
}

std::optional<Options> parseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view word = argv[i];
        if (word == "--file" && i + 1 < argc) {
            options.file = argv[++i];
        } else if (word == "--csv") {
            options.csv = true;
        } else if (word.starts_with("--")) {
            return std::nullopt;
        } else {
            options.words.push_back(word);
        }
    }
    return options;
}

std::optional<ListingOrder> listingOrderNamed(std::string_view name) {
    if (name == "commune") {
        return ListingOrder::Commune;
    }
    if (name == "reference") {
        return ListingOrder::Reference;
    }
    if (name == "canton") {
        return ListingOrder::Canton;
    }
    if (name == "postal") {
        return ListingOrder::PostalCode;
    }
    return std::nullopt;
}

std::optional<SearchCriterion> criterionNamed(std::string_view name) {
    if (name.size() == 1 && name[0] >= '1' && name[0] <= '5') {
        return static_cast<SearchCriterion>(name[0] - '0');
    }
    return std::nullopt;
}

// Writes the lines as UTF-8 text; with a CSV header, writes it and one CSV row per line instead.
template <class CsvRow>
void writeLines(const LineList& lines, const std::string& csvHeader, CsvRow csvRow) {
    Output out;
    out.append(csvHeader);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (csvHeader.empty()) {
            out.appendLine({lines[i]});
        } else {
            out.append(csvRow(i));
        }
    }
}

int runList(const std::filesystem::path& file, const Options& options) {
    const auto order = listingOrderNamed(options.words[1]);
    if (!order || options.words.size() != 4) {
        return usageError();
    }
    const std::string_view diploma = options.words[2];
    const auto keep = options.csv ? KeepRecords::Yes : KeepRecords::No;
    const Result<Listing> result =
        buildListing(*order, file, utf8ToCp1252(diploma), utf8ToCp1252(options.words[3]), keep);
    if (!result.ok()) {
        return fileError(result.failure());
    }
    const Listing& listing = result.value();
    writeLines(listing.lines, options.csv ? recordCsvHeader() : std::string(),
               [&listing](std::size_t i) { return recordCsvRow(listing.records[i]); });
    if (listing.listedCount == 0) {
        printError(noMatchMessage(diploma));
    }
    printError(countCaption(listing, diploma));
    return listing.listedCount == 0 ? kNothingFound : kFound;
}

int runSearch(const std::filesystem::path& file, const Options& options) {
    const auto criterion = criterionNamed(options.words[1]);
    if (!criterion || options.words.size() != 3) {
        return usageError();
    }
    // The results go straight out as they are found: nothing is kept. The CSV header comes
    // with the first result, or at the end, so that a file that cannot be read prints nothing.
    std::size_t found = 0;
    std::optional<ReadFailure> failure;
    {
        Output out;
        const auto writeHeaderOnce = [&] {
            if (options.csv && found == 0) {
                out.append(resultCsvHeader());
            }
        };
        std::string line;
        const auto writeResult = [&](std::string_view start, std::string_view end) {
            writeHeaderOnce();
            ++found;
            if (options.csv) {
                line.assign(start).append(end);
                out.append(resultCsvRow(line));
            } else {
                out.appendLine({start, end});
            }
        };
        failure =
            forEachSearchResult(*criterion, utf8ToCp1252(options.words[2]), file, writeResult);
        if (!failure) {
            writeHeaderOnce();
        }
    }
    if (failure) {
        return fileError(*failure);
    }
    if (found == 0) {
        printError("Pas de référence trouvée");
        return kNothingFound;
    }
    return kFound;
}

int runRevision(const std::filesystem::path& file, const Options& options) {
    if (options.words.size() != 1 || options.csv) {
        return usageError();
    }
    DatabaseRevision revision;
    const Result<std::string> message = revision.check(file);
    if (!message.ok()) {
        return fileError(message.failure());
    }
    std::printf("%s\n", message.value().c_str());
    return kFound;
}

int run(int argc, char** argv) {
    const std::optional<Options> options = parseOptions(argc, argv);
    if (!options || options->words.empty()) {
        return usageError();
    }
    const std::filesystem::path file = options->file ? std::filesystem::path(*options->file)
                                                     : programDirectory() / kReferenceFileName;
    const std::string_view command = options->words[0];
    if (command == "list" && options->words.size() >= 2) {
        return runList(file, *options);
    }
    if (command == "search" && options->words.size() >= 2) {
        return runSearch(file, *options);
    }
    if (command == "revision") {
        return runRevision(file, *options);
    }
    return usageError();
}
} // namespace

int main(int argc, char** argv) {
    try {
        return run(argc, argv);
    } catch (const std::exception& error) {
        printError(std::string("orvel-query : erreur inattendue : ") + error.what());
        return kUsageOrFileError;
    }
}
