#include "app/erreurs.h"
#include "browse/listefilms_arbre.h"
#include "outils_liste.h"
#include "system/programme.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QTest>

namespace {

const QStringList TitresEnOrdre = {
    "Alien",
    "Amélie",
    "Brazil",
    "Delicatessen",
    "Été violent",
    "la Haine",
    "Un titre bien trop long pour tenir sur les deux lignes de sa rangée dans la liste",
    "Zazie dans le métro"};

QStringList ArbreAlphabetique(const QStringList& titres)
{
    QStringList lignes{QStringLiteral("0:Liste alphabétique")};
    for (const QString& t : titres)
        lignes << QStringLiteral("1:") + t;
    return lignes;
}

// Types the text into the widget key by key, accented letters included.
void Taper(QWidget* w, const QString& texte)
{
    for (const QChar c : texte) {
        QKeyEvent appui(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &appui);
        QKeyEvent relache(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &relache);
    }
}

// A real double click: press, release, then the second press as a double click, release.
void DoubleClic(QWidget* w, const QPoint& position)
{
    QTest::mousePress(w, Qt::LeftButton, {}, position);
    QTest::mouseRelease(w, Qt::LeftButton, {}, position);
    QTest::mouseDClick(w, Qt::LeftButton, {}, position);
    QTest::mouseRelease(w, Qt::LeftButton, {}, position);
}

QPoint CentreLigne(const ListeFilms& liste, ListeFilms::Noeud noeud)
{
    return liste.Vst->visualRect(liste.modele()->IndexDe(noeud)).center();
}

} // namespace

class TestListeFilms : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<BancListe> banc;
    QStringList erreurs;

    // The list as the catalogue's opening leaves it.
    bool Ouvrir(const QList<Champs>& films = FilmsExemple())
    {
        banc = std::make_unique<BancListe>();
        if (!banc->Preparer(films))
            return false;
        return banc->liste->RafraichirApresOuverture().estSucces();
    }

    ListeFilms& L() { return *banc->liste; }

