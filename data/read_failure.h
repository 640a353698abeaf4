#pragma once

#include <filesystem>
#include <new>
#include <string>
#include <utility>
#include <variant>

namespace orvel {

// Why the reference file could not be read. Every operation that reads it reports this instead
// of a result, so that a missing file is never mistaken for "nothing found".
struct ReadFailure {
    enum class Kind { Missing, Unreadable, TooLarge };
    Kind kind;
    std::filesystem::path path;
};

// The French message shown to the user, in UTF-8; it names the file and its absolute directory.
std::string failureMessage(const ReadFailure& failure);

// The reason the system gives for a failure (an errno value), in French, starting in lower case.
std::string systemReason(int error);

// The value of an operation on the reference file, or the reason it could not be read.
template <class T> class Result {
public:
    // Implicit on purpose, so that an operation returns its value or its failure alike.
    // cppcheck-suppress noExplicitConstructor
    Result(T value) : state_(std::move(value)) {} // NOLINT(google-explicit-constructor)
    // cppcheck-suppress noExplicitConstructor
    Result(ReadFailure failure)
        : state_(std::move(failure)) {} // NOLINT(google-explicit-constructor)

    [[nodiscard]] bool ok() const { return state_.index() == 0; }
    [[nodiscard]] T& value() { return std::get<0>(state_); }
    [[nodiscard]] const T& value() const { return std::get<0>(state_); }
    [[nodiscard]] const ReadFailure& failure() const { return std::get<1>(state_); }

private:
    std::variant<T, ReadFailure> state_;
};

// Runs an operation that reads the file and keeps what it finds. Memory running out on the way
// is reported like any other failure to read the file: the caller shows the message and keeps
// what it showed before, instead of the program ending. What the operation held is freed by
// then, so the failure itself has room.
template <class Operation>
auto reportingMemoryExhaustion(const std::filesystem::path& file, Operation&& operation)
    -> decltype(operation()) {
    try {
        return operation();
    } catch (const std::bad_alloc&) {
        return ReadFailure{ReadFailure::Kind::TooLarge, file};
    }
}

} // namespace orvel
