#include "verroucatalogue.h"

#include <QDir>

Resultat VerrouCatalogue::Prendre(const QString& dossierCatalogue)
{
    // Readable by all: a catalogue folder shared by several users is locked by each of them.
    switch (m_verrou.Prendre(QDir(dossierCatalogue).filePath(NomFichier()), 0644)) {
    case VerrouFichier::Etat::Acquis:
        return Resultat::Succes();
    case VerrouFichier::Etat::Occupe:
        return Resultat::Echec(QStringLiteral("Le catalogue est ouvert dans Kinobral 2005 ; fermez le "
                                              "programme avant de le modifier."));
    case VerrouFichier::Etat::Libre:
    case VerrouFichier::Etat::Erreur:
        break;
    }
    return Resultat::Echec(QStringLiteral("Impossible de verrouiller le catalogue dans %1 : %2")
                               .arg(QDir::toNativeSeparators(dossierCatalogue), m_verrou.erreur()));
}
