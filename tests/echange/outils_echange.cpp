#include "outils_echange.h"

#include <QFile>
#include <QtEndian>

CatalogueTemporaire::CatalogueTemporaire() = default;

bool CatalogueTemporaire::Ouvrir()
{
    if (!m_dossier.isValid()) {
        return false;
    }
    m_dm = std::make_unique<Tdm>(m_dossier.path() + u'/');
    return m_dm->OuvrirBase().estSucces();
}

Resultat AjouterFilm(Table& films, const Champs& champs, const QByteArray& couverture)
{
    Resultat r = films.Append();
    for (const auto& [champ, valeur] : champs) {
        if (r) {
            r = films.EcrireTexte(champ, valeur);
        }
    }
    if (r && !couverture.isEmpty()) {
        r = films.EcrireBlob(QStringLiteral("BlobPicture"), couverture);
    }
    if (r) {
        r = films.Post();
    }
    if (!r) {
        films.Cancel();
    }
    return r;
}

Champs FilmComplet(const QString& titre)
{
    return {
        {"Titre", titre},
        {"Genre", "Comédie dramatique"},
        {"Realisateur", "Hélène Vautrin"},
        {"Scenario", "Raphaël Mercier"},
        {"Musique", "Zoé Lambert"},
        {"Duree", "01:45:30"},
        {"Site", "http://www.exemple.fr/film"},
        {"Editeur", "Éditions Sépia"},
        {"Sortie", "31/05/2005"},
        {"Public", "Interdit - 12 ans"},
        {"Prix", "12.5"},
        {"Acteur", "Anne Dupré, Léo Marin\r\nJosé Ferrand; Inès Roy"},
        {"Resume", "Première ligne : « un cœur… »\r\n\r\nTroisième ligne, 9 €."},
        {"FormatCinema", "2.35"},
        {"FormatVideo", "16/9 compatible 4/3"},
        {"Support", "Vidéo CD"},
        {"ZoneDvd", "Zone 2"},
        {"Standard", "Secam"},
        {"DateSortieDvd", "01/12/2005"},
        {"Son", "Hifi Stéréo"},
        {"Audio", "Français\r\nAnglais"},
        {"SousTitres", "Français\r\nNéerlandais\r\nGrec"},
        {"Etoiles", "3 étoiles"},
        {"Langue", "Côte d'Ivoire"},
        // Never carried by the sheet.
        {"Notes", "prêté à Paul"},
        {"DejaVu", "Vrai"},
        {"Prete", "Vrai"},
        {"Emprunteur", "Paul"},
        {"DateEmprunt", "02/01/2006"},
    };
}

QByteArray LireOctets(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool EcrireOctets(const QString& chemin, const QByteArray& octets)
{
    QFile f(chemin);
    return f.open(QIODevice::WriteOnly) && f.write(octets) == octets.size();
}

QByteArray Entier32(qint32 valeur)
{
    QByteArray octets(4, Qt::Uninitialized);
    qToLittleEndian(valeur, octets.data());
    return octets;
}

QString Fixture(const QString& nom)
{
    return QStringLiteral(KINOBRAL_FIXTURES) + nom;
}

QByteArray Couverture()
{
    return LireOctets(Fixture(QStringLiteral("couverture.jpg")));
}
