#include "system/dossiers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

class TestDossiers : public QObject
{
    Q_OBJECT

private slots:
    void creerDossiersTemporaires_data();
    void creerDossiersTemporaires();
};

void TestDossiers::creerDossiersTemporaires_data()
{
    // What the temporary folder holds before the call, as paths below it: a trailing '/' makes a
    // folder, "->" a link to the folder named after it, anything else a file. "." alone turns the
    // temporary folder itself into a file.
    QTest::addColumn<QStringList>("avant");
    QTest::addColumn<bool>("lectureSeule");
    QTest::addColumn<bool>("attendu");

    QTest::newRow("vide") << QStringList() << false << true;
    QTest::newRow("kinobral présent") << QStringList{"kinobral/"} << false << true;
    QTest::newRow("kinobral/data présent") << QStringList{"kinobral/", "kinobral/data/"} << false << true;
    QTest::newRow("kinobral est un fichier") << QStringList{"kinobral"} << false << false;
    QTest::newRow("kinobral/data est un fichier")
        << QStringList{"kinobral/", "kinobral/data"} << false << false;
    // The temporary folder is shared: a link planted there must not redirect a restore.
    QTest::newRow("kinobral est un lien") << QStringList{"ailleurs/", "kinobral->ailleurs"} << false << false;
    QTest::newRow("dossier temporaire inutilisable") << QStringList{"."} << false << false;
    // Permission bits do not stop root, so this case only means something for other users.
    if (::geteuid() != 0)
        QTest::newRow("dossier temporaire en lecture seule") << QStringList() << true << false;
}

// Both staging folders exist afterwards, what was there is kept, and a temporary folder that
// cannot take them ends the call with false instead of looping.
void TestDossiers::creerDossiersTemporaires()
{
    QFETCH(QStringList, avant);
    QFETCH(bool, lectureSeule);
    QFETCH(bool, attendu);

    QTemporaryDir parent;
    QVERIFY(parent.isValid());
    QString temp = parent.filePath(QStringLiteral("temp"));
    QVERIFY(QDir().mkdir(temp));
    for (const QString& element : avant) {
        const QString chemin = QDir(temp).filePath(element);
        if (element == QLatin1String(".")) {
            QVERIFY(QDir().rmdir(temp));
            QFile f(temp);
            QVERIFY(f.open(QIODevice::WriteOnly));
        } else if (element.endsWith(u'/')) {
            QVERIFY(QDir().mkpath(chemin));
        } else if (element.contains(QLatin1String("->"))) {
            const QStringList parties = element.split(QStringLiteral("->"));
            QVERIFY(QFile::link(QDir(temp).filePath(parties.at(1)), QDir(temp).filePath(parties.at(0))));
        } else {
            QFile f(chemin);
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
    }
    const QString marque = QDir(temp).filePath(QStringLiteral("kinobral/data/garde"));
    const bool avecMarque = avant.contains(QStringLiteral("kinobral/data/"));
    if (avecMarque) {
        QFile f(marque);
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    if (lectureSeule)
        QVERIFY(QFile::setPermissions(temp, QFileDevice::ReadOwner | QFileDevice::ExeOwner));

    const QByteArray tmpAvant = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(temp));
    QCOMPARE(DossierTemporaire(), QDir(temp).canonicalPath() + u'/');
    const bool resultat = CreerDossiersTemporaires();
    qputenv("TMPDIR", tmpAvant);
    if (lectureSeule)
        QFile::setPermissions(temp, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    QCOMPARE(resultat, attendu);
    if (attendu) {
        const QFileInfo data(QDir(temp).filePath(QStringLiteral("kinobral/data")));
        QVERIFY(data.isDir() && !data.isSymLink());
        // A folder already there is left as it was, contents included.
        QCOMPARE(QFileInfo::exists(marque), avecMarque);
    }
}

int ExecuterTestsDossiers(int argc, char** argv)
{
    TestDossiers t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_dossiers.moc"
