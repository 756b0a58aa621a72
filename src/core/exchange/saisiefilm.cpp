#include "saisiefilm.h"

#include "catalogue/formes.h"
#include "catalogue/table.h"
#include "catalogue/tdm.h"
#include "exchange/fichefichier.h"
#include "exchange/lignes.h"
#include "reference/pays.h"

#include <functional>

namespace {

QString Entree(const QStringList& entrees, int index)
{
    return index >= 0 && index < entrees.size() ? entrees.at(index) : QString();
}

// A masked editor showing only its blanks and literals is empty.
bool MasqueVide(const QString& texte)
{
    for (const QChar c : texte) {
        if (c != u' ' && c != u':' && c != u'/') {
            return false;
        }
    }
    return true;
}

// A price with more than four decimals, rounded half away from zero to ten-thousandths; false when the
// text is not such a number (the store then refuses it with its own message).
bool ArrondirPrix(const QString& texte, qint64& dixMilliemes)
{
    const QString t = texte.trimmed();
    const qsizetype point = t.indexOf(u'.');
    if (point < 0 || t.size() - point - 1 <= 4) {
        return false;
    }
    const QString cinquieme = t.mid(point + 5, 1);
    for (const QChar c : t.mid(point + 5)) {
        if (c < u'0' || c > u'9') {
            return false;
        }
    }
    qint64 tronque = 0;
    if (!Formes::LireMonnaie(t.left(point + 5), tronque)) {
        return false;
    }
    if (cinquieme.at(0) >= u'5') {
        tronque += t.startsWith(u'-') ? -1 : 1;
    }
    dixMilliemes = tronque;
    return true;
}

Resultat EcrireListe(Table& films, const QString& champ, const QStringList& entrees, int index)
{
    return index < 0 ? films.Effacer(champ) : films.EcrireTexte(champ, Entree(entrees, index));
}

Resultat EcrireMasque(Table& films, const QString& champ, const QString& texte)
{
    return MasqueVide(texte) ? films.Effacer(champ) : films.EcrireTexte(champ, texte);
}

Resultat EcrirePrix(Table& films, const QString& texte)
{
    if (texte.trimmed().isEmpty()) {
        return films.Effacer(QStringLiteral("Prix"));
    }
    qint64 arrondi = 0;
    if (ArrondirPrix(texte, arrondi)) {
        return films.EcrireMonnaie(QStringLiteral("Prix"), arrondi);
    }
    return films.EcrireTexte(QStringLiteral("Prix"), texte.trimmed());
}

} // namespace

const QStringList& EntreesEtoiles()
{
    static const QStringList entrees = {"Pas d'étoile", "1 étoile",  "2 étoiles",
                                        "3 étoiles",    "4 étoiles", "5 étoiles"};
    return entrees;
}

const QStringList& EntreesPublic()
{
    static const QStringList entrees = {"Tous publics", "Interdit - 10 ans", "Interdit - 12 ans",
                                        "Interdit - 16 ans", "Interdit - 18 ans"};
    return entrees;
}

const QStringList& EntreesCinema()
{
    static const QStringList entrees = {"1.33 (4/3)", "16/9", "16/9 compatible 4/3", "1.77",
                                        "1.85",       "2.35", "Full Screen"};
    return entrees;
}

const QStringList& EntreesFormat()
{
    static const QStringList entrees = {"\r1.33 (4/3)", "16/9", "16/9 compatible 4/3",
                                        "1.77",         "1.85", "2.35"};
    return entrees;
}

const QStringList& EntreesSupport()
{
    static const QStringList entrees = {"35 mm", "Betamax", "DVD",   "LASER DISC", "MPEG4-DIVX", "Super-8",
                                        "SVCD",  "S-VHS",   "V2000", "VHS",        "Vidéo CD"};
    return entrees;
}

