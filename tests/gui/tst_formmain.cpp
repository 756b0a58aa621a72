#include "app/formmain.h"
#include "editor/panneaugestion.h"
#include "search/panneaurecherche.h"
#include "search/panneaustatistiques.h"
#include "system/programme.h"
#include "tests.h"
#include "widgets/boitemessage.h"
#include "widgets/imagemouseoutstate.h"
#include "widgets/panneauimage.h"

#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Bande = QList<bool>; // bnAccueil, bnGestion, bnRecherche, bnStatistique, bnPret

Bande EtatBande(const TFormMain& f)
{
    return {f.bnAccueil->isVisibleTo(f.pnFond), f.bnGestion->isVisibleTo(f.pnFond),
            f.bnRecherche->isVisibleTo(f.pnFond), f.bnStatistique->isVisibleTo(f.pnFond),
            f.bnPret->isVisibleTo(f.pnFond)};
}

void Cliquer(QWidget* w)
{
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(2, 2));
}

} // namespace

class TestFormMain : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir environnement;
    std::unique_ptr<TFormMain> f;

    QWidget* Panneau(const QString& nom) { return f->findChild<QWidget*>(nom); }

private slots:
    void initTestCase()
    {
        // The window's creation registers the sheet-file type and makes the staging folders: both go
        // into this test's own folders.
        QVERIFY(environnement.isValid());
        for (const char* variable : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "TMPDIR"}) {
            const QString dossier = environnement.filePath(QString::fromLatin1(variable));
            QVERIFY(QDir().mkpath(dossier));
            qputenv(variable, QFile::encodeName(dossier));
        }
    }

    void init()
    {
        BoiteMessage::definirRepondeur(
            [](BoiteMessage::Type, const QString&) { return BoiteMessage::Reponse::Non; });
        f = std::make_unique<TFormMain>(QStringList{QStringLiteral("kinobral")},
                                        QStringLiteral(KINOBRAL_DOSSIER_PROGRAMME));
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
    }

    void cleanup()
    {
        f.reset();
        BoiteMessage::definirRepondeur({});
    }

    void fenetre()
    {
        QCOMPARE(f->windowTitle(), QStringLiteral("Kinobral 2005"));
        QVERIFY(f->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(f->size(), QSize(800, 600));
        QCOMPARE(f->minimumSize(), QSize(800, 600));
        QCOMPARE(f->maximumSize(), QSize(800, 600));
        QCOMPARE(f->font().family(), QStringLiteral("Tahoma"));
        QCOMPARE(f->font().pointSize(), 8);
        QCOMPARE(DossierProgramme(), QStringLiteral(KINOBRAL_DOSSIER_PROGRAMME));
        QVERIFY(ListeTitres().isEmpty());
        // The creation prepared the staging folders of a restore.
        QVERIFY(QFileInfo(environnement.filePath(QStringLiteral("TMPDIR/kinobral/data"))).isDir());
        QVERIFY(!f->pnFond->image().isNull());
        QVERIFY(!f->pnAccueil->image().isNull());
        QVERIFY(!f->pnRechercher->image().isNull());
        QVERIFY(!f->pnStatistiques->image().isNull());
    }

    void panneauxAuDemarrage_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("bornes");
        QTest::addColumn<bool>("visible");
        QTest::newRow("pnFond") << "pnFond"
                                << "FormMain" << QRect(0, 0, 800, 600) << true;
        QTest::newRow("pnVst") << "pnVst"
                               << "pnFond" << QRect(24, 380, 235, 219) << true;
        QTest::newRow("pnAccueil") << "pnAccueil"
                                   << "pnFond" << QRect(0, 0, 800, 600) << true;
        QTest::newRow("pnGestion") << "pnGestion"
                                   << "pnFond" << QRect(0, 55, 800, 544) << false;
        QTest::newRow("pnRechercher") << "pnRechercher"
                                      << "pnFond" << QRect(0, 55, 800, 545) << false;
        QTest::newRow("pnStatistiques") << "pnStatistiques"
                                        << "pnFond" << QRect(0, 55, 800, 545) << false;
        QTest::newRow("pnPrets, sous la fenêtre") << "pnPrets"
                                                  << "pnFond" << QRect(0, 655, 800, 545) << true;
        QTest::newRow("pnAide") << "pnAide"
                                << "FormMain" << QRect(0, 0, 800, 600) << false;
        QTest::newRow("barreTop") << "barreTop"
                                  << "FormMain" << QRect(207, 0, 485, 20) << true;
    }

    void panneauxAuDemarrage()
    {
        QFETCH(QString, nom);
        QFETCH(QString, parent);
        QFETCH(QRect, bornes);
        QFETCH(bool, visible);
        QWidget* panneau = Panneau(nom);
        QVERIFY(panneau != nullptr);
        QCOMPARE(panneau->parentWidget()->objectName(), parent);
        QCOMPARE(panneau->geometry(), bornes);
        QCOMPARE(panneau->isVisible(), visible);
    }

    // Bottom to top. Every image button of pnFond lies below the panels stacked over it.
    void empilement()
    {
        QStringList surFond;
        for (const QObject* enfant : f->pnFond->children())
            if (enfant->isWidgetType())
                surFond << enfant->objectName();
        QCOMPARE(
            surFond.mid(surFond.indexOf(QStringLiteral("pnVst"))),
            (QStringList{"pnVst", "pnPrets", "pnStatistiques", "pnRechercher", "pnAccueil", "pnGestion"}));
        QVERIFY(surFond.indexOf(QStringLiteral("bnPrecedent")) < surFond.indexOf(QStringLiteral("pnVst")));
        QVERIFY(surFond.indexOf(QStringLiteral("bnQuitter")) < surFond.indexOf(QStringLiteral("pnVst")));

        QStringList surFenetre;
        for (const QObject* enfant : f->children())
            if (enfant->isWidgetType() && !enfant->objectName().startsWith(QLatin1String("pm")))
                surFenetre << enfant->objectName();
        QCOMPARE(surFenetre, (QStringList{"pnFond", "barreTop", "pnAide"}));
        QCOMPARE(f->barreTop->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(f->barreTop->palette().color(QPalette::Window), QColor(60, 27, 11));
    }

    void boutons_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("bornes");
        QTest::addColumn<QString>("hint");
        auto ligne = [](const char* nom, const char* parent, QRect bornes, const char* hint) {
            QTest::newRow(nom) << nom << parent << bornes << QString::fromUtf8(hint);
        };
        ligne("bnQuitter", "pnFond", {762, 3, 32, 32}, "Quitter Kinobral");
        ligne("bnReduire", "pnFond", {728, 3, 32, 32}, "Minimiser");
        ligne("bnAide", "pnFond", {693, 3, 32, 32}, "Aide");
        ligne("bnAccueil", "pnFond", {84, 29, 57, 18}, "");
        ligne("bnGestion", "pnFond", {142, 29, 61, 18}, "");
        ligne("bnRecherche", "pnFond", {204, 29, 76, 18}, "");
        ligne("bnStatistique", "pnFond", {281, 29, 78, 18}, "");
        ligne("bnActeurs", "pnFond", {360, 29, 62, 18}, "");
        ligne("bnPret", "pnFond", {423, 29, 47, 18}, "");
        ligne("bnGlossaire", "pnFond", {471, 29, 66, 18}, "");
        ligne("bnPrecedent", "pnFond", {268, 572, 53, 26}, "Précédent");
        ligne("bnSuivant", "pnFond", {331, 572, 53, 26}, "Suivant");
        ligne("bnInternet", "pnFond", {393, 572, 53, 26}, "Exporter au format Web (.htm)");
        ligne("bnCourriel", "pnFond", {456, 572, 53, 26}, "Envoyer par courriel");
        ligne("bnPrint", "pnFond", {519, 572, 53, 26}, "Imprimer");
        ligne("bnZoomListe", "pnVstTop", {180, 3, 26, 26}, "Agrandir/Réduire la liste");
        ligne("bnAffichage", "pnVstTop", {207, 3, 26, 26}, "Affichage de la liste");
        ligne("ImageMouseOutState1", "pnAccueil", {693, 3, 32, 32}, "Aide");
        ligne("ImageMouseOutState2", "pnAccueil", {728, 3, 32, 32}, "Minimiser");
        ligne("ImageMouseOutState3", "pnAccueil", {762, 3, 32, 32}, "Quitter Kinobral");
        ligne("bnLienTelecharger", "pnAccueil", {40, 544, 141, 43}, "");
        ligne("bnAccueilRecherche", "pnAccueil", {193, 544, 142, 43}, "");
        ligne("bnPrincipal", "pnAccueil", {670, 544, 118, 43}, "");
    }

    // Each button at its place, sized to its three pictures, with its hint and the hand cursor.
    void boutons()
    {
        QFETCH(QString, nom);
        QFETCH(QString, parent);
        QFETCH(QRect, bornes);
        QFETCH(QString, hint);
        auto* bouton = f->findChild<TImageMouseOutState*>(nom);
        QVERIFY(bouton != nullptr);
        QCOMPARE(bouton->parentWidget()->objectName(), parent);
        QCOMPARE(bouton->geometry(), bornes);
        QCOMPARE(bouton->toolTip(), hint);
        QCOMPARE(bouton->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(bouton->AutoSize());
        for (const QPixmap* image :
             {&bouton->NormalPicture(), &bouton->EnterPicture(), &bouton->DownPicture()})
            QCOMPARE(image->size(), bornes.size());
        QVERIFY(bouton->NormalPicture().toImage() != bouton->EnterPicture().toImage());
        QVERIFY(bouton->NormalPicture().toImage() != bouton->DownPicture().toImage());
        QVERIFY(bouton->DisablePicture().isNull());
        QCOMPARE(bouton->Picture().toImage(), bouton->NormalPicture().toImage());
    }

    void afficherBoutons_data()
    {
        QTest::addColumn<Bande>("drapeaux");
        QTest::newRow("tous") << Bande{true, true, true, true, true};
        QTest::newRow("aucun") << Bande{false, false, false, false, false};
        QTest::newRow("accueil") << Bande{true, false, false, false, false};
        QTest::newRow("gestion") << Bande{false, true, false, false, false};
        QTest::newRow("recherche") << Bande{false, false, true, false, false};
        QTest::newRow("statistiques") << Bande{false, false, false, true, false};
        QTest::newRow("prêts") << Bande{false, false, false, false, true};
    }

    void afficherBoutons()
    {
        QFETCH(Bande, drapeaux);
        f->AfficherBoutons(drapeaux[0], drapeaux[1], drapeaux[2], drapeaux[3], drapeaux[4]);
        QCOMPARE(EtatBande(*f), drapeaux);
        QVERIFY(f->bnActeurs->isVisible());
        QVERIFY(f->bnGlossaire->isVisible());
    }

    // A panel opened at top 55 hides the navigation band; its own close brings the band back.
    void panneauxDuHaut_data()
    {
        QTest::addColumn<QString>("bouton");
        QTest::addColumn<QString>("panneau");
        QTest::newRow("recherche") << "bnRecherche"
                                   << "pnRechercher";
        QTest::newRow("statistiques") << "bnStatistique"
                                      << "pnStatistiques";
        QTest::newRow("prêts") << "bnPret"
                               << "pnPrets";
        QTest::newRow("recherche depuis l'accueil") << "bnAccueilRecherche"
                                                    << "pnRechercher";
    }

    void panneauxDuHaut()
    {
        QFETCH(QString, bouton);
        QFETCH(QString, panneau);
        QWidget* p = Panneau(panneau);
        Cliquer(f->findChild<TImageMouseOutState*>(bouton));
        QVERIFY(p->isVisible());
        QCOMPARE(p->geometry(), QRect(0, 55, 800, 545));
        QCOMPARE(EtatBande(*f), Bande(5, false));
        QVERIFY(f->bnActeurs->isVisible());
        QVERIFY(f->bnGlossaire->isVisible());
        if (bouton == QLatin1String("bnAccueilRecherche"))
            QTRY_VERIFY(!f->pnAccueil->isVisible()); // once its closing animation has run

        // Each panel's own close button: bnFermerRechercher, bnFermerStats, bnFermerPret.
        const QList<QPushButton*> fermer =
            p->findChildren<QPushButton*>(QRegularExpression(QStringLiteral("^bnFermer")));
        QCOMPARE(fermer.size(), 1);
        Cliquer(fermer.first());
        QVERIFY(!p->isVisible());
        QCOMPARE(EtatBande(*f), Bande(5, true));
        QVERIFY(f->bnActeurs->isVisible());
    }

    void editeurAnnule()
    {
        f->pnGestion->show();
        f->AfficherBoutons(false, false, false, false, false);
        f->AnnulerGestion();
        QVERIFY(!f->pnGestion->isVisible());
        QCOMPARE(EtatBande(*f), Bande(5, true));
    }

    void accueil()
    {
        Cliquer(f->bnPrincipal);
        QTRY_VERIFY(!f->pnAccueil->isVisible()); // once its closing animation has run
        Cliquer(f->bnAccueil);
        QVERIFY(f->pnAccueil->isVisible());
        QCOMPARE(EtatBande(*f), Bande(5, true));
    }

    // The help covers the whole window, drag strip included, and leaves the band alone.
    void aide_data()
    {
        QTest::addColumn<QString>("bouton");
        QTest::newRow("bnAide") << "bnAide";
        QTest::newRow("ImageMouseOutState1") << "ImageMouseOutState1";
    }

    void aide()
    {
        QFETCH(QString, bouton);
        Cliquer(f->findChild<TImageMouseOutState*>(bouton));
        QVERIFY(f->pnAide->isVisible());
        QWidget* dessus = f->childAt(300, 10);
        QVERIFY(dessus == f->pnAide || f->pnAide->isAncestorOf(dessus));
        Cliquer(f->pnAide->findChild<QPushButton*>(QStringLiteral("bnFermer")));
        QVERIFY(!f->pnAide->isVisible());
        QCOMPARE(EtatBande(*f), Bande(5, true));
    }

    // Dragging the strip moves the whole window; dragging anywhere else does not.
    void deplacement_data()
    {
        QTest::addColumn<QString>("cible");
        QTest::addColumn<bool>("deplace");
        QTest::newRow("barreTop") << "barreTop" << true;
        QTest::newRow("pnFond") << "pnFond" << false;
        QTest::newRow("pnAccueil") << "pnAccueil" << false;
    }

    void deplacement()
    {
        QFETCH(QString, cible);
        QFETCH(bool, deplace);
        QWidget* w = Panneau(cible);
        const QPoint depart = f->pos();
        const QPoint local(10, 5);
        auto envoyer = [w](QEvent::Type type, QPoint point, Qt::MouseButton bouton,
                           Qt::MouseButtons boutons) {
            QMouseEvent evenement(type, point, w->mapToGlobal(point), bouton, boutons, {});
            QApplication::sendEvent(w, &evenement);
        };
        envoyer(QEvent::MouseButtonPress, local, Qt::LeftButton, Qt::LeftButton);
        envoyer(QEvent::MouseMove, local + QPoint(30, 40), Qt::NoButton, Qt::LeftButton);
        QCOMPARE(f->pos(), deplace ? depart + QPoint(30, 40) : depart);
        envoyer(QEvent::MouseButtonRelease, local + QPoint(30, 40), Qt::LeftButton, Qt::NoButton);
        envoyer(QEvent::MouseMove, local + QPoint(60, 60), Qt::NoButton, Qt::NoButton);
        QCOMPARE(f->pos(), deplace ? depart + QPoint(30, 40) : depart);
    }

    void menuGestion()
    {
        QStringList entrees;
        for (const QAction* action : f->pmGestion->actions())
            entrees << (action->isSeparator() ? QStringLiteral("-") : action->text());
        QCOMPARE(entrees,
                 (QStringList{"Ajouter une nouvelle fiche", "Modifier cette fiche", "-", "Importer une fiche",
                              "Exporter cette fiche", "-", "Supprimer cette fiche", "-",
                              "Sauvegarder la base", "Restaurer la base"}));

        // It opens on the press itself, directly below the button.
        QVERIFY(!f->pmGestion->isVisible());
        QTest::mousePress(f->bnGestion, Qt::LeftButton, {}, QPoint(3, 3));
        QVERIFY(f->pmGestion->isVisible());
        QCOMPARE(f->pmGestion->pos(), f->mapToGlobal(QPoint(142, 29 + 18)));
        f->pmGestion->close();
        QCOMPARE(f->bnGestion->Picture().toImage(), f->bnGestion->NormalPicture().toImage());
    }

    // Answering "Non" leaves everything as it was; "Oui" asks the application to end.
    void quitter_data()
    {
        QTest::addColumn<QString>("bouton");
        QTest::addColumn<BoiteMessage::Reponse>("reponse");
        QTest::newRow("bnQuitter, Non") << "bnQuitter" << BoiteMessage::Reponse::Non;
        QTest::newRow("bnQuitter, Oui") << "bnQuitter" << BoiteMessage::Reponse::Oui;
        QTest::newRow("accueil, Non") << "ImageMouseOutState3" << BoiteMessage::Reponse::Non;
        QTest::newRow("accueil, Oui") << "ImageMouseOutState3" << BoiteMessage::Reponse::Oui;
    }

    void quitter()
    {
        QFETCH(QString, bouton);
        QFETCH(BoiteMessage::Reponse, reponse);
        QStringList questions;
        BoiteMessage::definirRepondeur([&](BoiteMessage::Type type, const QString& texte) {
            if (type == BoiteMessage::Type::Confirmation)
                questions << texte;
            return reponse;
        });
        QSignalSpy fin(f.get(), &TFormMain::FinDemandee);
        Cliquer(f->findChild<TImageMouseOutState*>(bouton));
        QCOMPARE(questions,
                 QStringList{QStringLiteral("Êtes-vous sûr(e) de vouloir quitter Kinobral 2005 ?")});
        QCOMPARE(fin.count(), reponse == BoiteMessage::Reponse::Oui ? 1 : 0);
        QVERIFY(f->isVisible());
        QVERIFY(f->pnAccueil->isVisible());
        QCOMPARE(EtatBande(*f), Bande(5, true));
    }

    void reduire_data()
    {
        QTest::addColumn<QString>("bouton");
        QTest::newRow("bnReduire") << "bnReduire";
        QTest::newRow("ImageMouseOutState2") << "ImageMouseOutState2";
    }

    void reduire()
    {
        QFETCH(QString, bouton);
        Cliquer(f->findChild<TImageMouseOutState*>(bouton));
        QVERIFY(f->isMinimized());
    }
};

QObject* CreerTestFormMain()
{
    return new TestFormMain;
}

#include "tst_formmain.moc"
