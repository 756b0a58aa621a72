// The search panel inside the main window, over a real catalogue: the criterion lists, the search
// through the panel's controls, its refusal, the cover of a result, opening a result, and the
// panel's state across closing and reopening.
#include "browse/fichefilm.h"
#include "browse/fichefilm_etiquette.h"
#include "browse/listefilms.h"
#include "catalogue/tdm.h"
#include "outils_recherche.h"
#include "search/panneaurecherche.h"
#include "tests.h"
#include "widgets/boitemessage.h"
#include "widgets/imagemouseoutstate.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

// Four films; Delta has no genre, no film has a site.
const QList<Champs> Films = {
    {{"Titre", "Charlie"}, {"Genre", "Drame"}, {"Realisateur", "Vidal"}, {"Sortie", "15/06/2001"}},
    {{"Titre", "Alpha"},
     {"Genre", "Drame"},
     {"Realisateur", "Roy"},
     {"DejaVu", "Vrai"},
     {"Sortie", "01/01/2000"}},
    {{"Titre", "Delta"}, {"Realisateur", "Roy"}, {"Sortie", "02/01/2000"}},
    {{"Titre", "Bravo"},
     {"Genre", "Comédie"},
     {"Realisateur", "Vidal"},
     {"Prete", "Vrai"},
     {"Sortie", "31/12/2000"}},
};

QStringList Elements(const QComboBox* liste)
{
    QStringList elements;
    for (int i = 0; i < liste->count(); ++i)
        elements << liste->itemText(i);
    return elements;
}

QStringList Elements(const QListWidget* liste)
{
    QStringList elements;
    for (int i = 0; i < liste->count(); ++i)
        elements << liste->item(i)->text();
    return elements;
}

void Cocher(QCheckBox* coche)
{
    QTest::mouseClick(coche, Qt::LeftButton, {}, QPoint(6, coche->height() / 2));
}

// Clicks the result of that title, as the user does.
void CliquerResultat(QListWidget* liste, const QString& titre, bool double_ = false)
{
    const QList<QListWidgetItem*> trouves = liste->findItems(titre, Qt::MatchExactly);
    QVERIFY(!trouves.isEmpty());
    const QPoint centre = liste->visualItemRect(trouves.first()).center();
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, centre);
    if (double_)
        QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, centre);
}

} // namespace

class TestPanneauRecherche : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir environnement;
    std::unique_ptr<FenetreEssai> essai;
    PanneauRecherche* p = nullptr;

