// The loan register panel on a real catalogue in a temporary folder: the grid's rows, colours and
// selection as painted, the editor strip a double click opens, and what Valider and Annuler write.
#include "app/erreurs.h"
#include "app/formmain.h"
#include "catalogue/table.h"
#include "catalogue/tdm.h"
#include "loans/editeurdate.h"
#include "loans/grilleprets.h"
#include "loans/panneauprets.h"
#include "loans/prets.h"
#include "system/programme.h"
#include "tests.h"
#include "widgets/boitemessage.h"
#include "widgets/imagemouseoutstate.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

struct Film
{
    QString titre;
    QString emprunteur;
    QString date;
    QString prete;
};
Q_DECLARE_METATYPE(Film)

namespace {

const QColor Caramel(208, 154, 98);
const QColor Clair(247, 236, 205); // odd rows
const QColor Fonce(232, 202, 167); // even rows
const QColor Carre(70, 35, 0);

// A film row as "titre|emprunteur|date|prêté".
QString Texte(const LignePret& l)
{
    return QStringList{l.titre, l.emprunteur, l.date, l.prete}.join(u'|');
}

QString LigneGrille(const GrillePrets& g, int ligne)
{
    QStringList cellules;
    for (int k = 0; k < GrillePrets::NombreColonnes; ++k)
        cellules << g.Cellule(k, ligne);
    return cellules.join(u'|');
}

QColor Pixel(const QImage& image, int x, int y)
{
    return QColor(image.pixel(x, y));
}

// The leftmost and rightmost columns of a rectangle holding a pixel other than the fill colour.
QPair<int, int> EtendueEncre(const QImage& image, const QRect& zone, const QColor& fond)
{
    int gauche = -1;
    int droite = -1;
    for (int x = zone.left(); x <= zone.right(); ++x) {
        for (int y = zone.top(); y <= zone.bottom(); ++y) {
            if (Pixel(image, x, y) != fond) {
                if (gauche < 0)
                    gauche = x;
                droite = x;
                break;
            }
        }
    }
    return {gauche, droite};
}

// Replaces a field's text as a user does: empty it, then type. Digits typed in the date editor fill
// its mask, which steps over the separators.
void Retaper(QLineEdit* editeur, const QString& texte)
{
    editeur->setFocus();
    editeur->clear();
    editeur->setCursorPosition(0);
    QTest::keyClicks(editeur, texte);
}

} // namespace

class TestPanneauPrets : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dossier;
    std::unique_ptr<Tdm> dm;
    std::unique_ptr<PanneauPrets> p;
    QStringList erreurs;

    bool Ajouter(const Film& f)
    {
        Table& films = dm->tbFilms();
        if (!films.Append())
            return false;
        const QPair<const char*, QString> champs[] = {
            {"Titre", f.titre}, {"Emprunteur", f.emprunteur}, {"DateEmprunt", f.date}, {"Prete", f.prete}};
        for (const auto& [champ, texte] : champs) {
            if (!texte.isEmpty() && !films.EcrireTexte(QLatin1String(champ), texte)) {
                films.Cancel();
                return false;
            }
        }
        return films.Post().estSucces();
    }

    // The register as stored, read through a second data module on the same files.
    QStringList Stockes()
    {
        Tdm lecture(dossier->path() + QLatin1Char('/'));
        std::vector<LignePret> lignes;
        if (!lecture.OuvrirBase() || !ChargerPrets(lecture.query(), lignes))
            return {QStringLiteral("<illisible>")};
        QStringList textes;
        for (const LignePret& l : lignes)
            textes << Texte(l);
        return textes;
    }

    void Ouvrir()
    {
        p = std::make_unique<PanneauPrets>();
        p->AttacherDataModule(*dm);
        p->show();
        QVERIFY(QTest::qWaitForWindowExposed(p.get()));
        p->Ouvrir();
    }

    // A point inside a row in view, in the grid's coordinates.
    QPoint Point(int ligne, int colonne = 1) const { return p->prGrille->CellRect(colonne, ligne).center(); }

    void DoubleCliquer(int ligne) { QTest::mouseDClick(p->prGrille, Qt::LeftButton, {}, Point(ligne)); }

    // The grid row of a title.
    int LigneDe(const QString& titre) const
    {
        for (int r = 1; r < p->prGrille->RowCount(); ++r) {
            if (p->prGrille->Cellule(0, r) == titre)
                return r;
        }
        return -1;
    }

