// The sheet view inside the main window: its place under the other panels, and previous / next
// through the film list, which never leave the current group.
#include "app/demarrage.h"
#include "app/formmain.h"
#include "browse/fichefilm.h"
#include "browse/fichefilm_etiquette.h"
#include "browse/listefilms.h"
#include "browse/listefilms_arbre.h"
#include "catalogue/tdm.h"
#include "outils_fiche.h"
#include "tests.h"
#include "widgets/boitemessage.h"
#include "widgets/diaporama.h"
#include "widgets/imagemouseoutstate.h"
#include "widgets/panneauimage.h"

#include <QTest>
#include <memory>

class TestNavigation : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir environnement;
    std::unique_ptr<QTemporaryDir> programme;
    std::unique_ptr<TFormMain> f;
    std::unique_ptr<Tdm> dm;

    ListeFilms* Liste() { return f->listeFilms; }

    const NoeudListe* NoeudTitre(const QString& titre)
    {
        for (const NoeudListe& n : Liste()->modele()->Noeuds())
            if (n.niveau == 1 && n.texte == titre)
                return &n;
        return nullptr;
    }

    // The user's choice of a film in the list: selected, made current, shown.
    void Choisir(const QString& titre)
    {
        const NoeudListe* noeud = NoeudTitre(titre);
        QVERIFY(noeud != nullptr);
        Liste()->SelectionnerNoeud(noeud);
        QVERIFY(dm->tbFilms().Locate(QStringLiteral("Titre"), titre));
        f->FicheFilm->AfficherFiche();
    }

    QString Selection() { return Liste()->Texte(Liste()->PremierSelectionne()); }
    QString Courant() { return dm->tbFilms().Texte(QStringLiteral("Titre")); }

    void Cliquer(TImageMouseOutState* bouton) { QTest::mouseClick(bouton, Qt::LeftButton, {}, QPoint(3, 3)); }

