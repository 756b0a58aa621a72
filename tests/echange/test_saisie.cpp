#include "catalogue/connexion.h"
#include "exchange/fichefichier.h"
#include "exchange/saisiefilm.h"
#include "outils_echange.h"
#include "reference/pays.h"
#include "tests_echange.h"

#include <QTest>

namespace {

// The sheet of a film written, read back and turned into the editor's values, as the import does.
ValeursSaisie Importer(const QString& chemin)
{
    ContenuFiche contenu;
    if (!LireFichierFiche(chemin, contenu)) {
        return ValeursSaisie();
    }
    return SaisieDepuisFiche(contenu);
}

ContenuFiche FicheDuFilm(const Champs& champs, const QByteArray& couverture = QByteArray())
{
    CatalogueTemporaire catalogue;
    ContenuFiche contenu;
    if (catalogue.Ouvrir() && AjouterFilm(catalogue.films(), champs, couverture)) {
        (void)LireFicheFilm(catalogue.films(), contenu);
    }
    return contenu;
}

} // namespace

// Every control gets its value; lists match without regard to case; memo lines become LF lines.
void TestSaisie::saisieDepuisFiche()
{
    const ValeursSaisie s = Importer(Fixture("leonie.kbx"));
    ValeursSaisie attendu;
    attendu.edTitre = "Le Destin fabuleux de Léonie";
    attendu.edGenre = "Comédie";
    attendu.edRealisateur = "Jean-Baptiste Morel";
    attendu.edScenario = "Claire Vasseur";
    attendu.edMusique = "Yves Tanguy";
    attendu.edDuree = "02:02:00";
    attendu.edSite = "http://www.leonie-lefilm.fr";
    attendu.edEditeur = "Studio Canal Vidéo";
    attendu.edDateSortie = "25/04/2001";
    attendu.edPublic = 0; // "tous publics"
    attendu.edPrix = "22.5";
    attendu.edActeurs = "Léa Tardieu, Marc Kessler\nRufin, Odile Marceau";
    attendu.edResume =
        "Léonie, serveuse à Montmartre… a bon cœur.\nElle décide de changer la vie des autres (9 €).";
    attendu.edCinema = EntreesCinema().indexOf("1.85");
    attendu.edFormat = EntreesFormat().indexOf("16/9");
    attendu.edSupport = EntreesSupport().indexOf("DVD"); // "dvd"
    attendu.edZone = 1;
    attendu.edStandard = 1;
    attendu.edDateSortieDVD = "16/10/2001";
    attendu.edSon = 0;
    attendu.edLangueG = "Français\nAnglais";
    attendu.edSousTitreG = "Anglais";
    attendu.edEtoiles = 5;
    attendu.edPays = ListePays().indexOf("France");
    attendu.edImg = Couverture();
    QVERIFY(attendu.edPays > 0 && attendu.edSupport >= 0);
    QCOMPARE(s, attendu);
}

// A value that no entry matches, an empty one included, leaves its list without selection.
void TestSaisie::valeursHorsDesListes()
{
    const ValeursSaisie s = Importer(Fixture("brume.kbx"));
    QCOMPARE(s.edTitre, QString("Brume"));
    for (const int liste : {s.edEtoiles, s.edPublic, s.edPays, s.edCinema, s.edFormat, s.edSupport, s.edZone,
                            s.edStandard, s.edSon}) {
        QCOMPARE(liste, -1);
    }
    QVERIFY(s.edDuree.isEmpty() && s.edDateSortie.isEmpty() && s.edDateSortieDVD.isEmpty());
    QVERIFY(s.edImg.isEmpty());

    // The first video format carries a carriage return: without it the value is another one.
    QCOMPARE(EntreeEgale(EntreesFormat(), "\r1.33 (4/3)"), 0);
    QCOMPARE(EntreeEgale(EntreesFormat(), "1.33 (4/3)"), -1);
    QCOMPARE(EntreeEgale(EntreesSon(), "HIFI STÉRÉO"), 4);
    QCOMPARE(EntreeEgale(ListePays(), "CÔTE D'IVOIRE"), ListePays().indexOf("Côte d'Ivoire"));
}

