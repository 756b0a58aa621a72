#include "catalogue.h"

#include <QtGlobal>
#include <vector>

namespace {

// Numbers are handed out family by family, in this order; each (family, parameters) pair once.
std::vector<Effet> ConstruireCatalogue()
{
    std::vector<Effet> t;
    t.push_back({Famille::Aucune});
    for (int direction = 0; direction < 8; ++direction)
        t.push_back({Famille::Balayage, direction});
    for (int direction = 0; direction < 4; ++direction)
        t.push_back({Famille::BalayageDoux, direction});
    for (int sorte = 0; sorte < 4; ++sorte)
        t.push_back({Famille::Portes, sorte});
    for (int orientation : {0, 1})
        for (int lames : {4, 6, 8, 12, 16, 24})
            for (int sens : {0, 1})
                t.push_back({Famille::Stores, orientation, lames, sens});
    for (int cote : {16, 24, 32, 48})
        for (int sens : {0, 1})
            t.push_back({Famille::Damier, cote, sens});
    for (int cote : {4, 8, 12, 16, 24, 32})
        t.push_back({Famille::Blocs, cote, cote, Aleatoire});
    for (int ordre = SpiraleEntrante; ordre <= VersCentre; ++ordre)
        for (int cote : {8, 16, 32})
            t.push_back({Famille::Blocs, cote, cote, ordre});
    t.push_back({Famille::Blocs, 0, 2, Aleatoire}); // random lines
    t.push_back({Famille::Blocs, 2, 0, Aleatoire}); // random columns
    for (int forme = Cercle; forme <= Croix; ++forme)
        for (int sens : {0, 1})
            t.push_back({Famille::Iris, forme, sens, Centre});
    for (int coin = HautGauche; coin <= BasDroite; ++coin)
        t.push_back({Famille::Iris, Cercle, 0, coin});
    for (int sens : {0, 1})
        for (int depart = 0; depart < 4; ++depart)
            t.push_back({Famille::Horloge, sens, depart});
    for (int depart = 0; depart < 4; ++depart)
        t.push_back({Famille::Eventail, depart});
    for (int pales : {2, 4})
        t.push_back({Famille::Helice, pales});
    for (Famille famille : {Famille::Glissement, Famille::Poussee, Famille::Decouvrement})
        for (int direction = 0; direction < 8; ++direction)
            t.push_back({famille, direction});
    for (Famille famille : {Famille::ZoomEntrant, Famille::ZoomSortant})
        for (int origine = HautGauche; origine <= Centre; ++origine)
            t.push_back({famille, origine});
    for (int bord = 0; bord < 6; ++bord)
        t.push_back({Famille::Etirement, bord});
    t.push_back({Famille::Fondu});
    t.push_back({Famille::FonduParLeFond});
    for (int orientation : {0, 1})
        for (int bandes : {6, 12})
            t.push_back({Famille::Bandes, orientation, bandes});
    return t;
}

} // namespace

const Effet& DescriptionEffet(int numero)
{
    static const std::vector<Effet> catalogue = ConstruireCatalogue();
    Q_ASSERT(catalogue.size() == NombreEffets);
    if (numero < 0 || numero >= static_cast<int>(catalogue.size()))
        return catalogue.front();
    return catalogue[static_cast<size_t>(numero)];
}
