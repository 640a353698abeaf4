#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace orvel::query {

// The references a user has worked, from a plain list ("DFCF 29-001" a line, blank lines and
// "#" comments allowed) or from an ADIF log (.adi), whose contacts name the reference in their
// SIG (diploma code) and SIG_INFO (reference number) fields. Codes are compared without regard
// to case, in the file's Windows-1252 bytes.
class WorkedReferences {
public:
    // Reads the file without changing it; throws Failure when it cannot be read and UsageError
    // when a line of a plain list holds no reference.
    static WorkedReferences read(const std::filesystem::path& file);

    // Whether the record's diploma code and reference number have been worked.
    [[nodiscard]] bool contains(std::string_view record) const;

    // A record of the reference file: its reference, if worked, is one that the file knows.
    void noteKnown(std::string_view record);

    // The worked references that no noted record holds, once each, in the order of the list or
    // log, as UTF-8 "CODE NUMERO".
    [[nodiscard]] std::vector<std::string> unknown() const;

private:
    void add(std::string_view diploma, std::string_view reference);

    std::unordered_map<std::string, bool> known_; // key: "CODE NUMERO", upper-cased
    std::vector<std::string> order_;
};

} // namespace orvel::query