// A "|" inside a value is not protected: later values move one control along, the 25th piece is dropped.
void TestSaisie::barreDansUneValeur()
{
    Champs champs = FilmComplet("Barre");
    champs.append(qMakePair(QStringLiteral("Genre"), QStringLiteral("Drame|Policier")));
    const ValeursSaisie s = SaisieDepuisFiche(FicheDuFilm(champs));
    QCOMPARE(s.edTitre, QString("Barre"));
    QCOMPARE(s.edGenre, QString("Drame"));
    QCOMPARE(s.edRealisateur, QString("Policier"));
    QCOMPARE(s.edScenario, QString("Hélène Vautrin"));
    QCOMPARE(s.edMusique, QString("Raphaël Mercier"));
    QCOMPARE(s.edDuree, QString("Zoé Lambert"));
    QCOMPARE(s.edSite, QString("01:45:30"));
    QCOMPARE(s.edDateSortie, QString("Éditions Sépia"));
    QCOMPARE(s.edPublic, -1); // "31/05/2005"
    QCOMPARE(s.edPrix, QString("Interdit - 12 ans"));
    QCOMPARE(s.edResume, QString("Anne Dupré, Léo Marin\nJosé Ferrand; Inès Roy"));
    QCOMPARE(s.edFormat, EntreesFormat().indexOf("2.35")); // the cinema format, now in the video list
    QCOMPARE(s.edSupport, -1);                             // "16/9 compatible 4/3"
    QCOMPARE(s.edDateSortieDVD, QString("Secam"));
    QCOMPARE(s.edLangueG, QString("Hifi Stéréo"));
    QCOMPARE(s.edSousTitreG, QString("Français\nAnglais"));
    QCOMPARE(s.edEtoiles, -1); // the subtitles
    QCOMPARE(s.edPays, -1);    // "3 étoiles"; the country itself is dropped
}

void TestSaisie::allerRetour_data()
{
    QTest::addColumn<QString>("titre");
    QTest::addColumn<bool>("avecCouverture");
    QTest::newRow("accents et couverture") << "L'Été à Noël" << true;
    QTest::newRow("sans couverture") << "Sans image" << false;
    QTest::newRow("hors code page") << "Ōkami – 日本の狼" << true;
}

// From a film of one catalogue to the same film in another, through a file: the 24 values and the cover
// arrive as they left; notes, seen and loan stay behind.
void TestSaisie::allerRetour()
{
    QFETCH(QString, titre);
    QFETCH(bool, avecCouverture);
    CatalogueTemporaire depart;
    QVERIFY(depart.Ouvrir());
    QVERIFY(AjouterFilm(depart.films(), FilmComplet(titre), avecCouverture ? Couverture() : QByteArray()));
    ContenuFiche contenu;
    QVERIFY(LireFicheFilm(depart.films(), contenu).estSucces());
    const QString chemin = depart.Chemin("film.kbx");
    QVERIFY(EcrireFichierFiche(chemin, contenu).estSucces());

    CatalogueTemporaire arrivee;
    QVERIFY(arrivee.Ouvrir());
    const Resultat r = AjouterNouveauFilm(arrivee.films(), Importer(chemin));
    QVERIFY2(r.estSucces(), qPrintable(r.message()));
    Table& films = arrivee.films();
    QCOMPARE(films.RecordCount(), 1);
    QCOMPARE(films.Texte("Titre"), titre);
    for (const QString& champ : ChampsFiche()) {
        QCOMPARE(films.Texte(champ), depart.films().Texte(champ));
    }
    QCOMPARE(films.Blob("BlobPicture"), depart.films().Blob("BlobPicture"));
    QCOMPARE(films.EstNul("BlobPicture"), !avecCouverture);
    for (const char* champ : {"Notes", "Emprunteur", "DateEmprunt"}) {
        QVERIFY2(films.EstNul(champ), champ);
    }
    QCOMPARE(films.Texte("DejaVu"), QString("Faux"));
    QCOMPARE(films.Texte("Prete"), QString());
}