private slots:
    void initTestCase() { DefinirDossierProgramme(QStringLiteral(KINOBRAL_DOSSIER_PROGRAMME)); }

    void init()
    {
        erreurs.clear();
        DefinirAfficheurErreur([this](const QString& texte) { erreurs << texte; });
        dossier = std::make_unique<QTemporaryDir>();
        QVERIFY(dossier->isValid());
        dm = std::make_unique<Tdm>(dossier->path() + QLatin1Char('/'));
        QVERIFY(dm->OuvrirBase());
    }

    void cleanup()
    {
        p.reset();
        dm.reset();
        dossier.reset();
        DefinirAfficheurErreur({});
    }

    void grille()
    {
        QVERIFY(Ajouter({"Alien", "", "", ""}));
        QVERIFY(Ajouter({"Blade Runner", "Paul", "02/01/2005", "Vrai"}));
        QVERIFY(Ajouter({"Brazil", "", "", "Faux"}));
        Ouvrir();
        const GrillePrets& g = *p->prGrille;
        QCOMPARE(g.RowCount(), 4);
        QStringList lignes;
        for (int r = 0; r < g.RowCount(); ++r)
            lignes << LigneGrille(g, r);
        QCOMPARE(lignes, (QStringList{"Titre du film|Emprunteur|Date du prêt|Prêté", "Alien|||",
                                      "Blade Runner|Paul|02/01/2005|Vrai", "Brazil|||Faux"}));
        QCOMPARE(QStringList(lignes.mid(1)), Stockes());
        QCOMPARE(g.Row(), 0);
        QCOMPARE(g.width(), 745);
        const int largeurs[] = {367, 212, 96, 70};
        int x = 0;
        for (int k = 0; k < 4; ++k) {
            QCOMPARE(g.CellRect(k, 2), QRect(x, 40, largeurs[k], 20));
            x += largeurs[k];
        }
        QVERIFY(!p->sbPret->isEnabled());
        QVERIFY(erreurs.isEmpty());
    }

    // What the grid paints: colours by row number, the title row, the lent square and the texts' places.
    void peinture()
    {
        QVERIFY(Ajouter({"Alien", "", "", ""}));
        QVERIFY(Ajouter({"Blade Runner", "Paul", "02/01/2005", "Vrai"}));
        QVERIFY(Ajouter({"Brazil", "", "", "Faux"}));
        Ouvrir();
        GrillePrets* g = p->prGrille;
        QImage image = g->grab().toImage();
        QCOMPARE(image.size(), g->size());

        // Interior points near each cell's right end, clear of its text; row 1 is the lighter colour.
        QCOMPARE(Pixel(image, 360, 2), Caramel);
        QCOMPARE(Pixel(image, 360, 22), Clair);
        QCOMPARE(Pixel(image, 360, 42), Fonce);
        QCOMPARE(Pixel(image, 360, 62), Clair);
        QCOMPARE(Pixel(image, 0, 30), Caramel);   // each cell's outline
        QCOMPARE(Pixel(image, 366, 30), Caramel); // right edge of the title column
        QCOMPARE(Pixel(image, 200, 40), Caramel);

        // The lent flag is a 10 × 10 square in the middle of its cell, and never the text "Vrai".
        const QRect vrai = g->CellRect(3, 2);
        const QRect carre(vrai.left() + 30, vrai.top() + 5, 10, 10);
        QCOMPARE(Pixel(image, carre.left(), carre.top()), QColor(Qt::white));
        QCOMPARE(Pixel(image, carre.right(), carre.bottom()), QColor(Qt::white));
        QCOMPARE(Pixel(image, carre.center().x(), carre.center().y()), Carre);
        for (int r : {2, 3}) {
            const QRect cellule = g->CellRect(3, r).adjusted(1, 1, -1, -1);
            const QColor fond = r % 2 == 0 ? Fonce : Clair;
            for (int y = cellule.top(); y <= cellule.bottom(); ++y) {
                for (int x = cellule.left(); x <= cellule.right(); ++x) {
                    if (r == 2 && carre.contains(x, y))
                        continue;
                    QVERIFY2(Pixel(image, x, y) == fond,
                             qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
                }
            }
        }

        // Film texts start 3 pixels in; titles are centred in their cells.
        const auto texteFilm = EtendueEncre(image, g->CellRect(0, 1).adjusted(1, 1, -1, -1), Clair);
        QVERIFY2(texteFilm.first >= 3 && texteFilm.first <= 5, qPrintable(QString::number(texteFilm.first)));
        const QRect titre = g->CellRect(1, 0);
        const auto texteTitre = EtendueEncre(image, titre.adjusted(1, 1, -1, -1), Caramel);
        QVERIFY(texteTitre.first > titre.left() + 40);
        QVERIFY(qAbs((texteTitre.first + texteTitre.second) / 2 - titre.center().x()) <= 2);

        // A chosen row is white, outline kept; the title row can never be chosen.
        QTest::mouseClick(g, Qt::LeftButton, {}, Point(2));
        QCOMPARE(g->Row(), 2);
        image = g->grab().toImage();
        QCOMPARE(Pixel(image, 360, 42), QColor(Qt::white));
        QCOMPARE(Pixel(image, 0, 50), Caramel);
        QCOMPARE(Pixel(image, 360, 22), Clair);
        QTest::mouseClick(g, Qt::LeftButton, {}, Point(0));
        QCOMPARE(g->Row(), 2);
        QTest::mouseClick(g, Qt::LeftButton, {}, QPoint(100, 4 * 20 + 5)); // below the last row
        QCOMPARE(g->Row(), 2);
        g->setFocus();
        QTest::keyClick(g, Qt::Key_Up);
        QCOMPARE(g->Row(), 1);
        QTest::keyClick(g, Qt::Key_Up);
        QTest::keyClick(g, Qt::Key_Home);
        QCOMPARE(g->Row(), 1);
        QTest::keyClick(g, Qt::Key_End);
        QCOMPARE(g->Row(), 3);
        QCOMPARE(Pixel(g->grab().toImage(), 360, 2), Caramel);
    }

    // Many films: the scroll bar moves the grid by rows, the title row scrolling with them, and a
    // double click opens the strip over the row under the mouse.
    void defilement()
    {
        for (int i = 0; i < 60; ++i)
            QVERIFY(Ajouter({QStringLiteral("Film %1").arg(i, 2, 10, QLatin1Char('0')), "", "", ""}));
        Ouvrir();
        GrillePrets* g = p->prGrille;
        QCOMPARE(g->RowCount(), 61);
        QCOMPARE(g->LignesVisibles(), 25);
        QVERIFY(p->sbPret->isEnabled());
        QCOMPARE(p->sbPret->maximum(), 61 - 25);

        p->sbPret->setValue(10);
        QCOMPARE(g->TopRow(), 10);
        QVERIFY(g->CellRect(0, 9).isEmpty());
        QCOMPARE(g->CellRect(0, 10).topLeft(), QPoint(0, 0));
        const QImage image = g->grab().toImage();
        QCOMPARE(Pixel(image, 360, 2), Fonce);  // row 10
        QCOMPARE(Pixel(image, 360, 22), Clair); // row 11

        DoubleCliquer(13);
        QCOMPARE(p->LigneEditee(), 13);
        QCOMPARE(p->lbTitreEmprunt->text(), QStringLiteral(" Film 12"));
        QCOMPARE(p->pnEmprunteur->pos(), g->pos() + QPoint(0, 3 * 20));
        // The rows stay under the strip until it closes.
        QVERIFY(!p->sbPret->isEnabled());
        p->bnAnnulerEmprunt->click();
        QVERIFY(p->sbPret->isEnabled());

        // Keys bring the chosen row into view.
        QTest::mouseClick(g, Qt::LeftButton, {}, Point(11));
        QTest::keyClick(g, Qt::Key_End);
        QCOMPARE(g->Row(), 60);
        QCOMPARE(g->TopRow(), 36);
        QCOMPARE(p->sbPret->value(), 36);
        QTest::keyClick(g, Qt::Key_Home);
        QCOMPARE(g->Row(), 1);
        QCOMPARE(g->TopRow(), 0);
    }

    void doubleClic()
    {
        QVERIFY(Ajouter({"Alien", "", "", ""}));
        QVERIFY(Ajouter({"Blade Runner", "Paul", "02/01/2005", "Vrai"}));
        Ouvrir();
        GrillePrets* g = p->prGrille;
        QVERIFY(!p->pnEmprunteur->isVisible());

        // Clicks that open nothing: a single click, the title row, below the last row, the right button.
        QTest::mouseClick(g, Qt::LeftButton, {}, Point(2));
        QTest::mouseDClick(g, Qt::LeftButton, {}, Point(0));
        QTest::mouseDClick(g, Qt::LeftButton, {}, QPoint(100, 3 * 20 + 5));
        QTest::mouseDClick(g, Qt::RightButton, {}, Point(2));
        QVERIFY(!p->pnEmprunteur->isVisible());
        QVERIFY(g->isEnabled());

        const int blade = LigneDe(QStringLiteral("Blade Runner"));
        DoubleCliquer(blade);
        QVERIFY(p->pnEmprunteur->isVisible());
        QCOMPARE(p->pnEmprunteur->geometry(), QRect(g->pos() + QPoint(0, blade * 20), QSize(745, 62)));
        QCOMPARE(p->lbTitreEmprunt->text(), QStringLiteral(" Blade Runner"));
        QCOMPARE(p->edEmprunteur->text(), QStringLiteral("Paul"));
        QCOMPARE(p->edDateEmprunt->text(), QStringLiteral("02/01/2005"));
        QVERIFY(p->edPrete->isChecked());
        QVERIFY(!g->isEnabled());
        // The strip's editors stand over the columns they change, inside the panel.
        QVERIFY(p->rect().contains(
            p->pnEmprunteur->mapTo(p.get(), p->bnValiderEmprunt->geometry().bottomRight())));
        p->bnAnnulerEmprunt->click();

        // A film never lent opens with everything empty.
        DoubleCliquer(LigneDe(QStringLiteral("Alien")));
        QCOMPARE(p->edEmprunteur->text(), QString());
        QVERIFY(!EstDate(p->edDateEmprunt->text()));
        QVERIFY(!p->edDateEmprunt->text().contains(QRegularExpression(QStringLiteral("\\d"))));
        QVERIFY(!p->edPrete->isChecked());
    }

    void validation_data()
    {
        QTest::addColumn<Film>("film");
        QTest::addColumn<QString>("emprunteur"); // "=" leaves the field as it opened
        QTest::addColumn<QString>("date");       // digits typed into the mask
        QTest::addColumn<bool>("coche");
        QTest::addColumn<QString>("attendu");

        const Film jamais{"Alien", "", "", ""};
        const Film prete{"Blade Runner", "Paul", "02/01/2005", "Vrai"};
        QTest::newRow("prêt complet") << jamais << "Marie"
                                      << "14072005" << true << "Alien|Marie|14/07/2005|Vrai";
        QTest::newRow("31 février") << jamais << "Marie"
                                    << "31022005" << true << "Alien|Marie||Vrai";
        QTest::newRow("date à moitié saisie") << jamais << "Marie"
                                              << "1203" << true << "Alien|Marie||Vrai";
        QTest::newRow("jour sur un chiffre") << jamais << "Marie"
                                             << "1 022005" << true << "Alien|Marie|01/02/2005|Vrai";
        QTest::newRow("validé sans changement") << jamais << "="
                                                << "=" << false << "Alien|||Faux";
        QTest::newRow("décoché : emprunteur et date gardés")
            << prete << "="
            << "=" << false << "Blade Runner|Paul|02/01/2005|Faux";
        QTest::newRow("emprunteur et date effacés") << prete << ""
                                                    << "" << true << "Blade Runner|||Vrai";
    }

    void validation()
    {
        QFETCH(Film, film);
        QFETCH(QString, emprunteur);
        QFETCH(QString, date);
        QFETCH(bool, coche);
        QFETCH(QString, attendu);
        QVERIFY(Ajouter({"Gladiator", "Léa", "05/05/2005", "Vrai"}));
        QVERIFY(Ajouter(film));
        QVERIFY(Ajouter({"Brazil", "", "", ""}));
        Ouvrir();
        const QStringList avant = Stockes();

        const int ligne = LigneDe(film.titre);
        DoubleCliquer(ligne);
        if (emprunteur != QLatin1String("="))
            Retaper(p->edEmprunteur, emprunteur);
        if (date != QLatin1String("="))
            Retaper(p->edDateEmprunt, date);
        if (p->edPrete->isChecked() != coche)
            QTest::mouseClick(p->edPrete, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(p->edPrete->isChecked(), coche);
        QTest::mouseClick(p->bnValiderEmprunt, Qt::LeftButton);

        QVERIFY2(erreurs.isEmpty(), qPrintable(erreurs.join(u'\n')));
        QVERIFY(!p->pnEmprunteur->isVisible());
        QVERIFY(p->prGrille->isEnabled());
        QCOMPARE(LigneGrille(*p->prGrille, ligne), attendu);
        // Only that film changed, and the flag is never left null.
        QStringList apres = avant;
        for (QString& stocke : apres) {
            if (stocke.startsWith(film.titre + QLatin1Char('|')))
                stocke = attendu;
        }
        QVERIFY(apres != avant || film.prete == QLatin1String("Faux"));
        QCOMPARE(Stockes(), apres);
    }

    // A title stored with its blanks is its own film: the validation changes that one, not the film
    // whose title is the same without blanks.
    void titreAvecBlancs()
    {
        const QString nu = QStringLiteral("Titre à blancs");
        const QString blancs = QStringLiteral("  Titre à blancs ");
        QVERIFY(Ajouter({nu, "", "", ""}));
        QVERIFY(Ajouter({blancs, "", "", ""}));
        Ouvrir();
        DoubleCliquer(LigneDe(blancs));
        QCOMPARE(p->lbTitreEmprunt->text(), QLatin1Char(' ') + blancs);
        Retaper(p->edEmprunteur, QStringLiteral("Marie"));
        Retaper(p->edDateEmprunt, QStringLiteral("14072005"));
        p->edPrete->setChecked(true);
        // Enter in the date validates, as the button does.
        QTest::keyClick(p->edDateEmprunt, Qt::Key_Return);
        QVERIFY(!p->pnEmprunteur->isVisible());
        QVERIFY2(erreurs.isEmpty(), qPrintable(erreurs.join(u'\n')));
        QStringList stockes = Stockes();
        stockes.sort();
        QCOMPARE(stockes, (QStringList{blancs + "|Marie|14/07/2005|Vrai", nu + "|||"}));
    }

    void annuler()
    {
        QVERIFY(Ajouter({"Alien", "", "", ""}));
        QVERIFY(Ajouter({"Blade Runner", "Paul", "02/01/2005", "Vrai"}));
        Ouvrir();
        const QStringList avant = Stockes();
        const int ligne = LigneDe(QStringLiteral("Blade Runner"));
        DoubleCliquer(ligne);
        Retaper(p->edEmprunteur, QStringLiteral("Marie"));
        Retaper(p->edDateEmprunt, QStringLiteral("14072005"));
        p->edPrete->setChecked(false);
        p->bnAnnulerEmprunt->click();
        QVERIFY(!p->pnEmprunteur->isVisible());
        QVERIFY(p->prGrille->isEnabled());
        QCOMPARE(LigneGrille(*p->prGrille, ligne), QStringLiteral("Blade Runner|Paul|02/01/2005|Vrai"));
        QCOMPARE(Stockes(), avant);
        // Opening again while the strip is open starts with a fresh grid that takes double clicks.
        DoubleCliquer(ligne);
        p->Ouvrir();
        QVERIFY(!p->pnEmprunteur->isVisible());
        QVERIFY(p->prGrille->isEnabled());
        DoubleCliquer(ligne);
        QVERIFY(p->pnEmprunteur->isVisible());
        // Escape in the strip cancels too.
        Retaper(p->edEmprunteur, QStringLiteral("Marie"));
        QTest::keyClick(p->edEmprunteur, Qt::Key_Escape);
        QVERIFY(!p->pnEmprunteur->isVisible());
        QCOMPARE(Stockes(), avant);
    }

    // A film deleted since the register was filled: the write is refused with a message, no record
    // is created, the row keeps what the store had, and the strip stays open to cancel.
    void filmDisparu()
    {
        QVERIFY(Ajouter({"Alien", "", "", ""}));
        QVERIFY(Ajouter({"Blade Runner", "Paul", "02/01/2005", "Vrai"}));
        Ouvrir();
        const int ligne = LigneDe(QStringLiteral("Blade Runner"));
        QVERIFY(dm->tbFilms().Locate(QStringLiteral("Titre"), QStringLiteral("Blade Runner")));
        QVERIFY(dm->tbFilms().Delete());
        DoubleCliquer(ligne);
        Retaper(p->edEmprunteur, QStringLiteral("Marie"));
        p->bnValiderEmprunt->click();
        QCOMPARE(erreurs.size(), 1);
        QVERIFY2(erreurs.first().contains(QStringLiteral("Blade Runner")), qPrintable(erreurs.first()));
        QCOMPARE(Stockes(), QStringList{"Alien|||"});
        QCOMPARE(LigneGrille(*p->prGrille, ligne), QStringLiteral("Blade Runner|Paul|02/01/2005|Vrai"));
        QVERIFY(p->pnEmprunteur->isVisible());
        QCOMPARE(p->edEmprunteur->text(), QStringLiteral("Marie"));
        p->bnAnnulerEmprunt->click();
        QVERIFY(!p->pnEmprunteur->isVisible());
        QVERIFY(p->prGrille->isEnabled());
    }

    // An empty catalogue leaves only the title row, without text on a first opening.
    void catalogueVide()
    {
        Ouvrir();
        const GrillePrets& g = *p->prGrille;
        QCOMPARE(g.RowCount(), 1);
        QCOMPARE(LigneGrille(g, 0), QStringLiteral("|||"));
        QTest::mouseDClick(p->prGrille, Qt::LeftButton, {}, Point(0));
        QVERIFY(!p->pnEmprunteur->isVisible());
        const QImage image = p->prGrille->grab().toImage();
        QCOMPARE(Pixel(image, 100, 10), Caramel);
        QCOMPARE(Pixel(image, 100, 30), QColor(246, 234, 200)); // no row there
        QVERIFY(erreurs.isEmpty());
    }

    // From the main window: the loans button opens the panel under the band and fills it from the
    // table at every opening; "Fermer" closes it, an open strip unvalidated.
    void depuisFenetrePrincipale()
    {
        QVERIFY(Ajouter({"Alien", "", "", ""}));
        BoiteMessage::definirRepondeur(
            [](BoiteMessage::Type, const QString&) { return BoiteMessage::Reponse::Ok; });
        TFormMain f({QStringLiteral("kinobral")}, QStringLiteral(KINOBRAL_DOSSIER_PROGRAMME));
        f.AttacherDataModule(*dm);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        PanneauPrets* prets = f.pnPrets;
        QTest::mouseClick(f.bnPret, Qt::LeftButton, {}, QPoint(2, 2));
        QVERIFY(prets->isVisible());
        QCOMPARE(prets->geometry(), QRect(0, 55, 800, 545));
        QVERIFY(!f.bnPret->isVisible());
        QVERIFY(f.bnGlossaire->isVisible());
        QCOMPARE(prets->prGrille->RowCount(), 2);

        QTest::mouseDClick(prets->prGrille, Qt::LeftButton, {}, prets->prGrille->CellRect(0, 1).center());
        QVERIFY(prets->pnEmprunteur->isVisible());
        prets->edEmprunteur->setText(QStringLiteral("Marie"));
        QTest::mouseClick(prets->bnFermerPret, Qt::LeftButton);
        QVERIFY(!prets->isVisible());
        QVERIFY(f.bnPret->isVisible());

        QVERIFY(Ajouter({"Brazil", "", "", ""}));
        QTest::mouseClick(f.bnPret, Qt::LeftButton, {}, QPoint(2, 2));
        QVERIFY(!prets->pnEmprunteur->isVisible());
        QVERIFY(prets->prGrille->isEnabled());
        QCOMPARE(prets->prGrille->RowCount(), 3);
        QCOMPARE(Stockes(), (QStringList{"Alien|||", "Brazil|||"}));
        BoiteMessage::definirRepondeur({});
    }
};

QObject* CreerTestPanneauPrets()
{
    return new TestPanneauPrets;
}

#include "tst_panneauprets.moc"
