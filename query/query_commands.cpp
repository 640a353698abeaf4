#include "query/query_commands.h"

#include "data/program_directory.h"
#include "data/reference_file.h"
#include "data/revision.h"
#include "data/worked_log.h"
#include "listing/listing.h"
#include "listing/record_csv.h"
#include "query/query_arguments.h"
#include "query/query_output.h"
#include "search/search_engine.h"

#include <array>
#include <utility>

namespace orvel::query {
namespace {

std::string quotedWord(std::string_view word) {
    return "« " + std::string(word) + " »";
}

// The command's words after its name, exactly as many as it takes.
void expectWords(const Options& options, std::size_t count,
                 std::initializer_list<std::string_view> missing) {
    const std::size_t given = options.words.size() - 1;
    if (given < count) {
        throw UsageError(std::string(*(missing.begin() + given)) + " manquant");
    }
    if (given > count) {
        throw UsageError("argument en trop : " + quotedWord(options.words[count + 1]));
    }
}

ListingOrder orderNamed(std::string_view name) {
    for (const ListingOrderRow& row : kListingOrders) {
        if (name == row.commandName) {
            return row.order;
        }
    }
    throw UsageError("ordre de liste inconnu : " + quotedWord(name) + " (" + orderNames() + ")");
}

SearchCriterion criterionNamed(std::string_view name) {
    if (name.size() != 1 || name[0] < '1' || name[0] > '5') {
        throw UsageError("critère inconnu : " + quotedWord(name) + " (1 à 5)");
    }
    return static_cast<SearchCriterion>(name[0] - '0');
}

bool readsStandardInput(const Options& options) {
    return options.file == "-";
}

std::filesystem::path referenceFile(const Options& options) {
    if (readsStandardInput(options)) {
        return {kStandardInput};
    }
    return options.file ? std::filesystem::path(*options.file)
                        : programDirectory() / kReferenceFileName;
}

int fileError(const Options& options, const ReadFailure& failure) {
    if (!readsStandardInput(options)) {
        printError(failureMessage(failure));
    } else if (failure.kind == ReadFailure::Kind::TooLarge) {
        printError("orvel-query : l'entrée standard est trop grande pour la mémoire disponible.");
    } else {
        printError("orvel-query : l'entrée standard ne peut pas être lue.");
    }
    return kFailure;
}

// The count caption and the "nothing found" notices, which --quiet leaves to the exit status.
void printNotice(const Options& options, const std::string& notice) {
    if (!options.quiet) {
        printError(notice);
    }
}

// Keeps the listing's lines whose reference has (workedOnly) or has not been worked.
void keepWorked(Listing& listing, const WorkedReferences& worked, bool workedOnly) {
    Listing kept;
    for (std::size_t i = 0; i < listing.lines.size(); ++i) {
        if (worked.contains(listing.records[i]) == workedOnly) {
            kept.lines.append(listing.lines[i]);
            kept.records.append(listing.records[i]);
        }
    }
    listing.lines = std::move(kept.lines);
    listing.records = std::move(kept.records);
    listing.listedCount = listing.lines.size();
}

// The log's references; what the reader passed over is said on standard error.
WorkedReferences workedReferences(const std::filesystem::path& file) {
    const auto read = readWorkedLog(file);
    if (const auto* failure = std::get_if<WorkedLogFailure>(&read)) {
        throw Failure(failure->message);
    }
    const auto& log = std::get<WorkedLog>(read);
    for (const std::string& warning : log.warnings) {
        printError("orvel-query : " + warning);
    }
    return log.references;
}

void writeListing(const Options& options, const Listing& listing) {
    Output out;
    if (options.csv) {
        out.append(recordCsvHeader());
    }
    for (std::size_t i = 0; i < listing.lines.size(); ++i) {
        if (!options.csv) {
            listing.lines.prefetchAfter(i);
            out.appendLine({listing.lines[i]});
        } else if (!listing.records[i].empty()) {
            // The header line has no record behind it: the caption counts it, CSV does not.
            out.append(recordCsvRow(listing.records[i]));
        }
    }
    out.finish();
}

int runList(const Options& options) {
    expectWords(options, 3, {"ordre de liste", "diplôme", "département"});
    const ListingOrder order = orderNamed(options.words[1]);
    const std::string& diploma = options.words[2];
    const std::optional<std::string> diplomaBytes = cp1252Argument(diploma, "le diplôme");
    const std::optional<std::string> departmentBytes =
        cp1252Argument(options.words[3], "le département");
    std::optional<WorkedReferences> worked;
    LineObserver noteKnown;
    if (options.worked) {
        worked = workedReferences(*options.worked);
        noteKnown = [&worked](std::string_view line) { worked->noteKnown(line); };
    }
    const bool keepRecords = options.csv || worked.has_value();
    Result<Listing> result = buildListing(
        order, referenceFile(options), diplomaBytes.value_or(""), departmentBytes.value_or(""),
        keepRecords ? KeepRecords::Yes : KeepRecords::No, noteKnown);
    if (!result.ok()) {
        return fileError(options, result.failure());
    }
    Listing& listing = result.value();
    // A text the file cannot hold lists nothing, but the lines read still count.
    if (!diplomaBytes || !departmentBytes) {
        listing.lines = LineList();
        listing.records = LineList();
        listing.listedCount = 0;
    }
    if (worked) {
        keepWorked(listing, *worked, options.workedOnly);
    }
    writeListing(options, listing);
    if (worked) {
        for (const std::string& reference : worked->unknown()) {
            printError("orvel-query : référence inconnue du fichier des références : " + reference);
        }
    }
    if (listing.listedCount == 0) {
        printNotice(options, noMatchMessage(diploma));
    }
    printNotice(options, countCaption(listing, diploma));
    return listing.listedCount == 0 ? kNothingFound : kFound;
}

int runSearch(const Options& options) {
    expectWords(options, 2, {"critère (1 à 5)", "texte à chercher"});
    const SearchCriterion criterion = criterionNamed(options.words[1]);
    const std::optional<std::string> text = cp1252Argument(options.words[2], "le texte à chercher");
    // The results go straight out as they are found: nothing is kept. The CSV header comes
    // with the first result, or at the end, so that a file that cannot be read prints nothing.
    std::size_t found = 0;
    Output out;
    const auto writeHeaderOnce = [&] {
        if (options.csv && found == 0) {
            out.append(recordCsvHeader());
        }
    };
    const auto writeResult = [&](const MatchingRecord& match) {
        // A text the file cannot hold finds nothing; the file is read all the same, so that
        // a file that cannot be read is still reported.
        if (!text) {
            return;
        }
        writeHeaderOnce();
        ++found;
        if (!options.csv) {
            const SearchResultParts parts = searchResultParts(match.line);
            out.appendLine({parts.start, parts.end});
        } else if (!match.isHeaderLine) {
            out.append(recordCsvRow(match.line));
        }
    };
    const std::optional<ReadFailure> failure =
        forEachMatchingRecord(criterion, text.value_or(""), referenceFile(options), writeResult,
                              options.loose ? Matching::Loose : Matching::Exact);
    if (failure) {
        return fileError(options, *failure);
    }
    writeHeaderOnce();
    out.finish();
    if (found == 0) {
        printNotice(options, "Pas de référence trouvée");
        return kNothingFound;
    }
    return kFound;
}

int runRevision(const Options& options) {
    expectWords(options, 0, {});
    if (options.csv) {
        throw UsageError("l'option --csv ne s'applique pas à revision");
    }
    DatabaseRevision revision;
    const Result<std::string> message = revision.check(referenceFile(options));
    if (!message.ok()) {
        return fileError(options, message.failure());
    }
    Output out;
    out.append(message.value() + "\n");
    out.finish();
    return kFound;
}

} // namespace

int runCommand(const Options& options) {
    if (options.words.empty()) {
        throw UsageError("commande manquante (list, search ou revision)");
    }
    const std::string& command = options.words[0];
    const auto run = command == "list"       ? &runList
                     : command == "search"   ? &runSearch
                     : command == "revision" ? &runRevision
                                             : nullptr;
    if (run == nullptr) {
        throw UsageError("commande inconnue : " + quotedWord(command));
    }
    if (options.loose && command != "search") {
        throw UsageError("l'option --loose ne s'applique qu'à search");
    }
    if ((options.worked || options.workedOnly) && command != "list") {
        throw UsageError("les options --worked et --worked-only ne s'appliquent qu'à list");
    }
    if (options.workedOnly && !options.worked) {
        throw UsageError("l'option --worked-only demande --worked JOURNAL");
    }
    return run(options);
}

} // namespace orvel::query