// Emptied editors store nothing: no date, duration, price, rating, audience, country, format or picture.
void TestSaisie::nouveauFilmSansValeurs()
{
    CatalogueTemporaire catalogue;
    QVERIFY(catalogue.Ouvrir());
    Table& films = catalogue.films();
    const Resultat r = AjouterNouveauFilm(films, Importer(Fixture("brume.kbx")));
    QVERIFY2(r.estSucces(), qPrintable(r.message()));
    QCOMPARE(films.Texte("Titre"), QString("Brume"));
    for (const char* champ :
         {"Genre", "Duree", "Sortie", "Prix", "Etoiles", "Public", "Langue", "FormatCinema", "FormatVideo",
          "Support", "ZoneDvd", "Standard", "DateSortieDvd", "Son", "Acteur", "Notes", "BlobPicture"}) {
        QVERIFY2(films.EstNul(champ), champ);
    }
    QCOMPARE(films.Texte("DejaVu"), QString("Faux"));

    // The editor's reset for a new film, before anything is imported.
    const ValeursSaisie vide = SaisieVide(QDate(2005, 5, 31));
    QCOMPARE(vide.edDuree, QString("00:00:00"));
    QCOMPARE(vide.edDateSortie, QString("31/05/2005"));
    QCOMPARE(EntreesEtoiles().at(vide.edEtoiles), QString("Pas d'étoile"));
    QCOMPARE(EntreesPublic().at(vide.edPublic), QString("Tous publics"));
    QCOMPARE(ListePays().at(vide.edPays), QString("Inconnu"));
    QCOMPARE(vide.edSon, -1);
}

void TestSaisie::titreRefuse_data()
{
    QTest::addColumn<QString>("titre");
    QTest::newRow("vide") << "";
    QTest::newRow("déjà là") << "Zorro";
    QTest::newRow("déjà là, avec accents") << "Été meurtrier";
}

// The editor's own check, before anything is written; the catalogue is left as it was.
void TestSaisie::titreRefuse()
{
    QFETCH(QString, titre);
    CatalogueTemporaire catalogue;
    QVERIFY(catalogue.Ouvrir());
    Table& films = catalogue.films();
    QVERIFY(AjouterFilm(films, {{"Titre", "Zorro"}, {"Genre", "Cape"}}));
    QVERIFY(AjouterFilm(films, {{"Titre", "Été meurtrier"}}));
    ValeursSaisie s = Importer(Fixture("leonie.kbx"));
    s.edTitre = titre;

    const Resultat r = AjouterNouveauFilm(films, s);
    QVERIFY(!r);
    QCOMPARE(r.message(), MessageTitreIncorrect);
    QCOMPARE(films.RecordCount(), 2);
    QCOMPARE(films.EtatTable(), Table::Etat::Navigation);
    QVERIFY(films.Locate("Titre", "Zorro"));
    QCOMPARE(films.Texte("Genre"), QString("Cape"));
}

// Only the exact title is a duplicate: other letter case, a leading space, another accent pass as typed.
void TestSaisie::titresAcceptes()
{
    CatalogueTemporaire catalogue;
    QVERIFY(catalogue.Ouvrir());
    Table& films = catalogue.films();
    QVERIFY(AjouterFilm(films, {{"Titre", "Zorro"}}));
    ValeursSaisie s = Importer(Fixture("brume.kbx"));
    for (const QString& titre : {QString("zorro"), QString(" Zorro"), QString("Zorró")}) {
        s.edTitre = titre;
        const Resultat r = AjouterNouveauFilm(films, s);
        QVERIFY2(r.estSucces(), qPrintable(r.message()));
        QCOMPARE(films.Texte("Titre"), titre);
    }
    QCOMPARE(films.RecordCount(), 4);
}

void TestSaisie::ecritureRefusee_data()
{
    QTest::addColumn<QString>("champ");
    QTest::addColumn<QString>("valeur");
    QTest::addColumn<QString>("message");
    QTest::newRow("date impossible") << "edDateSortie"
                                     << "31/02/2005"
                                     << "'31/02/2005' n'est pas une date correcte pour le champ 'Sortie'";
    QTest::newRow("date DVD incomplète") << "edDateSortieDVD"
                                         << "12/  /2005"
                                         << "n'est pas une date correcte pour le champ 'DateSortieDvd'";
    QTest::newRow("durée impossible") << "edDuree"
                                      << "25:00:00"
                                      << "'25:00:00' n'est pas une heure correcte pour le champ 'Duree'";
    QTest::newRow("prix en lettres") << "edPrix"
                                     << "douze"
                                     << "'douze' n'est pas un montant correct";
    QTest::newRow("prix à la virgule") << "edPrix"
                                       << "12,5"
                                       << "'12,5' n'est pas un montant correct";
    QTest::newRow("titre trop long") << "edTitre" << QString(251, u'x')
                                     << "Le texte du champ 'Titre' dépasse 250 caractères";
}

