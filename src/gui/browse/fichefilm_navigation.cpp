// Previous and next film: the neighbours of the selected node in the film list's full order, never
// past the edge of the current group.
#include "catalogue/tdm.h"
#include "fichefilm.h"
#include "listefilms.h"

void TFicheFilm::AttacherListe(ListeFilms* liste)
{
    m_liste = liste;
}

void TFicheFilm::bnPrecedentClick()
{
    PasserAuFilm(false);
}

void TFicheFilm::bnSuivantClick()
{
    PasserAuFilm(true);
}

void TFicheFilm::PasserAuFilm(bool suivant)
{
    if (m_liste == nullptr || m_dm == nullptr)
        return;
    const ListeFilms::Noeud courant = m_liste->PremierSelectionne();
    if (courant == nullptr)
        return;
    const ListeFilms::Noeud voisin = suivant ? m_liste->Suivant(courant) : m_liste->Precedent(courant);
    // A heading (or nothing) next to the film: the edge of its group, where the buttons stop.
    if (voisin == nullptr || m_liste->Niveau(voisin) != 1)
        return;
    const QString titre = m_liste->Texte(voisin);
    m_liste->SelectionnerNoeud(voisin);
    // A title no longer in the table leaves the current film as it was, shown again.
    m_dm->tbFilms().Locate(QStringLiteral("Titre"), titre);
    AfficherFiche();
}
