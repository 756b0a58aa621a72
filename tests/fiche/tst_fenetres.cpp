// What the sheet view opens: the site, the actors window through a located actor, the enlargement
// window with the full-size cover, and the notes window under its indicator.
#include "app/erreurs.h"
#include "browse/fichefilm.h"
#include "browse/fichefilm_etiquette.h"
#include "catalogue/tdm.h"
#include "outils_fiche.h"
#include "print/formagrandissement.h"
#include "tests.h"
#include "widgets/diaporama.h"
#include "windows/formnotes.h"

#include <QDesktopServices>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QUrl>
#include <memory>

// Receives the addresses the sheet asks the desktop to open.
class OuvreurAdresses : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> adresses;

public slots:
    void ouvrir(const QUrl& adresse) { adresses << adresse; }
};

class TestFenetres : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir programme;
    std::unique_ptr<Tdm> dm;
    std::unique_ptr<QWidget> fenetre; // stands for the main window, the sheet on it
    TFicheFilm* fiche = nullptr;
    std::unique_ptr<TFormAgrandissement> agrandissement;
    std::unique_ptr<TFormNotes> notes;
    QStringList erreurs;
    int actionsActeurs = 0;

    void Afficher(const QString& titre)
    {
        QVERIFY(dm->tbFilms().Locate(QStringLiteral("Titre"), titre));
        fiche->AfficherFiche();
    }

    // Clicks the actor entry at that row as the user does.
    void CliquerActeur(int ligne)
    {
        QListWidgetItem* entree = fiche->lbActeurs->item(ligne);
        QVERIFY(entree != nullptr);
        const QRect zone = fiche->lbActeurs->visualItemRect(entree);
        QVERIFY(zone.isValid());
        QTest::mouseClick(fiche->lbActeurs->viewport(), Qt::LeftButton, {}, zone.center());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(programme.isValid());
        QVERIFY(PreparerDossierProgramme(programme.path()));
        dm = std::make_unique<Tdm>(AvecSeparateur(programme.path()));
        QVERIFY(dm->OuvrirBase().estSucces());
        Table& films = dm->tbFilms();
        QVERIFY(AjouterFilm(films,
                            {{"Titre", "Petite jaquette"},
                             {"Acteur", "Anne Roy; Paul Vidal,Marc  Petit, Inconnu Total"},
                             {"Site", "http://www.exemple.example/film"},
                             {"Notes", "Première note\nsur deux lignes"}},
                            Jpeg({300, 200}, qRgb(0, 128, 0))));
        QVERIFY(AjouterFilm(films, {{"Titre", "Grande jaquette"}, {"Notes", "Autre note"}},
                            Jpeg({1200, 900}, qRgb(128, 0, 0))));
        QVERIFY(AjouterFilm(films, {{"Titre", "Sans jaquette"}, {"Acteur", "anne roy"}}));
        QVERIFY(AjouterFilm(films, {{"Titre", "Jaquette illisible"}}, QByteArray("pas une image")));
        for (const char* nom : {"Anne Roy", "Paul Vidal", "Marc  Petit", "Zoé Dernière"})
            QVERIFY(AjouterActeur(dm->tbActeurs(), QString::fromUtf8(nom)));

        fenetre = std::make_unique<QWidget>();
        fenetre->setFixedSize(800, 600);
        fiche = new TFicheFilm(fenetre.get());
        fiche->AttacherDataModule(*dm);
        fiche->afficherActeurs = [this] { ++actionsActeurs; };
        agrandissement = std::make_unique<TFormAgrandissement>();
        notes = std::make_unique<TFormNotes>();
        fiche->AttacherFenetres(agrandissement.get(), notes.get());
        fenetre->move(100, 50);
        fenetre->show();
        QVERIFY(QTest::qWaitForWindowExposed(fenetre.get()));
    }

    void cleanupTestCase()
    {
        agrandissement.reset();
        notes.reset();
        fenetre.reset();
        dm.reset();
    }

    void init()
    {
        erreurs.clear();
        actionsActeurs = 0;
        DefinirAfficheurErreur([this](const QString& texte) { erreurs << texte; });
    }

    void cleanup()
    {
        agrandissement->hide();
        notes->hide();
        DefinirAfficheurErreur({});
    }

    void Site()
    {
        OuvreurAdresses ouvreur;
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &ouvreur, "ouvrir");
        Afficher(QStringLiteral("Petite jaquette"));
        QTest::mouseDClick(fiche->lbSite, Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(ouvreur.adresses, QList<QUrl>{QUrl(QStringLiteral("http://www.exemple.example/film"))});

        // An empty site opens nothing.
        Afficher(QStringLiteral("Sans jaquette"));
        QTest::mouseDClick(fiche->lbSite, Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(ouvreur.adresses.size(), 1);
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    }

    void Acteurs_data()
    {
        QTest::addColumn<QString>("film");
        QTest::addColumn<int>("ligne");
        QTest::addColumn<QString>("acteur"); // the actor made current, empty when none is found
        QTest::newRow("first entry") << QStringLiteral("Petite jaquette") << 0 << QStringLiteral("Anne Roy");
        QTest::newRow("leading space dropped")
            << QStringLiteral("Petite jaquette") << 1 << QStringLiteral("Paul Vidal");
        QTest::newRow("inner spaces kept")
            << QStringLiteral("Petite jaquette") << 2 << QStringLiteral("Marc  Petit");
        QTest::newRow("no such actor") << QStringLiteral("Petite jaquette") << 3 << QString();
        QTest::newRow("letter case counts") << QStringLiteral("Sans jaquette") << 0 << QString();
    }

    void Acteurs()
    {
        QFETCH(QString, film);
        QFETCH(int, ligne);
        QFETCH(QString, acteur);
        Afficher(film);
        Table& acteurs = dm->tbActeurs();
        acteurs.Last();
        CliquerActeur(ligne);
        if (acteur.isEmpty()) {
            QCOMPARE(actionsActeurs, 0);
            QCOMPARE(acteurs.Texte(QStringLiteral("NomPrenom")), QStringLiteral("Zoé Dernière"));
        } else {
            QCOMPARE(actionsActeurs, 1);
            QCOMPARE(acteurs.Texte(QStringLiteral("NomPrenom")), acteur);
        }
    }

    void Agrandissement()
    {
        Afficher(QStringLiteral("Petite jaquette"));
        QCOMPARE(agrandissement->windowTitle(), QStringLiteral("Agrandissement"));
        QCOMPARE(agrandissement->size(), QSize(568, 455));
        QTest::mouseClick(fiche->PicShow, Qt::LeftButton, {}, QPoint(50, 50));
        QVERIFY(agrandissement->isVisible());
        QVERIFY(!agrandissement->isModal());
        QCOMPARE(agrandissement->windowTitle(), QStringLiteral("Petite jaquette"));
        // One screen pixel per picture pixel, not the masked sheet composition.
        QCOMPARE(agrandissement->imgZoom->pixmap().size(), QSize(300, 200));
        QCOMPARE(agrandissement->imgZoom->size(), QSize(300, 200));
        QVERIFY(!agrandissement->sbH->isVisible());
        QVERIFY(!agrandissement->sbv->isVisible());

        // A larger cover, while the window is open: both bars, scrollable to the far corner.
        Afficher(QStringLiteral("Grande jaquette"));
        QTest::mouseClick(fiche->PicShow, Qt::LeftButton, {}, QPoint(50, 50));
        QCOMPARE(agrandissement->windowTitle(), QStringLiteral("Grande jaquette"));
        QCOMPARE(agrandissement->imgZoom->size(), QSize(1200, 900));
        QTRY_VERIFY(agrandissement->sbH->isVisible());
        QVERIFY(agrandissement->sbv->isVisible());
        agrandissement->sbH->setValue(agrandissement->sbH->maximum());
        agrandissement->sbv->setValue(agrandissement->sbv->maximum());
        const QRect visible = agrandissement->bsSkinScrollBox1->viewport()->rect();
        const QPoint coin = agrandissement->imgZoom->mapFrom(agrandissement->bsSkinScrollBox1->viewport(),
                                                             visible.bottomRight());
        QCOMPARE(coin, QPoint(1199, 899));

        // The caption stays that of the film whose cover was opened.
        Afficher(QStringLiteral("Petite jaquette"));
        QCOMPARE(agrandissement->windowTitle(), QStringLiteral("Grande jaquette"));

        QTest::mouseClick(agrandissement->bnFermer, Qt::LeftButton);
        QVERIFY(agrandissement->isHidden());
    }

    void AgrandissementSansJaquette_data()
    {
        QTest::addColumn<QString>("film");
        QTest::addColumn<bool>("erreur");
        QTest::newRow("no cover") << QStringLiteral("Sans jaquette") << false;
        QTest::newRow("cover that does not decode") << QStringLiteral("Jaquette illisible") << true;
    }

    void AgrandissementSansJaquette()
    {
        QFETCH(QString, film);
        QFETCH(bool, erreur);
        Afficher(film);
        const QString titre = agrandissement->windowTitle();
        QTest::mouseClick(fiche->PicShow, Qt::LeftButton, {}, QPoint(50, 50));
        QVERIFY(agrandissement->isHidden());
        QCOMPARE(agrandissement->windowTitle(), titre);
        QCOMPARE(erreurs.size(), erreur ? 1 : 0);
        if (erreur)
            QVERIFY(erreurs.first().contains(QStringLiteral("JPEG")));
    }

    void Notes()
    {
        Afficher(QStringLiteral("Petite jaquette"));
        QTest::mouseClick(fiche->imgNotes, Qt::LeftButton, {}, QPoint(2, 2));
        QVERIFY(notes->isVisible());
        QCOMPARE(notes->memoNotes->toPlainText(), QStringLiteral("Première note\nsur deux lignes"));
        QVERIFY(notes->memoNotes->isReadOnly());
        QCOMPARE(notes->size(), QSize(377, 227));

        // Hanging under the indicator, its right edge one pixel right of the indicator's.
        const QPoint indicateur = fiche->imgNotes->mapToGlobal(QPoint(0, 0));
        const QPoint attendu(indicateur.x() + fiche->imgNotes->width() - notes->width() + 1,
                             indicateur.y() + fiche->imgNotes->height() + 2);
        QCOMPARE(notes->pos(), attendu);

        // Another film's notes while it is open: new text, same place, even after a drag.
        notes->move(attendu + QPoint(-40, 30));
        Afficher(QStringLiteral("Grande jaquette"));
        QTest::mouseClick(fiche->imgNotes, Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(notes->memoNotes->toPlainText(), QStringLiteral("Autre note"));
        QCOMPARE(notes->pos(), attendu + QPoint(-40, 30));

        // Closed and opened again: back under the indicator.
        QTest::mouseClick(notes->bnFermer, Qt::LeftButton);
        QVERIFY(notes->isHidden());
        QTest::mouseClick(fiche->imgNotes, Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(notes->pos(), attendu);

        // A film without notes empties the open window and does not show a closed one.
        Afficher(QStringLiteral("Sans jaquette"));
        QTest::mouseClick(fiche->imgNotes, Qt::LeftButton, {}, QPoint(2, 2));
        QVERIFY(notes->isVisible());
        QVERIFY(notes->memoNotes->toPlainText().isEmpty());
        notes->hide();
        QTest::mouseClick(fiche->imgNotes, Qt::LeftButton, {}, QPoint(2, 2));
        QVERIFY(notes->isHidden());
    }
};

QObject* CreerTestFenetres()
{
    return new TestFenetres;
}

#include "tst_fenetres.moc"