// The store's message, and no half-written record left behind for a later post.
void TestSaisie::ecritureRefusee()
{
    QFETCH(QString, champ);
    QFETCH(QString, valeur);
    QFETCH(QString, message);
    CatalogueTemporaire catalogue;
    QVERIFY(catalogue.Ouvrir());
    Table& films = catalogue.films();
    ValeursSaisie s = Importer(Fixture("leonie.kbx"));
    if (champ == "edDateSortie")
        s.edDateSortie = valeur;
    else if (champ == "edDateSortieDVD")
        s.edDateSortieDVD = valeur;
    else if (champ == "edDuree")
        s.edDuree = valeur;
    else if (champ == "edPrix")
        s.edPrix = valeur;
    else
        s.edTitre = valeur;

    const Resultat r = AjouterNouveauFilm(films, s);
    QVERIFY(!r);
    QVERIFY2(r.message().contains(message), qPrintable(r.message()));
    QCOMPARE(films.EtatTable(), Table::Etat::Navigation);
    QCOMPARE(films.RecordCount(), 0);

    s = Importer(Fixture("brume.kbx"));
    QVERIFY(AjouterNouveauFilm(films, s).estSucces());
    QCOMPARE(films.RecordCount(), 1);
    QVERIFY(films.EstNul("BlobPicture"));
}

void TestSaisie::prixArrondi_data()
{
    QTest::addColumn<QString>("prix");
    QTest::addColumn<QString>("stocke");
    QTest::newRow("entier") << "7"
                            << "7";
    QTest::newRow("quatre décimales") << "0.0001"
                                      << "0.0001";
    QTest::newRow("arrondi au-dessus") << "12.34567"
                                       << "12.3457";
    QTest::newRow("arrondi au-dessous") << "12.34564"
                                        << "12.3456";
    QTest::newRow("négatif") << "-0.00005"
                             << "-0.0001";
    QTest::newRow("retenue") << "9.99995"
                             << "10";
    QTest::newRow("vide") << ""
                          << "";
}

void TestSaisie::prixArrondi()
{
    QFETCH(QString, prix);
    QFETCH(QString, stocke);
    CatalogueTemporaire catalogue;
    QVERIFY(catalogue.Ouvrir());
    ValeursSaisie s = Importer(Fixture("brume.kbx"));
    s.edPrix = prix;
    const Resultat r = AjouterNouveauFilm(catalogue.films(), s);
    QVERIFY2(r.estSucces(), qPrintable(r.message()));
    QCOMPARE(catalogue.films().Texte("Prix"), stocke);
}

// A batch keeps what it validated, refuses one film alone, and drops everything when left unvalidated.
void TestSaisie::lotDeFilms()
{
    CatalogueTemporaire catalogue;
    QVERIFY(catalogue.Ouvrir());
    ValeursSaisie s = Importer(Fixture("brume.kbx"));
    {
        Lot lot(catalogue.films().connexion());
        QVERIFY(lot.Commencer().estSucces());
        QVERIFY(AjouterNouveauFilm(catalogue.films(), s).estSucces());
        s.edTitre = "Brume 2";
        QVERIFY(AjouterNouveauFilm(catalogue.films(), s).estSucces());
        QCOMPARE(AjouterNouveauFilm(catalogue.films(), s).message(), MessageTitreIncorrect);
        QVERIFY(lot.Valider().estSucces());
    }
    {
        Lot lot(catalogue.films().connexion());
        QVERIFY(lot.Commencer().estSucces());
        s.edTitre = "Abandonné";
        QVERIFY(AjouterNouveauFilm(catalogue.films(), s).estSucces());
    }
    QVERIFY(catalogue.Ouvrir());
    QCOMPARE(catalogue.films().RecordCount(), 2);
    QVERIFY(!catalogue.films().Locate("Titre", "Abandonné"));
    QVERIFY(catalogue.films().Locate("Titre", "Brume 2"));
}
