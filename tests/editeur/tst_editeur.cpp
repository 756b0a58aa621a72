#include "banc.h"
#include "browse/listefilms.h"
#include "editor/champssaisie.h"
#include "imaging/jpeg.h"
#include "tests.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>

namespace {

QByteArray LireFichier(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList Entrees(const QComboBox* liste)
{
    QStringList entrees;
    for (int i = 0; i < liste->count(); ++i)
        entrees << liste->itemText(i);
    return entrees;
}

QString Aujourdhui()
{
    return QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));
}

// A film with every field the editor shows.
const Fiche FilmComplet = {
    {"Titre", "Le Voyage"},
    {"Genre", "Aventure"},
    {"Realisateur", "Jean Dupont"},
    {"Scenario", "Anne Martin"},
    {"Musique", "Paul Petit"},
    {"Duree", "01:45:00"},
    {"Site", "http://levoyage.example"},
    {"Editeur", "Studio Sud"},
    {"Etoiles", "3 étoiles"},
    {"Sortie", "12/05/2004"},
    {"Public", "Interdit - 12 ans"},
    {"Prix", "19.9"},
    {"Acteur", "Léa Tardieu\r\nMarc Kessler"},
    {"Resume", "Un long voyage.\r\nSur deux lignes."},
    {"Notes", "Vu deux fois"},
    {"Langue", "France"},
    {"FormatCinema", "2.35"},
    {"FormatVideo", "\r1.33 (4/3)"},
    {"Support", "DVD"},
    {"ZoneDvd", "Zone 2"},
    {"Standard", "Pal"},
    {"DateSortieDvd", "03/11/2004"},
    {"Son", "DTS"},
    {"Audio", "Français\r\nAnglais"},
    {"SousTitres", "Anglais"},
    {"DejaVu", "Vrai"},
};

} // namespace

class TestEditeur : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<Banc> b;

