// The film list inside the main window: the catalogue's opening fills it, the two image buttons of
// its top band open the display menu and zoom it.
#include "app/demarrage.h"
#include "app/erreurs.h"
#include "app/formmain.h"
#include "outils_liste.h"
#include "system/programme.h"
#include "widgets/boitemessage.h"
#include "widgets/imagemouseoutstate.h"
#include "widgets/panneauimage.h"

#include <QLabel>
#include <QMenu>
#include <QTest>

class TestListeFenetre : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir environnement;

private slots:
    void initTestCase()
    {
        // The window's creation registers the sheet-file type and makes the staging folders.
        QVERIFY(environnement.isValid());
        for (const char* variable : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "TMPDIR"}) {
            const QString dossier = environnement.filePath(QString::fromLatin1(variable));
            QVERIFY(QDir().mkpath(dossier));
            qputenv(variable, QFile::encodeName(dossier));
        }
        DefinirAfficheurMessageSimple([](const QString&) {});
        BoiteMessage::definirRepondeur(
            [](BoiteMessage::Type, const QString&) { return BoiteMessage::Reponse::Ok; });
    }

    void cleanupTestCase()
    {
        DefinirAfficheurMessageSimple({});
        BoiteMessage::definirRepondeur({});
    }

    void fenetre()
    {
        QTemporaryDir programme;
        {
            Tdm remplissage(programme.path() + QLatin1Char('/'));
            QVERIFY(remplissage.OuvrirBase());
            for (const Champs& film : FilmsExemple())
                QVERIFY(AjouterFiche(remplissage.tbFilms(), film));
            remplissage.FermerBase();
        }
        QStringList erreurs;
        DefinirAfficheurErreur([&](const QString& texte) { erreurs << texte; });

        TFormMain formMain({QStringLiteral("kinobral")}, programme.path());
        ListeFilms& liste = *formMain.listeFilms;
        QCOMPARE(formMain.pnVst, &liste);
        QCOMPARE(formMain.pnVstBottom->text(), QStringLiteral("..."));
        QCOMPARE(formMain.pmAffichage, liste.pmTrier);
        int affichees = 0;
        liste.afficherFiche = [&] { ++affichees; };

        // Opening: the titles, the first film of the table selected and shown.
        Tdm dm(DossierProgramme());
        OuvrirCatalogue(formMain, dm);
        QCOMPARE(erreurs, QStringList());
        QCOMPARE(formMain.pnVstBottom->text(), QStringLiteral(" 8 films trouvés"));
        QCOMPARE(Selection(liste), QStringLiteral("1:Zazie dans le métro"));
        QCOMPARE(affichees, 1);
        formMain.show();
        QVERIFY(QTest::qWaitForWindowExposed(&formMain));

        // The display menu: one entry and its eight tagged choices, none checked.
        QCOMPARE(liste.pmTrier->actions().size(), 1);
        QCOMPARE(liste.pmTrier->actions().first()->text(), QStringLiteral("Afficher par"));
        QCOMPARE(liste.pmTrier->actions().first()->menu(), liste.Afficherpar1);
        QStringList legendes;
        for (QAction* entree : liste.Afficherpar1->actions()) {
            QCOMPARE(entree->data().toInt(), legendes.size());
            QVERIFY(!entree->isCheckable());
            legendes << entree->text();
        }
        QCOMPARE(legendes, (QStringList{"titre", "date de sortie", "réalisateur", "scénario", "Musique",
                                        "Editeur", "Public", "Préférence"}));

        // Pressing bnAffichage pops the menu at its top-left corner, without waiting for the release.
        formMain.pnAccueil->hide();
        QTest::mousePress(formMain.bnAffichage, Qt::LeftButton, {}, QPoint(5, 5));
        QTRY_VERIFY(liste.pmTrier->isVisible());
        QCOMPARE(liste.pmTrier->pos(), formMain.bnAffichage->mapToGlobal(QPoint(0, 0)));
        QCOMPARE(formMain.bnAffichage->mapToGlobal(QPoint(0, 0)), formMain.pos() + QPoint(24 + 207, 380 + 3));
        liste.pmTrier->hide();
        QCOMPARE(formMain.bnAffichage->Picture().toImage(), formMain.bnAffichage->NormalPicture().toImage());

        // Reopening while grouped comes back to the alphabetical list.
        liste.Afficherpar1->actions().at(2)->trigger();
        QCOMPARE(liste.modele()->Noeuds().front().texte, QStringLiteral("Gilliam"));
        QVERIFY(dm.OuvrirBase());
        QCOMPARE(liste.modele()->Noeuds().front().texte, QStringLiteral("Liste alphabétique"));
        QCOMPARE(liste.modele()->Noeuds().size(), std::size_t(9));

        // bnZoomListe: the full height, then back exactly.
        QTest::mouseClick(formMain.bnZoomListe, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(formMain.pnVst->geometry(), QRect(24, 56, 235, 543));
        QTest::mouseClick(formMain.bnZoomListe, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(formMain.pnVst->geometry(), QRect(24, 380, 235, 219));
        QCOMPARE(erreurs, QStringList());
        DefinirAfficheurErreur({});
        dm.FermerBase();
    }
};

QObject* CreerTestListeFenetre()
{
    return new TestListeFenetre;
}

#include "tst_listefilms_fenetre.moc"
