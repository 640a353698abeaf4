#include "app/file_questions.h"

#include <QFileDialog>

namespace orvel {

FileQuestions systemFileQuestions() {
    return {
        [](QWidget* parent) {
            return QFileDialog::getOpenFileName(
                parent, QStringLiteral("Journal de trafic"), QString(),
                QStringLiteral("Journaux ADIF (*.adi *.adif *.adx *.ADI *.ADIF *.ADX);;"
                               "Listes de références (*.txt *.TXT);;Tous les fichiers (*)"));
        },
        [](QWidget* parent) {
            return QFileDialog::getSaveFileName(
                parent, QStringLiteral("Exporter la liste affichée"),
                QStringLiteral("liste_affichee.csv"), QStringLiteral("Fichiers CSV (*.csv)"));
        },
    };
}

} // namespace orvel
