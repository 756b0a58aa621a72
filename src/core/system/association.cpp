#include "association.h"

#include "fichierscles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

const QString MessageErreur = QStringLiteral("erreur d'écriture dans la base de registre");
const QString GroupeEntree = QStringLiteral("Desktop Entry");
const QString GroupeDefaut = QStringLiteral("Default Applications");

// An XDG base folder from its variable, or its default below the home folder. Relative values
// are invalid and ignored, as the base-directory rules say.
QString DossierXdg(const char* variable, const QString& defaut)
{
    const QString v = qEnvironmentVariable(variable);
    const QString d = QDir::isAbsolutePath(v) ? v : QDir::homePath() + u'/' + defaut;
    return QDir::cleanPath(d) + u'/';
}

QString DonneesUtilisateur()
{
    return DossierXdg("XDG_DATA_HOME", QStringLiteral(".local/share"));
}

QString ConfigUtilisateur()
{
    return DossierXdg("XDG_CONFIG_HOME", QStringLiteral(".config"));
}

QStringList DonneesSysteme()
{
    QStringList dossiers;
    const QString v = qEnvironmentVariable("XDG_DATA_DIRS");
    const QStringList liste =
        v.isEmpty() ? QStringList{QStringLiteral("/usr/local/share"), QStringLiteral("/usr/share")}
                    : v.split(u':', Qt::SkipEmptyParts);
    for (const QString& d : liste) {
        if (QDir::isAbsolutePath(d))
            dossiers.append(QDir::cleanPath(d) + u'/');
    }
    return dossiers;
}

// Reads a file that may be missing. False only when it exists and cannot be read.
bool LireFichier(const QString& chemin, QByteArray& contenu)
{
    contenu.clear();
    QFile f(chemin);
    if (!f.exists())
        return true;
    if (!f.open(QIODevice::ReadOnly))
        return false;
    contenu = f.readAll();
    return f.error() == QFileDevice::NoError;
}

// Runs a cache tool when it is installed. It is given a few seconds: the association works
// without the cache refresh, only later, so a slow or stuck tool is ended rather than waited for.
void LancerOutil(const QString& outil, const QStringList& arguments)
{
    const QString programme = QStandardPaths::findExecutable(outil);
    if (programme.isEmpty())
        return;
    QProcess processus;
    processus.setProcessChannelMode(QProcess::MergedChannels);
    processus.setStandardOutputFile(QProcess::nullDevice());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // The user's own cache can be rebuilt any time: no need to sync every file to disk.
    env.insert(QStringLiteral("PKGSYSTEM_ENABLE_FSYNC"), QStringLiteral("0"));
    processus.setProcessEnvironment(env);
    processus.start(programme, arguments);
    if (!processus.waitForStarted(2000))
        return;
    if (!processus.waitForFinished(5000)) {
        processus.kill();
        processus.waitForFinished(1000);
    }
}

} // namespace

Ecriture EcrireCleRegistre(const QString& fichier,
                           const std::function<QByteArray(const QByteArray&)>& modifier,
                           const SignalerErreur& signalerErreur)
{
    auto echec = [&] {
        if (signalerErreur)
            signalerErreur(MessageErreur);
        return Ecriture::Echouee;
    };
    QByteArray ancien;
    if (!LireFichier(fichier, ancien))
        return echec();
    const QByteArray nouveau = modifier(ancien);
    if (nouveau == ancien && QFileInfo::exists(fichier))
        return Ecriture::Inchangee;
    if (!QDir().mkpath(QFileInfo(fichier).absolutePath()))
        return echec();
    QSaveFile f(fichier);
    if (!f.open(QIODevice::WriteOnly) || f.write(nouveau) != nouveau.size() || !f.commit())
        return echec();
    return Ecriture::Faite;
}

QString LireTypeFichier(const QString& extension, bool* lectureEchouee)
{
    const QString motif = QStringLiteral("*.") + extension;
    bool echec = false;
    auto fin = [&](const QString& type) {
        if (lectureEchouee)
            *lectureEchouee = echec;
        return type;
    };
    // The user's packages first: they override the system, and the compiled cache of the user's
    // folder may be missing or stale when update-mime-database is not installed.
    const QDir paquets(DonneesUtilisateur() + QStringLiteral("mime/packages"));
    const QStringList fichiers = paquets.entryList({QStringLiteral("*.xml")}, QDir::Files, QDir::Name);
    for (const QString& nom : fichiers) {
        QByteArray xml;
        if (!LireFichier(paquets.filePath(nom), xml)) {
            echec = true;
            continue;
        }
        const QStringList types = TypesMimePourMotif(xml, motif);
        if (!types.isEmpty())
            return fin(types.constFirst());
    }
    for (const QString& dossier : DonneesSysteme()) {
        QByteArray globs;
        if (!LireFichier(dossier + QStringLiteral("mime/globs2"), globs)) {
            echec = true;
            continue;
        }
        const QStringList types = TypesMimeGlobs2(globs, motif);
        if (!types.isEmpty())
            return fin(types.constFirst());
    }
    return fin(QString());
}

