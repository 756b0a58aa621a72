#include "formapercu.h"

#include "catalogue/table.h"
#include "impressioncouverture.h"
#include "printing/impressionfiche.h"

#include <QPagedPaintDevice>

Resultat TFormApercu::ConstruireImpression(const Table& films)
{
    m_source = Source::Fiche;
    m_couverture.clear();
    const Resultat r = ::ConstruireImpression(films, RichView);
    if (!r)
        m_source = Source::Aucune;
    return r;
}

bool TFormApercu::ConstruireCouverture(const Table& films)
{
    if (films.EstNul(QStringLiteral("BlobPicture")))
        return false;
    // The sheet that was here is gone: the next sheet command rebuilds it.
    RichView.Vider();
    m_titre = films.Texte(QStringLiteral("Titre"));
    m_couverture = films.Blob(QStringLiteral("BlobPicture"));
    m_source = Source::Couverture;
    return true;
}

Resultat TFormApercu::Imprimer(QPagedPaintDevice& appareil) const
{
    switch (m_source) {
    case Source::Fiche:
        return ImprimerFiche(RichView, appareil);
    case Source::Couverture:
        return ImprimerCouverture(m_titre, m_couverture, appareil);
    case Source::Aucune:
        break;
    }
    return Resultat::Echec(QStringLiteral("Aucune fiche n'est prête à être imprimée."));
}
