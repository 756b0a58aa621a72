#include "outils_maintenance.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>

namespace {

Resultat AjouterFilm(Table& films, const QString& titre, const QByteArray& couverture)
{
    Resultat r = films.Append();
    if (r)
        r = films.EcrireTexte(QStringLiteral("Titre"), titre);
    if (r && !couverture.isEmpty())
        r = films.EcrireBlob(QStringLiteral("BlobPicture"), couverture);
    if (r)
        r = films.Post();
    return r;
}

} // namespace

Bac::Bac()
{
    m_tmpdir = qgetenv("TMPDIR");
    m_xdg = qgetenv("XDG_DATA_HOME");
    QDir().mkpath(racine() + QStringLiteral("tmp/kinobral/data"));
    QDir().mkpath(racine() + QStringLiteral("xdg"));
    QDir().mkpath(data());
    qputenv("TMPDIR", QFile::encodeName(racine() + QStringLiteral("tmp")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(racine() + QStringLiteral("xdg")));
    m_dm = std::make_unique<Tdm>(programme());
}

Bac::~Bac()
{
    m_dm.reset();
    qputenv("TMPDIR", m_tmpdir);
    qputenv("XDG_DATA_HOME", m_xdg);
}

void Bac::Remplir()
{
    if (!m_dm->OuvrirBase())
        return;
    QByteArray couverture(300 * 1024, Qt::Uninitialized);
    for (int i = 0; i < couverture.size(); ++i)
        couverture[i] = static_cast<char>((i * 7919) ^ (i >> 5));
    (void)AjouterFilm(m_dm->tbFilms(), QStringLiteral("Amélie"), couverture);
    (void)AjouterFilm(m_dm->tbFilms(), QStringLiteral("Brazil"), QByteArray());
    Table& acteurs = m_dm->tbActeurs();
    if (acteurs.Append() && acteurs.EcrireTexte(QStringLiteral("NomPrenom"), QStringLiteral("Tautou Audrey")))
        (void)acteurs.Post();
    m_dm->tbFilms().First();
    EcrireFichier(data() + QStringLiteral("glossaire.dat"), "Zone|Code r\xe9gional du disque.\r\n");
    QDir().mkpath(data() + QStringLiteral("sous"));
    EcrireFichier(data() + QStringLiteral("sous/extra.txt"), "dans un sous-dossier");
    EcrireFichier(data() + QStringLiteral(".cache"), "cache");
    EcrireFichier(data() + QStringLiteral(".verrou"), "verrou");
}

QMap<QString, QByteArray> Bac::Contenu() const
{
    QMap<QString, QByteArray> contenu;
    QDirIterator it(data(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString chemin = it.next();
        contenu.insert(QDir(data()).relativeFilePath(chemin), LireFichier(chemin));
    }
    return contenu;
}

QStringList Bac::Titres()
{
    QStringList titres;
    (void)ChargerValeursDistinctes(m_dm->query(), QStringLiteral("Titre"), titres);
    return titres;
}

Execution Executer(const QString& programme, const QStringList& arguments, const QString& dossier)
{
    QProcess p;
    if (!dossier.isEmpty())
        p.setWorkingDirectory(dossier);
    p.start(programme, arguments);
    Execution e;
    if (!p.waitForFinished(300000) || p.exitStatus() != QProcess::NormalExit) {
        e.erreur = "did not end normally: " + p.errorString().toUtf8();
        return e;
    }
    e.code = p.exitCode();
    e.sortie = p.readAllStandardOutput();
    e.erreur = p.readAllStandardError();
    return e;
}

Execution Python(const QString& script, const QStringList& arguments)
{
    // Debian's interpreter, not whatever shim comes first on PATH.
    return Executer(QStringLiteral("/usr/bin/python3"),
                    QStringList{QStringLiteral("-c"), script} + arguments);
}

QByteArray LireFichier(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool EcrireFichier(const QString& chemin, const QByteArray& octets)
{
    QFile f(chemin);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(octets) == octets.size();
}
