#include "banc.h"
#include "editor/champssaisie.h"
#include "tests.h"
#include "widgets/panneauimage.h"

#include <QProcess>

namespace {

const QString Fiche1 = QStringLiteral(KINOBRAL_FIXTURES "leonie.kbx");

QMap<QString, QString> LireEtat(const QString& chemin)
{
    QMap<QString, QString> etat;
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly))
        return etat;
    for (const QString& ligne : QString::fromUtf8(f.readAll()).split(u'\n', Qt::SkipEmptyParts))
        etat.insert(ligne.section(u'=', 0, 0), ligne.section(u'=', 1));
    return etat;
}

} // namespace

// A sheet file named as the first argument opens the editor for a new film, filled from it, with the
// home page hidden; the film list behind fills as usual.
class TestDemarrageFiche : public QObject
{
    Q_OBJECT

private slots:
    void argument_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<bool>("editeur");
        QTest::newRow("fiche") << Fiche1 << true;
        QTest::newRow("argument vide") << "" << false;
    }

    void argument()
    {
        QFETCH(QString, argument);
        QFETCH(bool, editeur);
        Banc b({QStringLiteral("kinobral"), argument, QStringLiteral("ignoré.kbx")});
        QDir().mkpath(b.dossier.filePath(QStringLiteral("programme/data")));
        {
            // A catalogue with one film, for the list behind the editor.
            Tdm dm(b.dossier.filePath(QStringLiteral("programme/")));
            QVERIFY(dm.OuvrirBase().estSucces());
            ValeursSaisie s = SaisieVide(QDate::currentDate());
            s.edTitre = QStringLiteral("Déjà là");
            QVERIFY(AjouterNouveauFilm(dm.tbFilms(), s).estSucces());
        }
        b.Ouvrir();
        QVERIFY(QTest::qWaitForWindowExposed(b.fenetre.get()));
        QCOMPARE(b.EditeurOuvert(), editeur);
        QCOMPARE(b.fenetre->pnAccueil->isVisible(), !editeur);
        QCOMPARE(b.fenetre->bnGestion->isVisible(), !editeur);
        QCOMPARE(ListeTitres(), QStringList{QStringLiteral("Déjà là")});
        QVERIFY2(b.erreurs.isEmpty(), qPrintable(b.erreurs.join(u'\n')));
        if (editeur) {
            QCOMPARE(b.editeur().bnValider->text(), QStringLiteral("Ajouter ce nouveau film"));
            QCOMPARE(b.editeur().edTitre->toPlainText(), QStringLiteral("Le Destin fabuleux de Léonie"));
            b.Valider();
            QCOMPARE(ListeTitres(), (QStringList{"Déjà là", "Le Destin fabuleux de Léonie"}));
        }
    }

    // The real program, started with the sheet file: once its start-up is over, the editor is open
    // on the sheet and the home page hidden.
    void processus()
    {
        QTemporaryDir dossier;
        QVERIFY(QFile::copy(QStringLiteral(KINOBRAL_DOSSIER_PROGRAMME "kinobral"),
                            dossier.filePath(QStringLiteral("kinobral"))));
        // Its fixed files beside it, the catalogue left to be made.
        for (const char* fixe : {"images", "aide_html", "export"})
            QVERIFY(QFile::link(QStringLiteral(KINOBRAL_DOSSIER_PROGRAMME) + QLatin1String(fixe),
                                dossier.filePath(QLatin1String(fixe))));
        QVERIFY(QDir().mkpath(dossier.filePath(QStringLiteral("data"))));
        QVERIFY(QFile::copy(QStringLiteral(KINOBRAL_DOSSIER_PROGRAMME "data/glossaire.dat"),
                            dossier.filePath(QStringLiteral("data/glossaire.dat"))));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* variable : {"XDG_RUNTIME_DIR", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "TMPDIR"}) {
            const QString d = dossier.filePath(QStringLiteral("env/") + QString::fromLatin1(variable));
            QVERIFY(QDir().mkpath(d));
            QFile::setPermissions(d, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            env.insert(QString::fromLatin1(variable), d);
        }
        const QString etat = dossier.filePath(QStringLiteral("etat.txt"));
        env.insert(QStringLiteral("KINOBRAL_ETAT_DEMARRAGE"), etat);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));

        QProcess kinobral;
        kinobral.setProcessEnvironment(env);
        kinobral.setProcessChannelMode(QProcess::ForwardedChannels);
        kinobral.start(dossier.filePath(QStringLiteral("kinobral")), {Fiche1});
        QVERIFY(kinobral.waitForStarted());
        // The splash is up for a few seconds before the main loop starts.
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(etat), 120000);
        const QMap<QString, QString> vu = LireEtat(etat);
        QCOMPARE(kinobral.state(), QProcess::Running);
        kinobral.kill();
        QVERIFY(kinobral.waitForFinished(60000));

        QCOMPARE(vu.value("pnGestion"), QStringLiteral("1"));
        QCOMPARE(vu.value("pnAccueil"), QStringLiteral("0"));
        QCOMPARE(vu.value("bnValider"), QStringLiteral("Ajouter ce nouveau film"));
        QCOMPARE(vu.value("edTitre"), QStringLiteral("Le Destin fabuleux de Léonie"));
        QCOMPARE(vu.value("titres"), QStringLiteral("0"));
        // The import wrote nothing: the catalogue the program made is empty.
        Tdm dm(dossier.path() + u'/');
        QVERIFY(dm.OuvrirBase().estSucces());
        QCOMPARE(dm.tbFilms().RecordCount(), 0);
    }
};

QObject* CreerTestDemarrageFiche()
{
    return new TestDemarrageFiche;
}

#include "tst_demarragefiche.moc"
