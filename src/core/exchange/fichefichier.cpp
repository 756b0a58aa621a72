#include "fichefichier.h"

#include "catalogue/schema.h"
#include "catalogue/table.h"
#include "exchange/lignes.h"
#include "exchange/messagesysteme.h"
#include "imaging/jpeg.h"
#include "system/cp1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QtEndian>
#include <cerrno>

namespace {

const QByteArray MarqueUtf8 = QByteArrayLiteral("\xEF\xBB\xBF");
const QByteArray NomTypeImage = QByteArrayLiteral("TJPEGImage");
const QString ChampImage = QStringLiteral("BlobPicture");

// libjpeg's "Not a JPEG file" error, the one the decoder gives for a cover of any other kind.
constexpr int ErreurJpegPasDeSoi = 53;

QString Natif(const QString& chemin)
{
    return QDir::toNativeSeparators(chemin);
}

QByteArray OctetsTexte(const QString& texte)
{
    QByteArray octets;
    // A code page text that itself begins with the mark's three characters must not read back as UTF-8.
    if (EncoderCp1252(texte, octets) && !octets.startsWith(MarqueUtf8)) {
        return octets;
    }
    return MarqueUtf8 + texte.toUtf8();
}

QString TexteDepuisOctets(const QByteArray& octets)
{
    if (octets.startsWith(MarqueUtf8)) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString texte = utf8.decode(QByteArrayView(octets).sliced(MarqueUtf8.size()));
        // Not UTF-8 after all: a code page text that happens to start with these three characters.
        if (!utf8.hasError()) {
            return texte;
        }
    }
    return DecoderCp1252(octets);
}

QByteArray Entier32(qint32 valeur)
{
    QByteArray octets(4, Qt::Uninitialized);
    qToLittleEndian(valeur, octets.data());
    return octets;
}

Resultat Endommagee(const QString& chemin, const QString& raison)
{
    return Resultat::Echec(QStringLiteral("La fiche « %1 » est endommagée : %2").arg(Natif(chemin), raison));
}

Resultat ErreurCreation(const QString& chemin, const QString& raison)
{
    return Resultat::Echec(
        QStringLiteral("Impossible de créer le fichier \"%1\". %2").arg(Natif(chemin), raison));
}

Resultat ErreurOuverture(const QString& chemin, const QString& raison)
{
    return Resultat::Echec(
        QStringLiteral("Impossible d'ouvrir le fichier \"%1\". %2").arg(Natif(chemin), raison));
}

Resultat Decouper(const QString& chemin, const QByteArray& octets, ContenuFiche& contenu)
{
    const qint64 taille = octets.size();
    if (taille < 4) {
        return Endommagee(chemin, QStringLiteral("le fichier fait moins de 4 octets."));
    }
    const qint32 longueur = qFromLittleEndian<qint32>(octets.constData());
    if (longueur < 0) {
        return Endommagee(chemin, QStringLiteral("la longueur du texte est négative (%1).").arg(longueur));
    }
    if (longueur > taille - 4) {
        return Endommagee(chemin, QStringLiteral("le texte annonce %1 octets, le fichier n'en a que %2 après "
                                                 "sa longueur.")
                                      .arg(longueur)
                                      .arg(taille - 4));
    }
    contenu.texte = TexteDepuisOctets(octets.mid(4, longueur));

    const qint64 debutImage = 4 + qint64(longueur);
    const qint64 reste = taille - debutImage;
    if (reste == 0) {
        return Resultat::Succes();
    }
    if (reste < 4) {
        return Endommagee(chemin, QStringLiteral("la partie image est tronquée."));
    }
    // The type name is not checked: only what follows it has to be a JPEG picture.
    const qint32 longueurType = qFromLittleEndian<qint32>(octets.constData() + debutImage);
    if (longueurType < 0) {
        return Endommagee(
            chemin, QStringLiteral("la longueur du type de l'image est négative (%1).").arg(longueurType));
    }
    if (longueurType > reste - 4) {
        return Endommagee(chemin, QStringLiteral("le type de l'image dépasse la fin du fichier."));
    }
    contenu.image = octets.mid(debutImage + 4 + longueurType);
    if (!EstJpeg(contenu.image)) {
        return Endommagee(chemin, QStringLiteral("son image n'est pas une image JPEG."));
    }
    return Resultat::Succes();
}

} // namespace

