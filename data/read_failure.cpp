#include "data/read_failure.h"

namespace orvel {

std::string failureMessage(const ReadFailure& failure) {
    const std::string name = failure.path.filename().string();
    const std::filesystem::path parent = failure.path.parent_path();
    const std::string directory = parent.empty() ? std::string(".") : parent.string();
    if (failure.kind == ReadFailure::Kind::Missing) {
        return "Le fichier des références " + name + " est introuvable dans le répertoire " +
               directory + ".";
    }
    return "Le fichier des références " + name + " du répertoire " + directory +
           " ne peut pas être lu.";
}

} // namespace orvel