private slots:
    void initTestCase()
    {
        QVERIFY(IsolerEnvironnement(environnement));
        BoiteMessage::definirRepondeur(
            [](BoiteMessage::Type, const QString&) { return BoiteMessage::Reponse::Non; });
    }

    void cleanupTestCase() { BoiteMessage::definirRepondeur({}); }

    void init()
    {
        essai = std::make_unique<FenetreEssai>(Films,
                                               QList<QByteArray>{{}, Jpeg(QSize(60, 80), qRgb(200, 30, 30))});
        QVERIFY(essai->Prete());
        p = essai->f().pnRechercher;
        essai->f().bnPrincipalClick();
        essai->f().bnRechercheClick();
        QVERIFY(p->isVisible());
    }

    void cleanup() { essai.reset(); }

    void DepartVide()
    {
        QCOMPARE(p->geometry(), QRect(0, 55, 800, 545));
        QVERIFY(p->ckOpOu->isChecked());
        QVERIFY(!p->ckOpEt->isChecked());
        QCOMPARE(p->dateDebut->date(), QDate::currentDate());
        QCOMPARE(p->dateFin->date(), QDate::currentDate());
        QCOMPARE(p->lbResultats->count(), 0);
        QVERIFY(p->imgRec->pixmap().isNull());
        QComboBox* genre = p->Liste(QStringLiteral("cbGenre"));
        QVERIFY(genre != nullptr);
        QCOMPARE(genre->count(), 0);
        QVERIFY(!genre->isEditable());
        QVERIFY(!p->CaseACocher(QStringLiteral("ckGenre"))->isChecked());
    }

    // Ticking fills the list with the field's distinct non-empty values; it is not refreshed while it
    // stays ticked; unticking empties it; ticking again reads the catalogue as it is now.
    void ListeCochee_data()
    {
        QTest::addColumn<QString>("caseACocher");
        QTest::addColumn<QStringList>("valeurs");
        QTest::addColumn<QString>("ajout");
        QTest::newRow("genre, un film sans genre")
            << "ckGenre" << QStringList{"Comédie", "Drame"} << "Western";
        QTest::newRow("réalisateur") << "ckRealisateur" << QStringList{"Roy", "Vidal"} << "Aubert";
    }

    void ListeCochee()
    {
        QFETCH(QString, caseACocher);
        QFETCH(QStringList, valeurs);
        QFETCH(QString, ajout);
        QCheckBox* coche = p->CaseACocher(caseACocher);
        QComboBox* liste = p->Liste(QStringLiteral("cb") + caseACocher.mid(2));
        QVERIFY(coche != nullptr && liste != nullptr);

        Cocher(coche);
        QVERIFY(coche->isChecked());
        QCOMPARE(Elements(liste), valeurs);
        QCOMPARE(liste->currentIndex(), 0);

        QVERIFY(AjouterFilm(essai->dm().tbFilms(), {{"Titre", "Echo"}, {caseACocher.mid(2), ajout}}));
        QCOMPARE(Elements(liste), valeurs);

        Cocher(coche);
        QCOMPARE(liste->count(), 0);
        QCOMPARE(liste->currentIndex(), -1);

        Cocher(coche);
        QVERIFY(Elements(liste).contains(ajout));
        QCOMPARE(liste->count(), valeurs.size() + 1);
    }

    // The search through the panel's controls: the statement's titles, once each, in title order.
    void Recherche_data()
    {
        QTest::addColumn<QStringList>("cochees");
        QTest::addColumn<QStringList>("choix"); // cbNom=valeur
        QTest::addColumn<bool>("et");
        QTest::addColumn<QDate>("debut");
        QTest::addColumn<QDate>("fin");
        QTest::addColumn<QStringList>("titres");
        const QDate aucune;
        QTest::newRow("rien de coché") << QStringList{} << QStringList{} << false << aucune << aucune
                                       << QStringList{"Alpha", "Bravo", "Charlie", "Delta"};
        QTest::newRow("OU, un film qui remplit deux critères une fois")
            << QStringList{"ckGenre", "ckRealisateur"} << QStringList{"cbGenre=Drame", "cbRealisateur=Vidal"}
            << false << aucune << aucune << QStringList{"Alpha", "Bravo", "Charlie"};
        QTest::newRow("ET") << QStringList{"ckGenre", "ckRealisateur"}
                            << QStringList{"cbGenre=Drame", "cbRealisateur=Vidal"} << true << aucune << aucune
                            << QStringList{"Charlie"};
        QTest::newRow("déjà vu ou prêté") << QStringList{"ckDejaVu", "ckPrete"} << QStringList{} << false
                                          << aucune << aucune << QStringList{"Alpha", "Bravo"};
        QTest::newRow("période, bornes comprises")
            << QStringList{"ckDateSortie"} << QStringList{} << false << QDate(2000, 1, 1)
            << QDate(2000, 12, 31) << QStringList{"Alpha", "Bravo", "Delta"};
        QTest::newRow("période d'un jour")
            << QStringList{"ckDateSortie"} << QStringList{} << true << QDate(2000, 12, 31)
            << QDate(2000, 12, 31) << QStringList{"Bravo"};
    }

    void Recherche()
    {
        QFETCH(QStringList, cochees);
        QFETCH(QStringList, choix);
        QFETCH(bool, et);
        QFETCH(QDate, debut);
        QFETCH(QDate, fin);
        QFETCH(QStringList, titres);
        for (const QString& nom : cochees)
            Cocher(p->CaseACocher(nom));
        for (const QString& c : choix) {
            QComboBox* liste = p->Liste(c.section(QLatin1Char('='), 0, 0));
            const int indice = liste->findText(c.section(QLatin1Char('='), 1));
            QVERIFY(indice >= 0);
            liste->setCurrentIndex(indice);
        }
        if (et)
            QTest::mouseClick(p->ckOpEt, Qt::LeftButton, {}, QPoint(6, 10));
        QCOMPARE(p->ckOpEt->isChecked(), et);
        if (debut.isValid()) {
            p->dateDebut->setDate(debut);
            p->dateFin->setDate(fin);
        }
        QTest::mouseClick(p->bnLancer, Qt::LeftButton);
        QCOMPARE(Elements(p->lbResultats), titres);
    }

    // A ticked list that stayed empty (no film has a site) leaves its parameter without a value: the
    // error box names it and the previous results stay.
    void ListeSansValeur()
    {
        QTest::mouseClick(p->bnLancer, Qt::LeftButton);
        QCOMPARE(p->lbResultats->count(), 4);
        Cocher(p->CaseACocher(QStringLiteral("ckSite")));
        QCOMPARE(p->Liste(QStringLiteral("cbSite"))->count(), 0);
        ErreursEnregistrees erreurs;
        QTest::mouseClick(p->bnLancer, Qt::LeftButton);
        QCOMPARE(erreurs.textes, QStringList{QStringLiteral("Pas de valeur pour le paramètre 'Site'")});
        QCOMPARE(Elements(p->lbResultats), (QStringList{"Alpha", "Bravo", "Charlie", "Delta"}));
        QVERIFY(p->isVisible());
    }

    // A store that fails (here, the catalogue closed under the panel) is reported; the panel keeps
    // its results and stays open.
    void ErreurCatalogue()
    {
        QTest::mouseClick(p->bnLancer, Qt::LeftButton);
        essai->dm().FermerBase();
        ErreursEnregistrees erreurs;
        Cocher(p->CaseACocher(QStringLiteral("ckGenre")));
        QTest::mouseClick(p->bnLancer, Qt::LeftButton);
        QCOMPARE(erreurs.textes.size(), 2);
        QCOMPARE(p->Liste(QStringLiteral("cbGenre"))->count(), 0);
        QCOMPARE(Elements(p->lbResultats), (QStringList{"Alpha", "Bravo", "Charlie", "Delta"}));
        QVERIFY(p->isVisible());
    }

    // A click shows the result's cover stretched in the frame; a film without a cover, or one that no
    // longer exists, empties it; nothing selected changes nothing.
    void Couverture()
    {
        QTest::mouseClick(p->bnLancer, Qt::LeftButton);
        CliquerResultat(p->lbResultats, QStringLiteral("Alpha"));
        QCOMPARE(p->imgRec->pixmap().size(), QSize(146, 194));
        const QImage image = p->imgRec->pixmap().toImage();
        QVERIFY(qRed(image.pixel(140, 190)) > 150 && qGreen(image.pixel(140, 190)) < 80);
        // The black corner mark of the picture fills the frame's top-left quarter: stretched.
        QVERIFY(qRed(image.pixel(30, 40)) < 60);

        p->lbResultats->clearSelection();
        p->lbResultatsListBoxClick();
        QVERIFY(!p->imgRec->pixmap().isNull());

        CliquerResultat(p->lbResultats, QStringLiteral("Bravo"));
        QVERIFY(p->imgRec->pixmap().isNull());

        CliquerResultat(p->lbResultats, QStringLiteral("Alpha"));
        QVERIFY(!p->imgRec->pixmap().isNull());
        // A cover that is no JPEG: the decoder's message, and the frame keeps its picture.
        QVERIFY(AjouterFilm(essai->dm().tbFilms(), {{"Titre", "Echo"}}, QByteArray("pas une image")));
        p->lbResultats->addItem(QStringLiteral("Echo"));
        {
            ErreursEnregistrees erreurs;
            CliquerResultat(p->lbResultats, QStringLiteral("Echo"));
            QCOMPARE(erreurs.textes.size(), 1);
            QVERIFY(!p->imgRec->pixmap().isNull());
        }
        QVERIFY(essai->dm().tbFilms().Locate(QStringLiteral("Titre"), QStringLiteral("Alpha")));
        QVERIFY(essai->dm().tbFilms().Delete());
        CliquerResultat(p->lbResultats, QStringLiteral("Alpha"));
        QVERIFY(p->imgRec->pixmap().isNull());
    }

    // A double click brings the film list back to the alphabetical list, shows the film and closes
    // the panel, giving the navigation band back.
    void DoubleClic()
    {
        ListeFilms* liste = essai->f().listeFilms;
        QVERIFY(liste->RemplirListeGroupee(QStringLiteral("Realisateur"), QStringLiteral("Titre")));
        QCOMPARE(liste->modele()->Noeuds().front().texte, QStringLiteral("Roy"));
        QTest::mouseClick(p->bnLancer, Qt::LeftButton);

        p->lbResultats->clearSelection();
        p->lbResultatsListBoxDblClick();
        QVERIFY(p->isVisible());

        CliquerResultat(p->lbResultats, QStringLiteral("Charlie"), true);
        QVERIFY(!p->isVisible());
        QVERIFY(essai->f().bnRecherche->isVisibleTo(essai->f().pnFond));
        QCOMPARE(liste->modele()->Noeuds().front().texte, QStringLiteral("Liste alphabétique"));
        QCOMPARE(liste->Texte(liste->PremierSelectionne()), QStringLiteral("Charlie"));
        QCOMPARE(essai->dm().tbFilms().Texte(QStringLiteral("Titre")), QStringLiteral("Charlie"));
        QCOMPARE(essai->f().FicheFilm->lbTitre->text(), QStringLiteral("Charlie"));
    }

    // Closing and reopening (here from the home page's search button) resets nothing.
    void FermerRouvrir()
    {
        Cocher(p->CaseACocher(QStringLiteral("ckGenre")));
        QComboBox* genre = p->Liste(QStringLiteral("cbGenre"));
        genre->setCurrentIndex(genre->findText(QStringLiteral("Drame")));
        Cocher(p->CaseACocher(QStringLiteral("ckDateSortie")));
        p->dateDebut->setDate(QDate(1990, 3, 4));
        p->dateFin->setDate(QDate(2010, 5, 6));
        QTest::mouseClick(p->ckOpEt, Qt::LeftButton, {}, QPoint(6, 10));
        QTest::mouseClick(p->bnLancer, Qt::LeftButton);
        QCOMPARE(Elements(p->lbResultats), (QStringList{"Alpha", "Charlie"}));
        CliquerResultat(p->lbResultats, QStringLiteral("Alpha"));
        QVERIFY(!p->imgRec->pixmap().isNull());

        QTest::mouseClick(p->bnFermerRechercher, Qt::LeftButton);
        QVERIFY(!p->isVisible());
        QVERIFY(essai->f().bnStatistique->isVisibleTo(essai->f().pnFond));
        essai->f().bnAccueilClick();
        essai->f().bnAccueilRechercheClick();
        QVERIFY(p->isVisible());
        QVERIFY(!essai->f().bnStatistique->isVisibleTo(essai->f().pnFond));

        QVERIFY(p->CaseACocher(QStringLiteral("ckGenre"))->isChecked());
        QVERIFY(p->CaseACocher(QStringLiteral("ckDateSortie"))->isChecked());
        QCOMPARE(Elements(genre), (QStringList{"Comédie", "Drame"}));
        QCOMPARE(genre->currentText(), QStringLiteral("Drame"));
        QVERIFY(p->ckOpEt->isChecked());
        QCOMPARE(p->dateDebut->date(), QDate(1990, 3, 4));
        QCOMPARE(p->dateFin->date(), QDate(2010, 5, 6));
        QCOMPARE(Elements(p->lbResultats), (QStringList{"Alpha", "Charlie"}));
        QCOMPARE(p->lbResultats->currentItem()->text(), QStringLiteral("Alpha"));
        QVERIFY(!p->imgRec->pixmap().isNull());
    }
};

QObject* CreerTestPanneauRecherche()
{
    return new TestPanneauRecherche;
}

#include "tst_panneaurecherche.moc"
