#include "enfant.h"
#include "system/association.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString Description = QStringLiteral("Cliquer pour lancer Kinobral 2005");
const QString Message = QStringLiteral("erreur d'écriture dans la base de registre");

QByteArray Lire(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
}

bool Ecrire(const QString& chemin, const QByteArray& contenu)
{
    QDir().mkpath(QFileInfo(chemin).absolutePath());
    QFile f(chemin);
    return f.open(QIODevice::WriteOnly) && f.write(contenu) == contenu.size();
}

QByteArray Paquet(const QByteArray& type, const QByteArray& icone = {})
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
           "  <mime-type type=\"" +
           type +
           "\">\n"
           "    <glob pattern=\"*.kbx\"/>\n" +
           (icone.isEmpty() ? QByteArray() : "    <icon name=\"" + icone + "\"/>\n") +
           "  </mime-type>\n"
           "</mime-info>\n";
}

QByteArray Entree(const QByteArray& exec, const QByteArray& type)
{
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Kinobral 2005\n"
           "Exec=" +
           exec +
           "\n"
           "MimeType=" +
           type +
           ";\n"
           "NoDisplay=true\n"
           "Comment=Cliquer pour lancer Kinobral 2005\n";
}

// Every file below a folder with its bytes and modification time.
QMap<QString, QPair<QByteArray, QDateTime>> Etat(const QString& dossier)
{
    QMap<QString, QPair<QByteArray, QDateTime>> etat;
    QDirIterator it(dossier, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString chemin = it.next();
        etat.insert(chemin, {Lire(chemin), QFileInfo(chemin).lastModified()});
    }
    return etat;
}

} // namespace

class TestAssociation : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void premierEnregistrement_data();
    void premierEnregistrement();
    void secondDemarrageNeChangeRien();
    void typeExistantReutilise_data();
    void typeExistantReutilise();
    void autresAssociationsConservees();
    void echecsEcriture_data();
    void echecsEcriture();
    void ouvertureParLeBureau();

private:
    void Enregistrer(const QString& programme, const QString& icone = {});

    std::unique_ptr<QTemporaryDir> m_racine;
    QString m_donnees;
    QString m_config;
    QString m_systeme;
    QStringList m_messages;
    QHash<QByteArray, QByteArray> m_envAvant;
};

void TestAssociation::init()
{
    m_racine = std::make_unique<QTemporaryDir>();
    QVERIFY(m_racine->isValid());
    m_donnees = m_racine->filePath(QStringLiteral("donnees"));
    m_config = m_racine->filePath(QStringLiteral("config"));
    m_systeme = m_racine->filePath(QStringLiteral("systeme"));
    m_messages.clear();
    for (const char* variable : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_DATA_DIRS"})
        m_envAvant.insert(variable, qgetenv(variable));
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_donnees));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config));
    // The system's database is replaced by our own, so that no installed type claims "*.kbx".
    qputenv("XDG_DATA_DIRS", QFile::encodeName(m_systeme));
}

void TestAssociation::cleanup()
{
    for (auto it = m_envAvant.cbegin(); it != m_envAvant.cend(); ++it)
        qputenv(it.key().constData(), it.value());
    m_racine.reset();
}

void TestAssociation::Enregistrer(const QString& programme, const QString& icone)
{
    EnregistrerTypeFichier(QStringLiteral("kbx"), programme, Description, icone, QStringLiteral("OPEN"), true,
                           [this](const QString& message) { m_messages.append(message); });
}

