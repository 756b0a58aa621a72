#include "outils_fiche.h"

#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QPainter>

namespace {

const QString ImagesConstruites = QStringLiteral(KINOBRAL_DOSSIER_PROGRAMME "images");

} // namespace

QString AvecSeparateur(const QString& dossier)
{
    return dossier.endsWith(QLatin1Char('/')) ? dossier : dossier + QLatin1Char('/');
}

bool PreparerDossierProgramme(const QString& dossier, const QStringList& sansFichiers)
{
    const QString images = QDir(dossier).filePath(QStringLiteral("images"));
    if (sansFichiers.isEmpty())
        return QFile::link(ImagesConstruites, images);
    QDirIterator parcours(ImagesConstruites, QDir::Files, QDirIterator::Subdirectories);
    while (parcours.hasNext()) {
        const QString source = parcours.next();
        const QString relatif = QDir(ImagesConstruites).relativeFilePath(source);
        if (sansFichiers.contains(relatif))
            continue;
        const QString cible = QDir(images).filePath(relatif);
        if (!QDir().mkpath(QFileInfo(cible).path()) || !QFile::copy(source, cible))
            return false;
    }
    return true;
}

bool AjouterFilm(Table& films, const Champs& champs, const QByteArray& couverture)
{
    if (!films.Append())
        return false;
    for (const auto& [champ, texte] : champs) {
        if (!films.EcrireTexte(champ, texte)) {
            films.Cancel();
            return false;
        }
    }
    if (!couverture.isEmpty() && !films.EcrireBlob(QStringLiteral("BlobPicture"), couverture)) {
        films.Cancel();
        return false;
    }
    return films.Post().estSucces();
}

bool AjouterActeur(Table& acteurs, const QString& nomPrenom)
{
    if (!acteurs.Append())
        return false;
    if (!acteurs.EcrireTexte(QStringLiteral("NomPrenom"), nomPrenom)) {
        acteurs.Cancel();
        return false;
    }
    return acteurs.Post().estSucces();
}

QByteArray Jpeg(QSize taille, QRgb couleur)
{
    QImage image(taille, QImage::Format_RGB32);
    image.fill(couleur);
    QPainter(&image).fillRect(0, 0, std::max(1, taille.width() / 4), std::max(1, taille.height() / 4),
                              Qt::black);
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    image.save(&tampon, "JPG", 95);
    return octets;
}

QImage ImageArtwork(const QString& relatif)
{
    return QImage(QDir(ImagesConstruites).filePath(relatif));
}

bool MemeImage(const QImage& a, const QImage& b)
{
    if (a.isNull() || b.isNull())
        return a.isNull() && b.isNull();
    return a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
}
