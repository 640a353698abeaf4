#pragma once

#include <stdexcept>

namespace orvel::query {

// What stops a command: what() says it in French; the tool prints it and exits with 2.
class Failure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A command line the tool cannot follow; the message also points to --help.
class UsageError : public Failure {
public:
    using Failure::Failure;
};

// The reader of standard output went away (… | head): as any filter, the tool then stops at
// once, without a message, and exits with 0.
class ClosedPipe : public std::exception {};

} // namespace orvel::query
