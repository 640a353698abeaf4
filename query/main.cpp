// orvel-query: the listings, the search and the revision check of Orvel_Reference from the
// command line, for scripts and checks. Arguments are UTF-8; output is UTF-8.

#include "query/query_commands.h"
#include "query/query_options.h"
#include "query/query_output.h"

#include <csignal>
#include <exception>
#include <new>
#include <string>

using namespace orvel::query;

namespace {

int run(int argc, char** argv) {
    const Options options = parseCommandLine(argc, argv);
    if (options.action == Options::Action::Run) {
        return runCommand(options);
    }
    Output out;
    out.append(options.action == Options::Action::Help ? helpText() : versionText());
    out.finish();
    return kFound;
}

} // namespace

int main(int argc, char** argv) {
    // A closed pipe shows as a failed write, which ends the program quietly, rather than as a
    // signal that kills it.
    std::signal(SIGPIPE, SIG_IGN);
    try {
        return run(argc, argv);
    } catch (const ClosedPipe&) {
        return kFound;
    } catch (const UsageError& error) {
        printError(std::string("orvel-query : ") + error.what());
        printError("Essayez « orvel-query --help » pour plus d'informations.");
    } catch (const Failure& error) {
        printError(std::string("orvel-query : ") + error.what());
    } catch (const std::bad_alloc&) {
        printError("orvel-query : mémoire insuffisante.");
    } catch (const std::exception& error) {
        printError(std::string("orvel-query : erreur inattendue : ") + error.what());
    }
    return kFailure;
}