const QStringList& EntreesZone()
{
    static const QStringList entrees = {"Zone 1", "Zone 2", "Zone 3", "Zone 4", "Zone 5", "Zone 6"};
    return entrees;
}

const QStringList& EntreesStandard()
{
    static const QStringList entrees = {"Secam", "Pal", "Ntsc"};
    return entrees;
}

const QStringList& EntreesSon()
{
    static const QStringList entrees = {
        "Dolby Digital 5.1", "Dolby numérique", "Dolby Surround", "DTS", "Hifi Stéréo", "Mono", "THX"};
    return entrees;
}

int EntreeEgale(const QStringList& entrees, const QString& valeur)
{
    if (valeur.isEmpty()) {
        return -1;
    }
    for (int i = 0; i < entrees.size(); ++i) {
        if (entrees.at(i).compare(valeur, Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return -1;
}

bool ValeursSaisie::operator==(const ValeursSaisie& a) const
{
    return edTitre == a.edTitre && edGenre == a.edGenre && edRealisateur == a.edRealisateur &&
           edScenario == a.edScenario && edMusique == a.edMusique && edDuree == a.edDuree &&
           edSite == a.edSite && edEditeur == a.edEditeur && edEtoiles == a.edEtoiles &&
           edDateSortie == a.edDateSortie && edPublic == a.edPublic && edPrix == a.edPrix &&
           edActeurs == a.edActeurs && edResume == a.edResume && edNotes == a.edNotes && edPays == a.edPays &&
           edCinema == a.edCinema && edFormat == a.edFormat && edSupport == a.edSupport &&
           edZone == a.edZone && edStandard == a.edStandard && edDateSortieDVD == a.edDateSortieDVD &&
           edSon == a.edSon && edLangueG == a.edLangueG && edSousTitreG == a.edSousTitreG &&
           edDejaVu == a.edDejaVu && edImg == a.edImg;
}

ValeursSaisie SaisieVide(const QDate& aujourdhui)
{
    ValeursSaisie s;
    s.edDuree = QStringLiteral("00:00:00");
    s.edDateSortie = Formes::TexteDate(aujourdhui);
    s.edEtoiles = 0;
    s.edPublic = 0;
    s.edPays = 0;
    return s;
}

ValeursSaisie SaisieDepuisFiche(const ContenuFiche& contenu)
{
    // The date of the reset is replaced by the file's own.
    ValeursSaisie s = SaisieVide(QDate());
    const auto valeur = [&contenu](int position) {
        return ExtraireChamp(contenu.texte, QChar(SeparateurFiche), position);
    };
    s.edTitre = valeur(1);
    s.edGenre = valeur(2);
    s.edRealisateur = valeur(3);
    s.edScenario = valeur(4);
    s.edMusique = valeur(5);
    s.edDuree = valeur(6);
    s.edSite = valeur(7);
    s.edEditeur = valeur(8);
    s.edDateSortie = valeur(9);
    s.edPublic = EntreeEgale(EntreesPublic(), valeur(10));
    s.edPrix = valeur(11);
    s.edActeurs = LignesLf(valeur(12));
    s.edResume = LignesLf(valeur(13));
    s.edCinema = EntreeEgale(EntreesCinema(), valeur(14));
    s.edFormat = EntreeEgale(EntreesFormat(), valeur(15));
    s.edSupport = EntreeEgale(EntreesSupport(), valeur(16));
    s.edZone = EntreeEgale(EntreesZone(), valeur(17));
    s.edStandard = EntreeEgale(EntreesStandard(), valeur(18));
    s.edDateSortieDVD = valeur(19);
    s.edSon = EntreeEgale(EntreesSon(), valeur(20));
    s.edLangueG = LignesLf(valeur(21));
    s.edSousTitreG = LignesLf(valeur(22));
    s.edEtoiles = EntreeEgale(EntreesEtoiles(), valeur(23));
    s.edPays = EntreeEgale(ListePays(), valeur(24));
    s.edImg = contenu.image;
    return s;
}

Resultat EcrireSaisie(Table& films, const ValeursSaisie& s)
{
    const std::function<Resultat()> etapes[] = {
        [&] { return films.EcrireTexte(QStringLiteral("Titre"), s.edTitre); },
        [&] { return films.EcrireTexte(QStringLiteral("Genre"), s.edGenre); },
        [&] { return films.EcrireTexte(QStringLiteral("Realisateur"), s.edRealisateur); },
        [&] { return films.EcrireTexte(QStringLiteral("Scenario"), s.edScenario); },
        [&] { return films.EcrireTexte(QStringLiteral("Musique"), s.edMusique); },
        [&] { return EcrireMasque(films, QStringLiteral("Duree"), s.edDuree); },
        [&] { return films.EcrireTexte(QStringLiteral("Site"), s.edSite); },
        [&] { return films.EcrireTexte(QStringLiteral("Editeur"), s.edEditeur); },
        [&] { return EcrireListe(films, QStringLiteral("Etoiles"), EntreesEtoiles(), s.edEtoiles); },
        [&] { return EcrireMasque(films, QStringLiteral("Sortie"), s.edDateSortie); },
        [&] { return EcrireListe(films, QStringLiteral("Public"), EntreesPublic(), s.edPublic); },
        [&] { return EcrirePrix(films, s.edPrix); },
        [&] { return films.EcrireTexte(QStringLiteral("Acteur"), LignesCrLf(s.edActeurs)); },
        [&] { return films.EcrireTexte(QStringLiteral("Resume"), LignesCrLf(s.edResume)); },
        [&] { return films.EcrireTexte(QStringLiteral("Notes"), LignesCrLf(s.edNotes)); },
        [&] { return EcrireListe(films, QStringLiteral("Langue"), ListePays(), s.edPays); },
        [&] { return EcrireListe(films, QStringLiteral("FormatCinema"), EntreesCinema(), s.edCinema); },
        [&] { return EcrireListe(films, QStringLiteral("FormatVideo"), EntreesFormat(), s.edFormat); },
        [&] { return EcrireListe(films, QStringLiteral("Support"), EntreesSupport(), s.edSupport); },
        [&] { return EcrireListe(films, QStringLiteral("ZoneDvd"), EntreesZone(), s.edZone); },
        [&] { return EcrireListe(films, QStringLiteral("Standard"), EntreesStandard(), s.edStandard); },
        [&] { return EcrireListe(films, QStringLiteral("Son"), EntreesSon(), s.edSon); },
        [&] { return EcrireMasque(films, QStringLiteral("DateSortieDvd"), s.edDateSortieDVD); },
        [&] { return films.EcrireTexte(QStringLiteral("Audio"), LignesCrLf(s.edLangueG)); },
        [&] { return films.EcrireTexte(QStringLiteral("SousTitres"), LignesCrLf(s.edSousTitreG)); },
        [&] {
            return s.edImg.isEmpty() ? films.Effacer(QStringLiteral("BlobPicture"))
                                     : films.EcrireBlob(QStringLiteral("BlobPicture"), s.edImg);
        },
        [&] { return films.EcrireLogique(QStringLiteral("DejaVu"), s.edDejaVu); },
    };
    for (const auto& etape : etapes) {
        const Resultat r = etape();
        if (!r) {
            return r;
        }
    }
    return Resultat::Succes();
}

Resultat AjouterNouveauFilm(Table& films, const ValeursSaisie& saisie)
{
    if (saisie.edTitre.isEmpty() || films.Locate(QStringLiteral("Titre"), saisie.edTitre)) {
        return Resultat::Echec(MessageTitreIncorrect);
    }
    Resultat r = films.Append();
    if (!r) {
        return r;
    }
    r = EcrireSaisie(films, saisie);
    if (r) {
        r = films.Post();
    }
    if (!r) {
        films.Cancel();
    }
    return r;
}
