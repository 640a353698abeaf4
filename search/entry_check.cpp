#include "search/entry_check.h"

#include <array>

namespace orvel {
namespace {

struct EntryRule {
    std::size_t shortest; // lengths outside shortest..longest get the length message
    std::size_t longest;
    std::string_view lengthMessage;
    std::string_view emptyMessage;
    bool lengthMessageEmptiesBox;
};

// In criterion order. The postal code must have exactly five characters, so an empty box gets
// the length message.
constexpr std::array<EntryRule, 5> kEntryRules{{
    {0, 28, "Attention 28 caracteres maxi pour la commune", "Entrez une commune", false},
    {5, 5, "Attention 5 caracteres pour le code postal",
     "Attention 5 caracteres pour le code postal", false},
    {0, 28, "Attention 28 caracteres maxi pour le nom de l 'activité", "Entrez une nom d'activité",
     false},
    {0, 6, "Attention 6 caracteres maxi pour la référence", "Entrez une référence", false},
    {0, 27, "Attention 27 caracteres maxi pour le nom du Canton", "Entrez un nom de Canton", true},
}};

} // namespace

std::optional<EntryRefusal> checkEntry(SearchCriterion box, std::size_t characters) {
    const EntryRule& rule = kEntryRules.at(static_cast<std::size_t>(box) - 1);
    if (characters < rule.shortest || characters > rule.longest) {
        return EntryRefusal{rule.lengthMessage, rule.lengthMessageEmptiesBox};
    }
    if (characters == 0) {
        return EntryRefusal{rule.emptyMessage}; // an empty box has nothing to empty
    }
    return std::nullopt;
}

} // namespace orvel
