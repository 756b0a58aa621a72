#include "banc.h"
#include "editor/champssaisie.h"
#include "exchange/fichefichier.h"
#include "tests.h"

#include <QComboBox>
#include <QLineEdit>
#include <QtEndian>

namespace {

QByteArray LireFichier(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool EcrireFichier(const QString& chemin, const QByteArray& octets)
{
    QFile f(chemin);
    return f.open(QIODevice::WriteOnly) && f.write(octets) == octets.size();
}

QByteArray Entier32(qint32 n)
{
    QByteArray octets(4, '\0');
    qToLittleEndian(n, octets.data());
    return octets;
}

} // namespace

// The sheet file through the editor: export of the current film, import into a new-film editor.
class TestFicheFilm : public QObject
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

    // Exported from one catalogue and imported into another, a film comes back field for field
    // (its notes and seen mark stay home) with its cover byte for byte.
    void allerRetour()
    {
        const QByteArray couverture = LireFichier(QStringLiteral(KINOBRAL_FIXTURES "couverture.jpg"));
        QVERIFY(b->Ajouter({{"Titre", "Le Voyage"},
                            {"Genre", "Aventure"},
                            {"Duree", "01:45:00"},
                            {"Sortie", "12/05/2004"},
                            {"Public", "Interdit - 12 ans"},
                            {"Prix", "19.9"},
                            {"Acteur", "Léa Tardieu\r\nMarc Kessler"},
                            {"FormatVideo", "\r1.33 (4/3)"},
                            {"Son", "Hifi Stéréo"},
                            {"DateSortieDvd", "03/11/2004"},
                            {"Etoiles", "4 étoiles"},
                            {"Langue", "Italie"},
                            {"Notes", "à moi"},
                            {"DejaVu", "Vrai"}},
                           couverture));
        const Fiche original = b->Lire(QStringLiteral("Le Voyage"));
        const QString sansExtension = b->dossier.filePath(QStringLiteral("voyage"));
        b->fichierChoisi = sansExtension;
        b->fenetre->Exportercettefiche1Click();
        QCOMPARE(b->dialogues.size(), 1);
        QCOMPARE(b->dialogues.constFirst().sens, DialoguesFichier::Sens::Enregistrer);
        QCOMPARE(b->dialogues.constFirst().titre, QStringLiteral("Enregistrer sous..."));
        QCOMPARE(b->dialogues.constFirst().filtre, QStringLiteral("Fichier Kinobral (*.kbx)|*.kbx"));
        const QString chemin = sansExtension + QStringLiteral(".kbx");
        QVERIFY(QFileInfo::exists(chemin));
        QVERIFY(!QFileInfo::exists(sansExtension));
        const QByteArray fiche = LireFichier(chemin);
        QVERIFY(fiche.endsWith(couverture));

        // The other catalogue: a fresh bench (the old one first lets go of the dialogs' hooks).
        b.reset();
        b = std::make_unique<Banc>();
        b->Ouvrir();
        b->fichierChoisi = b->dossier.filePath(QStringLiteral("voyage.kbx"));
        QFile copie(b->fichierChoisi);
        QVERIFY(copie.open(QIODevice::WriteOnly));
        copie.write(fiche);
        copie.close();
        b->fenetre->Importerunefiche1Click();
        QCOMPARE(b->dialogues.constFirst().titre, QStringLiteral("Ouvrir..."));
        QCOMPARE(b->dialogues.constFirst().sens, DialoguesFichier::Sens::Ouvrir);
        PanneauGestion& e = b->editeur();
        QVERIFY(b->EditeurOuvert());
        QCOMPARE(e.bnValider->text(), QStringLiteral("Ajouter ce nouveau film"));
        QVERIFY2(b->erreurs.isEmpty(), qPrintable(b->erreurs.join(u'\n')));
        QCOMPARE(e.edActeurs->toPlainText(), QStringLiteral("Léa Tardieu\nMarc Kessler"));
        QCOMPARE(b->films().RecordCount(), 0);
        b->Valider();
        QVERIFY2(b->avertissements.isEmpty(), qPrintable(b->avertissements.join(u'\n')));
        Fiche attendu = original;
        attendu[QStringLiteral("Notes")] = QString();
        attendu[QStringLiteral("DejaVu")] = QStringLiteral("Faux");
        QCOMPARE(b->Lire(QStringLiteral("Le Voyage")), attendu);
    }

    // A name that already ends with the extension, in any letters, keeps it as it is.
    void extensionPresente()
    {
        QVERIFY(b->Ajouter({{"Titre", "A"}}));
        b->fichierChoisi = b->dossier.filePath(QStringLiteral("fiche.KBX"));
        b->fenetre->Exportercettefiche1Click();
        QCOMPARE(LireFichier(b->fichierChoisi), Entier32(24) + QByteArray("A") + QByteArray(23, '|'));
        // Cancelled, or an empty catalogue: nothing is written.
        b->fichierChoisi.clear();
        b->fenetre->Exportercettefiche1Click();
        QVERIFY(b->erreurs.isEmpty());
    }

