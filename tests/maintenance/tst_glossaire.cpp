#include "outils_maintenance.h"
#include "reference/glossaire.h"

#include <QTest>

namespace {

const QString Cli = QStringLiteral(KINOBRAL_DOSSIER_PROGRAMME "kinobral-cli");

} // namespace

class TestGlossaire : public QObject
{
    Q_OBJECT

private slots:
    void lignes_data();
    void lignes();
    void fichierIllisible();
};

void TestGlossaire::lignes_data()
{
    QTest::addColumn<QByteArray>("fichier");
    QTest::addColumn<QStringList>("termes");
    QTest::addColumn<QString>("terme");
    QTest::addColumn<bool>("trouve");
    QTest::addColumn<QString>("definition");

    // Code page 1252: 0xB0 is the paragraph mark, 0xE8 "è", 0x92 the typographic apostrophe.
    QTest::newRow("deux paragraphes")
        << QByteArray("16/9|Premi\xe8re phrase.\xb0Seconde phrase l\x92"
                      "a.\r\n")
        << QStringList{"16/9"} << "16/9" << true << QStringLiteral("Première phrase.\n\nSeconde phrase l’a.");
    QTest::newRow("sans barre") << QByteArray("Pan & Scan\r\nDTS|Son") << QStringList{"Pan & Scan", "DTS"}
                                << "Pan & Scan" << true << QString();
    QTest::newRow("trois champs") << QByteArray("DTS|Son num\xe9rique|jamais montr\xe9") << QStringList{"DTS"}
                                  << "DTS" << true << QStringLiteral("Son numérique");
    QTest::newRow("barre finale") << QByteArray("Mono|") << QStringList{"Mono"} << "Mono" << true
                                  << QString();
    QTest::newRow("ligne vide") << QByteArray("A|a\r\n\r\nB|b\r\n") << QStringList{"A", "", "B"} << "" << true
                                << QString();
    QTest::newRow("casse") << QByteArray("Zone|Code r\xe9gional") << QStringList{"Zone"} << "zone" << false
                           << QString();
    QTest::newRow("doublons") << QByteArray("Zone|premier\nZone|second") << QStringList{"Zone", "Zone"}
                              << "Zone" << true << "premier";
    QTest::newRow("fichier vide") << QByteArray() << QStringList{} << "" << false << QString();
    QTest::newRow("fins de ligne") << QByteArray("A|1\rB|2\nC|3\r\n\n") << QStringList{"A", "B", "C", ""}
                                   << "C" << true << "3";
    QTest::newRow("utf-8") << QByteArray("\xc3\x89"
                                         "cran|D\xc3\xa9"
                                         "finition\xc2\xb0Suite")
                           << QStringList{"Écran"} << "Écran" << true
                           << QStringLiteral("Définition\n\nSuite");
    QTest::newRow("utf-8 avec marque") << QByteArray("\xef\xbb\xbf"
                                                     "Son|st\xc3\xa9r\xc3\xa9o")
                                       << QStringList{"Son"} << "Son" << true << QStringLiteral("stéréo");
}

void TestGlossaire::lignes()
{
    QFETCH(QByteArray, fichier);
    QFETCH(QStringList, termes);
    QFETCH(QString, terme);
    QFETCH(bool, trouve);
    QFETCH(QString, definition);
    Bac bac;
    const QString chemin = Glossaire::Chemin(bac.programme());
    QVERIFY(EcrireFichier(chemin, fichier));

    Glossaire glossaire;
    const Resultat r = glossaire.Charger(chemin);
    QVERIFY2(r, qPrintable(r.message()));
    QCOMPARE(glossaire.Termes(), termes);
    QString lue = QStringLiteral("non touchée");
    QCOMPARE(glossaire.Chercher(terme, lue), trouve);
    QCOMPARE(lue, definition);

    // The tool prints what the window shows, or refuses an unknown term.
    const Execution e = Executer(Cli, {"--dossier", bac.programme(), "glossaire", terme});
    QCOMPARE(e.code, trouve ? 0 : 1);
    if (trouve)
        QCOMPARE(QString::fromUtf8(e.sortie), definition + u'\n');
    else
        QCOMPARE(QString::fromUtf8(e.erreur),
                 QStringLiteral("Le terme « %1 » n'est pas dans le glossaire.\n").arg(terme));
}

// A glossary that cannot be read leaves an empty glossary and a message; nothing else stops.
void TestGlossaire::fichierIllisible()
{
    Bac bac;
    const QString chemin = Glossaire::Chemin(bac.programme());
    Glossaire glossaire;
    glossaire.ChargerTexte(QStringLiteral("A|a"));
    const Resultat r = glossaire.Charger(chemin);
    QVERIFY(!r);
    QVERIFY(r.message().contains(QStringLiteral("glossaire.dat")));
    QVERIFY(glossaire.Termes().isEmpty());
    QString definition;
    QVERIFY(!glossaire.Chercher(QStringLiteral("A"), definition));

    const Execution e = Executer(Cli, {"--dossier", bac.programme(), "glossaire", "A"});
    QCOMPARE(e.code, 1);
    QVERIFY(QString::fromUtf8(e.erreur).startsWith(QStringLiteral("Impossible d'ouvrir le fichier")));
}

int ExecuterTestsGlossaire(int argc, char** argv)
{
    TestGlossaire t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_glossaire.moc"
