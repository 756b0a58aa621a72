// The actors window on a real catalogue in a temporary folder: the bound fields, the moves that write
// first, new, delete, cancel and validate, the photo, and the errors the user meets.
#include "app/applicationkinobral.h"
#include "app/demarrage.h"
#include "app/erreurs.h"
#include "app/formmain.h"
#include "catalogue/table.h"
#include "catalogue/tdm.h"
#include "system/programme.h"
#include "widgets/boitemessage.h"
#include "widgets/imagemouseoutstate.h"
#include "widgets/panneauimage.h"
#include "windows/formacteurs.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

struct Acteur
{
    QString nom;
    QString date;
    QString lieu;
    QString bio;
};

void Cliquer(QWidget* bouton)
{
    QTest::mouseClick(bouton, Qt::LeftButton);
}

// Types text as key events, accented letters included (QTest::keyClicks takes ASCII only).
void Taper(QWidget* w, const QString& texte)
{
    for (const QChar c : texte) {
        if (c == QLatin1Char('\n')) {
            QTest::keyClick(w, Qt::Key_Return);
            continue;
        }
        QKeyEvent appui(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent relache(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &appui);
        QApplication::sendEvent(w, &relache);
    }
}

// Replaces the whole text of a one-line field the way a user does: select all, type.
void Retaper(QLineEdit* editeur, const QString& texte)
{
    editeur->setFocus();
    QTest::keyClick(editeur, Qt::Key_A, Qt::ControlModifier);
    if (texte.isEmpty())
        QTest::keyClick(editeur, Qt::Key_Delete);
    else
        Taper(editeur, texte);
}

QStringList Elements(const QComboBox* liste)
{
    QStringList noms;
    for (int i = 0; i < liste->count(); ++i)
        noms << liste->itemText(i);
    return noms;
}

} // namespace

