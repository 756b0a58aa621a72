#include "maintenance/archivezip.h"
#include "maintenance/sauvegarde.h"
#include "outils_maintenance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QTest>

namespace {

// Each entry: name, compression method, encrypted flag, deflate speed bits, and a hash of its data.
const QString ScriptListe = QStringLiteral(R"(
import sys, zipfile, hashlib
with zipfile.ZipFile(sys.argv[1]) as z:
    for i in z.infolist():
        data = z.read(i, pwd=b'quibex')
        print(i.filename, i.compress_type, i.flag_bits & 1, (i.flag_bits >> 1) & 3, hashlib.sha1(data).hexdigest())
)");

QString Sha1(const QByteArray& octets)
{
    return QString::fromLatin1(QCryptographicHash::hash(octets, QCryptographicHash::Sha1).toHex());
}

} // namespace

class TestSauvegarde : public QObject
{
    Q_OBJECT

private slots:
    void luParLesOutilsZip();
    void archiveExistanteMiseAJour();
    void echecs_data();
    void echecs();
    void annulation();
    void nomArchive_data();
    void nomArchive();
};

// The backup of a catalogue with a subfolder and hidden files, read back by Info-ZIP, 7-Zip and Python.
void TestSauvegarde::luParLesOutilsZip()
{
    Bac bac;
    bac.Remplir();
    const QString archive = bac.racine() + QStringLiteral("sauvegarde.zip");
    Avancement dernier;
    int rapports = 0;
    Progression progression;
    progression.rapporter = [&](const Avancement& a) {
        dernier = a;
        ++rapports;
    };
    QStringList laissesDeCote;
    const Resultat r = SauvegarderBase(bac.dm(), archive, progression, &laissesDeCote);
    QVERIFY2(r, qPrintable(r.message()));
    QVERIFY(laissesDeCote.isEmpty());
    // The tables are open again.
    QCOMPARE(bac.Titres(), (QStringList{QStringLiteral("Amélie"), QStringLiteral("Brazil")}));

    const auto contenu = bac.Contenu();
    const QStringList attendus = {"acteurs.db", "donnees.db", "extra.txt", "glossaire.dat"};
    QCOMPARE(rapports > 1, true);
    QCOMPARE(dernier.fichiersTotal, 4);
    QCOMPARE(dernier.fichiersFaits, 4);
    const qint64 octets = contenu["acteurs.db"].size() + contenu["donnees.db"].size() +
                          contenu["sous/extra.txt"].size() + contenu["glossaire.dat"].size();
    QCOMPARE(dernier.octetsTotal, octets);
    QCOMPARE(dernier.octetsFaits, octets);

    // Info-ZIP: bare names, nothing hidden, every entry decrypts and checks.
    Execution liste = Executer(QStringLiteral("unzip"), {"-Z1", archive});
    QCOMPARE(liste.code, 0);
    QStringList noms = QString::fromUtf8(liste.sortie).split(u'\n', Qt::SkipEmptyParts);
    noms.sort();
    QCOMPARE(noms, attendus);
    QCOMPARE(Executer(QStringLiteral("unzip"), {"-P", "quibex", "-tq", archive}).code, 0);
    QCOMPARE(Executer(QStringLiteral("unzip"), {"-P", "quibex", "-p", archive, "extra.txt"}).sortie,
             contenu["sous/extra.txt"]);
    // A wrong password is refused: the entries are really encrypted.
    QVERIFY(Executer(QStringLiteral("unzip"), {"-P", "autre", "-tq", archive}).code != 0);
    // 7-Zip.
    QCOMPARE(Executer(QStringLiteral("7z"), {"t", "-pquibex", archive}).code, 0);

    // Python: Deflate (8), encrypted, the fast setting, the same bytes as the files.
    const Execution py = Python(ScriptListe, {archive});
    QVERIFY2(py.code == 0, py.erreur.constData());
    QStringList lignes = QString::fromUtf8(py.sortie).split(u'\n', Qt::SkipEmptyParts);
    lignes.sort();
    QStringList attenduesPython;
    for (const QString& nom : attendus) {
        const QByteArray octetsFichier =
            contenu.value(nom == QLatin1String("extra.txt") ? "sous/extra.txt" : nom);
        attenduesPython << QStringLiteral("%1 8 1 2 %2").arg(nom, Sha1(octetsFichier));
    }
    QCOMPARE(lignes, attenduesPython);
}

