#include "widgets/user_settings.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace orvel {

std::unique_ptr<QSettings> userSettings() {
    const QFileInfo file(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                         QStringLiteral("/Reference/Reference.conf"));
    if (file.exists() && !file.isFile()) {
        return nullptr;
    }
    return std::make_unique<QSettings>(QStringLiteral("Reference"), QStringLiteral("Reference"));
}

} // namespace orvel