class TestActeurs : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir environnement;
    std::unique_ptr<QTemporaryDir> dossier;
    std::unique_ptr<Tdm> dm;
    std::unique_ptr<TFormActeurs> f;
    QStringList erreurs;
    QStringList dialogues; // title and filter of each file dialog asked for
    QString fichierChoisi;

    Table& acteurs() { return dm->tbActeurs(); }

    void Remplir(const QList<Acteur>& liste)
    {
        for (const Acteur& a : liste) {
            QVERIFY(acteurs().Append());
            QVERIFY(acteurs().EcrireTexte("NomPrenom", a.nom));
            QVERIFY(acteurs().EcrireTexte("DateDeNaissance", a.date));
            QVERIFY(acteurs().EcrireTexte("LieuDeNaissance", a.lieu));
            QVERIFY(acteurs().EcrireTexte("Bibliographie", a.bio));
            QVERIFY(acteurs().Post());
        }
        acteurs().First();
    }

    // The actor table as stored, read through a second data module on the same files.
    QStringList Stockes(const QString& champ)
    {
        Tdm lecture(dossier->path() + QLatin1Char('/'));
        if (!lecture.OuvrirBase())
            return {QStringLiteral("<illisible>")};
        QStringList textes;
        if (!lecture.tbActeurs().ListerTextes(champ, textes))
            return {QStringLiteral("<illisible>")};
        return textes;
    }

    QByteArray PhotoStockee(const QString& nom)
    {
        Tdm lecture(dossier->path() + QLatin1Char('/'));
        if (!lecture.OuvrirBase() || !lecture.tbActeurs().Locate("NomPrenom", nom))
            return "<absent>";
        return lecture.tbActeurs().Blob("Photo");
    }

    QString EcrireJpeg(const QString& nom, int largeur, int hauteur)
    {
        QImage image(largeur, hauteur, QImage::Format_RGB32);
        image.fill(QColor(180, 120, 60));
        const QString chemin = dossier->filePath(nom);
        return image.save(chemin, "JPG", 90) ? chemin : QString();
    }

    void Ouvrir()
    {
        f = std::make_unique<TFormActeurs>(*dm);
        f->Afficher();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(environnement.isValid());
        for (const char* variable : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "TMPDIR"}) {
            const QString chemin = environnement.filePath(QString::fromLatin1(variable));
            QVERIFY(QDir().mkpath(chemin));
            qputenv(variable, QFile::encodeName(chemin));
        }
        DefinirDossierProgramme(QStringLiteral(KINOBRAL_DOSSIER_PROGRAMME));
    }

    void init()
    {
        erreurs.clear();
        dialogues.clear();
        fichierChoisi.clear();
        DefinirAfficheurErreur([this](const QString& texte) { erreurs << texte; });
        TFormActeurs::definirChoixFichier([this](QWidget*, const QString& titre, const QString& filtre) {
            dialogues << titre << filtre;
            return fichierChoisi;
        });
        dossier = std::make_unique<QTemporaryDir>();
        QVERIFY(dossier->isValid());
        dm = std::make_unique<Tdm>(dossier->path() + QLatin1Char('/'));
        QVERIFY(dm->OuvrirBase());
    }

    void cleanup()
    {
        f.reset();
        dm.reset();
        dossier.reset();
        DefinirAfficheurErreur({});
        TFormActeurs::definirChoixFichier({});
    }

    void fenetre()
    {
        Ouvrir();
        QCOMPARE(f->windowTitle(), QStringLiteral(" - Acteurs - "));
        QVERIFY(f->windowFlags() & Qt::Tool);
        QVERIFY(f->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(f->size(), QSize(455, 404 + TFormActeurs::HauteurBandeau));
        auto* fond = f->findChild<PanneauImage*>(QStringLiteral("pnFondActeurs"));
        QVERIFY(fond);
        QCOMPARE(fond->geometry(), QRect(0, TFormActeurs::HauteurBandeau, 455, 404));
        QVERIFY2(!fond->image().isNull(), "images/interface/acteurs.png is missing");
        QCOMPARE(fond->image().size(), QSize(455, 404));
        // Placed on the content as the register lays them out.
        QCOMPARE(f->bsSkinDBLookupComboBox1->geometry(), QRect(3, 17, 338, 21));
        QCOMPARE(f->bsSkinDBEdit1->geometry(), QRect(104, 55, 238, 21));
        QCOMPARE(f->bsSkinDBEdit2->pos(), QPoint(104, 82));
        QCOMPARE(f->bsSkinDBEdit3->pos(), QPoint(104, 109));
        QCOMPARE(f->dbImg->geometry(), QRect(350, 44, 96, 98));
        QVERIFY(f->dbImg->hasScaledContents());
        QCOMPARE(f->bsSkinDBRichEdit1->geometry(), QRect(18, 148, 414, 213));
        QStringList boutons;
        int x = -1;
        for (QPushButton* b : {f->bnPrior, f->bnNext, f->bnNew, f->bnDelete, f->bnCancel, f->bnValider}) {
            QCOMPARE(b->y(), 367);
            QVERIFY(b->x() > x); // left to right
            QVERIFY(b->geometry().right() < 455);
            x = b->geometry().right();
            boutons << b->text();
        }
        QCOMPARE(boutons,
                 (QStringList{"< Précédent", "Suivant >", "Nouveau", "Supprimer", "Annuler", "Valider"}));
        QCOMPARE(f->bnFermer->text(), QStringLiteral("Fermer"));
        QCOMPARE(f->Label1->text(), QStringLiteral("Rechercher un acteur"));
        QCOMPARE(f->Ajouterunephoto1->text(), QStringLiteral("Ajouter/Modifier une photo"));
        QCOMPARE(f->Supprimerlaphoto1->text(), QStringLiteral("Supprimer la photo"));
        QCOMPARE(f->pmPhoto->actions().size(), 2);
    }

    // Each field shows its value of the current record; the first keystroke puts the table into
    // editing without writing anything; "Valider" writes the typed text in the store's form.
    void saisie_data()
    {
        QTest::addColumn<QString>("editeur");
        QTest::addColumn<QString>("champ");
        QTest::addColumn<QString>("affiche");
        QTest::addColumn<QString>("tape");
        QTest::addColumn<QString>("stocke");
        QTest::newRow("nom") << "bsSkinDBEdit1"
                             << "NomPrenom"
                             << "Reno Jean"
                             << "Bouquet Carole"
                             << "Bouquet Carole";
        QTest::newRow("date") << "bsSkinDBEdit2"
                              << "DateDeNaissance"
                              << "30/07/1948"
                              << "6/8/1957"
                              << "06/08/1957";
        QTest::newRow("date effacée") << "bsSkinDBEdit2"
                                      << "DateDeNaissance"
                                      << "30/07/1948"
                                      << ""
                                      << "";
        QTest::newRow("lieu") << "bsSkinDBEdit3"
                              << "LieuDeNaissance"
                              << "Casablanca"
                              << "Neuilly-sur-Seine"
                              << "Neuilly-sur-Seine";
        QTest::newRow("biographie") << "bsSkinDBRichEdit1"
                                    << "Bibliographie"
                                    << "Né au Maroc.\nLéon."
                                    << "Actrice.\nPrix d'interprétation."
                                    << "Actrice.\nPrix d'interprétation.";
    }
    void saisie()
    {
        QFETCH(QString, editeur);
        QFETCH(QString, champ);
        QFETCH(QString, affiche);
        QFETCH(QString, tape);
        QFETCH(QString, stocke);
        Remplir({{"Reno Jean", "30/07/1948", "Casablanca", "Né au Maroc.\nLéon."},
                 {"Tautou Audrey", "", "", ""}});
        Ouvrir();
        QCOMPARE(f->bsSkinDBLookupComboBox1->currentText(), QStringLiteral("Reno Jean"));

        QWidget* w = f->findChild<QWidget*>(editeur);
        QVERIFY(w);
        auto* ligne = qobject_cast<QLineEdit*>(w);
        auto* memo = qobject_cast<QPlainTextEdit*>(w);
        QCOMPARE(ligne ? ligne->text() : memo->toPlainText(), affiche);
        QCOMPARE(acteurs().EtatTable(), Table::Etat::Navigation);
        if (ligne) {
            Retaper(ligne, tape);
        } else {
            memo->setFocus();
            QTest::keyClick(memo, Qt::Key_A, Qt::ControlModifier);
            Taper(memo, tape);
        }
        QCOMPARE(acteurs().EtatTable(), Table::Etat::Edition);
        QCOMPARE(acteurs().Texte(champ), affiche); // nothing written before the post
        QCOMPARE(Stockes(champ).first(), affiche);

        Cliquer(f->bnValider);
        QCOMPARE(erreurs, QStringList());
        QCOMPARE(acteurs().EtatTable(), Table::Etat::Navigation);
        QCOMPARE(Stockes(champ).first(), stocke);
        QCOMPARE(Stockes("NomPrenom").size(), 2);
        QCOMPARE(ligne ? ligne->text() : memo->toPlainText(), stocke);
        // The lookup list follows a renamed actor.
        QCOMPARE(Elements(f->bsSkinDBLookupComboBox1), Stockes("NomPrenom"));
    }

    // A change, then a move: written before the table moves, whichever way the user moves.
    void deplacementEcritAvant_data()
    {
        QTest::addColumn<int>("depart");
        QTest::addColumn<QString>("moyen");
        QTest::addColumn<int>("arrivee");
        QTest::newRow("précédent") << 1 << "bnPrior" << 0;
        QTest::newRow("suivant") << 1 << "bnNext" << 2;
        QTest::newRow("liste") << 0 << "liste" << 2;
        QTest::newRow("suivant au dernier") << 2 << "bnNext" << 2;
    }
    void deplacementEcritAvant()
    {
        QFETCH(int, depart);
        QFETCH(QString, moyen);
        QFETCH(int, arrivee);
        const QStringList noms{"Adjani Isabelle", "Baye Nathalie", "Cassel Vincent"};
        Remplir({{noms[0], "", "", ""}, {noms[1], "", "", ""}, {noms[2], "", "", ""}});
        Ouvrir();
        for (int i = 0; i < depart; ++i)
            Cliquer(f->bnNext);
        QCOMPARE(f->bsSkinDBEdit1->text(), noms[depart]);
        Retaper(f->bsSkinDBEdit3, QStringLiteral("Paris"));
        if (moyen == QLatin1String("liste")) {
            f->bsSkinDBLookupComboBox1->setFocus();
            for (int i = depart; i < arrivee; ++i)
                QTest::keyClick(f->bsSkinDBLookupComboBox1, Qt::Key_Down);
        } else {
            Cliquer(f->findChild<QPushButton*>(moyen));
        }
        QCOMPARE(erreurs, QStringList());
        QCOMPARE(acteurs().EtatTable(), Table::Etat::Navigation);
        QCOMPARE(Stockes("LieuDeNaissance").at(depart), QStringLiteral("Paris"));
        QCOMPARE(f->bsSkinDBEdit1->text(), noms[arrivee]);
        QCOMPARE(f->bsSkinDBLookupComboBox1->currentText(), noms[arrivee]);
        QCOMPARE(f->bsSkinDBEdit3->text(), arrivee == depart ? QStringLiteral("Paris") : QString());
    }

    // Two actors of the same name stay apart in the lookup list.
    void listeHomonymes()
    {
        Remplir(
            {{"Martin Jean", "", "Lyon", ""}, {"Durand Anne", "", "", ""}, {"Martin Jean", "", "Brest", ""}});
        Ouvrir();
        QCOMPARE(Elements(f->bsSkinDBLookupComboBox1),
                 (QStringList{"Martin Jean", "Durand Anne", "Martin Jean"}));
        f->bsSkinDBLookupComboBox1->setFocus();
        QTest::keyClick(f->bsSkinDBLookupComboBox1, Qt::Key_End);
        QCOMPARE(f->bsSkinDBEdit3->text(), QStringLiteral("Brest"));
        QTest::keyClick(f->bsSkinDBLookupComboBox1, Qt::Key_Home);
        QCOMPARE(f->bsSkinDBEdit3->text(), QStringLiteral("Lyon"));
    }

    // "Nouveau" then what follows: only a record with something typed in it is kept.
    void nouveau_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("ensuite");
        QTest::addColumn<QStringList>("stockes");
        QTest::addColumn<QString>("courant");
        const QStringList deux{"Reno Jean", "Tautou Audrey"};
        QTest::newRow("annuler") << ""
                                 << "bnCancel" << deux << "Reno Jean";
        QTest::newRow("annuler après saisie") << "Lanvin Gérard"
                                              << "bnCancel" << deux << "Reno Jean";
        // The dropped record gives way to the one that was current, and the move goes on from there.
        QTest::newRow("suivant sans rien taper") << ""
                                                 << "bnNext" << deux << "Tautou Audrey";
        QTest::newRow("précédent sans rien taper") << ""
                                                   << "bnPrior" << deux << "Reno Jean";
        QTest::newRow("nouveau sans rien taper") << ""
                                                 << "bnNew" << deux << "";
        QTest::newRow("valider") << "Lanvin Gérard"
                                 << "bnValider" << (deux + QStringList{"Lanvin Gérard"}) << "Lanvin Gérard";
        QTest::newRow("suivant après saisie")
            << "Lanvin Gérard"
            << "bnNext" << (deux + QStringList{"Lanvin Gérard"}) << "Lanvin Gérard";
    }
    void nouveau()
    {
        QFETCH(QString, nom);
        QFETCH(QString, ensuite);
        QFETCH(QStringList, stockes);
        QFETCH(QString, courant);
        Remplir({{"Reno Jean", "30/07/1948", "", ""}, {"Tautou Audrey", "", "", ""}});
        Ouvrir();
        Cliquer(f->bnNew);
        QCOMPARE(acteurs().EtatTable(), Table::Etat::Insertion);
        for (QLineEdit* e : {f->bsSkinDBEdit1, f->bsSkinDBEdit2, f->bsSkinDBEdit3})
            QCOMPARE(e->text(), QString());
        QVERIFY(f->bsSkinDBRichEdit1->toPlainText().isEmpty());
        QVERIFY(f->dbImg->pixmap().isNull());
        QCOMPARE(f->bsSkinDBLookupComboBox1->currentIndex(), -1);
        if (!nom.isEmpty())
            Taper(f->bsSkinDBEdit1, nom);
        Cliquer(f->findChild<QPushButton*>(ensuite));
        QCOMPARE(erreurs, QStringList());
        QCOMPARE(Stockes("NomPrenom"), stockes);
        QCOMPARE(acteurs().RecordCount(), stockes.size());
        QCOMPARE(f->bsSkinDBEdit1->text(), courant);
        QCOMPARE(Elements(f->bsSkinDBLookupComboBox1), stockes);
    }

    // A post that the store refuses keeps the record in its edit state with what was typed, so that
    // the user can correct it; moving is refused the same way.
    void erreursDeSaisie_data()
    {
        QTest::addColumn<bool>("nouveau");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("bouton");
        QTest::addColumn<QString>("message");
        const QString sansNom = QStringLiteral("Le champ 'NomPrenom' doit avoir une valeur");
        QTest::newRow("nouveau sans nom") << true << ""
                                          << "01/01/1960"
                                          << "bnValider" << sansNom;
        QTest::newRow("nouveau sans nom, suivant") << true << ""
                                                   << "01/01/1960"
                                                   << "bnNext" << sansNom;
        QTest::newRow("nom effacé") << false << ""
                                    << ""
                                    << "bnValider" << sansNom;
        QTest::newRow("date impossible")
            << false << "Reno Jean"
            << "31/02/1990"
            << "bnValider"
            << "'31/02/1990' n'est pas une date correcte pour le champ 'DateDeNaissance' (jj/mm/aaaa).";
        QTest::newRow("date en lettres, précédent")
            << false << "Reno Jean"
            << "hier"
            << "bnPrior"
            << "'hier' n'est pas une date correcte pour le champ 'DateDeNaissance' (jj/mm/aaaa).";
    }
    void erreursDeSaisie()
    {
        QFETCH(bool, nouveau);
        QFETCH(QString, nom);
        QFETCH(QString, date);
        QFETCH(QString, bouton);
        QFETCH(QString, message);
        Remplir({{"Adjani Isabelle", "27/06/1955", "", ""}, {"Reno Jean", "30/07/1948", "", ""}});
        Ouvrir();
        Cliquer(f->bnNext);
        const Table::Etat etat = nouveau ? Table::Etat::Insertion : Table::Etat::Edition;
        if (nouveau)
            Cliquer(f->bnNew);
        else
            Retaper(f->bsSkinDBEdit1, nom);
        if (!date.isEmpty())
            Retaper(f->bsSkinDBEdit2, date);
        Cliquer(f->findChild<QPushButton*>(bouton));
        QCOMPARE(erreurs, QStringList{message});
        QCOMPARE(acteurs().EtatTable(), etat);
        QCOMPARE(f->bsSkinDBEdit1->text(), nom);
        QCOMPARE(f->bsSkinDBEdit2->text(), date.isEmpty() && !nouveau ? QStringLiteral("30/07/1948") : date);
        QCOMPARE(Stockes("NomPrenom"), (QStringList{"Adjani Isabelle", "Reno Jean"}));
        QCOMPARE(Stockes("DateDeNaissance"), (QStringList{"27/06/1955", "30/07/1948"}));

        // Corrected, it goes through.
        erreurs.clear();
        Retaper(f->bsSkinDBEdit1, QStringLiteral("Lanvin Gérard"));
        Retaper(f->bsSkinDBEdit2, QStringLiteral("21/06/1950"));
        Cliquer(f->bnValider);
        QCOMPARE(erreurs, QStringList());
        QCOMPARE(acteurs().EtatTable(), Table::Etat::Navigation);
        QVERIFY(Stockes("NomPrenom").contains(QStringLiteral("Lanvin Gérard")));
        QVERIFY(Stockes("DateDeNaissance").contains(QStringLiteral("21/06/1950")));
    }

    // "Annuler" brings back the stored values; "Valider" while browsing does nothing.
    void annulerEtValider()
    {
        Remplir({{"Reno Jean", "30/07/1948", "Casablanca", "Bio"}});
        Ouvrir();
        Retaper(f->bsSkinDBEdit3, QStringLiteral("Rabat"));
        f->bsSkinDBRichEdit1->setFocus();
        Taper(f->bsSkinDBRichEdit1, QStringLiteral(" longue"));
        Cliquer(f->bnCancel);
        QCOMPARE(acteurs().EtatTable(), Table::Etat::Navigation);
        QCOMPARE(f->bsSkinDBEdit3->text(), QStringLiteral("Casablanca"));
        QCOMPARE(f->bsSkinDBRichEdit1->toPlainText(), QStringLiteral("Bio"));
        QCOMPARE(Stockes("LieuDeNaissance"), QStringList{"Casablanca"});

        Cliquer(f->bnValider);
        QCOMPARE(acteurs().EtatTable(), Table::Etat::Navigation);
        QCOMPARE(erreurs, QStringList());
        QCOMPARE(Stockes("NomPrenom"), QStringList{"Reno Jean"});
    }

    void supprimer_data()
    {
        QTest::addColumn<int>("nombre");
        QTest::addColumn<int>("depart");
        QTest::addColumn<QStringList>("restent");
        QTest::addColumn<QString>("courant");
        QTest::newRow("table vide") << 0 << 0 << QStringList() << "";
        QTest::newRow("un seul acteur") << 1 << 0 << QStringList() << "";
        QTest::newRow("au milieu") << 3 << 1 << QStringList{"A", "C"} << "C";
        QTest::newRow("le dernier") << 3 << 2 << QStringList{"A", "B"} << "B";
    }
    void supprimer()
    {
        QFETCH(int, nombre);
        QFETCH(int, depart);
        QFETCH(QStringList, restent);
        QFETCH(QString, courant);
        QList<Acteur> liste;
        for (int i = 0; i < nombre; ++i)
            liste.append({QString(QChar(u'A' + i)), "", "Lieu", ""});
        Remplir(liste);
        Ouvrir();
        for (int i = 0; i < depart; ++i)
            Cliquer(f->bnNext);
        Cliquer(f->bnDelete);
        QCOMPARE(erreurs, QStringList());
        QCOMPARE(acteurs().EtatTable(), Table::Etat::Navigation);
        QCOMPARE(Stockes("NomPrenom"), restent);
        QCOMPARE(f->bsSkinDBEdit1->text(), courant);
        QCOMPARE(f->bsSkinDBEdit3->text(), courant.isEmpty() ? QString() : QStringLiteral("Lieu"));
        QCOMPARE(Elements(f->bsSkinDBLookupComboBox1), restent);
    }

    // Typing on an empty register starts a new record, which "Valider" keeps.
    void saisieSurTableVide()
    {
        Ouvrir();
        QCOMPARE(f->bsSkinDBLookupComboBox1->count(), 0);
        Taper(f->bsSkinDBEdit1, QStringLiteral("Reno Jean"));
        QCOMPARE(acteurs().EtatTable(), Table::Etat::Insertion);
        Cliquer(f->bnValider);
        QCOMPARE(erreurs, QStringList());
        QCOMPARE(Stockes("NomPrenom"), QStringList{"Reno Jean"});
        QCOMPARE(Elements(f->bsSkinDBLookupComboBox1), QStringList{"Reno Jean"});
    }

    // A photo of any size is kept as a PNG no larger than 1024 pixels on its longer side, with its
    // proportions, and posted at once with what else was typed.
    void photo_data()
    {
        QTest::addColumn<QSize>("taille");
        QTest::addColumn<QSize>("gardee");
        QTest::newRow("petite") << QSize(120, 160) << QSize(120, 160);
        QTest::newRow("téléphone paysage") << QSize(4000, 3000) << QSize(1024, 768);
        QTest::newRow("portrait") << QSize(1500, 3000) << QSize(512, 1024);
        QTest::newRow("juste 1024") << QSize(1024, 700) << QSize(1024, 700);
    }
    void photo()
    {
        QFETCH(QSize, taille);
        QFETCH(QSize, gardee);
        Remplir({{"Reno Jean", "", "", ""}, {"Tautou Audrey", "", "", ""}});
        Ouvrir();
        Retaper(f->bsSkinDBEdit3, QStringLiteral("Casablanca"));
        fichierChoisi = EcrireJpeg(QStringLiteral("photo.jpg"), taille.width(), taille.height());
        QVERIFY(!fichierChoisi.isEmpty());
        f->Ajouterunephoto1->trigger();
        QCOMPARE(erreurs, QStringList());
        QCOMPARE(dialogues, (QStringList{"Insérer une photo", "Photos Jpeg (*.jpg)"}));
        QCOMPARE(acteurs().EtatTable(), Table::Etat::Navigation);
        QCOMPARE(Stockes("LieuDeNaissance").first(), QStringLiteral("Casablanca"));
        const QByteArray stockee = PhotoStockee(QStringLiteral("Reno Jean"));
        QVERIFY(stockee.startsWith("\x89PNG\r\n"));
        const QImage image = QImage::fromData(stockee, "PNG");
        QCOMPARE(image.size(), gardee);
        QCOMPARE(image.pixelColor(image.width() / 2, image.height() / 2).red(), 180); // lossless from here on
        QVERIFY(!f->dbImg->pixmap().isNull());
        QCOMPARE(f->dbImg->size(), QSize(96, 98));

        // The photo follows its record.
        Cliquer(f->bnNext);
        QVERIFY(f->dbImg->pixmap().isNull());
        Cliquer(f->bnPrior);
        QCOMPARE(f->dbImg->pixmap().size(), gardee);

        // Removed, posted at once.
        f->Supprimerlaphoto1->trigger();
        QCOMPARE(erreurs, QStringList());
        QCOMPARE(acteurs().EtatTable(), Table::Etat::Navigation);
        QVERIFY(PhotoStockee(QStringLiteral("Reno Jean")).isEmpty());
        QVERIFY(f->dbImg->pixmap().isNull());
    }

    // Cancelling the dialog does nothing; a file that is no picture is refused and changes nothing.
    void photoRefusee_data()
    {
        QTest::addColumn<QByteArray>("contenu");
        QTest::addColumn<QString>("message");
        QTest::newRow("annulé") << QByteArray() << "";
        QTest::newRow("pas une image")
            << QByteArray("ceci n'est pas une photo")
            << "Impossible de charger la photo « photo.jpg » : ce fichier n'est pas une image reconnue.";
        QTest::newRow("jpeg tronqué") << QByteArray("\xff\xd8\xff\xe0\x00\x10JFIF", 10)
                                      << "Impossible de charger la photo « photo.jpg » : l'image est "
                                         "endommagée ou trop grande.";
    }
    void photoRefusee()
    {
        QFETCH(QByteArray, contenu);
        QFETCH(QString, message);
        Remplir({{"Reno Jean", "", "", ""}});
        Ouvrir();
        fichierChoisi = EcrireJpeg(QStringLiteral("ancienne.jpg"), 50, 60);
        f->Ajouterunephoto1->trigger();
        const QByteArray avant = PhotoStockee(QStringLiteral("Reno Jean"));
        QVERIFY(!avant.isEmpty());

        if (contenu.isEmpty()) {
            fichierChoisi.clear();
        } else {
            fichierChoisi = dossier->filePath(QStringLiteral("photo.jpg"));
            QFile fichier(fichierChoisi);
            QVERIFY(fichier.open(QIODevice::WriteOnly));
            fichier.write(contenu);
        }
        f->Ajouterunephoto1->trigger();
        QCOMPARE(erreurs, message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(acteurs().EtatTable(), message.isEmpty() ? Table::Etat::Navigation : Table::Etat::Edition);
        QCOMPARE(PhotoStockee(QStringLiteral("Reno Jean")), avant);
        QCOMPARE(f->dbImg->pixmap().size(), QSize(50, 60));
    }

    // The main window's actors button shows the window as it stands; "Fermer" only hides it, and
    // what was typed stays pending.
    void ouvrirEtFermer()
    {
        Remplir({{"Adjani Isabelle", "", "", ""}, {"Reno Jean", "", "", ""}});
        BoiteMessage::definirRepondeur(
            [](BoiteMessage::Type, const QString&) { return BoiteMessage::Reponse::Non; });
        TFormMain formMain({QStringLiteral("kinobral")}, QStringLiteral(KINOBRAL_DOSSIER_PROGRAMME));
        auto* fenetre = new TFormActeurs(*dm, &formMain);
        QVERIFY(!fenetre->isVisible());
        acteurs().Next(); // as the sheet view does for a clicked actor
        Cliquer(formMain.bnActeurs);
        QVERIFY(QTest::qWaitForWindowExposed(fenetre));
        QCOMPARE(fenetre->bsSkinDBEdit1->text(), QStringLiteral("Reno Jean"));
        QCOMPARE(acteurs().Texte("NomPrenom"), QStringLiteral("Reno Jean"));

        Retaper(fenetre->bsSkinDBEdit3, QStringLiteral("Casablanca"));
        Cliquer(fenetre->bnFermer);
        QVERIFY(!fenetre->isVisible());
        QCOMPARE(acteurs().EtatTable(), Table::Etat::Edition);
        Cliquer(formMain.bnActeurs);
        QVERIFY(fenetre->isVisible());
        QCOMPARE(fenetre->bsSkinDBEdit3->text(), QStringLiteral("Casablanca"));
        BoiteMessage::definirRepondeur({});
    }

    // A move made elsewhere (the sheet view locating an actor) writes what was typed too.
    void deplacementAilleurs()
    {
        Remplir({{"Adjani Isabelle", "", "", ""}, {"Reno Jean", "", "", ""}});
        Ouvrir();
        Retaper(f->bsSkinDBEdit3, QStringLiteral("Paris"));
        QVERIFY(acteurs().Locate("NomPrenom", "Reno Jean"));
        QCOMPARE(Stockes("LieuDeNaissance"), (QStringList{"Paris", ""}));
        QCOMPARE(f->bsSkinDBEdit1->text(), QStringLiteral("Reno Jean"));
        QCOMPARE(f->bsSkinDBEdit3->text(), QString());
        QCOMPARE(f->bsSkinDBLookupComboBox1->currentText(), QStringLiteral("Reno Jean"));
    }

    // The catalogue reopened on other files (a restore): the window shows the first actor of the new
    // table and its names.
    void reouverture()
    {
        Remplir({{"Adjani Isabelle", "", "", ""}, {"Reno Jean", "", "", ""}});
        Ouvrir();
        Cliquer(f->bnNext);
        QTemporaryDir autre;
        {
            Tdm source(autre.path() + QLatin1Char('/'));
            QVERIFY(source.OuvrirBase());
            for (const char* nom : {"Cassel Vincent", "Tautou Audrey", "Bouquet Carole"}) {
                QVERIFY(source.tbActeurs().Append());
                QVERIFY(source.tbActeurs().EcrireTexte("NomPrenom", nom));
                QVERIFY(source.tbActeurs().Post());
            }
        }
        dm->FermerBase();
        const QString fichier = dossier->filePath(QStringLiteral("data/acteurs.db"));
        QVERIFY(QFile::remove(fichier));
        QVERIFY(QFile::copy(autre.filePath(QStringLiteral("data/acteurs.db")), fichier));
        QVERIFY(dm->OuvrirBase());
        QCOMPARE(f->bsSkinDBEdit1->text(), QStringLiteral("Cassel Vincent"));
        QCOMPARE(Elements(f->bsSkinDBLookupComboBox1),
                 (QStringList{"Cassel Vincent", "Tautou Audrey", "Bouquet Carole"}));
        QCOMPARE(f->bsSkinDBLookupComboBox1->currentIndex(), 0);
    }
};

int main(int argc, char* argv[])
{
    ApplicationKinobral application(argc, argv);
    PreparerApplication(application); // the program's font and skin, as the user sees the window
    QTEST_SET_MAIN_SOURCE_PATH
    TestActeurs test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_acteurs.moc"
