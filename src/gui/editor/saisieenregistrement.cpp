#include "saisieenregistrement.h"

#include "catalogue/formes.h"
#include "catalogue/table.h"
#include "exchange/lignes.h"
#include "exchange/messagesysteme.h"
#include "imaging/jpeg.h"
#include "reference/pays.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <cerrno>

namespace {

// The editor's lists: the field, its entries, the member holding the selection.
struct ListeSaisie
{
    const char* champ;
    const QStringList& (*entrees)();
    int ValeursSaisie::*membre;
};

const ListeSaisie Listes[] = {
    {"Etoiles", &EntreesEtoiles, &ValeursSaisie::edEtoiles},
    {"Public", &EntreesPublic, &ValeursSaisie::edPublic},
    {"Langue", &ListePays, &ValeursSaisie::edPays},
    {"FormatCinema", &EntreesCinema, &ValeursSaisie::edCinema},
    {"FormatVideo", &EntreesFormat, &ValeursSaisie::edFormat},
    {"Support", &EntreesSupport, &ValeursSaisie::edSupport},
    {"ZoneDvd", &EntreesZone, &ValeursSaisie::edZone},
    {"Standard", &EntreesStandard, &ValeursSaisie::edStandard},
    {"Son", &EntreesSon, &ValeursSaisie::edSon},
};

bool MasqueVide(const QString& texte)
{
    for (const QChar c : texte) {
        if (c != u' ' && c != u':' && c != u'/') {
            return false;
        }
    }
    return true;
}

// A masked editor's text: wholly empty, or correct once the blanks of optional digits are dropped.
bool VerifierMasque(QString& texte, bool (*lire)(const QString&))
{
    if (MasqueVide(texte)) {
        return true;
    }
    QString compact = texte;
    compact.remove(u' ');
    if (!lire(compact)) {
        return false;
    }
    texte = compact;
    return true;
}

bool EstDate(const QString& texte)
{
    QDate jour;
    return Formes::LireDate(texte, jour);
}

bool EstHeure(const QString& texte)
{
    QTime heure;
    return Formes::LireHeure(texte, heure);
}

bool EstPrix(const QString& texte)
{
    const QString t = texte.trimmed();
    if (t.isEmpty()) {
        return true;
    }
    qint64 montant = 0;
    if (Formes::LireMonnaie(t, montant)) {
        return true;
    }
    // More than four decimals: the store rounds them, as long as the number is one it can hold.
    static const QRegularExpression decimales(QStringLiteral("^-?(\\d{1,14})\\.(\\d{4})\\d+$"));
    const QRegularExpressionMatch m = decimales.match(t);
    return m.hasMatch() && Formes::LireMonnaie(m.captured(1) + u'.' + m.captured(2), montant);
}

} // namespace

ValeursSaisie SaisieDepuisFilm(const Table& films, ValeursConservees& conservees)
{
    conservees.clear();
    const auto texte = [&films](const char* champ) { return films.Texte(QString::fromLatin1(champ)); };
    ValeursSaisie s;
    s.edTitre = texte("Titre");
    s.edGenre = texte("Genre");
    s.edRealisateur = texte("Realisateur");
    s.edScenario = texte("Scenario");
    s.edMusique = texte("Musique");
    s.edDuree = texte("Duree");
    s.edSite = texte("Site");
    s.edEditeur = texte("Editeur");
    s.edDateSortie = texte("Sortie");
    s.edPrix = texte("Prix");
    s.edActeurs = LignesLf(texte("Acteur"));
    s.edResume = LignesLf(texte("Resume"));
    s.edNotes = LignesLf(texte("Notes"));
    s.edDateSortieDVD = texte("DateSortieDvd");
    s.edLangueG = LignesLf(texte("Audio"));
    s.edSousTitreG = LignesLf(texte("SousTitres"));
    s.edImg = films.Blob(QStringLiteral("BlobPicture"));
    s.edDejaVu = films.Logique(QStringLiteral("DejaVu"));
    for (const ListeSaisie& l : Listes) {
        const QString valeur = texte(l.champ);
        const int index = EntreeEgale(l.entrees(), valeur);
        s.*l.membre = index;
        if (index < 0 && !valeur.isEmpty()) {
            conservees.insert(QString::fromLatin1(l.champ), valeur);
        }
    }
    return s;
}

