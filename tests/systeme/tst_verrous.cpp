#include "enfant.h"
#include "system/verroucatalogue.h"
#include "system/verrouinstance.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <signal.h>

namespace {

// Ends a child holding a lock: closing its input lets it return normally.
void Terminer(QProcess& enfant)
{
    if (enfant.state() == QProcess::NotRunning)
        return;
    enfant.closeWriteChannel();
    if (!enfant.waitForFinished(30000))
        enfant.kill();
    enfant.waitForFinished();
}

} // namespace

class TestVerrous : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void verrouTenuParUnAutreProcessus_data();
    void verrouTenuParUnAutreProcessus();
    void verrouInstanceHorsRuntime();
    void verrouCatalogueParDossier();

private:
    QTemporaryDir m_runtime;
    QByteArray m_runtimeAvant;
};

void TestVerrous::initTestCase()
{
    QVERIFY(m_runtime.isValid());
    m_runtimeAvant = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
}

void TestVerrous::cleanupTestCase()
{
    qputenv("XDG_RUNTIME_DIR", m_runtimeAvant);
}

void TestVerrous::verrouTenuParUnAutreProcessus_data()
{
    QTest::addColumn<QString>("genre");
    QTest::newRow("instance") << QStringLiteral("instance");
    QTest::newRow("catalogue") << QStringLiteral("catalogue");
}

// One process at a time, across processes; the kernel frees the lock of a killed holder; a child
// started by the holder does not inherit the lock.
void TestVerrous::verrouTenuParUnAutreProcessus()
{
    QFETCH(QString, genre);
    QTemporaryDir dossier;
    QVERIFY(dossier.isValid());
    const bool instance = genre == QLatin1String("instance");
    const QString cible = instance ? QStringLiteral("Kinobral 2005") : dossier.path();

    struct Verrou
    {
        std::unique_ptr<VerrouInstance> instance;
        std::unique_ptr<VerrouCatalogue> catalogue;
    };
    auto prendre = [&] {
        Verrou v;
        if (instance) {
            v.instance = std::make_unique<VerrouInstance>(cible);
        } else {
            v.catalogue = std::make_unique<VerrouCatalogue>();
            (void)v.catalogue->Prendre(cible);
        }
        return v;
    };
    auto acquis = [&](const Verrou& v) {
        return instance ? v.instance->estAcquis() : v.catalogue->estAcquis();
    };

    {
        Verrou moi = prendre();
        QVERIFY(acquis(moi));
        QProcess second;
        QCOMPARE(LancerEnfantVerrou(second, genre, cible), QStringLiteral("occupe"));
        QVERIFY(second.waitForFinished());
        QCOMPARE(second.exitCode(), 1);

        // A child started while we hold the lock must not keep it after we let it go.
        QProcess herite;
        herite.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--attendre")});
        QVERIFY(herite.waitForStarted());
        moi = Verrou();
        QProcess apres;
        QCOMPARE(LancerEnfantVerrou(apres, genre, cible), QStringLiteral("acquis"));
        Terminer(apres);
        Terminer(herite);
    }

    QProcess detenteur;
    QCOMPARE(LancerEnfantVerrou(detenteur, genre, cible), QStringLiteral("acquis"));
    QVERIFY(!acquis(prendre()));
    if (instance)
        QVERIFY(prendre().instance->estOccupe());
    else
        QCOMPARE(
            VerrouCatalogue().Prendre(cible).message(),
            QStringLiteral("Le catalogue est ouvert dans Kinobral 2005 ; fermez le programme avant de le "
                           "modifier."));

    ::kill(static_cast<pid_t>(detenteur.processId()), SIGKILL);
    QVERIFY(detenteur.waitForFinished());
    QCOMPARE(detenteur.exitStatus(), QProcess::CrashExit);
    QVERIFY(acquis(prendre()));
}

// Without a runtime folder the lock lives in the temporary folder, under a per-user name.
void TestVerrous::verrouInstanceHorsRuntime()
{
    QTemporaryDir temp;
    QVERIFY(temp.isValid());
    const QByteArray tmpAvant = qgetenv("TMPDIR");
    qunsetenv("XDG_RUNTIME_DIR");
    qputenv("TMPDIR", QFile::encodeName(temp.path()));
    {
        VerrouInstance premier;
        VerrouInstance second;
        QVERIFY(premier.estAcquis());
        QVERIFY(second.estOccupe());
        QCOMPARE(QFileInfo(premier.cheminFichier()).absolutePath(), QDir(temp.path()).canonicalPath());
        QVERIFY(QFileInfo(premier.cheminFichier()).fileName().startsWith(QLatin1String("Kinobral 2005-")));
    }
    VerrouInstance apres;
    QVERIFY(apres.estAcquis());
    qputenv("TMPDIR", tmpAvant);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
}

// The catalogue lock is per data folder: another catalogue stays writable; a folder that cannot
// hold the lock file gives a French message rather than a silent pass.
void TestVerrous::verrouCatalogueParDossier()
{
    QTemporaryDir a;
    QTemporaryDir b;
    QVERIFY(a.isValid() && b.isValid());
    VerrouCatalogue programme;
    QVERIFY(programme.Prendre(a.path()).estSucces());
    QVERIFY(QFileInfo::exists(a.filePath(QStringLiteral(".verrou"))));
    VerrouCatalogue autre;
    QVERIFY(autre.Prendre(b.path()).estSucces());

    VerrouCatalogue absent;
    const Resultat r = absent.Prendre(a.filePath(QStringLiteral("inexistant")));
    QVERIFY(!r.estSucces());
    QVERIFY2(r.message().startsWith(QLatin1String("Impossible de verrouiller le catalogue")),
             qPrintable(r.message()));
    QVERIFY(!absent.estAcquis());
}

int ExecuterTestsVerrous(int argc, char** argv)
{
    TestVerrous t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_verrous.moc"
