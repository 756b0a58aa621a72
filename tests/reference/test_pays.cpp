// The country list, its look-up and its flag pictures in the program folder.

#include "reference/pays.h"

#include <QColor>
#include <QImage>
#include <QSet>
#include <QTest>

class TestPays : public QObject
{
    Q_OBJECT

private slots:
    void IndexPays_data();
    void IndexPays();
    void ChaqueNomRetrouveSonIndex();
    void CheminDrapeau_data();
    void CheminDrapeau();
    void DrapeauxDuDossierProgramme();
};

void TestPays::IndexPays_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<int>("index");

    QTest::newRow("France") << "France" << 44;
    QTest::newRow("minuscules") << "france" << 44;
    QTest::newRow("majuscules") << "FRANCE" << 44;
    QTest::newRow("premier nom") << "Afrique du sud" << 1;
    QTest::newRow("dernier nom") << "Zimbabwe" << 136;
    QTest::newRow("Inconnu") << "Inconnu" << 0;
    QTest::newRow("vide") << "" << 0;
    QTest::newRow("absent de la liste") << "Groland" << 0;
    QTest::newRow("accent en minuscules") << "algérie" << 2;
    QTest::newRow("accent en majuscules") << "ALGÉRIE" << 2;
    QTest::newRow("tréma en majuscules") << "ZAÏRE" << 134;
    QTest::newRow("circonflexe et apostrophe") << "CÔTE D'IVOIRE" << 35;
    QTest::newRow("accent décomposé") << QString::fromUtf8("Alge\xcc\x81rie") << 2;
    // Accents are letters of the name, not decoration: only their case is ignored.
    QTest::newRow("accent omis") << "Algerie" << 0;
    // Stored catalogues hold the list's own spelling; the usual spelling is another name.
    QTest::newRow("orthographe de la liste") << "Luxembourd" << 75;
    QTest::newRow("orthographe usuelle") << "Luxembourg" << 0;
    // The whole name, never a part of it.
    QTest::newRow("Niger n'est pas Nigeria") << "Nigeria" << 89;
    QTest::newRow("Niger") << "niger" << 88;
    QTest::newRow("début d'un nom") << "Corée" << 0;
    QTest::newRow("espace final") << "France " << 0;
    QTest::newRow("espace initial") << " France" << 0;
}

void TestPays::IndexPays()
{
    QFETCH(QString, nom);
    QFETCH(int, index);
    QCOMPARE(::IndexPays(nom), index);
}

// Every entry maps back to its own flag, whatever the case it is written in: no name hides
// another, and the list keeps the size of the picture set.
void TestPays::ChaqueNomRetrouveSonIndex()
{
    const QStringList& liste = ListePays();
    QCOMPARE(liste.size(), NombrePays);
    QCOMPARE(liste.first(), QStringLiteral("Inconnu"));
    for (int i = 0; i < liste.size(); ++i) {
        const QString& nom = liste.at(i);
        QCOMPARE(::IndexPays(nom), i);
        QCOMPARE(::IndexPays(nom.toUpper()), i);
        QCOMPARE(::IndexPays(nom.toLower()), i);
    }
}

void TestPays::CheminDrapeau_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("chemin");

    QTest::newRow("inconnu") << 0 << "/prog/images/drapeaux/000.png";
    QTest::newRow("France") << 44 << "/prog/images/drapeaux/044.png";
    QTest::newRow("dernier") << 136 << "/prog/images/drapeaux/136.png";
    QTest::newRow("négatif") << -1 << "/prog/images/drapeaux/000.png";
    QTest::newRow("après la liste") << 137 << "/prog/images/drapeaux/000.png";
}

void TestPays::CheminDrapeau()
{
    QFETCH(int, index);
    QFETCH(QString, chemin);
    QCOMPARE(::CheminDrapeau(QStringLiteral("/prog/"), index), chemin);
}

void TestPays::DrapeauxDuDossierProgramme()
{
    const QString dossier = QStringLiteral(KINOBRAL_DOSSIER_PROGRAMME);
    QSet<QByteArray> vus;
    for (int i = 0; i < NombrePays; ++i) {
        const QString chemin = ::CheminDrapeau(dossier, i);
        const QImage image(chemin);
        QVERIFY2(!image.isNull(), qPrintable(chemin));
        QCOMPARE(image.size(), QSize(32, 20));
        // Guyane flies the French flag: the one picture allowed twice.
        if (i != 50) {
            const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
            const QByteArray pixels(reinterpret_cast<const char*>(rgb.constBits()), rgb.sizeInBytes());
            QVERIFY2(!vus.contains(pixels), qPrintable(chemin + QStringLiteral(" répète un autre drapeau")));
            vus.insert(pixels);
        }
    }

    // The pictures follow the names: entry 44 is France, blue, white and red from the hoist.
    const QImage france(::CheminDrapeau(dossier, ::IndexPays(QStringLiteral("France"))));
    const QColor bleu = france.pixelColor(4, 10), blanc = france.pixelColor(16, 10),
                 rouge = france.pixelColor(27, 10);
    QVERIFY(bleu.blue() > 100 && bleu.red() < 60);
    QVERIFY(blanc.red() > 240 && blanc.green() > 240 && blanc.blue() > 240);
    QVERIFY(rouge.red() > 180 && rouge.blue() < 60);
}

QTEST_GUILESS_MAIN(TestPays)
#include "test_pays.moc"
