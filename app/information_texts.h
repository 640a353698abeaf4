#pragma once

#include <string>
#include <string_view>

namespace orvel {

// The program's fixed texts (UTF-8). Composed lines end with CR LF, as the program's messages
// always have.

// "Orvel_Référence version V2.0.0"
std::string mainWindowTitle(std::string_view versionLogiciel);

// Historique_Versions: eleven lines, oldest first, each ending with CR LF.
std::string versionHistory();

std::string authorCredits();   // Pelkar
std::string compilerCredits(); // Tornim
std::string recommendations();
std::string aboutText(std::string_view versionLogiciel);

} // namespace orvel
