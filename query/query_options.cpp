#include "query/query_options.h"

#include "data/catalogue.h"
#include "data/version.h"
#include "listing/listing_orders.h"

#include <getopt.h>

namespace orvel::query {
namespace {

// Options with no short form take a code above any character.
enum LongOnly : int { kCsv = 256, kLoose, kWorked, kWorkedOnly, kVersion };

constexpr char kShortOptions[] = ":f:qh";
constexpr option kLongOptions[] = {
    {"file", required_argument, nullptr, 'f'},
    {"csv", no_argument, nullptr, kCsv},
    {"quiet", no_argument, nullptr, 'q'},
    {"loose", no_argument, nullptr, kLoose},
    {"worked", required_argument, nullptr, kWorked},
    {"worked-only", no_argument, nullptr, kWorkedOnly},
    {"help", no_argument, nullptr, 'h'},
    {"version", no_argument, nullptr, kVersion},
    {nullptr, 0, nullptr, 0},
};

// The option as the user wrote it, for a message about it: a long option is the last word read
// (without its "=value"), a short one the character getopt stopped at.
std::string writtenOption(char** argv) {
    const std::string word = argv[optind - 1];
    if (word.starts_with("--")) {
        return word.substr(0, word.find('='));
    }
    return std::string("-") + static_cast<char>(optopt);
}

} // namespace

Options parseCommandLine(int argc, char** argv) {
    Options options;
    opterr = 0; // the messages are ours, in French
    optind = 0; // a fresh scan, also when called again
    int code = 0;
    while ((code = getopt_long(argc, argv, kShortOptions, kLongOptions, nullptr)) != -1) {
        switch (code) {
        case 'f':
            options.file = optarg;
            break;
        case kCsv:
            options.csv = true;
            break;
        case 'q':
            options.quiet = true;
            break;
        case kLoose:
            options.loose = true;
            break;
        case kWorked:
            options.worked = optarg;
            break;
        case kWorkedOnly:
            options.workedOnly = true;
            break;
        case 'h':
            options.action = Options::Action::Help;
            break;
        case kVersion:
            options.action = Options::Action::Version;
            break;
        case ':':
            throw UsageError("l'option « " + writtenOption(argv) + " » demande un argument");
        default:
            throw UsageError("option inconnue : « " + writtenOption(argv) + " »");
        }
    }
    options.words.assign(argv + optind, argv + argc);
    return options;
}

std::string orderNames() {
    std::string names;
    for (const ListingOrderRow& row : kListingOrders) {
        names += names.empty() ? "" : &row == &kListingOrders.back() ? " ou " : ", ";
        names += row.commandName;
    }
    return names;
}

std::string helpText() {
    std::string diplomas = "\nDiplômes (DIPLOME ; **** : tous) :\n";
    for (const Diploma& diploma : kDiplomaCatalogue) {
        diplomas.append("  ").append(diploma.code);
        diplomas.append(8 - diploma.code.size(), ' ').append(diploma.fullName).append("\n");
    }
    return R"(Utilisation : orvel-query [OPTION]... list ORDRE DIPLOME DEPARTEMENT
         ou : orvel-query [OPTION]... search CRITERE TEXTE
         ou : orvel-query [OPTION]... revision
Donne les listes, la recherche et la révision de la base d'Orvel_Reference, pour les scripts.

Commandes :
  list ORDRE DIPLOME DEPARTEMENT
                      liste les références du diplôme (**** : tous) et du département
                      (00 : tous), dans l'ORDRE : )" +
           orderNames() + R"(
  search CRITERE TEXTE
                      cherche TEXTE dans le champ du critère : 1 commune, 2 code postal,
                      3 type et nom de l'activité, 4 numéro de référence, 5 canton
  revision            écrit la révision de la base
)" + diplomas +
           R"(
Options :
  -f, --file=FICHIER  lit FICHIER au lieu de Liste_References.prn du répertoire du
                      programme ; « - » lit l'entrée standard
      --csv           écrit les références en CSV : une ligne d'en-tête, puis une ligne
                      par référence
      --worked=JOURNAL
                      list : ne garde que les références pas encore contactées
                      d'après JOURNAL, liste de références (« DFCF 29-001 » par
                      ligne, lignes vides et commentaires # permis) ou journal ADIF
                      ou ADX (champs SIG et SIG_INFO, ou SIG_INTL et SIG_INFO_INTL ;
                      numéros séparés par des virgules permis) ; ce qui est ignoré
                      du journal et les références que le fichier ne connaît pas
                      sont signalés
      --worked-only   list : avec --worked, ne garde que les références contactées
      --loose         search : ignore aussi les accents et les ligatures (etienne
                      trouve SAINT-ÉTIENNE, coeur trouve CŒUR)
  -q, --quiet         n'écrit ni le décompte ni « aucune référence » sur la sortie
                      d'erreur : le code de retour suffit
  -h, --help          affiche cette aide et quitte
      --version       affiche la version et quitte

Les options peuvent suivre les mots de la commande ; « -- » les termine, pour un
département ou un texte qui commence par « - ».

Exemples :
  orvel-query list canton '****' -- --
                      les références sans code postal (département « -- »)
  orvel-query search --loose 1 etienne
                      SAINT-ÉTIENNE comme SAINT-ETIENNE
  zcat Liste_References.prn.gz | orvel-query --file - list commune DFCF 29
                      lit le fichier sur l'entrée standard
  orvel-query list commune DFCF 29 --worked journal.adi
                      ce qu'il reste à contacter dans le Finistère

Les arguments et la sortie sont en UTF-8. Code de retour : 0 si des références sont
trouvées, 1 si aucune, 2 en cas d'erreur (utilisation, fichier illisible, écriture
impossible).
)";
}

std::string versionText() {
    // Version_Logiciel without its "V": the bare number that manual pages and packages expect.
    return "orvel-query (Orvel_Reference) " + std::string(kVersionLogiciel.substr(1)) + "\n";
}

} // namespace orvel::query