private slots:
    void initTestCase()
    {
        QVERIFY(environnement.isValid());
        for (const char* variable : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "TMPDIR"}) {
            const QString dossier = environnement.filePath(QString::fromLatin1(variable));
            QVERIFY(QDir().mkpath(dossier));
            qputenv(variable, QFile::encodeName(dossier));
        }
        BoiteMessage::definirRepondeur(
            [](BoiteMessage::Type, const QString&) { return BoiteMessage::Reponse::Non; });
    }

    void cleanupTestCase() { BoiteMessage::definirRepondeur({}); }

    void init()
    {
        programme = std::make_unique<QTemporaryDir>();
        QVERIFY(PreparerDossierProgramme(programme->path()));
        {
            // The catalogue as another run left it.
            Tdm ecriture(AvecSeparateur(programme->path()));
            QVERIFY(ecriture.OuvrirBase());
            for (const auto& [titre, realisateur] : QList<QPair<QString, QString>>{
                     {"Charlie", "Vidal"}, {"Alpha", "Roy"}, {"Delta", "Vidal"}, {"Bravo", "Roy"}})
                QVERIFY(AjouterFilm(ecriture.tbFilms(), {{"Titre", titre}, {"Realisateur", realisateur}}));
            ecriture.FermerBase();
        }
        f = std::make_unique<TFormMain>(QStringList{QStringLiteral("kinobral")},
                                        AvecSeparateur(programme->path()));
        dm = std::make_unique<Tdm>(AvecSeparateur(programme->path()));
        OuvrirCatalogue(*f, *dm);
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
    }

    void cleanup()
    {
        f.reset();
        dm.reset();
        programme.reset();
    }

    // The sheet lies on the base panel under the home page and every other panel; opening the catalogue
    // shows the current film on it.
    void PlaceDansLaFenetre()
    {
        QVERIFY(f->FicheFilm != nullptr);
        QCOMPARE(f->FicheFilm->parentWidget(), static_cast<QWidget*>(f->pnFond));
        QCOMPARE(f->FicheFilm->lbTitre->text(), Courant());
        QVERIFY(!Courant().isEmpty());
        QVERIFY(f->pnAccueil->isVisible());
        QVERIFY(f->pnFond->childAt(400, 70) != f->FicheFilm->lbTitre);
        f->bnPrincipalClick();
        QCOMPARE(f->pnFond->childAt(400, 70), static_cast<QWidget*>(f->FicheFilm->lbTitre));
        QCOMPARE(f->pnFond->childAt(100, 200), static_cast<QWidget*>(f->FicheFilm->PicShow));
        // The list and the buttons stand above the cover and the sheet.
        QVERIFY(f->pnVst->isAncestorOf(f->pnFond->childAt(100, 500)) ||
                f->pnFond->childAt(100, 500) == f->pnVst);
        QCOMPARE(f->pnFond->childAt(280, 580), static_cast<QWidget*>(f->bnPrecedent));
    }

    void Alphabetique()
    {
        f->bnPrincipalClick();
        Choisir(QStringLiteral("Alpha"));
        // The first film: previous is the heading, nothing changes.
        Cliquer(f->bnPrecedent);
        QCOMPARE(Selection(), QStringLiteral("Alpha"));
        QCOMPARE(Courant(), QStringLiteral("Alpha"));
        QCOMPARE(f->FicheFilm->lbTitre->text(), QStringLiteral("Alpha"));

        Cliquer(f->bnSuivant);
        QCOMPARE(Selection(), QStringLiteral("Bravo"));
        QCOMPARE(Courant(), QStringLiteral("Bravo"));
        QCOMPARE(f->FicheFilm->lbTitre->text(), QStringLiteral("Bravo"));
        QCOMPARE(f->FicheFilm->lbRealisateur->text(), QStringLiteral("Roy"));
        Cliquer(f->bnSuivant);
        Cliquer(f->bnSuivant);
        QCOMPARE(f->FicheFilm->lbTitre->text(), QStringLiteral("Delta"));
        // The last film: nothing after it.
        Cliquer(f->bnSuivant);
        QCOMPARE(Selection(), QStringLiteral("Delta"));
        QCOMPARE(Courant(), QStringLiteral("Delta"));
        Cliquer(f->bnPrecedent);
        QCOMPARE(Courant(), QStringLiteral("Charlie"));
        QCOMPARE(f->FicheFilm->lbTitre->text(), QStringLiteral("Charlie"));
    }

    // Grouped by director, groups collapsed: the buttons walk inside a group and stop at its edges.
    void Groupes()
    {
        f->bnPrincipalClick();
        QVERIFY(Liste()->RemplirListeGroupee(QStringLiteral("Realisateur"), QStringLiteral("Titre")));
        Choisir(QStringLiteral("Bravo"));
        Cliquer(f->bnSuivant); // next node: the heading of "Vidal"
        QCOMPARE(Selection(), QStringLiteral("Bravo"));
        QCOMPARE(Courant(), QStringLiteral("Bravo"));
        Cliquer(f->bnPrecedent);
        QCOMPARE(Selection(), QStringLiteral("Alpha"));
        QCOMPARE(f->FicheFilm->lbTitre->text(), QStringLiteral("Alpha"));
        Cliquer(f->bnPrecedent); // the heading of "Roy"
        QCOMPARE(Courant(), QStringLiteral("Alpha"));

        Choisir(QStringLiteral("Charlie"));
        Cliquer(f->bnPrecedent); // its own heading
        QCOMPARE(Courant(), QStringLiteral("Charlie"));
        Cliquer(f->bnSuivant);
        QCOMPARE(Courant(), QStringLiteral("Delta"));
        Cliquer(f->bnSuivant); // the end of the list
        QCOMPARE(Courant(), QStringLiteral("Delta"));
    }

    void SansSelection()
    {
        f->bnPrincipalClick();
        Choisir(QStringLiteral("Bravo"));
        Liste()->Vst->clearSelection();
        QVERIFY(Liste()->PremierSelectionne() == nullptr);
        Cliquer(f->bnSuivant);
        Cliquer(f->bnPrecedent);
        QCOMPARE(Courant(), QStringLiteral("Bravo"));
        QCOMPARE(f->FicheFilm->lbTitre->text(), QStringLiteral("Bravo"));
    }

    // A title of the list that is no longer in the table: the node is selected, the current film
    // stays and is shown again.
    void TitreDisparu()
    {
        f->bnPrincipalClick();
        Choisir(QStringLiteral("Bravo"));
        QVERIFY(dm->tbFilms().Delete());
        QVERIFY(dm->tbFilms().Locate(QStringLiteral("Titre"), QStringLiteral("Alpha")));
        f->FicheFilm->lbTitre->clear();
        Liste()->SelectionnerNoeud(NoeudTitre(QStringLiteral("Alpha")));
        Cliquer(f->bnSuivant);
        QCOMPARE(Selection(), QStringLiteral("Bravo"));
        QCOMPARE(Courant(), QStringLiteral("Alpha"));
        QCOMPARE(f->FicheFilm->lbTitre->text(), QStringLiteral("Alpha"));
    }
};

QObject* CreerTestNavigation()
{
    return new TestNavigation;
}

#include "tst_navigation.moc"
