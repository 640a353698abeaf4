#include "widgets/traffic_log.h"

#include "data/reference_file.h"
#include "widgets/qt_text.h"
#include "widgets/user_settings.h"

#include <QFile>

namespace orvel {
namespace {

const QString kFileSetting = QStringLiteral("Journal/Fichier");

// A long list is cut: the message must fit the screen.
constexpr qsizetype kMostItemsTold = 20;

// The reader's messages begin in small letters, to follow a program's name on a terminal.
QString sentence(const std::string& message) {
    QString text = fromUtf8(message);
    if (!text.isEmpty()) {
        text[0] = text[0].toUpper();
    }
    return text;
}

} // namespace

TrafficLog::TrafficLog() {
    const std::unique_ptr<QSettings> settings = userSettings();
    const QString file = settings ? settings->value(kFileSetting).toString() : QString();
    if (!file.isEmpty()) {
        use(QFile::encodeName(file).toStdString());
    }
}

void TrafficLog::choose(const std::filesystem::path& file) {
    if (const std::unique_ptr<QSettings> settings = userSettings()) {
        settings->setValue(kFileSetting, QFile::decodeName(file.c_str()));
    }
    use(file);
}

void TrafficLog::forget() {
    if (const std::unique_ptr<QSettings> settings = userSettings()) {
        settings->remove(kFileSetting);
    }
    use(std::nullopt);
}

void TrafficLog::use(std::optional<std::filesystem::path> file) {
    records_.reset();
    watch_.reset();
    told_.clear();
    if (file) {
        watch_.emplace(std::move(*file));
    }
}

TrafficLog::Reading TrafficLog::read(const std::filesystem::path& referenceFile) {
    Reading reading;
    if (!watch_) {
        return reading;
    }
    auto& outcome = watch_->current();
    if (const auto* failure = std::get_if<WorkedLogFailure>(&outcome)) {
        records_.reset(); // its references are gone with the log
        reading.notices << sentence(failure->message);
        return reading;
    }
    auto& log = std::get<WorkedLog>(outcome);
    const QString name = QFile::decodeName(watch_->file().c_str());
    if (watch_->readAnew()) {
        records_.emplace(log.references);
        unknownChecked_ = false;
        reading.notices << untold(QString(), log.warnings); // each names the log
    }
    // The references the file does not know are found by one reading of it per reading of the
    // log, which also learns the answers for its records; a file that cannot be read is told by
    // the operation itself.
    if (!unknownChecked_ && !forEachLine(referenceFile, [&](std::string_view record) {
            log.references.noteKnown(record);
            records_->learn(record);
        })) {
        unknownChecked_ = true;
        reading.notices << untold(QStringLiteral("Le journal « %1 » nomme des références que le "
                                                 "fichier des références ne connaît pas :")
                                      .arg(name),
                                  log.references.unknown());
    }
    reading.notices.removeAll(QString());
    reading.worked = &*records_;
    return reading;
}

QString TrafficLog::untold(const QString& heading, const std::vector<std::string>& items) {
    QStringList fresh;
    for (const std::string& item : items) {
        const QString text = sentence(item);
        if (!told_.contains(text)) {
            told_.insert(text);
            fresh << text;
        }
    }
    if (fresh.isEmpty()) {
        return {};
    }
    if (fresh.size() > kMostItemsTold) {
        const qsizetype more = fresh.size() - kMostItemsTold;
        fresh.resize(kMostItemsTold);
        fresh << QStringLiteral("… et %1 autres").arg(more);
    }
    if (!heading.isEmpty()) {
        fresh.prepend(heading);
    }
    return fresh.join(QStringLiteral("\r\n"));
}

} // namespace orvel