QString IdEntreeBureau(const QString& extension, const QString& verbe)
{
    return QStringLiteral("kinobral-%1-%2.desktop").arg(extension, verbe).toLower();
}

void EnregistrerTypeFichier(const QString& extension, const QString& cheminProgramme,
                            const QString& description, const QString& icone, const QString& verbe,
                            bool parDefaut, const SignalerErreur& signalerErreur)
{
    bool lectureEchouee = false;
    QString type = LireTypeFichier(extension, &lectureEchouee);
    if (lectureEchouee && signalerErreur)
        signalerErreur(MessageErreur);
    if (type.isEmpty())
        type = QStringLiteral("application/x-") + extension + QStringLiteral("_file");
    const QString verbeEffectif = verbe.isEmpty() ? QStringLiteral("Open") : verbe;
    const QString motif = QStringLiteral("*.") + extension;

    const QString donnees = DonneesUtilisateur();
    const QString paquet =
        donnees + QStringLiteral("mime/packages/kinobral-") + extension + QStringLiteral(".xml");
    const QString idEntree = IdEntreeBureau(extension, verbeEffectif);
    const QString entree = donnees + QStringLiteral("applications/") + idEntree;
    bool mimeModifie = false;
    bool entreeModifiee = false;

    // The file type name of the extension.
    mimeModifie |= EcrireCleRegistre(
                       paquet,
                       [&](const QByteArray& ancien) {
                           PaquetMime p = LirePaquetMime(ancien);
                           if (p.type != type)
                               p.icone.clear(); // an icon set for another type is not this type's
                           p.type = type;
                           p.motif = motif;
                           return EcrirePaquetMime(p);
                       },
                       signalerErreur) == Ecriture::Faite;

    // The verb's command: the program with the file as first argument.
    const ValeursCles commande = {
        {QStringLiteral("Type"), QStringLiteral("Application")},
        {QStringLiteral("Name"), QStringLiteral("Kinobral 2005")},
        {QStringLiteral("Exec"), GuillemeterArgumentExec(cheminProgramme) + QStringLiteral(" %f")},
        {QStringLiteral("MimeType"), type + u';'},
        // The association only: the program adds no entry to the applications menu.
        {QStringLiteral("NoDisplay"), QStringLiteral("true")},
    };
    entreeModifiee |=
        EcrireCleRegistre(
            entree, [&](const QByteArray& ancien) { return FixerCles(ancien, GroupeEntree, commande); },
            signalerErreur) == Ecriture::Faite;

    // The default verb: this program first among the type's default applications.
    if (parDefaut) {
        EcrireCleRegistre(
            ConfigUtilisateur() + QStringLiteral("mimeapps.list"),
            [&](const QByteArray& ancien) {
                QStringList ids = LireCle(ancien, GroupeDefaut, type).split(u';', Qt::SkipEmptyParts);
                ids.removeAll(idEntree);
                ids.prepend(idEntree);
                return FixerCles(ancien, GroupeDefaut, {{type, ids.join(u';') + u';'}});
            },
            signalerErreur);
    }

    // The verb's description.
    if (!description.isEmpty()) {
        entreeModifiee |=
            EcrireCleRegistre(
                entree,
                [&](const QByteArray& ancien) {
                    return FixerCles(ancien, GroupeEntree, {{QStringLiteral("Comment"), description}});
                },
                signalerErreur) == Ecriture::Faite;
    }

    // The type's icon.
    if (!icone.isEmpty()) {
        mimeModifie |= EcrireCleRegistre(
                           paquet,
                           [&](const QByteArray& ancien) {
                               PaquetMime p = LirePaquetMime(ancien);
                               if (p.type.isEmpty()) {
                                   p.type = type;
                                   p.motif = motif;
                               }
                               p.icone = icone;
                               return EcrirePaquetMime(p);
                           },
                           signalerErreur) == Ecriture::Faite;
    }

    if (mimeModifie)
        LancerOutil(QStringLiteral("update-mime-database"), {donnees + QStringLiteral("mime")});
    if (entreeModifiee)
        LancerOutil(QStringLiteral("update-desktop-database"), {donnees + QStringLiteral("applications")});
}
