#include "glossaire.h"

#include "exchange/fichefichier.h"
#include "exchange/messagesysteme.h"
#include "system/cp1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <cerrno>

namespace {

const QChar Separateur = u'|';
const QChar Paragraphe = u'\u00B0'; // "°", byte 0xB0 in code page 1252

} // namespace

QString Glossaire::Chemin(const QString& dossierProgramme)
{
    return dossierProgramme + QStringLiteral("data/glossaire.dat");
}

Resultat Glossaire::Charger(const QString& chemin)
{
    m_lignes.clear();
    // The reason is the system's, in French.
    if (QFileInfo(chemin).isDir()) {
        return Resultat::Echec(QStringLiteral("Impossible d'ouvrir le fichier « %1 » : %2")
                                   .arg(QDir::toNativeSeparators(chemin), MessageSysteme(EISDIR)));
    }
    QFile fichier(chemin);
    errno = 0;
    if (!fichier.open(QIODevice::ReadOnly)) {
        return Resultat::Echec(
            QStringLiteral("Impossible d'ouvrir le fichier « %1 » : %2")
                .arg(QDir::toNativeSeparators(chemin), MessageSysteme(errno, fichier.errorString())));
    }
    errno = 0;
    const QByteArray octets = fichier.readAll();
    if (fichier.error() != QFileDevice::NoError) {
        return Resultat::Echec(
            QStringLiteral("Impossible de lire le fichier « %1 » : %2")
                .arg(QDir::toNativeSeparators(chemin), MessageSysteme(errno, fichier.errorString())));
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString texte = utf8.decode(octets);
    if (utf8.hasError())
        texte = DecoderCp1252(octets);
    else if (texte.startsWith(QChar::ByteOrderMark))
        texte.remove(0, 1);
    ChargerTexte(texte);
    return Resultat::Succes();
}

void Glossaire::ChargerTexte(const QString& texte)
{
    m_lignes.clear();
    qsizetype debut = 0;
    const qsizetype n = texte.size();
    while (debut < n) {
        qsizetype fin = debut;
        while (fin < n && texte.at(fin) != u'\r' && texte.at(fin) != u'\n')
            ++fin;
        m_lignes << texte.mid(debut, fin - debut);
        if (fin < n && texte.at(fin) == u'\r' && fin + 1 < n && texte.at(fin + 1) == u'\n')
            ++fin;
        debut = fin + 1;
    }
}

QStringList Glossaire::Termes() const
{
    QStringList termes;
    termes.reserve(m_lignes.size());
    for (const QString& ligne : m_lignes)
        termes << Terme(ligne);
    return termes;
}

bool Glossaire::Chercher(const QString& terme, QString& definition) const
{
    for (const QString& ligne : m_lignes) {
        if (Terme(ligne) == terme) {
            definition = MettreEnForme(DefinitionBrute(ligne));
            return true;
        }
    }
    definition.clear();
    return false;
}

QString Glossaire::Terme(const QString& ligne)
{
    return ExtraireChamp(ligne, Separateur, 1);
}

QString Glossaire::DefinitionBrute(const QString& ligne)
{
    return ExtraireChamp(ligne, Separateur, 2);
}

QString Glossaire::MettreEnForme(const QString& definitionBrute)
{
    QString texte = definitionBrute;
    texte.replace(Paragraphe, QStringLiteral("\n\n"));
    return texte;
}