Resultat VerifierSaisie(ValeursSaisie& s)
{
    const QString duree = s.edDuree;
    if (!VerifierMasque(s.edDuree, &EstHeure)) {
        return Resultat::Echec(
            QStringLiteral("La durée « %1 » n'est pas correcte : indiquez les heures (0 à 23), "
                           "les minutes et les secondes (0 à 59) sous la forme hh:mm:ss, "
                           "ou videz la durée.")
                .arg(duree));
    }
    const QString sortie = s.edDateSortie;
    if (!VerifierMasque(s.edDateSortie, &EstDate)) {
        return Resultat::Echec(
            QStringLiteral("La date de sortie « %1 » n'est pas une date correcte : indiquez "
                           "le jour, le mois et l'année sous la forme jj/mm/aaaa, ou videz "
                           "la date.")
                .arg(sortie));
    }
    const QString dvd = s.edDateSortieDVD;
    if (!VerifierMasque(s.edDateSortieDVD, &EstDate)) {
        return Resultat::Echec(
            QStringLiteral("La date de sortie en DVD « %1 » n'est pas une date correcte : "
                           "indiquez le jour, le mois et l'année sous la forme jj/mm/aaaa, "
                           "ou videz la date.")
                .arg(dvd));
    }
    if (!EstPrix(s.edPrix)) {
        return Resultat::Echec(
            QStringLiteral("Le prix « %1 » n'est pas un montant correct : écrivez un nombre "
                           "avec un point décimal (12.50 par exemple), ou videz le prix.")
                .arg(s.edPrix));
    }
    return Resultat::Succes();
}

Resultat EnregistrerFilm(Table& films, const ValeursSaisie& saisie, const ValeursConservees& conservees)
{
    Resultat r;
    if (films.EtatTable() != Table::Etat::Edition && films.EtatTable() != Table::Etat::Insertion) {
        r = films.Edit();
        if (!r) {
            return r;
        }
    }
    r = EcrireSaisie(films, saisie);
    for (const ListeSaisie& l : Listes) {
        const QString champ = QString::fromLatin1(l.champ);
        if (r && saisie.*l.membre < 0 && conservees.contains(champ)) {
            r = films.EcrireTexte(champ, conservees.value(champ));
        }
    }
    if (r) {
        r = films.Post();
    }
    if (!r) {
        films.Cancel();
    }
    return r;
}

Resultat LireCouverture(const QString& chemin, QByteArray& jpeg)
{
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly)) {
        const int erreur = errno;
        return Resultat::Echec(
            QStringLiteral("Impossible d'ouvrir le fichier \"%1\". %2")
                .arg(QDir::toNativeSeparators(chemin), MessageSysteme(erreur, fichier.errorString())));
    }
    const QByteArray octets = fichier.readAll();
    const QString refus =
        QStringLiteral("Le fichier \"%1\" n'est ni une image JPEG ni une image bitmap lisible : "
                       "choisissez une autre photo.")
            .arg(QDir::toNativeSeparators(chemin));
    if (EstJpeg(octets)) {
        // Checked once here, so that the sheet never meets a cover it cannot show.
        if (DecoderJpeg(octets, QSize(16, 16)).isNull()) {
            return Resultat::Echec(refus);
        }
        jpeg = octets;
        return Resultat::Succes();
    }
    QImage image;
    if (!octets.startsWith("BM") || !image.loadFromData(octets, "BMP")) {
        return Resultat::Echec(refus);
    }
    QByteArray converti;
    QBuffer tampon(&converti);
    tampon.open(QIODevice::WriteOnly);
    if (!image.convertToFormat(QImage::Format_RGB32).save(&tampon, "JPG", 92)) {
        return Resultat::Echec(QStringLiteral("La photo \"%1\" n'a pas pu être convertie en JPEG.")
                                   .arg(QDir::toNativeSeparators(chemin)));
    }
    jpeg = converti;
    return Resultat::Succes();
}
