#include "app/whole_file_writer.h"

#include <QSaveFile>

namespace orvel {
namespace {

QString reasonOf(QFileDevice::FileError error) {
    switch (error) {
    case QFileDevice::OpenError:
    case QFileDevice::PermissionsError:
        return QStringLiteral("il ne peut pas être créé dans ce dossier");
    case QFileDevice::RenameError:
        return QStringLiteral("il ne peut pas être remplacé");
    default:
        break;
    }
    return QStringLiteral("l'écriture a échoué (disque plein ?)");
}

} // namespace

std::optional<QString> writeWholeFile(const QString& path, std::string_view bytes) {
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) &&
                         file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
                             static_cast<qint64>(bytes.size()) &&
                         file.commit();
    if (written) {
        return std::nullopt;
    }
    return QStringLiteral("Le fichier « %1 » n'a pas pu être enregistré : %2.")
        .arg(path, reasonOf(file.error()));
}

} // namespace orvel
