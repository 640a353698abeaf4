#pragma once

// Runs the real orvel-query as a script or a hostile shell would: through a shell line (a limit,
// a timeout, a pipe into it), in a chosen directory, its output to a file, a full device, a
// closed descriptor or a pipe nobody reads, SIGPIPE ignored as under such a shell.

#include "tests/support/reference_file_builder.h"

#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>

extern char** environ; // NOLINT(readability-redundant-declaration): POSIX leaves it undeclared

namespace orvel::testing {

enum class Sink { File, DevFull, Closed, BrokenPipe };

struct QueryCall {
    std::vector<std::string> args;
    Sink sink = Sink::File;
    std::string shell = R"(exec "$@")"; // "$@" is the call; standard input is /dev/null
    std::filesystem::path directory;    // the scratch directory when empty
};

struct QueryOutcome {
    int status; // -1 when killed by a signal
    std::string out;
    std::string err;
};

// The words as a command line: pointers into them, ended by a null pointer.
inline std::vector<char*> argvOf(std::vector<std::string>& words) {
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    return argv;
}

inline std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// Runs the call with its output and errors in files of the scratch directory.
inline QueryOutcome runQuery(const QueryCall& call, const std::filesystem::path& scratch) {
    const auto out = scratch / "out";
    const auto err = scratch / "err";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    int pipeEnds[2] = {-1, -1};
    if (call.sink == Sink::BrokenPipe && ::pipe(pipeEnds) == 0) {
        ::close(pipeEnds[0]); // nobody reads: the first write fails
        posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], 1);
    } else if (call.sink == Sink::Closed) {
        posix_spawn_file_actions_addclose(&actions, 1);
    } else {
        posix_spawn_file_actions_addopen(&actions, 1,
                                         call.sink == Sink::DevFull ? "/dev/full" : out.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0600);
    }
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const std::filesystem::path directory = call.directory.empty() ? scratch : call.directory;
    std::vector<std::string> words{"bash", "-c", R"(cd -- "$0" && )" + call.shell, directory,
                                   ORVEL_QUERY_PATH};
    words.insert(words.end(), call.args.begin(), call.args.end());
    std::vector<char*> argv = argvOf(words);
    const auto previous = std::signal(SIGPIPE, SIG_IGN); // inherited by the child
    pid_t child = -1;
    const int spawned = posix_spawnp(&child, "bash", &actions, nullptr, argv.data(), environ);
    std::signal(SIGPIPE, previous);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeEnds[1]); // none when -1
    int status = 0;
    if (spawned != 0 || ::waitpid(child, &status, 0) != child) {
        throw std::runtime_error("cannot run orvel-query");
    }
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1,
            call.sink == Sink::File ? contentOf(out) : "", contentOf(err)};
}

} // namespace orvel::testing
