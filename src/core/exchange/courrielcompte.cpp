#include "courrielcompte.h"

#include "catalogue/collation.h"
#include "system/cp1252.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSettings>
#include <algorithm>

namespace {

// The profile folder Thunderbird starts with: the install's default, else the profile marked default,
// else the only one.
QString ProfilParDefaut(const QString& dossier)
{
    const QString ini = QDir(dossier).filePath(QStringLiteral("profiles.ini"));
    if (!QFile::exists(ini))
        return {};
    QSettings profils(ini, QSettings::IniFormat);
    const QStringList groupes = profils.childGroups();
    for (const QString& groupe : groupes) {
        if (groupe.startsWith(QLatin1String("Install"))) {
            const QString chemin = profils.value(groupe + QStringLiteral("/Default")).toString();
            if (!chemin.isEmpty())
                return QDir::isAbsolutePath(chemin) ? chemin : QDir(dossier).filePath(chemin);
        }
    }
    QString seul;
    int nombre = 0;
    for (const QString& groupe : groupes) {
        if (!groupe.startsWith(QLatin1String("Profile")))
            continue;
        const QString chemin = profils.value(groupe + QStringLiteral("/Path")).toString();
        const bool relatif = profils.value(groupe + QStringLiteral("/IsRelative"), 1).toInt() != 0;
        const QString complet = relatif ? QDir(dossier).filePath(chemin) : chemin;
        if (profils.value(groupe + QStringLiteral("/Default")).toInt() == 1)
            return complet;
        seul = complet;
        ++nombre;
    }
    return nombre == 1 ? seul : QString();
}

// user_pref("name", value); lines of prefs.js; string values unquoted.
QHash<QString, QString> LirePreferences(const QString& fichier)
{
    QHash<QString, QString> prefs;
    QFile f(fichier);
    if (!f.open(QIODevice::ReadOnly))
        return prefs;
    static const QRegularExpression ligne(
        QStringLiteral("^\\s*user_pref\\(\\s*\"((?:[^\"\\\\]|\\\\.)*)\"\\s*,\\s*(\"((?:[^\"\\\\]|\\\\.)*)\"|["
                       "^)]*?)\\s*\\)\\s*;"),
        QRegularExpression::MultilineOption);
    const QString texte = QString::fromUtf8(f.readAll());
    auto it = ligne.globalMatch(texte);
    while (it.hasNext()) {
        const auto m = it.next();
        QString valeur = m.capturedStart(3) >= 0 ? m.captured(3) : m.captured(2).trimmed();
        valeur.replace(QStringLiteral("\\\""), QStringLiteral("\""))
            .replace(QStringLiteral("\\\\"), QStringLiteral("\\"));
        prefs.insert(m.captured(1), valeur);
    }
    return prefs;
}

// The list's order: French dictionary order, accents and case after the letters.
bool AvantAlphabetique(const QString& a, const QString& b)
{
    return Collation::ComparerFrancais(a, b) < 0;
}

} // namespace

CompteMessagerie LireCompteMessagerie(const QString& dossierThunderbird)
{
    CompteMessagerie compte;
    const QString dossier = dossierThunderbird.isEmpty()
                                ? QDir::home().filePath(QStringLiteral(".thunderbird"))
                                : dossierThunderbird;
    const QString profil = ProfilParDefaut(dossier);
    if (profil.isEmpty())
        return compte;
    const QHash<QString, QString> prefs = LirePreferences(QDir(profil).filePath(QStringLiteral("prefs.js")));
    const QString compteDefaut = prefs.value(QStringLiteral("mail.accountmanager.defaultaccount"));
    if (compteDefaut.isEmpty())
        return compte;
    const QString identite = prefs.value(QStringLiteral("mail.account.%1.identities").arg(compteDefaut))
                                 .section(u',', 0, 0)
                                 .trimmed();
    if (identite.isEmpty())
        return compte;
    QString smtp = prefs.value(QStringLiteral("mail.identity.%1.smtpServer").arg(identite));
    if (smtp.isEmpty())
        smtp = prefs.value(QStringLiteral("mail.smtp.defaultserver"));
    if (smtp.isEmpty())
        smtp = prefs.value(QStringLiteral("mail.smtpservers")).section(u',', 0, 0).trimmed();
    const QString serveur = prefs.value(QStringLiteral("mail.smtpserver.%1.hostname").arg(smtp));
    if (serveur.isEmpty())
        return compte;
    compte.serveur = serveur;
    compte.adresse = prefs.value(QStringLiteral("mail.identity.%1.useremail").arg(identite));
    compte.nomCompte = prefs.value(QStringLiteral("mail.smtpserver.%1.username").arg(smtp));
    return compte;
}

QStringList LireHistoriqueAdresses(const QString& cheminConfig)
{
    QFile f(cheminConfig);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList adresses;
    for (const QByteArray& ligne : f.readAll().split('\n')) {
        // Lines are in the code page; one written as UTF-8 (outside the code page) reads back as such.
        const QByteArray octets = QByteArray(ligne).replace('\r', QByteArray());
        const QString utf8 = QString::fromUtf8(octets);
        const bool estUtf8 = !utf8.contains(QChar::ReplacementCharacter) && utf8.toUtf8() == octets &&
                             utf8.size() != octets.size();
        const QString adresse = estUtf8 ? utf8 : DecoderCp1252(octets);
        if (!adresse.isEmpty())
            adresses << adresse;
    }
    std::stable_sort(adresses.begin(), adresses.end(), AvantAlphabetique);
    return adresses;
}

Resultat MemoriserAdresse(const QString& cheminConfig, QStringList& historique, const QString& adresse,
                          bool* ajoutee)
{
    if (ajoutee)
        *ajoutee = false;
    if (adresse.isEmpty() || historique.contains(adresse, Qt::CaseInsensitive))
        return Resultat::Succes();
    QStringList nouvelle = historique;
    nouvelle.insert(std::lower_bound(nouvelle.begin(), nouvelle.end(), adresse, AvantAlphabetique), adresse);
    QByteArray octets;
    for (const QString& a : nouvelle) {
        QByteArray ligne;
        if (!EncoderCp1252(a, ligne))
            ligne = a.toUtf8(); // an address outside the code page is kept rather than lost
        octets += ligne + "\r\n";
    }
    QSaveFile f(cheminConfig);
    if (!f.open(QIODevice::WriteOnly) || f.write(octets) != octets.size() || !f.commit())
        return Resultat::Echec(QStringLiteral("Impossible d'enregistrer l'adresse dans « %1 » : %2")
                                   .arg(QDir::toNativeSeparators(cheminConfig), f.errorString()));
    historique = nouvelle;
    if (ajoutee)
        *ajoutee = true;
    return Resultat::Succes();
}