const QStringList& ChampsFiche()
{
    static const QStringList champs = {
        "Titre",         "Genre",        "Realisateur", "Scenario",   "Musique", "Duree",
        "Site",          "Editeur",      "Sortie",      "Public",     "Prix",    "Acteur",
        "Resume",        "FormatCinema", "FormatVideo", "Support",    "ZoneDvd", "Standard",
        "DateSortieDvd", "Son",          "Audio",       "SousTitres", "Etoiles", "Langue",
    };
    return champs;
}

Resultat LireFicheFilm(const Table& films, ContenuFiche& contenu)
{
    contenu = ContenuFiche();
    QStringList valeurs;
    valeurs.reserve(NombreValeursFiche);
    for (const QString& champ : ChampsFiche()) {
        const DescriptionChamp* description = SchemaFilms().Champ(champ);
        const QString texte = films.Texte(champ);
        valeurs << (description && description->type == TypeChamp::Memo ? LignesCrLf(texte) : texte);
    }
    QByteArray image;
    if (!films.EstNul(ChampImage)) {
        image = films.Blob(ChampImage);
        if (!EstJpeg(image)) {
            return Resultat::Echec(QStringLiteral("Erreur JPEG #%1").arg(ErreurJpegPasDeSoi));
        }
    }
    contenu.texte = valeurs.join(QChar(SeparateurFiche));
    contenu.image = image;
    return Resultat::Succes();
}

Resultat EcrireFichierFiche(const QString& chemin, const ContenuFiche& contenu)
{
    const QFileInfo info(chemin);
    if (info.isDir()) {
        return ErreurCreation(chemin, MessageSysteme(EISDIR));
    }
    if (info.exists() && !info.isWritable()) {
        return ErreurCreation(chemin, MessageSysteme(EACCES));
    }
    const QByteArray texte = OctetsTexte(contenu.texte);
    QByteArray octets = Entier32(static_cast<qint32>(texte.size())) + texte;
    if (!contenu.image.isEmpty()) {
        octets += Entier32(static_cast<qint32>(NomTypeImage.size())) + NomTypeImage + contenu.image;
    }

    // Written beside and renamed over the target when whole: a failure never leaves half a sheet.
    QSaveFile fichier(chemin);
    errno = 0;
    if (!fichier.open(QIODevice::WriteOnly)) {
        return ErreurCreation(chemin, MessageSysteme(errno, fichier.errorString()));
    }
    errno = 0;
    if (fichier.write(octets) != octets.size() || !fichier.commit()) {
        const int erreur = errno;
        fichier.cancelWriting();
        return ErreurCreation(chemin, MessageSysteme(erreur, fichier.errorString()));
    }
    return Resultat::Succes();
}

Resultat LireFichierFiche(const QString& chemin, ContenuFiche& contenu)
{
    contenu = ContenuFiche();
    QFile fichier(chemin);
    if (QFileInfo(chemin).isDir()) {
        return ErreurOuverture(chemin, MessageSysteme(EISDIR));
    }
    errno = 0;
    if (!fichier.open(QIODevice::ReadOnly)) {
        return ErreurOuverture(chemin, MessageSysteme(errno, fichier.errorString()));
    }
    errno = 0;
    const QByteArray octets = fichier.readAll();
    if (fichier.error() != QFileDevice::NoError) {
        return ErreurOuverture(chemin, MessageSysteme(errno, fichier.errorString()));
    }
    ContenuFiche lu;
    const Resultat r = Decouper(chemin, octets, lu);
    if (r) {
        contenu = lu;
    }
    return r;
}

QString ExtraireChamp(const QString& texte, QChar separateur, int index)
{
    if (index < 1) {
        return QString();
    }
    qsizetype debut = 0;
    for (int i = 1; i < index; ++i) {
        const qsizetype p = texte.indexOf(separateur, debut);
        if (p < 0) {
            return QString();
        }
        debut = p + 1;
    }
    const qsizetype fin = texte.indexOf(separateur, debut);
    return texte.mid(debut, fin < 0 ? -1 : fin - debut);
}