    void exportImpossible()
    {
        QVERIFY(b->Ajouter({{"Titre", "A"}}));
        b->fichierChoisi = b->dossier.filePath(QStringLiteral("absent/fiche.kbx"));
        b->fenetre->Exportercettefiche1Click();
        QCOMPARE(b->erreurs.size(), 1);
        QVERIFY2(b->erreurs.constFirst().startsWith(QStringLiteral("Impossible de créer le fichier \"")),
                 qPrintable(b->erreurs.constFirst()));
    }

    // Values that match no entry leave their lists without selection; entries are matched
    // whatever their letters.
    void importListes()
    {
        const QString chemin = b->dossier.filePath(QStringLiteral("listes.kbx"));
        QStringList valeurs(24);
        valeurs[0] = QStringLiteral("Importé");
        valeurs[9] = QStringLiteral("interdit - 16 ANS");
        valeurs[19] = QStringLiteral("Dolby Atmos");
        valeurs[23] = QStringLiteral("ITALIE");
        QVERIFY(EcrireFichierFiche(chemin, {valeurs.join(u'|'), {}}).estSucces());
        b->fenetre->ImporterFiche(chemin);
        PanneauGestion& e = b->editeur();
        QCOMPARE(e.edPublic->currentText(), QStringLiteral("Interdit - 16 ans"));
        QCOMPARE(e.edSon->currentIndex(), -1);
        QCOMPARE(e.edEtoiles->currentIndex(), -1);
        QCOMPARE(e.edPays->currentText(), QStringLiteral("Italie"));
        QCOMPARE(e.edDuree->texte(), QStringLiteral("  :  :  "));
        QVERIFY(b->films().RecordCount() == 0);
    }

    // A damaged or missing file: its message, the editor open and empty, nothing written.
    void importEndommage_data()
    {
        QTest::addColumn<QByteArray>("contenu");
        QTest::addColumn<QString>("debut");
        QTest::newRow("absent") << QByteArray() << "Impossible d'ouvrir le fichier \"";
        QTest::newRow("trois octets") << QByteArray("abc") << "La fiche « ";
        QTest::newRow("longueur négative") << Entier32(-5) + QByteArray("Titre") << "La fiche « ";
        QTest::newRow("texte tronqué") << Entier32(50) + QByteArray("Titre|") << "La fiche « ";
    }

    void importEndommage()
    {
        QFETCH(QByteArray, contenu);
        QFETCH(QString, debut);
        QVERIFY(b->Ajouter({{"Titre", "Alpha"}}));
        const QList<Fiche> avant = b->Catalogue();
        const QString chemin = b->dossier.filePath(QStringLiteral("abime.kbx"));
        if (!contenu.isEmpty())
            QVERIFY(EcrireFichier(chemin, contenu));
        // Something typed before must not survive into the imported editor.
        b->fenetre->Ajouterunnouveaufilm1Click();
        b->editeur().edGenre->setText(QStringLiteral("reste"));
        b->fenetre->AnnulerGestion();

        b->fenetre->ImporterFiche(chemin);
        QCOMPARE(b->erreurs.size(), 1);
        QVERIFY2(b->erreurs.constFirst().startsWith(debut), qPrintable(b->erreurs.constFirst()));
        QVERIFY(b->EditeurOuvert());
        const ValeursSaisie laissee = b->editeur().Saisie();
        QVERIFY(laissee.edTitre.isEmpty());
        QVERIFY(laissee.edGenre.isEmpty());
        b->fenetre->Ajouterunnouveaufilm1Click();
        QVERIFY(b->editeur().Saisie() == laissee);
        QCOMPARE(b->Catalogue(), avant);
    }

    // Values longer than this catalogue's fields are cut to fit, and the user is told which.
    void importTropLong()
    {
        const QString chemin = b->dossier.filePath(QStringLiteral("long.kbx"));
        QStringList valeurs(24);
        valeurs[0] = QStringLiteral("Titre");
        valeurs[1] = QString(200, u'g');
        QVERIFY(EcrireFichierFiche(chemin, {valeurs.join(u'|'), {}}).estSucces());
        b->fenetre->ImporterFiche(chemin);
        QCOMPARE(b->editeur().edGenre->text(), QString(120, u'g'));
        QCOMPARE(b->avertissements.size(), 1);
        QVERIFY(b->avertissements.constFirst().endsWith(QStringLiteral(" : Genre.")));
    }
};

QObject* CreerTestFicheFilm()
{
    return new TestFicheFilm;
}

#include "tst_fichefilm.moc"
