#include "data/read_failure.h"

#include "data/cp1252.h"

#include <cerrno>
#include <system_error>

namespace orvel {
namespace {

// The file as the user would find it: its name and its directory from the root, whatever the
// working directory. A path ending in a separator names its last directory.
struct ShownPlace {
    std::string name;
    std::string directory;
};

ShownPlace placeOf(const std::filesystem::path& path) {
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(path, error).lexically_normal();
    if (error || path.empty()) {
        // An empty name stays visible as such, in the working directory.
        absolute = std::filesystem::current_path(error) / "\"\"";
    }
    if (!absolute.has_filename() && absolute.has_relative_path()) {
        absolute = absolute.parent_path();
    }
    // The root has no name of its own: it is named by its path.
    const std::string name =
        absolute.has_filename() ? absolute.filename().string() : "\"" + absolute.string() + "\"";
    // File names are bytes: one that is not UTF-8 is shown with replacement characters.
    return {withReplacementCharacters(name),
            withReplacementCharacters(absolute.parent_path().string())};
}

} // namespace

std::string systemReason(int error) {
    switch (error) {
    case ENOENT:
        return "fichier ou répertoire introuvable";
    case ENOTDIR:
        return "un élément du chemin n'est pas un répertoire";
    case EISDIR:
        return "c'est un répertoire";
    case EACCES:
    case EPERM:
        return "permission refusée";
    case ELOOP:
        return "trop de liens symboliques";
    case ENAMETOOLONG:
        return "nom de fichier trop long";
    case EIO:
        return "erreur d'entrée-sortie";
    case ENOMEM:
        return "mémoire insuffisante";
    case EMFILE:
    case ENFILE:
        return "trop de fichiers ouverts";
    case EAGAIN:
        return "la lecture devrait attendre";
    case ENXIO:
    case ENODEV:
        return "périphérique absent";
    case EOVERFLOW:
    case EFBIG:
        return "fichier trop grand";
    case ENOSPC:
        return "plus de place sur le disque";
    case EROFS:
        return "système de fichiers en lecture seule";
    default:
        return "erreur système n° " + std::to_string(error);
    }
}

std::string failureMessage(const ReadFailure& failure) {
    const ShownPlace place = placeOf(failure.path);
    switch (failure.kind) {
    case ReadFailure::Kind::Missing:
        return "Le fichier des références " + place.name + " est introuvable dans le répertoire " +
               place.directory + ".";
    case ReadFailure::Kind::Unreadable:
        return "Le fichier des références " + place.name + " du répertoire " + place.directory +
               " ne peut pas être lu.";
    case ReadFailure::Kind::TooLarge:
        break;
    }
    return "Le fichier des références " + place.name + " du répertoire " + place.directory +
           " est trop grand pour la mémoire disponible.";
}

} // namespace orvel
