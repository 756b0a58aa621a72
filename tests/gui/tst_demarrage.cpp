#include "app/demarrage.h"
#include "app/erreurs.h"
#include "app/formmain.h"
#include "catalogue/tdm.h"
#include "system/programme.h"
#include "system/verrouinstance.h"
#include "tests.h"
#include "widgets/boitemessage.h"
#include "widgets/panneauimage.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A program folder of its own: the executable copied in, nothing else.
bool PreparerDossierProgramme(const QTemporaryDir& dossier)
{
    return QFile::copy(QStringLiteral(KINOBRAL_DOSSIER_PROGRAMME "kinobral"),
                       dossier.filePath(QStringLiteral("kinobral")));
}

} // namespace

class TestDemarrage : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir environnement;
    QProcessEnvironment envProgramme;

    QString Chemin(const QString& relatif) const { return environnement.filePath(relatif); }

    std::unique_ptr<QProcess> Lancer(const QTemporaryDir& programme, const QStringList& arguments = {})
    {
        auto processus = std::make_unique<QProcess>();
        processus->setProcessEnvironment(envProgramme);
        processus->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        processus->start(programme.filePath(QStringLiteral("kinobral")), arguments);
        return processus;
    }

    // The copy is past its lock once its creation has made the staging folders.
    bool EstDemarre() const { return QFileInfo(Chemin(QStringLiteral("tmp/kinobral/data"))).isDir(); }

private slots:
    void initTestCase()
    {
        QVERIFY(environnement.isValid());
        envProgramme = QProcessEnvironment::systemEnvironment();
        for (const char* variable : {"XDG_RUNTIME_DIR", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "TMPDIR"}) {
            const QString dossier = Chemin(QString::fromLatin1(variable) == QLatin1String("TMPDIR")
                                               ? QStringLiteral("tmp")
                                               : QString::fromLatin1(variable));
            QVERIFY(QDir().mkpath(dossier));
            QFile::setPermissions(dossier, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            envProgramme.insert(QString::fromLatin1(variable), dossier);
            qputenv(variable, QFile::encodeName(dossier));
        }
        envProgramme.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        // The copies are ended by SIGKILL; a leak report has nothing to say about them.
        envProgramme.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    }

    // A second copy ends at once with status 0, whatever its arguments, while the first runs; once
    // the first dies, even killed, a new copy takes the lock.
    void uneSeuleCopie()
    {
        QTemporaryDir premier, second;
        QVERIFY(PreparerDossierProgramme(premier));
        QVERIFY(PreparerDossierProgramme(second));

        auto copie1 = Lancer(premier);
        QVERIFY(copie1->waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(EstDemarre(), 60000);
        QCOMPARE(copie1->state(), QProcess::Running);

        auto copie2 = Lancer(second, {second.filePath(QStringLiteral("fiche.kbx"))});
        QVERIFY(copie2->waitForFinished(60000));
        QCOMPARE(copie2->exitStatus(), QProcess::NormalExit);
        QCOMPARE(copie2->exitCode(), 0);
        // It ended before its main window and data module: nothing was made in its folder.
        QVERIFY(!QFileInfo::exists(second.filePath(QStringLiteral("data"))));
        QCOMPARE(copie1->state(), QProcess::Running);

        copie1->kill();
        QVERIFY(copie1->waitForFinished(60000));

        QVERIFY(QDir(Chemin(QStringLiteral("tmp/kinobral"))).removeRecursively());
        auto copie3 = Lancer(second);
        QVERIFY(copie3->waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(EstDemarre(), 60000);
        QCOMPARE(copie3->state(), QProcess::Running);
        // The staging folders come before the data module: wait for it to create the catalogue.
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(second.filePath(QStringLiteral("data"))).isDir(), 60000);
        VerrouFichier sonde;
        QCOMPARE(sonde.Prendre(VerrouInstance::CheminVerrou(QStringLiteral("Kinobral 2005"))),
                 VerrouFichier::Etat::Occupe);

        auto copie4 = Lancer(premier);
        QVERIFY(copie4->waitForFinished(60000));
        QCOMPARE(copie4->exitCode(), 0);
        QCOMPARE(copie3->state(), QProcess::Running);
        copie3->kill();
        QVERIFY(copie3->waitForFinished(60000));
    }

    // A catalogue that cannot be opened: the store's own text in the error box, and the program
    // runs on with an empty list.
    void catalogueIllisible_data()
    {
        QTest::addColumn<bool>("dossier");
        QTest::newRow("donnees.db est un dossier") << true;
        QTest::newRow("donnees.db n'est pas une base") << false;
    }

    void catalogueIllisible()
    {
        QFETCH(bool, dossier);
        QTemporaryDir programme;
        QVERIFY(QDir().mkpath(programme.filePath(QStringLiteral("data"))));
        const QString base = programme.filePath(QStringLiteral("data/donnees.db"));
        if (dossier) {
            QVERIFY(QDir().mkpath(base));
        } else {
            QFile fichier(base);
            QVERIFY(fichier.open(QIODevice::WriteOnly));
            fichier.write(QByteArray(4096, 'x'));
        }

        QString attendu;
        {
            Tdm temoin(programme.path() + u'/');
            const Resultat r = temoin.OuvrirBase();
            QVERIFY(!r.estSucces());
            attendu = r.message();
            temoin.FermerBase();
        }
        QVERIFY(!attendu.isEmpty());

        QStringList erreurs;
        DefinirAfficheurErreur([&](const QString& texte) { erreurs << texte; });
        BoiteMessage::definirRepondeur(
            [](BoiteMessage::Type, const QString&) { return BoiteMessage::Reponse::Ok; });
        {
            TFormMain formMain({QStringLiteral("kinobral")}, programme.path());
            Tdm dm(DossierProgramme());
            OuvrirCatalogue(formMain, dm);
            QCOMPARE(erreurs, QStringList{attendu});
            QVERIFY(ListeTitres().isEmpty());
            formMain.show();
            QVERIFY(QTest::qWaitForWindowExposed(&formMain));
            QVERIFY(formMain.pnAccueil->isVisible());
        }
        DefinirAfficheurErreur({});
        BoiteMessage::definirRepondeur({});
    }
};

QObject* CreerTestDemarrage()
{
    return new TestDemarrage;
}

#include "tst_demarrage.moc"
