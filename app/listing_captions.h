#pragma once

#include "data/utf8.h"
#include "listing/listing_orders.h"

#include <array>
#include <string_view>

namespace orvel {

// What the main window shows of a listing order, in UTF-8: its button, then the column heading
// (Label2) and the order caption (Label6) above the list it fills.
struct ListingCaptions {
    ListingOrder order;
    std::string_view buttonName; // the button's object name
    std::string_view buttonCaption;
    std::string_view heading;
    std::string_view orderCaption;
};

// Each row at the index of its order.
inline constexpr std::array<ListingCaptions, kListingOrders.size()> kListingCaptions{{
    {ListingOrder::Commune, "Aff_Commune", "Affichage par nom de Commune",
     "                    Nom Commune                              CP           Reference       "
     "           Nom Activité                                                           Canton  "
     "          Nom Canton",
     "par nom de Communes"},
    {ListingOrder::Reference, "Aff_Reference", "  Affichage par N°   de Référence",
     "        Reference                 Nom Reference                                           "
     "           1er activation                      CP                 Nom Commune             "
     "                   N° Canton",
     "par N° de Références"},
    {ListingOrder::Canton, "Aff_Canton", "Affichage par  N°  de Canton",
     "   Canton        Nom Canton                                            Reference          "
     "       Nom Reference                                                      CP              "
     "Nom Commune",
     "par N° de Cantons"},
    {ListingOrder::PostalCode, "Aff_CP", "Affichage par N° de Code Postal",
     "        CP            Nom Commune                                      Reference          "
     "       Nom Reference                                                          Canton      "
     "         Nom Canton",
     "par N° de Code Postal"},
}};

constexpr const ListingCaptions& captionsOf(ListingOrder order) {
    return kListingCaptions.at(static_cast<std::size_t>(order));
}

static_assert([] {
    for (std::size_t i = 0; i < kListingCaptions.size(); ++i) {
        const ListingCaptions& row = kListingCaptions.at(i);
        if (row.order != static_cast<ListingOrder>(i) || !isValidUtf8(row.buttonCaption) ||
            !isValidUtf8(row.heading) || !isValidUtf8(row.orderCaption)) {
            return false;
        }
    }
    return true;
}());

} // namespace orvel
