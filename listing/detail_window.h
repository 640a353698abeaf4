#pragma once

#include <QDialog>
#include <string_view>

namespace orvel {

// Affichage: the nine fields of one reference, cut out of a line of the commune listing. Made
// for one line, shown modally and discarded when it closes.
class Affichage : public QDialog {
    Q_OBJECT

public:
    // communeLine: a line of the commune listing, Windows-1252; a short line leaves the boxes
    // past its end empty.
    Affichage(std::string_view communeLine, QWidget* parent = nullptr);
};

} // namespace orvel
