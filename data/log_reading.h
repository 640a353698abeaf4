#pragma once

#include "data/worked_log.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvel {

// What the reader of one log has found so far; each format's reader hands its finds over here.
class LogReading {
public:
    // What a reader had to pass over; each is told once per log, with how often it happened.
    enum class Problem { FieldSkipped, LengthTooLarge, DataCutShort };

    // One reference the log names, in the log's own bytes: UTF-8, or Windows-1252 where they are
    // not UTF-8. referenceList may name several numbers of the diploma, separated by commas.
    void addReferences(std::string_view diploma, std::string_view referenceList);

    // A contact read, whether or not it named a reference.
    void countContact() { ++contacts_; }
    [[nodiscard]] std::size_t contacts() const { return contacts_; }

    // A problem met; describe() gives it in French, and is only called for the first one.
    template <class Describe> void report(Problem problem, Describe describe) {
        Told& told = told_[static_cast<std::size_t>(problem)];
        if (told.count++ == 0) {
            told.first = describe();
        }
    }

    // The log's references, and its warnings, each starting with intro.
    WorkedLog finish(const std::string& intro, bool namesContacts);

private:
    struct Told {
        std::string first;
        std::size_t count = 0;
    };

    WorkedReferences references_;
    std::size_t contacts_ = 0;
    std::array<Told, 3> told_;
    std::string diploma_; // the last diploma code converted, kept for the next reference
    std::string reference_;
};

// The log's value in Windows-1252 bytes: converted from UTF-8, or taken as it is when it is not
// UTF-8 (an ADIF log of Latin-1 or Windows-1252 text).
void appendAsCp1252(std::string& out, std::string_view value);

// Whether the text is the upper-case ASCII name, in any case: tag names of ADIF and ADX.
bool hasUpperName(std::string_view text, std::string_view upper);

// Blanks, tabs and line ends removed at both ends.
std::string_view trimmedValue(std::string_view value);

// An ADIF log: a header ended by <EOH>, or a <NAME:LENGTH> tag at the very start.
bool looksLikeAdif(std::string_view log);
void readAdif(std::string_view log, LogReading& reading);

// An ADX log: XML, whose <RECORD> elements are the contacts.
bool looksLikeAdx(std::string_view log);
void readAdx(std::string_view log, LogReading& reading);

// A plain list, "DFCF 29-001" a line; the reason, in French, when a line holds no reference.
std::optional<std::string> readPlainList(std::string_view list, LogReading& reading);

} // namespace orvel