void TestAssociation::premierEnregistrement_data()
{
    QTest::addColumn<QString>("programme");
    QTest::addColumn<QString>("icone");
    QTest::addColumn<QByteArray>("exec");

    QTest::newRow("chemin simple") << QStringLiteral("/opt/kinobral/kinobral") << QString()
                                   << QByteArray(R"("/opt/kinobral/kinobral" %f)");
    // Spaces, quoting characters, a field-code '%' and a backslash, escaped for the Exec syntax
    // and then once more as a key-file string.
    QTest::newRow("chemin à caractères spéciaux")
        << QStringLiteral(R"(/home/élise/Mes films/100% "ciné" $x`a\b/kinobral)") << QString()
        << QByteArray(R"("/home/élise/Mes films/100%% \\"ciné\\" \\$x\\`a\\\\b/kinobral" %f)");
    QTest::newRow("avec icône") << QStringLiteral("/opt/kinobral/kinobral")
                                << QStringLiteral("kinobral-fiche")
                                << QByteArray(R"("/opt/kinobral/kinobral" %f)");
}

// A desktop without any association for the extension gets exactly the type, the command, the
// default application and the description, in files the desktop tools accept.
void TestAssociation::premierEnregistrement()
{
    QFETCH(QString, programme);
    QFETCH(QString, icone);
    QFETCH(QByteArray, exec);

    Enregistrer(programme, icone);
    QCOMPARE(m_messages, QStringList());
    QCOMPARE(Lire(m_donnees + "/mime/packages/kinobral-kbx.xml"),
             Paquet("application/x-kbx_file", icone.toUtf8()));
    const QString entree = m_donnees + "/applications/kinobral-kbx-open.desktop";
    QCOMPARE(Lire(entree), Entree(exec, "application/x-kbx_file"));
    QCOMPARE(Lire(m_config + "/mimeapps.list"),
             QByteArray("[Default Applications]\napplication/x-kbx_file=kinobral-kbx-open.desktop;\n"));

    QProcess valider;
    valider.setProcessChannelMode(QProcess::MergedChannels);
    valider.start(QStringLiteral("desktop-file-validate"), {entree});
    QVERIFY2(valider.waitForFinished(), "desktop-file-validate (desktop-file-utils) introuvable");
    QVERIFY2(valider.exitCode() == 0, valider.readAll().constData());
}

// Every start registers again: the type is read back and reused, and no file is touched.
void TestAssociation::secondDemarrageNeChangeRien()
{
    Enregistrer(QStringLiteral("/opt/kinobral/kinobral"), QStringLiteral("kinobral-fiche"));
    const auto avant = Etat(m_racine->path());
    QVERIFY(avant.size() >= 3);
    QTest::qWait(1100); // lets a rewrite show in the one-second mtime of coarse file systems
    Enregistrer(QStringLiteral("/opt/kinobral/kinobral"), QStringLiteral("kinobral-fiche"));
    QCOMPARE(m_messages, QStringList());
    QCOMPARE(Etat(m_racine->path()), avant);
}

void TestAssociation::typeExistantReutilise_data()
{
    QTest::addColumn<QString>("fichier");
    QTest::addColumn<QByteArray>("contenu");
    QTest::addColumn<QString>("type");

    QTest::newRow("paquet de l'utilisateur")
        << QStringLiteral("donnees/mime/packages/autre.xml")
        << QByteArray("<?xml version=\"1.0\"?>\n<mime-info "
                      "xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                      "<mime-type type=\"text/plain\"><glob pattern=\"*.txt\"/></mime-type>\n"
                      "<mime-type type=\"application/x-autre\"><comment>Autre</comment>"
                      "<glob pattern=\"*.KBX\"/></mime-type>\n</mime-info>\n")
        << QStringLiteral("application/x-autre");
    QTest::newRow("base du système, le plus fort poids")
        << QStringLiteral("systeme/mime/globs2")
        << QByteArray("# généré\n50:text/plain:*.txt\n40:application/x-faible:*.kbx\n"
                      "60:application/x-fort:*.kbx:cs\n")
        << QStringLiteral("application/x-fort");
}

// When another program already claims "*.kbx", its type is kept and only bound to this program.
void TestAssociation::typeExistantReutilise()
{
    QFETCH(QString, fichier);
    QFETCH(QByteArray, contenu);
    QFETCH(QString, type);

    QVERIFY(Ecrire(m_racine->filePath(fichier), contenu));
    Enregistrer(QStringLiteral("/opt/kinobral/kinobral"));
    QCOMPARE(m_messages, QStringList());
    QCOMPARE(Lire(m_racine->filePath(fichier)), contenu);
    QCOMPARE(Lire(m_donnees + "/mime/packages/kinobral-kbx.xml"), Paquet(type.toUtf8()));
    QCOMPARE(Lire(m_donnees + "/applications/kinobral-kbx-open.desktop"),
             Entree(R"("/opt/kinobral/kinobral" %f)", type.toUtf8()));
    QCOMPARE(Lire(m_config + "/mimeapps.list"),
             "[Default Applications]\n" + type.toUtf8() + "=kinobral-kbx-open.desktop;\n");
}

// mimeapps.list belongs to the whole desktop: only the type's default changes, this program
// first, the other applications kept after it.
void TestAssociation::autresAssociationsConservees()
{
    const QByteArray avant = "# mes réglages\n"
                             "[Added Associations]\n"
                             "application/x-kbx_file=autre.desktop;\n"
                             "\n"
                             "[Default Applications]\n"
                             "text/html=firefox.desktop;\n"
                             "application/x-kbx_file = autre.desktop;kinobral-kbx-open.desktop;\n"
                             "\n"
                             "[Removed Associations]\n"
                             "image/png=gimp.desktop;\n";
    QVERIFY(Ecrire(m_config + "/mimeapps.list", avant));
    Enregistrer(QStringLiteral("/opt/kinobral/kinobral"));
    QCOMPARE(m_messages, QStringList());
    QByteArray attendu = avant;
    attendu.replace("application/x-kbx_file = autre.desktop;kinobral-kbx-open.desktop;",
                    "application/x-kbx_file=kinobral-kbx-open.desktop;autre.desktop;");
    QCOMPARE(Lire(m_config + "/mimeapps.list"), attendu);
}

void TestAssociation::echecsEcriture_data()
{
    // Folders replaced by a plain file make every write below them fail, for root as well.
    QTest::addColumn<bool>("donneesBloquees");
    QTest::addColumn<bool>("configBloquee");
    QTest::addColumn<int>("messages");

    QTest::newRow("données") << true << false << 3;       // type, command, description
    QTest::newRow("configuration") << false << true << 1; // default application
    QTest::newRow("tout") << true << true << 4;
}

// Each failed write reports the message once; the later writes are still made and the call
// returns normally.
void TestAssociation::echecsEcriture()
{
    QFETCH(bool, donneesBloquees);
    QFETCH(bool, configBloquee);
    QFETCH(int, messages);

    if (donneesBloquees)
        QVERIFY(Ecrire(m_donnees, "bloque"));
    if (configBloquee)
        QVERIFY(Ecrire(m_config, "bloque"));
    Enregistrer(QStringLiteral("/opt/kinobral/kinobral"));
    QCOMPARE(m_messages, QStringList(messages, Message));
    if (!donneesBloquees)
        QCOMPARE(Lire(m_donnees + "/mime/packages/kinobral-kbx.xml"), Paquet("application/x-kbx_file"));
    if (!configBloquee)
        QCOMPARE(Lire(m_config + "/mimeapps.list"),
                 QByteArray("[Default Applications]\napplication/x-kbx_file=kinobral-kbx-open.desktop;\n"));
}

// The whole chain through a real desktop launcher: the MIME cache built from the package gives
// the type, mimeapps.list the application, and its Exec line starts the program with the sheet
// file's path, spaces included, as its one argument.
void TestAssociation::ouvertureParLeBureau()
{
    const QString gio = QStandardPaths::findExecutable(QStringLiteral("gio"));
    QVERIFY2(!gio.isEmpty(), "gio (libglib2.0-bin) introuvable");
    QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("update-mime-database")).isEmpty(),
             "update-mime-database (shared-mime-info) introuvable");

    // The test executable stands in for the program, under a path that needs quoting.
    const QString dossierProgramme = m_racine->filePath(QStringLiteral("Mes programmes/ciné $1"));
    QVERIFY(QDir().mkpath(dossierProgramme));
    const QString programme = dossierProgramme + QStringLiteral("/kinobral");
    QVERIFY(QFile::link(QCoreApplication::applicationFilePath(), programme));
    Enregistrer(programme);
    QCOMPARE(m_messages, QStringList());

    const QString fiche = m_racine->filePath(QStringLiteral("Mes fiches/Le Voyage d'été.kbx"));
    QVERIFY(Ecrire(fiche, "0000000003|Le Voyage d'été"));
    const QString sortie = m_racine->filePath(QStringLiteral("arguments.txt"));
    QProcess ouvrir;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(VariableLancement), sortie);
    ouvrir.setProcessEnvironment(env);
    ouvrir.setProcessChannelMode(QProcess::MergedChannels);
    ouvrir.start(gio, {QStringLiteral("open"), fiche});
    QVERIFY(ouvrir.waitForFinished());
    QVERIFY2(ouvrir.exitCode() == 0, ouvrir.readAll().constData());
    // The launcher does not wait for the program it starts.
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(sortie).size() > 0, 60000);
    QTRY_COMPARE_WITH_TIMEOUT(Lire(sortie), QFile::encodeName(fiche) + '\n', 10000);
}

int ExecuterTestsAssociation(int argc, char** argv)
{
    TestAssociation t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_association.moc"
