// AfficherFiche on a real catalogue: every element from the current film, the fixed pictures, the
// flags, the cover and what happens when artwork or a cover is missing or broken.
#include "app/erreurs.h"
#include "browse/fichefilm.h"
#include "browse/fichefilm_etiquette.h"
#include "catalogue/tdm.h"
#include "imaging/couverture.h"
#include "outils_fiche.h"
#include "reference/pays.h"
#include "tests.h"
#include "widgets/diaporama.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>
#include <memory>

namespace {

const Champs FilmComplet = {
    {"Titre", "Le Grand Voyage"},
    {"Genre", "Aventure"},
    {"Realisateur", "Anne Roy"},
    {"Scenario", "Paul Vidal"},
    {"Musique", "Marc Petit"},
    {"Duree", "01:45:00"},
    {"Site", "www.legrandvoyage.example"},
    {"Editeur", "Films & Cie"},
    {"Sortie", "31/05/2005"},
    {"Public", "Tous publics"},
    {"Prix", "19.99"},
    {"Acteur", "Luc Bon; Eva Clair. Jean Noir,Ida Blanc"},
    {"Resume", "Un long voyage.\nDeux lignes."},
    {"FormatCinema", "2.35:1"},
    {"FormatVideo", "16/9"},
    {"Support", "DVD"},
    {"ZoneDvd", "Zone 2"},
    {"Standard", "PAL"},
    {"DateSortieDvd", "01/12/2005"},
    {"Son", "Dolby Digital 5.1"},
    {"Audio", "Français\nAnglais"},
    {"SousTitres", "Français"},
    {"Etoiles", "3 étoiles"},
    {"DejaVu", "Vrai"},
    {"Prete", "Vrai"},
    {"Notes", "Vu au cinéma <b>deux</b> fois"},
    {"Langue", "France"},
};

QImage Pixmap(const QLabel* image)
{
    return image->pixmap().toImage();
}

} // namespace

class TestFiche : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> programme;
    std::unique_ptr<Tdm> dm;
    std::unique_ptr<TFicheFilm> fiche;
    QStringList erreurs;

    Table& films() { return dm->tbFilms(); }

    void Ouvrir(const QStringList& sansFichiers = {})
    {
        programme = std::make_unique<QTemporaryDir>();
        QVERIFY(programme->isValid());
        QVERIFY(PreparerDossierProgramme(programme->path(), sansFichiers));
        dm = std::make_unique<Tdm>(AvecSeparateur(programme->path()));
        QVERIFY(dm->OuvrirBase().estSucces());
        fiche = std::make_unique<TFicheFilm>();
        fiche->AttacherDataModule(*dm);
    }

    // The film with these fields, made current.
    void Film(const Champs& champs, const QByteArray& couverture = QByteArray())
    {
        QVERIFY(AjouterFilm(films(), champs, couverture));
        QVERIFY(films().Locate(QStringLiteral("Titre"), champs.first().second));
    }

    QString Dossier() const { return AvecSeparateur(programme->path()); }

