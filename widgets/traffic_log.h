#pragma once

#include "data/worked_log_watch.h"
#include "data/worked_records.h"

#include <QSet>
#include <QStringList>
#include <filesystem>
#include <optional>

namespace orvel {

// The traffic log the user chose ("Journal de trafic"), shared by the main and search windows:
// its path, kept in the user's settings (section "Journal", key "Fichier"), whether the worked
// references are left out of the main window's list, and what has been told about it already.
class TrafficLog {
public:
    // Takes the log kept in the settings, if any.
    TrafficLog();

    [[nodiscard]] bool chosen() const { return watch_.has_value(); }
    [[nodiscard]] const std::filesystem::path& file() const { return watch_->file(); }
    void choose(const std::filesystem::path& file);
    void forget();

    bool hideWorked = false;

    // What a listing or a search takes from the log: its worked references, none when it cannot
    // be read, and the messages to show about it once the operation is over.
    struct Reading {
        const WorkedRecords* worked = nullptr;
        QStringList notices;
    };
    // Reads the log as it is now. Its warnings, and the references it names that the reference
    // file does not know, are told once for the log, not at every reading; a log that cannot be
    // read is told every time, as its marks are missing.
    Reading read(const std::filesystem::path& referenceFile);

private:
    void use(std::optional<std::filesystem::path> file);
    // The items not told yet, under the heading if any, or nothing when all were.
    QString untold(const QString& heading, const std::vector<std::string>& items);

    std::optional<WorkedLogWatch> watch_;
    // The answers for the records of the reference file, learnt once per reading of the log.
    std::optional<WorkedRecords> records_;
    QSet<QString> told_;          // warnings and unknown references of this log already shown
    bool unknownChecked_ = false; // since the log was last read
};

} // namespace orvel
