#include "data/catalogue.h"

#include <algorithm>

namespace orvel {

const std::array<Diploma, 11> kDiplomaCatalogue = {{
    {"DFCF", "Diplôme des Forts et Château de France"},
    {"DMF", "Diplôme des Moulins de France"},
    {"DIFI", "Diplôme des Iles Francaises Interieur"},
    {"DIFM", "Diplôme des Iles Francaises Metropolitaine"},
    {"IOTA", "Diplôme Islands On The Air"},
    {"WLOTA", "Diplôme World Lighthouse On The Air"},
    {"DPLF", "Diplôme des Phares du Littoral Francais"},
    {"DFVS", "Diplôme des Forts du Val de Sambre"},
    {"DAP", "Diplôme des Arrondissements de Paris"},
    {"DQP", "Diplôme des Quartiers de Paris"},
    {"DIP", "Diplôme des Iles de Paris"},
}};

std::optional<std::string_view> diplomaFullName(std::string_view code) {
    const auto found =
        std::find_if(kDiplomaCatalogue.begin(), kDiplomaCatalogue.end(),
                     [code](const Diploma& diploma) { return diploma.code == code; });
    if (found == kDiplomaCatalogue.end()) {
        return std::nullopt;
    }
    return found->fullName;
}

} // namespace orvel