private slots:
    void init()
    {
        erreurs.clear();
        DefinirAfficheurErreur([this](const QString& texte) { erreurs << texte; });
    }

    void cleanup()
    {
        fiche.reset();
        dm.reset();
        programme.reset();
        DefinirAfficheurErreur({});
    }

    void FilmComplet()
    {
        Ouvrir();
        const QByteArray couverture = Jpeg({300, 420}, qRgb(30, 120, 200));
        Film(::FilmComplet, couverture);
        fiche->AfficherFiche();

        QCOMPARE(fiche->lbTitre->text(), QStringLiteral("Le Grand Voyage"));
        QCOMPARE(fiche->lbGenre->text(), QStringLiteral("Aventure"));
        QCOMPARE(fiche->lbRealisateur->text(), QStringLiteral("Anne Roy"));
        QCOMPARE(fiche->lbScenario->text(), QStringLiteral("Paul Vidal"));
        QCOMPARE(fiche->lbMusique->text(), QStringLiteral("Marc Petit"));
        QCOMPARE(fiche->lbDuree->text(), QStringLiteral("01:45:00"));
        QCOMPARE(fiche->lbSite->text(), QStringLiteral("www.legrandvoyage.example"));
        QCOMPARE(fiche->lbEditeur->text(), QStringLiteral("Films & Cie"));
        QCOMPARE(fiche->lbDateSortie->text(), QStringLiteral("31/05/2005"));
        QCOMPARE(fiche->lbPublic->text(), QStringLiteral("Tous publics"));
        QCOMPARE(fiche->lbCinema->text(), QStringLiteral("2.35:1"));
        QCOMPARE(fiche->lbFormat->text(), QStringLiteral("16/9"));
        QCOMPARE(fiche->lbSupport->text(), QStringLiteral("DVD"));
        QCOMPARE(fiche->lbZone->text(), QStringLiteral("Zone 2"));
        QCOMPARE(fiche->lbStandard->text(), QStringLiteral("PAL"));
        QCOMPARE(fiche->lbDateSortieDVD->text(), QStringLiteral("01/12/2005"));
        QCOMPARE(fiche->lbSon->text(), QStringLiteral("Dolby Digital 5.1"));
        QCOMPARE(fiche->memoResume->toPlainText(), QStringLiteral("Un long voyage.\nDeux lignes."));
        QCOMPARE(fiche->lbLangue->toPlainText(), QStringLiteral("Français\nAnglais"));
        QCOMPARE(fiche->lbSousTitres->toPlainText(), QStringLiteral("Français"));

        // The price is never shown.
        QVERIFY(fiche->lbPrix->text().isEmpty());
        QVERIFY(fiche->lbPrix->isHidden());

        QStringList acteurs;
        for (int i = 0; i < fiche->lbActeurs->count(); ++i)
            acteurs << fiche->lbActeurs->item(i)->text();
        QCOMPARE(acteurs, (QStringList{"Luc Bon", " Eva Clair", " Jean Noir", "Ida Blanc"}));

        QVERIFY(MemeImage(Pixmap(fiche->imgEtoiles), ImageArtwork(QStringLiteral("3 étoiles.bmp"))));
        QVERIFY(MemeImage(Pixmap(fiche->imgVu), ImageArtwork(QStringLiteral("DejavuN.bmp"))));
        QVERIFY(MemeImage(Pixmap(fiche->imgPrete), ImageArtwork(QStringLiteral("PreteN.bmp"))));
        QVERIFY(MemeImage(Pixmap(fiche->imgNotes), ImageArtwork(QStringLiteral("NotesN.bmp"))));
        QCOMPARE(fiche->imgNotes->toolTip(), QStringLiteral("Vu au cinéma <b>deux</b> fois"));
        QCOMPARE(fiche->imgVu->size(), ImageArtwork(QStringLiteral("DejavuN.bmp")).size());
        QCOMPARE(fiche->indexDrapeau(), 44);
        QCOMPARE(fiche->imgFlag->toolTip(), QStringLiteral("France"));
        QVERIFY(MemeImage(Pixmap(fiche->imgFlag), ImageArtwork(QStringLiteral("drapeaux/044.png"))));

        // The cover, composed with the mask, is where the transition leads; it decoded fine.
        QVERIFY(MemeImage(fiche->PicShow->image(), ImageFiche(couverture, Dossier())));
        QVERIFY(!MemeImage(fiche->PicShow->image(), ImageFiche(QByteArray(), Dossier())));
        QVERIFY(fiche->PicShow->toolTip().isEmpty());
        QVERIFY(fiche->PicShow->estOccupe());
        QCoreApplication::processEvents();
        QVERIFY(erreurs.isEmpty());
    }

    // After the last film is deleted the view shows the empty table.
    void TableVide()
    {
        Ouvrir();
        Film(::FilmComplet, Jpeg({200, 300}, qRgb(200, 30, 30)));
        fiche->AfficherFiche();
        QVERIFY(films().Delete().estSucces());
        QCOMPARE(films().RecordCount(), 0);
        fiche->AfficherFiche();

        for (const TEtiquetteFiche* etiquette : fiche->findChildren<TEtiquetteFiche*>())
            QVERIFY2(etiquette->text().isEmpty(), qPrintable(etiquette->objectName()));
        QCOMPARE(fiche->lbActeurs->count(), 0);
        QVERIFY(fiche->memoResume->toPlainText().isEmpty());
        QVERIFY(fiche->lbLangue->toPlainText().isEmpty());
        QVERIFY(fiche->lbSousTitres->toPlainText().isEmpty());
        QVERIFY(MemeImage(Pixmap(fiche->imgEtoiles), ImageArtwork(QStringLiteral("pas d'étoile.bmp"))));
        QVERIFY(MemeImage(Pixmap(fiche->imgVu), ImageArtwork(QStringLiteral("DejavuF.bmp"))));
        QVERIFY(MemeImage(Pixmap(fiche->imgPrete), ImageArtwork(QStringLiteral("PreteF.bmp"))));
        QVERIFY(MemeImage(Pixmap(fiche->imgNotes), ImageArtwork(QStringLiteral("NotesF.bmp"))));
        QVERIFY(fiche->imgNotes->toolTip().isEmpty());
        QCOMPARE(fiche->indexDrapeau(), 0);
        QVERIFY(fiche->imgFlag->toolTip().isEmpty());
        QVERIFY(MemeImage(Pixmap(fiche->imgFlag), ImageArtwork(QStringLiteral("drapeaux/000.png"))));
        QVERIFY(MemeImage(fiche->PicShow->image(), ImageFiche(QByteArray(), Dossier())));
    }

    // While the catalogue is closed (a restore in progress) a refresh shows an empty sheet.
    void CatalogueFerme()
    {
        Ouvrir();
        Film(::FilmComplet, Jpeg({200, 300}, qRgb(200, 30, 30)));
        fiche->AfficherFiche();
        dm->FermerBase();
        fiche->AfficherFiche();
        QVERIFY(fiche->lbTitre->text().isEmpty());
        QCOMPARE(fiche->lbActeurs->count(), 0);
        QCOMPARE(fiche->indexDrapeau(), 0);
        QVERIFY(MemeImage(fiche->PicShow->image(), ImageFiche(QByteArray(), Dossier())));
    }

    void Etoiles_data()
    {
        QTest::addColumn<QString>("valeur");
        QTest::addColumn<QString>("fichier");
        QTest::newRow("three stars") << QStringLiteral("3 étoiles") << QStringLiteral("3 étoiles.bmp");
        QTest::newRow("one star") << QStringLiteral("1 étoile") << QStringLiteral("1 étoile.bmp");
        QTest::newRow("letter case ignored")
            << QStringLiteral("5 ÉTOILES") << QStringLiteral("5 étoiles.bmp");
        QTest::newRow("no star, capital P")
            << QStringLiteral("Pas d'étoile") << QStringLiteral("pas d'étoile.bmp");
        QTest::newRow("empty") << QString() << QStringLiteral("pas d'étoile.bmp");
        QTest::newRow("no such picture") << QStringLiteral("7 étoiles") << QStringLiteral("pas d'étoile.bmp");
        QTest::newRow("not a file of images/")
            << QStringLiteral("../images/1 étoile") << QStringLiteral("pas d'étoile.bmp");
    }

    void Etoiles()
    {
        QFETCH(QString, valeur);
        QFETCH(QString, fichier);
        Ouvrir();
        Film({{"Titre", "Film"}, {"Etoiles", valeur}});
        fiche->AfficherFiche();
        QVERIFY(MemeImage(Pixmap(fiche->imgEtoiles), ImageArtwork(fichier)));
        QCOMPARE(fiche->imgEtoiles->geometry(), QRect(679, 162, 115, 14));
    }

    void Drapeau_data()
    {
        QTest::addColumn<QString>("pays");
        QTest::addColumn<int>("index");
        QTest::newRow("France") << QStringLiteral("France") << 44;
        QTest::newRow("small letters keep their tooltip") << QStringLiteral("france") << 44;
        QTest::newRow("accented, other case") << QStringLiteral("CÔTE D'IVOIRE") << 35;
        QTest::newRow("last of the list") << QStringLiteral("Zimbabwe") << 136;
        QTest::newRow("Inconnu itself") << QStringLiteral("Inconnu") << 0;
        QTest::newRow("not in the list") << QStringLiteral("Atlantide") << 0;
        QTest::newRow("part of a name") << QStringLiteral("Fran") << 0;
        QTest::newRow("empty") << QString() << 0;
    }

    void Drapeau()
    {
        QFETCH(QString, pays);
        QFETCH(int, index);
        Ouvrir();
        Film({{"Titre", "Film"}, {"Langue", pays}});
        fiche->AfficherFiche();
        QCOMPARE(fiche->indexDrapeau(), index);
        QCOMPARE(fiche->imgFlag->toolTip(), pays);
        const QImage attendu =
            ImageArtwork(QStringLiteral("drapeaux/%1.png").arg(index, 3, 10, QLatin1Char('0')));
        QCOMPARE(attendu.size(), QSize(32, 20));
        QVERIFY(MemeImage(Pixmap(fiche->imgFlag), attendu));
    }

    // Every flag differs from its neighbours: the list and the pictures are in the same order.
    void DrapeauxDistincts()
    {
        Ouvrir();
        QImage precedent;
        for (int i = 0; i < NombrePays; ++i) {
            QVERIFY(films().Append());
            QVERIFY(films().EcrireTexte(QStringLiteral("Titre"), QString::number(i)));
            QVERIFY(films().EcrireTexte(QStringLiteral("Langue"), ListePays().at(i)));
            QVERIFY(films().Post());
            fiche->AfficherFiche();
            QCOMPARE(fiche->indexDrapeau(), i);
            const QImage drapeau = Pixmap(fiche->imgFlag);
            QVERIFY2(!MemeImage(drapeau, precedent), qPrintable(ListePays().at(i)));
            precedent = drapeau;
        }
    }

    // Labels other than lbEditeur take '&' as an accelerator mark: "&&" draws one '&', a single one is
    // not drawn. lbEditeur draws what is stored.
    void Esperluette()
    {
        Ouvrir();
        Film({{"Titre", "Film"}, {"Genre", "Tom && Jerry"}, {"Editeur", "Tom & Jerry"}});
        fiche->AfficherFiche();
        auto rendu = [](TEtiquetteFiche* etiquette) {
            QImage image(etiquette->size(), QImage::Format_RGB32);
            image.fill(Qt::white);
            etiquette->render(&image);
            return image;
        };
        // Same size and font, so the two renders compare pixel for pixel.
        fiche->lbGenre->resize(fiche->lbEditeur->size());
        QCOMPARE(rendu(fiche->lbGenre), rendu(fiche->lbEditeur));

        fiche->lbGenre->setText(QStringLiteral("Tom & Jerry"));
        QVERIFY(rendu(fiche->lbGenre) != rendu(fiche->lbEditeur));
        fiche->lbGenre->setText(QStringLiteral("Tom &Jerry"));
        fiche->lbEditeur->setText(QStringLiteral("Tom Jerry"));
        const QImage avecMarque = rendu(fiche->lbGenre);
        const QImage sansMarque = rendu(fiche->lbEditeur);
        // The same letters, one of them underlined: only a few pixels under the text differ.
        QVERIFY(avecMarque != sansMarque);
        int differents = 0;
        for (int y = 0; y < avecMarque.height(); ++y)
            for (int x = 0; x < avecMarque.width(); ++x)
                differents += avecMarque.pixel(x, y) != sansMarque.pixel(x, y);
        QVERIFY2(differents < 20, qPrintable(QString::number(differents)));
    }

    // A stored cover that is not a JPEG: the default picture, the reason as the cover's tooltip, the
    // rest of the sheet right, and no box.
    void CouvertureIllisible_data()
    {
        QTest::addColumn<QByteArray>("octets");
        QTest::newRow("not a JPEG") << QByteArray("GIF89a, not a picture of ours");
        QByteArray tronque = Jpeg({400, 600}, qRgb(10, 200, 10));
        tronque.truncate(200);
        QTest::newRow("cut short") << tronque;
    }

    void CouvertureIllisible()
    {
        QFETCH(QByteArray, octets);
        Ouvrir();
        Film({{"Titre", "Film abîmé"}, {"Genre", "Drame"}, {"Langue", "Italie"}, {"DejaVu", "Vrai"}}, octets);
        fiche->AfficherFiche();
        QVERIFY(MemeImage(fiche->PicShow->image(), ImageFiche(QByteArray(), Dossier())));
        QVERIFY(fiche->PicShow->toolTip().contains(QStringLiteral("jaquette")));
        QCOMPARE(fiche->lbTitre->text(), QStringLiteral("Film abîmé"));
        QCOMPARE(fiche->lbGenre->text(), QStringLiteral("Drame"));
        QCOMPARE(fiche->indexDrapeau(), 64);
        QVERIFY(MemeImage(Pixmap(fiche->imgVu), ImageArtwork(QStringLiteral("DejavuN.bmp"))));
        QTest::qWait(20);
        QVERIFY(erreurs.isEmpty());

        // The next film with a good cover clears the tooltip.
        Film({{"Titre", "Film sain"}}, Jpeg({100, 100}, qRgb(1, 2, 3)));
        fiche->AfficherFiche();
        QVERIFY(fiche->PicShow->toolTip().isEmpty());
    }

    // Missing artwork: the sheet is refreshed in full and the problem is told once in the run, in one
    // box, after the refresh; showing more films says nothing more.
    void IllustrationsManquantes()
    {
        Ouvrir(
            {QStringLiteral("DejavuF.bmp"), QStringLiteral("mask.bmp"), QStringLiteral("drapeaux/044.png")});
        Film({{"Titre", "Premier"}, {"Genre", "Comédie"}, {"Langue", "France"}, {"Notes", "Une note"}});
        fiche->AfficherFiche();
        QVERIFY(erreurs.isEmpty()); // not during the refresh
        QCOMPARE(fiche->lbGenre->text(), QStringLiteral("Comédie"));
        QVERIFY(MemeImage(Pixmap(fiche->imgNotes), ImageArtwork(QStringLiteral("NotesN.bmp"))));
        QCOMPARE(fiche->imgFlag->toolTip(), QStringLiteral("France"));
        QCOMPARE(fiche->PicShow->image().size(), QSize(235, 322));
        QTRY_COMPARE(erreurs.size(), 1);
        QVERIFY(erreurs.first().contains(QStringLiteral("DejavuF.bmp")));
        QVERIFY(erreurs.first().contains(QStringLiteral("mask.bmp")));
        QVERIFY(erreurs.first().contains(QStringLiteral("044.png")));

        Film({{"Titre", "Second"}, {"Langue", "France"}});
        fiche->AfficherFiche();
        fiche->AfficherFiche();
        QTest::qWait(20);
        QCOMPARE(erreurs.size(), 1);
        QCOMPARE(fiche->lbTitre->text(), QStringLiteral("Second"));
    }

    // The next AfficherFiche stops a running transition and starts from the cover that was showing.
    void TransitionSuivante()
    {
        Ouvrir();
        const QByteArray bleu = Jpeg({200, 300}, qRgb(0, 0, 255));
        Film({{"Titre", "Bleu"}}, bleu);
        fiche->AfficherFiche();
        QVERIFY(fiche->PicShow->estOccupe());
        Film({{"Titre", "Rouge"}}, Jpeg({200, 300}, qRgb(255, 0, 0)));
        fiche->AfficherFiche();
        QVERIFY(fiche->PicShow->estOccupe());
        QVERIFY(MemeImage(fiche->PicShow->fond(), ImageFiche(bleu, Dossier())));
        QTRY_VERIFY(!fiche->PicShow->estOccupe());
    }
};

QObject* CreerTestFiche()
{
    return new TestFiche;
}

#include "tst_fiche.moc"