private slots:
    void init()
    {
        b = std::make_unique<Banc>();
        b->Ouvrir();
    }

    void cleanup() { b.reset(); }

    // Every editor at its place with its kind; the tab order runs as the sheet reads.
    void disposition()
    {
        PanneauGestion& e = b->editeur();
        QCOMPARE(e.geometry(), QRect(0, 55, 800, 544));
        QCOMPARE(e.palette().color(QPalette::Window), QColor(246, 234, 200));
        const QList<std::pair<QWidget*, QRect>> places = {
            {e.edTitre, {262, 2, 535, 28}},           {e.edGenre, {336, 32, 462, 17}},
            {e.edRealisateur, {336, 51, 462, 17}},    {e.edScenario, {336, 70, 329, 17}},
            {e.edMusique, {336, 89, 329, 17}},        {e.edDuree, {336, 108, 329, 17}},
            {e.edSite, {336, 127, 329, 17}},          {e.edEditeur, {336, 146, 329, 17}},
            {e.edEtoiles, {676, 97, 120, 17}},        {e.edDateSortie, {676, 117, 120, 17}},
            {e.edPublic, {676, 140, 120, 17}},        {e.edActeurs, {277, 166, 506, 56}},
            {e.edResume, {277, 226, 506, 119}},       {e.edCinema, {284, 362, 212, 17}},
            {e.edFormat, {284, 394, 212, 17}},        {e.edZone, {284, 458, 212, 17}},
            {e.edSupport, {284, 426, 212, 17}},       {e.edSon, {528, 397, 264, 17}},
            {e.edLangueG, {529, 430, 262, 32}},       {e.edSousTitreG, {529, 478, 262, 32}},
            {e.edNotes, {25, 348, 222, 171}},         {e.edStandard, {284, 490, 212, 17}},
            {e.edPays, {676, 77, 120, 17}},           {e.edDejaVu, {25, 521, 233, 22}},
            {e.edDateSortieDVD, {529, 363, 262, 17}}, {e.edImg, {25, 2, 233, 320}},
            {e.bnAnnuler, {586, 517, 65, 25}},        {e.bnValider, {655, 517, 136, 25}},
        };
        for (const auto& [editeur, place] : places)
            QVERIFY2(editeur->geometry() == place, qPrintable(editeur->objectName()));

        // The price is shown, below the technical lists, clear of the actors' box.
        QVERIFY(!e.edPrix->isHidden());
        QVERIFY(!e.edPrix->geometry().intersects(e.edActeurs->geometry()));
        QVERIFY(!e.edPrix->geometry().intersects(e.edStandard->geometry()));

        QCOMPARE(e.edDejaVu->text(), QStringLiteral("Déja vu"));
        QVERIFY(!e.edEtoiles->isEditable());
        QVERIFY(e.edPays->isEditable());
        QCOMPARE(e.edEtoiles->toolTip(), QStringLiteral("Préférence"));
        QCOMPARE(e.edDateSortie->toolTip(), QStringLiteral("Date de la sortie"));
        QCOMPARE(e.edImg->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(e.edImg->hasScaledContents());

        // Tab order, from the title to the DVD date, as the keyboard walks it.
        const QList<QWidget*> ordre = {
            e.edTitre,   e.edGenre,         e.edRealisateur, e.edScenario,   e.edMusique,  e.edDuree,
            e.edSite,    e.edEditeur,       e.edEtoiles,     e.edDateSortie, e.edPublic,   e.edPrix,
            e.edActeurs, e.edResume,        e.edCinema,      e.edFormat,     e.edZone,     e.edSupport,
            e.edSon,     e.edLangueG,       e.edSousTitreG,  e.edNotes,      e.edStandard, e.edPays,
            e.edDejaVu,  e.edDateSortieDVD, e.bnAnnuler,     e.bnValider};
        b->fenetre->Ajouterunnouveaufilm1Click();
        b->fenetre->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(b->fenetre.get()));
        e.edTitre->setFocus();
        for (int i = 1; i < ordre.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* focus = QApplication::focusWidget();
            QVERIFY2(
                focus == ordre.at(i) || ordre.at(i)->isAncestorOf(focus),
                qPrintable(QStringLiteral("%1 attendu, %2 reçu")
                               .arg(ordre.at(i)->objectName(), focus ? focus->objectName() : QString())));
        }
    }

    // The lists hold their entries in the written order; the video format's first one starts with
    // a carriage return, the cinema format's does not.
    void listes()
    {
        PanneauGestion& e = b->editeur();
        QCOMPARE(Entrees(e.edEtoiles), (QStringList{"Pas d'étoile", "1 étoile", "2 étoiles", "3 étoiles",
                                                    "4 étoiles", "5 étoiles"}));
        QCOMPARE(Entrees(e.edPublic), (QStringList{"Tous publics", "Interdit - 10 ans", "Interdit - 12 ans",
                                                   "Interdit - 16 ans", "Interdit - 18 ans"}));
        QCOMPARE(Entrees(e.edCinema), (QStringList{"1.33 (4/3)", "16/9", "16/9 compatible 4/3", "1.77",
                                                   "1.85", "2.35", "Full Screen"}));
        QCOMPARE(Entrees(e.edFormat),
                 (QStringList{"\r1.33 (4/3)", "16/9", "16/9 compatible 4/3", "1.77", "1.85", "2.35"}));
        QCOMPARE(Entrees(e.edSupport), (QStringList{"35 mm", "Betamax", "DVD", "LASER DISC", "MPEG4-DIVX",
                                                    "Super-8", "SVCD", "S-VHS", "V2000", "VHS", "Vidéo CD"}));
        QCOMPARE(Entrees(e.edZone),
                 (QStringList{"Zone 1", "Zone 2", "Zone 3", "Zone 4", "Zone 5", "Zone 6"}));
        QCOMPARE(Entrees(e.edStandard), (QStringList{"Secam", "Pal", "Ntsc"}));
        QCOMPARE(Entrees(e.edSon), (QStringList{"Dolby Digital 5.1", "Dolby numérique", "Dolby Surround",
                                                "DTS", "Hifi Stéréo", "Mono", "THX"}));
        QCOMPARE(e.edPays->count(), 137);
        QCOMPARE(e.edPays->itemText(0), QStringLiteral("Inconnu"));
        // The country box completes what is typed from its list.
        b->fenetre->Ajouterunnouveaufilm1Click();
        b->fenetre->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(b->fenetre.get()));
        e.edPays->setFocus();
        e.edPays->lineEdit()->clear();
        QTest::keyClicks(e.edPays->lineEdit(), QStringLiteral("belg"));
        QCOMPARE(e.edPays->currentText(), QStringLiteral("belgique"));
    }

    // An editor takes no more characters than its field keeps: typing and pasting stop there.
    void longueursMaximales()
    {
        PanneauGestion& e = b->editeur();
        b->fenetre->Ajouterunnouveaufilm1Click();
        QCOMPARE(e.edGenre->maxLength(), 120);
        QCOMPARE(e.edSite->maxLength(), 240);
        QCOMPARE(e.edEditeur->maxLength(), 150);
        QCOMPARE(e.edRealisateur->maxLength(), 250);
        e.edTitre->setFocus();
        e.edTitre->insertPlainText(QString(249, u'a'));
        QTest::keyClicks(e.edTitre, QStringLiteral("bcd"));
        QCOMPARE(e.edTitre->toPlainText(), QString(249, u'a') + u'b');
        // A line break is stored as two characters: it no longer fits either.
        e.edTitre->setPlainText(QString(249, u'a'));
        e.edTitre->moveCursor(QTextCursor::End);
        QTest::keyClick(e.edTitre, Qt::Key_Return);
        QCOMPARE(e.edTitre->toPlainText(), QString(249, u'a'));
        // A memo has no limit.
        e.edResume->setPlainText(QString(5000, u'r'));
        QCOMPARE(e.edResume->toPlainText().size(), 5000);
    }

    // A new film with only a title gets the editor's reset values, whatever was loaded before: a
    // seen film edited and left does not make the new one seen.
    void nouveauFilmParDefaut()
    {
        QVERIFY(b->Ajouter({{"Titre", "Vu"}, {"DejaVu", "Vrai"}, {"Prix", "12"}, {"Etoiles", "5 étoiles"}}));
        b->fenetre->Modifiercettefiche1Click();
        QVERIFY(b->editeur().edDejaVu->isChecked());
        b->fenetre->AnnulerGestion();

        PanneauGestion& e = b->editeur();
        b->fenetre->Ajouterunnouveaufilm1Click();
        QVERIFY(b->EditeurOuvert());
        QVERIFY(!b->fenetre->bnGestion->isVisible());
        QCOMPARE(e.bnValider->text(), QStringLiteral("Ajouter ce nouveau film"));
        QCOMPARE(e.edDuree->texte(), QStringLiteral("00:00:00"));
        QCOMPARE(e.edDateSortie->texte(), Aujourdhui());
        QCOMPARE(e.edDateSortieDVD->texte(), QStringLiteral("  /  /    "));
        QCOMPARE(e.edPrix->text(), QString());
        QVERIFY(!e.edDejaVu->isChecked());
        QVERIFY(e.image().isEmpty());
        QCOMPARE(e.edCinema->currentIndex(), -1);

        e.edTitre->setPlainText(QStringLiteral(" Le Voyage"));
        b->Valider();
        QVERIFY(!b->EditeurOuvert());
        QVERIFY(b->fenetre->bnGestion->isVisible());
        QVERIFY(b->avertissements.isEmpty());
        QVERIFY(ListeTitres().contains(QStringLiteral(" Le Voyage")));
        const Fiche f = b->Lire(QStringLiteral(" Le Voyage"));
        QCOMPARE(f.value("Duree"), QStringLiteral("00:00:00"));
        QCOMPARE(f.value("Sortie"), Aujourdhui());
        QCOMPARE(f.value("Etoiles"), QStringLiteral("Pas d'étoile"));
        QCOMPARE(f.value("Public"), QStringLiteral("Tous publics"));
        QCOMPARE(f.value("Langue"), QStringLiteral("Inconnu"));
        QCOMPARE(f.value("DejaVu"), QStringLiteral("Faux"));
        for (const char* nul : {"FormatCinema", "FormatVideo", "Support", "ZoneDvd", "Standard", "Son",
                                "DateSortieDvd", "BlobPicture", "Prix", "Genre", "Acteur"}) {
            QVERIFY2(b->films().EstNul(QString::fromLatin1(nul)), nul);
        }
    }

    // Everything typed in the editor is stored, and the editor shows it back when the film is
    // changed, memo lines and the video format's carriage return included.
    void ajouterPuisRelire()
    {
        QVERIFY(b->Ajouter(FilmComplet));
        Fiche attendu = b->Lire(QStringLiteral("Le Voyage"));
        b->fenetre->Modifiercettefiche1Click();
        PanneauGestion& e = b->editeur();
        QCOMPARE(e.bnValider->text(), QStringLiteral("Valider les modifications"));
        QCOMPARE(e.edActeurs->toPlainText(), QStringLiteral("Léa Tardieu\nMarc Kessler"));
        QCOMPARE(e.edFormat->currentIndex(), 0);
        QCOMPARE(e.edPays->currentText(), QStringLiteral("France"));
        const ValeursSaisie chargee = e.Saisie();
        b->fenetre->AnnulerGestion();

        // The same values typed as a new film give the same record.
        QVERIFY(b->films().Delete().estSucces());
        b->fenetre->Ajouterunnouveaufilm1Click();
        e.AfficherSaisie(chargee);
        b->Valider();
        QVERIFY2(b->avertissements.isEmpty(), qPrintable(b->avertissements.join(u'\n')));
        QCOMPARE(b->Lire(QStringLiteral("Le Voyage")), attendu);

        // Unchanged and validated, the record stays as it was.
        b->fenetre->Modifiercettefiche1Click();
        b->Valider();
        QCOMPARE(b->Lire(QStringLiteral("Le Voyage")), attendu);
    }

    // An empty title or one already in the catalogue (exactly) is refused by the editor, which stays
    // open with what was typed; a title differing only in letter case is a new film.
    void titreRefuse_data()
    {
        QTest::addColumn<QString>("titre");
        QTest::addColumn<bool>("refuse");
        QTest::newRow("vide") << "" << true;
        QTest::newRow("existant") << "Alpha" << true;
        QTest::newRow("autre casse") << "alpha" << false;
        QTest::newRow("espace devant") << " Alpha" << false;
    }

    void titreRefuse()
    {
        QFETCH(QString, titre);
        QFETCH(bool, refuse);
        QVERIFY(b->Ajouter({{"Titre", "Alpha"}, {"Genre", "Drame"}}));
        b->fenetre->Ajouterunnouveaufilm1Click();
        b->editeur().edTitre->setPlainText(titre);
        b->editeur().edGenre->setText(QStringLiteral("Comédie"));
        b->Valider();
        QCOMPARE(b->EditeurOuvert(), refuse);
        QCOMPARE(b->films().RecordCount(), refuse ? 1 : 2);
        if (refuse) {
            QCOMPARE(b->avertissements,
                     QStringList{
                         QStringLiteral("Attention, ce titre est incorrect ou existe déjà dans la base !")});
            QCOMPARE(b->editeur().edGenre->text(), QStringLiteral("Comédie"));
            QCOMPARE(b->Lire(QStringLiteral("Alpha")).value("Genre"), QStringLiteral("Drame"));
        } else {
            QVERIFY(b->avertissements.isEmpty());
        }
    }

    // A date or a duration that is half typed or impossible, or a price that is not one, is refused
    // before anything is written, with a warning naming the field; the editor stays open with the
    // text typed, and the catalogue is as it was, with no record left pending.
    void ecritureRefusee_data()
    {
        QTest::addColumn<bool>("nouveau");
        QTest::addColumn<QString>("editeur");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("debut");
        for (bool nouveau : {true, false}) {
            const char* mode = nouveau ? "nouveau" : "modification";
            QTest::addRow("%s, sortie impossible", mode) << nouveau << "edDateSortie"
                                                         << "31/02/2005"
                                                         << "La date de sortie « 31/02/2005 »";
            QTest::addRow("%s, sortie à moitié", mode) << nouveau << "edDateSortie"
                                                       << "12"
                                                       << "La date de sortie « 12/  /     »";
            QTest::addRow("%s, durée impossible", mode) << nouveau << "edDuree"
                                                        << "25:61:00"
                                                        << "La durée « 25:61:00 »";
            QTest::addRow("%s, DVD à moitié", mode) << nouveau << "edDateSortieDVD"
                                                    << "01/01"
                                                    << "La date de sortie en DVD « 01/01/     »";
            QTest::addRow("%s, prix", mode) << nouveau << "edPrix"
                                            << "12,50"
                                            << "Le prix « 12,50 »";
        }
    }

    void ecritureRefusee()
    {
        QFETCH(bool, nouveau);
        QFETCH(QString, editeur);
        QFETCH(QString, texte);
        QFETCH(QString, debut);
        QVERIFY(b->Ajouter(FilmComplet));
        const QList<Fiche> avant = b->Catalogue();
        PanneauGestion& e = b->editeur();
        if (nouveau) {
            b->fenetre->Ajouterunnouveaufilm1Click();
            e.edTitre->setPlainText(QStringLiteral("Nouveau"));
        } else {
            b->fenetre->Modifiercettefiche1Click();
            e.edGenre->setText(QStringLiteral("Changé"));
        }
        QLineEdit* champ = e.findChild<QLineEdit*>(editeur);
        if (champ == nullptr)
            champ = e.findChild<QWidget*>(editeur)->findChild<QLineEdit*>(QStringLiteral("edition"));
        QVERIFY(champ != nullptr);
        champ->setText(texte);
        const QString affiche = champ->displayText();
        b->Valider();

        QCOMPARE(b->avertissements.size(), 1);
        QVERIFY2(b->avertissements.constFirst().startsWith(debut),
                 qPrintable(b->avertissements.constFirst()));
        QVERIFY(b->EditeurOuvert());
        QCOMPARE(champ->displayText(), affiche);
        QCOMPARE(b->films().EtatTable(), Table::Etat::Navigation);
        QCOMPARE(b->Catalogue(), avant);
    }

    // A title taken by another film, given in modification: the store's warning, the editor open,
    // nothing pending.
    void modificationTitreExistant()
    {
        QVERIFY(b->Ajouter({{"Titre", "Alpha"}}));
        QVERIFY(b->Ajouter({{"Titre", "Beta"}, {"Genre", "Drame"}}));
        const QList<Fiche> avant = b->Catalogue();
        QVERIFY(b->films().Locate(QStringLiteral("Titre"), QStringLiteral("Beta")));
        b->fenetre->Modifiercettefiche1Click();
        b->editeur().edTitre->setPlainText(QStringLiteral("Alpha"));
        b->Valider();
        QCOMPARE(b->avertissements, QStringList{QStringLiteral(
                                        "Attention, ce titre est incorrect ou existe déjà dans la base !")});
        QVERIFY(b->erreurs.isEmpty());
        QVERIFY(b->EditeurOuvert());
        QCOMPARE(b->films().EtatTable(), Table::Etat::Navigation);
        QCOMPARE(b->Catalogue(), avant);
    }

    // Emptied editors clear their fields; a removed photo is removed from the record.
    void champsVides()
    {
        QVERIFY(b->Ajouter(FilmComplet, LireFichier(QStringLiteral(KINOBRAL_FIXTURES "couverture.jpg"))));
        b->fenetre->Modifiercettefiche1Click();
        PanneauGestion& e = b->editeur();
        QVERIFY(!e.image().isEmpty());
        e.edDateSortie->setTexte(QString());
        e.edDuree->clear();
        e.edDateSortieDVD->setTexte(QString());
        e.edPrix->clear();
        e.edPays->setEditText(QString());
        e.Supprimerlaphoto1->trigger();
        QVERIFY(e.image().isEmpty());
        b->Valider();
        QVERIFY(b->avertissements.isEmpty());
        QVERIFY(!b->EditeurOuvert());
        b->Lire(QStringLiteral("Le Voyage"));
        for (const char* nul : {"Sortie", "Duree", "DateSortieDvd", "Prix", "BlobPicture", "Langue"})
            QVERIFY2(b->films().EstNul(QString::fromLatin1(nul)), nul);
        QCOMPARE(b->films().Texte(QStringLiteral("Genre")), QStringLiteral("Aventure"));
    }

    // A stored value in other letters selects its entry and is written back in the entry's
    // spelling; one that no entry matches leaves the list without selection and stays stored.
    void valeursHorsListe()
    {
        QVERIFY(b->Ajouter({{"Titre", "Ancien"},
                            {"Public", "TOUS PUBLICS"},
                            {"Son", "Dolby Atmos"},
                            {"Langue", "Angleterre"},
                            {"Support", "Blu-ray"}}));
        b->fenetre->Modifiercettefiche1Click();
        PanneauGestion& e = b->editeur();
        QCOMPARE(e.edPublic->currentIndex(), 0);
        QCOMPARE(e.edSon->currentIndex(), -1);
        QCOMPARE(e.edEtoiles->currentIndex(), -1);
        QCOMPARE(e.edPays->currentText(), QStringLiteral("Angleterre"));
        e.edSupport->setCurrentIndex(2);
        b->Valider();
        QVERIFY(b->avertissements.isEmpty());
        const Fiche f = b->Lire(QStringLiteral("Ancien"));
        QCOMPARE(f.value("Public"), QStringLiteral("Tous publics"));
        QCOMPARE(f.value("Son"), QStringLiteral("Dolby Atmos"));
        QCOMPARE(f.value("Langue"), QStringLiteral("Angleterre"));
        QCOMPARE(f.value("Support"), QStringLiteral("DVD"));
        QCOMPARE(f.value("Etoiles"), QString());
    }

    // A changed title shows in the list at once; the changed film stays the current one.
    void titreChangeDansLaListe()
    {
        QVERIFY(b->Ajouter({{"Titre", "Alpha"}}));
        QVERIFY(b->Ajouter({{"Titre", "Beta"}}));
        QVERIFY(b->dm->OuvrirBase().estSucces());
        QVERIFY(b->films().Locate(QStringLiteral("Titre"), QStringLiteral("Alpha")));
        b->fenetre->Modifiercettefiche1Click();
        b->editeur().edTitre->setPlainText(QStringLiteral("Zeta"));
        b->Valider();
        QCOMPARE(ListeTitres(), (QStringList{"Beta", "Zeta"}));
        QCOMPARE(b->films().Texte(QStringLiteral("Titre")), QStringLiteral("Zeta"));
        QAbstractItemModel* modele = b->fenetre->listeFilms->modele();
        const QModelIndex racine = modele->index(0, 0);
        QCOMPARE(modele->rowCount(racine), 2);
        QCOMPARE(modele->index(1, 0, racine).data().toString(), QStringLiteral("Zeta"));
    }

    // "Annuler" writes nothing; opening again in modification shows the stored values.
    void annuler()
    {
        QVERIFY(b->Ajouter({{"Titre", "Alpha"}, {"Genre", "Drame"}}));
        b->fenetre->Modifiercettefiche1Click();
        b->editeur().edGenre->setText(QStringLiteral("Comédie"));
        QTest::mouseClick(b->editeur().bnAnnuler, Qt::LeftButton);
        QVERIFY(!b->EditeurOuvert());
        QVERIFY(b->fenetre->bnGestion->isVisible());
        QCOMPARE(b->Lire(QStringLiteral("Alpha")).value("Genre"), QStringLiteral("Drame"));
        b->fenetre->Modifiercettefiche1Click();
        QCOMPARE(b->editeur().edGenre->text(), QStringLiteral("Drame"));
    }

    // With an empty catalogue, a modification stores the editor's content as a new film.
    void modificationCatalogueVide()
    {
        b->fenetre->Modifiercettefiche1Click();
        b->editeur().edTitre->setPlainText(QStringLiteral("Premier"));
        b->Valider();
        QCOMPARE(b->films().RecordCount(), 1);
        QCOMPARE(ListeTitres(), QStringList{QStringLiteral("Premier")});
    }

    // The picture dialog; a JPEG is kept byte for byte, a bitmap becomes a JPEG, anything else is
    // refused with the picture left as it was.
    void photo_data()
    {
        QTest::addColumn<QString>("sorte");
        QTest::newRow("jpeg") << "jpeg";
        QTest::newRow("bitmap") << "bmp";
        QTest::newRow("ni l'un ni l'autre") << "texte";
        QTest::newRow("absent") << "absent";
    }

    void photo()
    {
        QFETCH(QString, sorte);
        const QByteArray jpeg = LireFichier(QStringLiteral(KINOBRAL_FIXTURES "couverture.jpg"));
        QVERIFY(EstJpeg(jpeg));
        QString chemin = b->dossier.filePath(QStringLiteral("photo.jpg"));
        if (sorte == QLatin1String("jpeg")) {
            QFile::copy(QStringLiteral(KINOBRAL_FIXTURES "couverture.jpg"), chemin);
        } else if (sorte == QLatin1String("bmp")) {
            chemin = b->dossier.filePath(QStringLiteral("photo.bmp"));
            QImage image(40, 60, QImage::Format_RGB32);
            image.fill(QColor(200, 30, 30));
            QVERIFY(image.save(chemin, "BMP"));
        } else if (sorte == QLatin1String("texte")) {
            QFile f(chemin);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("pas une image");
        }
        QVERIFY(b->Ajouter({{"Titre", "Alpha"}}));
        b->fenetre->Modifiercettefiche1Click();
        PanneauGestion& e = b->editeur();
        QVERIFY(!e.Supprimerlaphoto1->isEnabled());
        b->fichierChoisi = chemin;
        e.Ajouterunephoto1->trigger();
        QCOMPARE(b->dialogues.size(), 1);
        QCOMPARE(b->dialogues.constFirst().titre, QStringLiteral("Insérer une photo"));
        QCOMPARE(b->dialogues.constFirst().filtre,
                 QStringLiteral("Fichier compressé (*.jpg)|*.jpg|Fichier bitmap (*.bmp)|*.bmp"));
        b->Valider();
        b->Lire(QStringLiteral("Alpha"));
        const QByteArray stocke = b->films().Blob(QStringLiteral("BlobPicture"));
        if (sorte == QLatin1String("jpeg")) {
            QCOMPARE(stocke, jpeg);
        } else if (sorte == QLatin1String("bmp")) {
            QVERIFY(EstJpeg(stocke));
            const QImage lue = DecoderJpeg(stocke);
            QCOMPARE(lue.size(), QSize(40, 60));
            QVERIFY(qAbs(qRed(lue.pixel(20, 30)) - 200) < 12);
        } else {
            QCOMPARE(b->erreurs.size(), 1);
            QVERIFY(b->erreurs.constFirst().contains(QDir::toNativeSeparators(chemin)));
            QVERIFY(stocke.isEmpty());
        }
    }

    // Deleting asks first; only "Oui" deletes. An empty catalogue asks nothing.
    void supprimer_data()
    {
        QTest::addColumn<int>("films");
        QTest::addColumn<BoiteMessage::Reponse>("reponse");
        QTest::newRow("Non") << 2 << BoiteMessage::Reponse::Non;
        QTest::newRow("Oui") << 2 << BoiteMessage::Reponse::Oui;
        QTest::newRow("catalogue vide") << 0 << BoiteMessage::Reponse::Oui;
    }

    void supprimer()
    {
        QFETCH(int, films);
        QFETCH(BoiteMessage::Reponse, reponse);
        if (films > 0) {
            QVERIFY(b->Ajouter({{"Titre", "Alpha"}}));
            QVERIFY(b->Ajouter({{"Titre", "Beta"}}));
            QVERIFY(b->dm->OuvrirBase().estSucces());
            QVERIFY(b->films().Locate(QStringLiteral("Titre"), QStringLiteral("Beta")));
        }
        b->reponse = reponse;
        b->fenetre->Supprimercettefiche1Click();
        if (films == 0) {
            QVERIFY(b->questions.isEmpty());
            QCOMPARE(b->films().RecordCount(), 0);
            return;
        }
        QCOMPARE(b->questions,
                 QStringList{QStringLiteral("Êtes-vous sûr(e) de vouloir supprimer cette fiche ?")});
        const bool supprime = reponse == BoiteMessage::Reponse::Oui;
        QCOMPARE(b->films().RecordCount(), supprime ? 1 : 2);
        QCOMPARE(ListeTitres(), supprime ? QStringList{"Alpha"} : (QStringList{"Alpha", "Beta"}));
        if (supprime)
            QCOMPARE(b->films().Texte(QStringLiteral("Titre")), QStringLiteral("Alpha"));
    }
};

QObject* CreerTestEditeur()
{
    return new TestEditeur;
}

#include "tst_editeur.moc"