// An existing archive keeps its other entries; an entry of the same name is refreshed, at the fast level.
void TestSauvegarde::archiveExistanteMiseAJour()
{
    Bac bac;
    bac.Remplir();
    const QString autres = bac.racine() + QStringLiteral("autres/");
    QDir().mkpath(autres);
    EcrireFichier(autres + QStringLiteral("notes.txt"), "à garder");
    EcrireFichier(autres + QStringLiteral("donnees.db"), "ancienne version");
    const QString archive = bac.racine() + QStringLiteral("existante.zip");
    QCOMPARE(
        Executer(QStringLiteral("zip"), {"-q", "-P", "quibex", archive, "notes.txt", "donnees.db"}, autres)
            .code,
        0);

    const Resultat r = SauvegarderBase(bac.dm(), archive);
    QVERIFY2(r, qPrintable(r.message()));

    const Execution py = Python(ScriptListe, {archive});
    QVERIFY2(py.code == 0, py.erreur.constData());
    QStringList lignes = QString::fromUtf8(py.sortie).split(u'\n', Qt::SkipEmptyParts);
    lignes.sort();
    const auto contenu = bac.Contenu();
    QCOMPARE(lignes.size(), 5);
    QCOMPARE(lignes.filter(QStringLiteral("donnees.db ")),
             QStringList{QStringLiteral("donnees.db 8 1 2 ") + Sha1(contenu["donnees.db"])});
    QCOMPARE(Executer(QStringLiteral("unzip"), {"-P", "quibex", "-p", archive, "notes.txt"}).sortie,
             QByteArray("à garder"));
}

// A backup that cannot be written changes nothing and leaves the catalogue open.
void TestSauvegarde::echecs_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QByteArray>("existant");
    QTest::addColumn<QString>("message");
    QTest::newRow("pas une archive") << "texte.zip" << QByteArray("ceci n'est pas une archive")
                                     << "n'est pas une archive zip";
    QTest::newRow("archive tronquée")
        << "tronquee.zip" << QByteArray("PK\x03\x04tronque", 10) << "n'est pas une archive zip";
    QTest::newRow("dossier absent") << "absent/sauvegarde.zip" << QByteArray() << "sauvegarde.zip";
}

void TestSauvegarde::echecs()
{
    QFETCH(QString, nom);
    QFETCH(QByteArray, existant);
    QFETCH(QString, message);
    Bac bac;
    bac.Remplir();
    const QString archive = bac.racine() + nom;
    if (!existant.isNull())
        QVERIFY(EcrireFichier(archive, existant));
    const Resultat r = SauvegarderBase(bac.dm(), archive);
    QVERIFY(!r);
    QVERIFY(!r.estSilencieux());
    QVERIFY2(r.message().contains(message), qPrintable(r.message()));
    QCOMPARE(LireFichier(archive), existant);
    QCOMPARE(QDir(QFileInfo(archive).absolutePath()).entryList(QDir::Files | QDir::Hidden).size(),
             existant.isNull() ? 0 : 1);
    QCOMPARE(bac.Titres().size(), 2);
}

// A cancelled backup leaves the archive as it was, with no temporary file beside it.
void TestSauvegarde::annulation()
{
    Bac bac;
    bac.Remplir();
    const QString archive = bac.racine() + QStringLiteral("sauvegarde.zip");
    QVERIFY(SauvegarderBase(bac.dm(), archive));
    const QByteArray avant = LireFichier(archive);
    EcrireFichier(bac.data() + QStringLiteral("nouveau.txt"), "nouveau");

    std::atomic<bool> annuler{false};
    Progression progression;
    progression.annulation = &annuler;
    progression.rapporter = [&](const Avancement& a) {
        if (a.octetsFaits > 0)
            annuler = true;
    };
    const Resultat r = SauvegarderBase(bac.dm(), archive, progression);
    QVERIFY(!r);
    QVERIFY(r.estSilencieux());
    QCOMPARE(r.code(), CodeAnnulation);
    QCOMPARE(LireFichier(archive), avant);
    QCOMPARE(QDir(bac.racine()).entryList(QDir::Files | QDir::Hidden), QStringList{"sauvegarde.zip"});
    QCOMPARE(bac.Titres().size(), 2);
}

void TestSauvegarde::nomArchive_data()
{
    QTest::addColumn<QString>("saisi");
    QTest::addColumn<QString>("attendu");
    QTest::newRow("sans extension") << "sauvegarde"
                                    << "sauvegarde.zip";
    QTest::newRow("majuscules") << "SAUVEGARDE.ZIP"
                                << "SAUVEGARDE.ZIP";
    QTest::newRow("autre extension") << "base.bak"
                                     << "base.bak.zip";
}

void TestSauvegarde::nomArchive()
{
    QFETCH(QString, saisi);
    QFETCH(QString, attendu);
    QCOMPARE(AvecExtensionZip(saisi), attendu);
}

int ExecuterTestsSauvegarde(int argc, char** argv)
{
    TestSauvegarde t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_sauvegarde.moc"
