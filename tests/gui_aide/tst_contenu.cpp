// The content delivered beside the program, read the way the program reads it: the glossary file,
// the help page with what it links to, the demonstration backup and the two sheet files, the last
// three as installed in the program folder.
#include "catalogue/tdm.h"
#include "exchange/fichefichier.h"
#include "maintenance/sauvegarde.h"
#include "reference/glossaire.h"
#include "system/dossiers.h"
#include "tests.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString Sources = QStringLiteral(KINOBRAL_SOURCES);
// The demonstration files as the build installs them in the program folder.
const QString Exemples = QStringLiteral(KINOBRAL_DOSSIER_PROGRAMME) + QStringLiteral("exemples/");

QString LireTexte(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

} // namespace

class TestContenu : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The restore stages its files below the temporary folder and sends replaced files to the
        // trash: both stay in this test's folders.
        static QTemporaryDir environnement;
        QVERIFY(environnement.isValid());
        for (const char* variable : {"XDG_DATA_HOME", "TMPDIR"}) {
            const QString dossier = environnement.filePath(QString::fromLatin1(variable));
            QVERIFY(QDir().mkpath(dossier));
            qputenv(variable, QFile::encodeName(dossier));
        }
        QVERIFY(CreerDossiersTemporaires());
    }

    void glossaireLivre()
    {
        Glossaire glossaire;
        QVERIFY(glossaire.Charger(Sources + QStringLiteral("assets/data/glossaire.dat")));
        QVERIFY(!glossaire.lignes().join(QString()).contains(QChar::ReplacementCharacter));
        QSet<QString> vus;
        for (const QString& ligne : glossaire.lignes()) {
            const QString terme = Glossaire::Terme(ligne);
            // One "|" exactly: a second one would cut the definition short.
            QVERIFY2(ligne.count(u'|') == 1, qPrintable(ligne));
            QVERIFY2(!terme.isEmpty() && terme == terme.trimmed(), qPrintable(ligne));
            QVERIFY2(!Glossaire::DefinitionBrute(ligne).trimmed().isEmpty(), qPrintable(ligne));
            QVERIFY2(!vus.contains(terme), qPrintable(terme));
            vus.insert(terme);
        }
        QVERIFY(vus.size() >= 60);
        // The terms of the editor's lists that need explaining are all there, spelt as the lists have them.
        for (const char* terme : {"1.33 (4/3)", "1.85", "2.35", "16/9", "Dolby Digital 5.1", "DTS", "THX",
                                  "Mono", "Zone 1", "Zone 6", "Pal", "Secam", "Ntsc", "VHS", "Vidéo CD"})
            QVERIFY2(vus.contains(QString::fromUtf8(terme)), terme);
        // A paragraph mark shows as an empty line between two paragraphs.
        QString definition;
        QVERIFY(glossaire.Chercher(QStringLiteral("Pal"), definition));
        QVERIFY(definition.contains(QStringLiteral(".\n\nLes films")));
    }

    void pageAideEtSesLiens()
    {
        // The page as installed in the program folder, with every picture and page it points to.
        const QString dossier = QStringLiteral(KINOBRAL_DOSSIER_PROGRAMME) + QStringLiteral("aide_html/");
        const QString html = LireTexte(dossier + QStringLiteral("aide.html"));
        QVERIFY(!html.isEmpty());
        QSet<QString> ancres;
        const QRegularExpression nom(QStringLiteral("<a name=\"([^\"]+)\""));
        for (auto m = nom.globalMatch(html); m.hasNext();)
            ancres.insert(m.next().captured(1));
        const QRegularExpression lien(QStringLiteral("(?:src|href)=\"([^\"]+)\""));
        int images = 0;
        for (auto m = lien.globalMatch(html); m.hasNext();) {
            const QString cible = m.next().captured(1);
            if (cible.startsWith(u'#')) {
                QVERIFY2(ancres.contains(cible.mid(1)), qPrintable(cible));
            } else if (!cible.contains(QStringLiteral("://"))) {
                const QString fichier = dossier + cible.section(u'#', 0, 0);
                QVERIFY2(QFileInfo(fichier).isFile(), qPrintable(fichier));
                if (cible.endsWith(QStringLiteral(".png"))) {
                    QVERIFY2(!QImage(fichier).isNull(), qPrintable(fichier));
                    ++images;
                }
            }
        }
        QVERIFY(images > 0);
        // Pictures are shown at their own size, not stretched.
        const QRegularExpression image(
            QStringLiteral("<img src=\"([^\"]+)\" width=\"(\\d+)\" height=\"(\\d+)\""));
        for (auto m = image.globalMatch(html); m.hasNext();) {
            const QRegularExpressionMatch i = m.next();
            QCOMPARE(QImage(dossier + i.captured(1)).size(),
                     QSize(i.captured(2).toInt(), i.captured(3).toInt()));
        }
    }

    void archiveDeDemonstration()
    {
        QTemporaryDir programme;
        QVERIFY(programme.isValid());
        Tdm dm(programme.path() + u'/');
        QVERIFY(dm.OuvrirBase());
        QCOMPARE(dm.tbFilms().RecordCount(), 0);

        QStringList laissesDeCote;
        const Resultat r =
            RestaurerBase(dm, Exemples + QStringLiteral("demonstration.zip"), {}, &laissesDeCote);
        QVERIFY2(r, qPrintable(r.message()));
        QVERIFY(laissesDeCote.isEmpty());
        QCOMPARE(dm.tbFilms().RecordCount(), 12);
        int couvertures = 0;
        for (dm.tbFilms().First(); !dm.tbFilms().Eof(); dm.tbFilms().Next()) {
            QVERIFY(!dm.tbFilms().Texte(QStringLiteral("Realisateur")).isEmpty());
            const QByteArray jaquette = dm.tbFilms().Blob(QStringLiteral("BlobPicture"));
            if (!jaquette.isEmpty()) {
                QVERIFY(!QImage::fromData(jaquette, "JPEG").isNull());
                ++couvertures;
            }
        }
        QCOMPARE(couvertures, 11);
        QVERIFY(dm.tbFilms().Locate(QStringLiteral("Titre"), QStringLiteral("Le Samouraï")));
        QVERIFY(dm.tbFilms().Logique(QStringLiteral("Prete")));
        // The archive carries the glossary, as every backup of the data folder does.
        Glossaire glossaire;
        QVERIFY(glossaire.Charger(Glossaire::Chemin(programme.path() + u'/')));
        QVERIFY(glossaire.Termes().size() >= 60);
    }

    void fichesDExemple_data()
    {
        QTest::addColumn<QString>("fichier");
        QTest::addColumn<QString>("titre");
        QTest::addColumn<QString>("realisateur");
        QTest::newRow("casablanca") << "casablanca.kbx"
                                    << "Casablanca"
                                    << "Michael Curtiz";
        QTest::newRow("chihiro") << "chihiro.kbx"
                                 << "Le Voyage de Chihiro"
                                 << "Hayao Miyazaki";
    }

    void fichesDExemple()
    {
        QFETCH(QString, fichier);
        QFETCH(QString, titre);
        QFETCH(QString, realisateur);
        ContenuFiche contenu;
        QVERIFY(LireFichierFiche(Exemples + fichier, contenu));
        QCOMPARE(contenu.texte.count(u'|'), 23);
        QCOMPARE(ExtraireChamp(contenu.texte, u'|', 1), titre);
        QCOMPARE(ExtraireChamp(contenu.texte, u'|', 3), realisateur);
        QVERIFY(!QImage::fromData(contenu.image, "JPEG").isNull());
    }
};

QObject* CreerTestContenu()
{
    return new TestContenu;
}

#include "tst_contenu.moc"