private slots:
    void init()
    {
        erreurs.clear();
        DefinirAfficheurErreur([this](const QString& texte) { erreurs << texte; });
    }

    void cleanup()
    {
        banc.reset();
        DefinirAfficheurErreur({});
        QCOMPARE(erreurs, QStringList());
    }

    // The panel's parts in their places, before anything is read.
    void disposition()
    {
        banc = std::make_unique<BancListe>();
        QVERIFY(banc->Preparer({}));
        QCOMPARE(L().geometry(), QRect(24, 380, 235, 219));
        QCOMPARE(L().pnVstTop->geometry(), QRect(0, 0, 235, 31));
        QCOMPARE(L().edRecherche->geometry(), QRect(3, 8, 174, 17));
        QCOMPARE(L().Vst->geometry(), QRect(1, 32, 219, 164));
        QCOMPARE(L().sbVst->geometry(), QRect(220, 33, 19, 164));
        QCOMPARE(L().pnVstBottom->geometry(), QRect(0, 198, 235, 21));
        QCOMPARE(L().pnVstBottom->text(), QStringLiteral("..."));
        QVERIFY(!L().sbVst->isVisible());
        QCOMPARE(L().Vst->header()->sectionSize(0), 219 - 4);
        QVERIFY(L().Vst->isHeaderHidden());
        QVERIFY(!L().Vst->rootIsDecorated());
        QCOMPARE(L().Vst->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(L().Vst->selectionMode(), QAbstractItemView::SingleSelection);
        QCOMPARE(L().Vst->selectionBehavior(), QAbstractItemView::SelectRows);
        QCOMPARE(L().Vst->viewport()->cursor().shape(), Qt::PointingHandCursor);
    }

    void compte_data()
    {
        QTest::addColumn<int>("nombre");
        QTest::addColumn<QString>("ligne");
        QTest::addColumn<bool>("barre");
        QTest::newRow("catalogue vide") << 0 << " Pas de film !" << false;
        QTest::newRow("un film") << 1 << " Un film trouvé" << false;
        QTest::newRow("deux films") << 2 << " 2 films trouvés" << false;
        QTest::newRow("huit films") << 8 << " 8 films trouvés" << true;
    }

    // The count line and the rows after the catalogue opens; an empty catalogue shows the heading
    // alone and locates nothing.
    void compte()
    {
        QFETCH(int, nombre);
        QFETCH(QString, ligne);
        QFETCH(bool, barre);
        QVERIFY(Ouvrir(FilmsExemple().mid(0, nombre)));
        QCOMPARE(L().pnVstBottom->text(), ligne);
        QCOMPARE(L().modele()->Noeuds().size(), std::size_t(nombre + 1));
        QCOMPARE(Arbre(L()).first(), QStringLiteral("0:Liste alphabétique"));
        QCOMPARE(L().sbVst->isVisible(), barre);
        QCOMPARE(banc->fichesAffichees, nombre == 0 ? 0 : 1);
        QCOMPARE(Selection(L()).isEmpty(), nombre == 0);
    }

    // Opening: the titles in the list's order, and the table's first film (not the alphabetically
    // first) selected and shown once. Opening again while titles are shown first shows the
    // alphabetically first film, which is then the current one.
    void ouverture()
    {
        QVERIFY(Ouvrir());
        QCOMPARE(ListeTitres(), TitresEnOrdre);
        QCOMPARE(Arbre(L()), ArbreAlphabetique(TitresEnOrdre));
        QCOMPARE(Selection(L()), QStringLiteral("1:Zazie dans le métro"));
        QCOMPARE(banc->fichesAffichees, 1);
        QCOMPARE(banc->derniereFiche, QStringLiteral("Zazie dans le métro"));
        QVERIFY(L().Vst->isExpanded(L().modele()->index(0, 0)));

        QVERIFY(banc->dm->tbFilms().Locate(QStringLiteral("Titre"), QStringLiteral("Brazil")));
        QVERIFY(L().RafraichirApresOuverture());
        QCOMPARE(banc->fichesAffichees, 3);
        QCOMPARE(banc->derniereFiche, QStringLiteral("Alien"));
        QCOMPARE(Selection(L()), QStringLiteral("1:Alien"));
    }

    // "titre" reloads the titles: the sheet moves to the alphabetically first film when the list
    // held a node beginning with it, and nothing is selected afterwards.
    void menuTitre_data()
    {
        QTest::addColumn<int>("avant"); // the display entry shown before
        QTest::addColumn<QString>("fiche");
        QTest::newRow("depuis la liste alphabétique") << 0 << "Alien";
        QTest::newRow("depuis les réalisateurs") << 2 << "Alien";
        // Grouped by screenplay the list is empty: nothing is located.
        QTest::newRow("depuis les scénarios, vides") << 3 << "Zazie dans le métro";
    }

    void menuTitre()
    {
        QFETCH(int, avant);
        QFETCH(QString, fiche);
        QVERIFY(Ouvrir());
        EntreeAffichage(L(), avant)->trigger();
        const int affichees = banc->fichesAffichees;
        EntreeAffichage(L(), 0)->trigger();
        QCOMPARE(banc->fichesAffichees, affichees + (fiche == QLatin1String("Alien") ? 1 : 0));
        QCOMPARE(banc->dm->tbFilms().Texte(QStringLiteral("Titre")), fiche);
        QCOMPARE(Arbre(L()), ArbreAlphabetique(TitresEnOrdre));
        QCOMPARE(Selection(L()), QString());
        QCOMPARE(L().pnVstBottom->text(), QStringLiteral(" 8 films trouvés"));
    }

    void rechercheRapide_data()
    {
        QTest::addColumn<QString>("frappe");
        QTest::addColumn<QString>("selection");
        QTest::addColumn<QString>("ficheApresEntree");
        const QString zazie = QStringLiteral("1:Zazie dans le métro");
        // The heading comes first: "l" selects it, and Enter leaves the sheet on the current film.
        QTest::newRow("l, l'en-tête") << "l"
                                      << "0:Liste alphabétique"
                                      << "Zazie dans le métro";
        QTest::newRow("majuscules") << "BRA"
                                    << "1:Brazil"
                                    << "Brazil";
        QTest::newRow("accent") << "été"
                                << "1:Été violent"
                                << "Été violent";
        QTest::newRow("minuscule du titre") << "la h"
                                            << "1:la Haine"
                                            << "la Haine";
        // Lowering keeps accents: "ete" is no "été"; no match changes nothing.
        QTest::newRow("sans accent") << "ete" << zazie << "";
        QTest::newRow("aucun") << "xyz" << zazie << "";
    }

    // Each change selects without showing; Enter also shows.
    void rechercheRapide()
    {
        QFETCH(QString, frappe);
        QFETCH(QString, selection);
        QFETCH(QString, ficheApresEntree);
        QVERIFY(Ouvrir());
        Taper(L().edRecherche, frappe);
        QCOMPARE(Selection(L()), selection);
        QCOMPARE(banc->fichesAffichees, 1);
        QCOMPARE(banc->dm->tbFilms().Texte(QStringLiteral("Titre")), QStringLiteral("Zazie dans le métro"));
        QVERIFY(L().edRecherche->hasFocus());

        QTest::keyClick(L().edRecherche, Qt::Key_Return);
        QCOMPARE(Selection(L()), selection);
        QCOMPARE(banc->fichesAffichees, ficheApresEntree.isEmpty() ? 1 : 2);
        if (!ficheApresEntree.isEmpty())
            QCOMPARE(banc->derniereFiche, ficheApresEntree);
        QCOMPARE(L().SelectionnerTitre(QString(), true), nullptr);
    }

    void groupes_data()
    {
        QTest::addColumn<int>("tag");
        QTest::addColumn<QStringList>("groupes");
        QTest::newRow("date de sortie")
            << 1
            << QStringList{"28/10/1960: Zazie dans le métro", "25/05/1979: Alien", "20/02/1985: Brazil",
                           "17/04/1991: Delicatessen", "25/04/2001: Amélie|Été violent"};
        QTest::newRow("réalisateur") << 2
                                     << QStringList{"Gilliam: Brazil", "Jeunet: Amélie|Delicatessen",
                                                    "Kassovitz: la Haine", "Malle: Zazie dans le métro",
                                                    "Scott: Alien"};
        QTest::newRow("scénario, toujours vide") << 3 << QStringList{};
    }

    // One collapsed group per non-empty value, in order, with its titles; the count line, the
    // selection's absence and the sheet are left alone.
    void groupes()
    {
        QFETCH(int, tag);
        QFETCH(QStringList, groupes);
        QVERIFY(Ouvrir());
        EntreeAffichage(L(), tag)->trigger();
        QCOMPARE(Groupes(L()), groupes);
        for (int g = 0; g < L().modele()->NombreGroupes(); ++g)
            QVERIFY(!L().Vst->isExpanded(L().modele()->index(g, 0)));
        QCOMPARE(L().pnVstBottom->text(), QStringLiteral(" 8 films trouvés"));
        QCOMPARE(Selection(L()), QString());
        QCOMPARE(banc->fichesAffichees, 1);
        QCOMPARE(banc->dm->tbFilms().Texte(QStringLiteral("Titre")), QStringLiteral("Zazie dans le métro"));
        QCOMPARE(L().sbVst->isVisible(), groupes.size() * 29 > 164);
    }

    // In a grouped list the quick search finds a group by its value, and a title inside a
    // collapsed group by opening that group (which resets the scroll bar).
    void rechercheGroupee()
    {
        QVERIFY(Ouvrir());
        EntreeAffichage(L(), 2)->trigger();
        QVERIFY(!L().sbVst->isVisible());
        Taper(L().edRecherche, QStringLiteral("jeu"));
        QCOMPARE(Selection(L()), QStringLiteral("0:Jeunet"));
        L().edRecherche->setText(QStringLiteral("Delica"));
        QCOMPARE(Selection(L()), QStringLiteral("1:Delicatessen"));
        QVERIFY(L().Vst->isExpanded(L().modele()->index(1, 0)));
        QVERIFY(L().sbVst->isVisible()); // 7 rows of 29 pixels in 164
        QCOMPARE(banc->fichesAffichees, 1);
    }

    // Previous and next walk every node in order, across group edges and through collapsed groups.
    void precedentSuivant()
    {
        QVERIFY(Ouvrir());
        EntreeAffichage(L(), 2)->trigger();
        QStringList parcours;
        ListeFilms::Noeud premier = L().modele()->Noeuds().data();
        for (ListeFilms::Noeud n = premier; n != nullptr; n = L().Suivant(n))
            parcours << QString::number(L().Niveau(n)) + QLatin1Char(':') + L().Texte(n);
        QCOMPARE(parcours, Arbre(L()));
        QCOMPARE(parcours.size(), 11);
        QCOMPARE(L().Precedent(premier), nullptr);

        ListeFilms::Noeud brazil = L().SelectionnerTitre(QStringLiteral("Brazil"), false);
        QVERIFY(brazil != nullptr);
        QCOMPARE(L().Texte(L().Suivant(brazil)), QStringLiteral("Jeunet"));
        QCOMPARE(L().Niveau(L().Suivant(brazil)), 0);
        QCOMPARE(L().Texte(L().Precedent(brazil)), QStringLiteral("Gilliam"));
        ListeFilms::Noeud jeunet = L().Suivant(brazil);
        QCOMPARE(L().Texte(L().Precedent(jeunet)), QStringLiteral("Brazil"));

        L().SelectionnerNoeud(jeunet);
        QCOMPARE(Selection(L()), QStringLiteral("0:Jeunet"));
        QCOMPARE(L().Vst->currentIndex(), L().modele()->IndexDe(jeunet));
        ListeFilms::Noeud alien = L().SelectionnerTitre(QStringLiteral("Alien"), false);
        QCOMPARE(L().Suivant(alien), nullptr);
        QCOMPARE(L().Texte(L().Precedent(alien)), QStringLiteral("Scott"));
    }

    // Zooming twice restores the panel exactly; the tree and the bar follow.
    void zoom()
    {
        QVERIFY(Ouvrir());
        QVERIFY(L().sbVst->isVisible());
        L().bnZoomListeClick();
        QCOMPARE(L().geometry(), QRect(24, 56, 235, 543));
        QCOMPARE(L().Vst->geometry(), QRect(1, 32, 219, 488));
        QCOMPARE(L().sbVst->geometry(), QRect(220, 33, 19, 488));
        QCOMPARE(L().pnVstBottom->geometry(), QRect(0, 522, 235, 21));
        QVERIFY(!L().sbVst->isVisible()); // 9 rows fit in 488 pixels
        L().bnZoomListeClick();
        QCOMPARE(L().geometry(), QRect(24, 380, 235, 219));
        QCOMPARE(L().Vst->geometry(), QRect(1, 32, 219, 164));
        QVERIFY(L().sbVst->isVisible());
        QCOMPARE(L().Vst->header()->sectionSize(0), 215);
    }

    // The bar shows only while the open rows are taller than the tree, and moves with it.
    void barreDefilement()
    {
        QVERIFY(Ouvrir());
        QScrollBar* barre = L().sbVst;
        QVERIFY(barre->isVisible());
        QCOMPARE(barre->pageStep(), 165);
        QCOMPARE(barre->maximum(), 9 * 29 - 165 + 1);

        barre->setValue(40);
        QCOMPARE(L().Vst->verticalScrollBar()->value(), 40);
        L().Vst->verticalScrollBar()->setValue(12);
        QCOMPARE(barre->value(), 12);
        // Selecting the last title scrolls the tree to it, and the bar follows.
        const ListeFilms::Noeud zazie = L().SelectionnerTitre(QStringLiteral("Zaz"), false);
        const QRect ligne = L().Vst->visualRect(L().modele()->IndexDe(zazie));
        QVERIFY(ligne.top() >= 0 && ligne.bottom() <= L().Vst->viewport()->height());
        QVERIFY(barre->value() > barre->maximum() - 29);
        QCOMPARE(barre->value(), L().Vst->verticalScrollBar()->value());

        // Double click on the heading collapses it: everything fits, the bar goes.
        L().Vst->verticalScrollBar()->setValue(0);
        const QPoint entete = CentreLigne(L(), L().modele()->Noeuds().data());
        DoubleClic(L().Vst->viewport(), entete);
        QVERIFY(!L().Vst->isExpanded(L().modele()->index(0, 0)));
        QVERIFY(!barre->isVisible());
        QCOMPARE(barre->maximum(), 0);
        DoubleClic(L().Vst->viewport(), entete);
        QVERIFY(L().Vst->isExpanded(L().modele()->index(0, 0)));
        QVERIFY(barre->isVisible());
    }

    // A left press on a title shows it; on the heading, or with another button, nothing is shown.
    void souris()
    {
        QVERIFY(Ouvrir());
        // Opening scrolled down to the current film: back to the top, where the heading is.
        L().Vst->verticalScrollBar()->setValue(0);
        ListeFilms::Noeud brazil = L().Suivant(L().Suivant(L().Suivant(L().modele()->Noeuds().data())));
        QCOMPARE(L().Texte(brazil), QStringLiteral("Brazil"));
        QTest::mouseClick(L().Vst->viewport(), Qt::LeftButton, {}, CentreLigne(L(), brazil));
        QCOMPARE(Selection(L()), QStringLiteral("1:Brazil"));
        QCOMPARE(banc->fichesAffichees, 2);
        QCOMPARE(banc->derniereFiche, QStringLiteral("Brazil"));

        QTest::mouseClick(L().Vst->viewport(), Qt::LeftButton, {},
                          CentreLigne(L(), L().modele()->Noeuds().data()));
        QCOMPARE(Selection(L()), QStringLiteral("0:Liste alphabétique"));
        QCOMPARE(banc->fichesAffichees, 2);

        ListeFilms::Noeud alien = L().Suivant(L().modele()->Noeuds().data());
        QTest::mouseClick(L().Vst->viewport(), Qt::MiddleButton, {}, CentreLigne(L(), alien));
        QCOMPARE(banc->fichesAffichees, 2);
        QCOMPARE(banc->dm->tbFilms().Texte(QStringLiteral("Titre")), QStringLiteral("Brazil"));
    }

    // The right button opens the display menu where it was pressed.
    void menuContextuel()
    {
        QVERIFY(Ouvrir());
        const QPoint ici = CentreLigne(L(), L().modele()->Noeuds().data() + 2);
        QContextMenuEvent demande(QContextMenuEvent::Mouse, ici, L().Vst->viewport()->mapToGlobal(ici));
        QApplication::sendEvent(L().Vst->viewport(), &demande);
        QTRY_VERIFY(L().pmTrier->isVisible());
        QCOMPARE(L().pmTrier->pos(), L().Vst->viewport()->mapToGlobal(ici));
        L().pmTrier->hide();
        QCOMPARE(banc->fichesAffichees, 1);
    }

    // A key shows the selected title when it comes up, not while it repeats.
    void clavier()
    {
        QVERIFY(Ouvrir());
        L().SelectionnerTitre(QStringLiteral("Alien"), false);
        L().Vst->setFocus();
        QTest::keyPress(L().Vst, Qt::Key_Down);
        QCOMPARE(Selection(L()), QStringLiteral("1:Amélie"));
        QKeyEvent repetition(QEvent::KeyRelease, Qt::Key_Down, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(L().Vst, &repetition);
        QTest::keyPress(L().Vst, Qt::Key_Down);
        QCOMPARE(Selection(L()), QStringLiteral("1:Brazil"));
        QCOMPARE(banc->fichesAffichees, 1);
        QTest::keyRelease(L().Vst, Qt::Key_Down);
        QCOMPARE(banc->fichesAffichees, 2);
        QCOMPARE(banc->derniereFiche, QStringLiteral("Brazil"));

        L().SelectionnerTitre(QStringLiteral("Liste"), false);
        QTest::keyClick(L().Vst, Qt::Key_Shift);
        QCOMPARE(banc->fichesAffichees, 2);
    }

    void peinture_data()
    {
        QTest::addColumn<int>("noeud");
        QTest::addColumn<bool>("selectionne");
        QTest::addColumn<QColor>("fond");
        QTest::addColumn<QColor>("encre");
        QTest::newRow("titre") << 1 << false << QColor(246, 234, 200) << QColor(Qt::black);
        QTest::newRow("titre choisi") << 1 << true << QColor(222, 186, 128) << QColor(Qt::black);
        QTest::newRow("en-tête") << 0 << false << QColor(208, 154, 98) << QColor(Qt::white);
        QTest::newRow("en-tête choisi") << 0 << true << QColor(222, 186, 128) << QColor(Qt::black);
    }

    // Each row: its background, the outline, the bullet (square for a heading, disc for a title) and
    // text in the state's colour inside the margins.
    void peinture()
    {
        QFETCH(int, noeud);
        QFETCH(bool, selectionne);
        QFETCH(QColor, fond);
        QFETCH(QColor, encre);
        QVERIFY(Ouvrir());
        const QModelIndex index = L().modele()->IndexDe(L().modele()->Noeuds().data() + noeud);
        QStyleOptionViewItem option;
        option.initFrom(L().Vst);
        option.rect = QRect(0, 0, 215, 29);
        option.state = QStyle::State_Enabled;
        if (selectionne)
            option.state |= QStyle::State_Selected;
        QImage image(215, 29, QImage::Format_RGB32);
        image.fill(Qt::magenta);
        {
            QPainter peintre(&image);
            L().Vst->itemDelegate()->paint(&peintre, option, index);
        }
        QCOMPARE(L().Vst->itemDelegate()->sizeHint(option, index).height(), 29);
        QCOMPARE(image.pixelColor(0, 0), QColor(157, 119, 80));
        QCOMPARE(image.pixelColor(214, 28), QColor(157, 119, 80));
        QCOMPARE(image.pixelColor(4, 24), fond);
        QCOMPARE(image.pixelColor(210, 14), fond); // inside the right margin
        if (noeud == 0) {
            QCOMPARE(image.pixelColor(2, 5), encre);
            QCOMPARE(image.pixelColor(6, 9), encre);
            QCOMPARE(image.pixelColor(7, 7), fond);
        } else {
            QCOMPARE(image.pixelColor(10, 7), encre);
            QCOMPARE(image.pixelColor(4, 7), fond);
        }
        // Inside the outline, only the bullet and the text rectangle are painted over the background,
        // and the text's darkest (or lightest) pixels are the ink's.
        const int marge = noeud == 0 ? 12 : 20;
        int encrees = 0;
        int ecartMinimal = 255 * 3;
        for (int y = 1; y < 28; ++y)
            for (int x = 1; x < 214; ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c == fond)
                    continue;
                const bool dansTexte = x >= marge && x < 215 - marge;
                const bool puce = x < marge && y >= 5 && y < 10;
                QVERIFY2(dansTexte || puce, qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
                if (dansTexte) {
                    ++encrees;
                    ecartMinimal =
                        qMin(ecartMinimal, qAbs(c.red() - encre.red()) + qAbs(c.green() - encre.green()) +
                                               qAbs(c.blue() - encre.blue()));
                }
            }
        QVERIFY(encrees > 20);
        QVERIFY2(ecartMinimal < 60, qPrintable(QString::number(ecartMinimal)));
    }

    // Long titles wrap at word boundaries onto a second line ending with an ellipsis.
    void lignesAffichees_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<int>("lignes");
        QTest::addColumn<bool>("coupe");
        QTest::newRow("court") << "Alien" << 1 << false;
        QTest::newRow("deux lignes") << "Le fabuleux destin d'Amélie Poulain à Montmartre" << 2 << false;
        QTest::newRow("trop long") << TitresEnOrdre[6] << 2 << true;
        QTest::newRow("un seul mot trop long")
            << "Anticonstitutionnellementissimementextraordinaire" << 1 << true;
    }

    void lignesAffichees()
    {
        QFETCH(QString, texte);
        QFETCH(int, lignes);
        QFETCH(bool, coupe);
        const QFont police = DelegueListeFilms::PoliceListe();
        const QFontMetrics mesures(police);
        // A title row: 215 pixels less 20 on each side, 29 less 1 on top and bottom.
        const QStringList dessin = DelegueListeFilms::LignesAffichees(texte, police, 175, 27);
        QCOMPARE(dessin.size(), lignes);
        QCOMPARE(dessin.last().endsWith(QChar(0x2026)), coupe);
        for (const QString& ligne : dessin)
            QVERIFY(mesures.horizontalAdvance(ligne) <= 175);
        if (lignes == 2) {
            QVERIFY(texte.startsWith(dessin.first() + QLatin1Char(' ')));
            if (!coupe)
                QCOMPARE(dessin.join(QLatin1Char(' ')), texte);
        }
    }

    void nomChampCategorie_data()
    {
        QTest::addColumn<QString>("legende");
        QTest::addColumn<QString>("champ");
        QTest::newRow("Editeur") << "Editeur"
                                 << "Editeur";
        QTest::newRow("Etoiles") << "Etoiles"
                                 << "Etoiles";
        QTest::newRow("Support") << "Support"
                                 << "Support";
        QTest::newRow("Format vidéo") << "Format vidéo"
                                      << "FormatVideo";
        QTest::newRow("Standard") << "Standard"
                                  << "Standard";
        QTest::newRow("Zone Dvd") << "Zone Dvd"
                                  << "ZoneDvd";
        QTest::newRow("Public") << "Public"
                                << "Public";
        QTest::newRow("Son") << "Son"
                             << "Son";
        QTest::newRow("Format cinéma") << "Format cinéma"
                                       << "FormatCinema";
        QTest::newRow("Genre") << "Genre"
                               << "Genre";
        QTest::newRow("casse différente") << "editeur"
                                          << "Genre";
        QTest::newRow("vide") << ""
                              << "Genre";
    }

    void nomChampCategorie()
    {
        QFETCH(QString, legende);
        QFETCH(QString, champ);
        QCOMPARE(ListeFilms::NomChampCategorie(legende), champ);
    }

    // A store failure is shown with its own text; the list keeps what it had, nothing crashes.
    void erreurDuCatalogue()
    {
        QVERIFY(Ouvrir());
        const Resultat r = L().RemplirListeGroupee(QStringLiteral("Inexistant"), QStringLiteral("Titre"));
        QVERIFY(!r.estSucces());
        QVERIFY(!r.message().isEmpty());
        QVERIFY(L().modele()->Noeuds().empty());

        EntreeAffichage(L(), 0)->trigger();
        QCOMPARE(Arbre(L()), ArbreAlphabetique(TitresEnOrdre));
        banc->dm->FermerBase();
        EntreeAffichage(L(), 0)->trigger();
        QCOMPARE(erreurs.size(), 1);
        QCOMPARE(Arbre(L()), ArbreAlphabetique(TitresEnOrdre));
        EntreeAffichage(L(), 2)->trigger();
        QCOMPARE(erreurs.size(), 2);
        QVERIFY(L().modele()->Noeuds().empty());
        QVERIFY(!L().sbVst->isVisible());
        // Clicking and searching in what is left still works.
        L().edRecherche->setText(QStringLiteral("a"));
        erreurs.clear();
    }
};

QObject* CreerTestListeFilms()
{
    return new TestListeFilms;
}

#include "tst_listefilms.moc"
