#include "app/information_texts.h"

#include <initializer_list>

namespace orvel {
namespace {

// The contact values of the credits, in one place.
constexpr std::string_view kAuthorMail = "pelkar@example.fr";
constexpr std::string_view kAuthorSite = "https://pelkar.example.fr";
constexpr std::string_view kAuthorSkype = "pelkar.radio";
constexpr std::string_view kCompilerMail = "tornim@example.org";
constexpr std::string_view kCompilerSite = "https://tornim.example.org";

constexpr std::string_view kLineBreak = "\r\n";

// The lines joined by line breaks, with none after the last.
std::string joinLines(std::initializer_list<std::string> lines) {
    std::string text;
    for (const std::string& line : lines) {
        if (&line != lines.begin()) {
            text += kLineBreak;
        }
        text += line;
    }
    return text;
}

std::string concat(std::string_view prefix, std::string_view value) {
    return std::string(prefix) + std::string(value);
}

} // namespace

std::string mainWindowTitle(std::string_view versionLogiciel) {
    return concat("Orvel_Référence version ", versionLogiciel);
}

std::string versionHistory() {
    static constexpr std::string_view kVersions[] = {
        "V1.0.1   le 22/10/2007 création",
        "V1.0.2   le 24/10/2007 Ajout page acceuil et tri par département",
        "V1.0.3   le 25/10/2007 Ajout tri par département tous affichages",
        "V1.0.4   le 26/10/2007 Ajout touche Modifier ajouter et supprimer une référence",
        "V1.0.5   le 29/10/2007 Redéfinitions des champs du fichier prn",
        "V1.0.6   le 31/10/2007 Ajout bouton recherche",
        "V1.0.7   le 02/11/2007 Ajout fichier d'Aide",
        "V1.0.8   le 03/11/2007 Modification de la presentation",
        "V1.0.9   le 05/11/2007 Ajout recherche par code postal",
        "V1.1.0   le 07/11/2007 Ajout affichage de la référence par double click sur une ligne",
        "V2.0.0   le 18/11/2007 Version définitive",
    };
    std::string history;
    for (const std::string_view version : kVersions) {
        history += version;
        history += kLineBreak;
    }
    return history;
}

std::string authorCredits() {
    return joinLines({"  Programmation Pelkar", "", concat("  e-mail : ", kAuthorMail),
                      concat("Site : ", kAuthorSite), concat("      Skype : ", kAuthorSkype)});
}

std::string compilerCredits() {
    return joinLines({" Compilation des références Tornim", "",
                      concat("         e-mail : ", kCompilerMail),
                      concat("Site : ", kCompilerSite)}) +
           std::string(kLineBreak);
}

std::string recommendations() {
    return joinLines({"     ATTENTION du fait du nombre élevé de références (40000)",
                      "le temps de chargement du fichier peut etre de plusieures secondes", "",
                      "   Pour afficher les références de tous les départements : Dpt = 00 "});
}

std::string aboutText(std::string_view versionLogiciel) {
    return joinLines(
        {concat("    Orvel_Reference révision ", versionLogiciel), "",
         " Compilation des références Tornim", concat("         e-mail : ", kCompilerMail),
         concat("Site : ", kCompilerSite), "", "          Programmation Pelkar",
         concat("           e-mail : ", kAuthorMail), concat("        Site : ", kAuthorSite),
         concat("                 Skype : ", kAuthorSkype)});
}

} // namespace orvel
