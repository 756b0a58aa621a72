#include "formacteurs_photo.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>

namespace {

QString RaisonEchec(QImageReader::ImageReaderError erreur)
{
    switch (erreur) {
    case QImageReader::FileNotFoundError:
        return QStringLiteral("le fichier est introuvable.");
    case QImageReader::DeviceError:
        return QStringLiteral("le fichier ne peut pas être lu.");
    case QImageReader::UnsupportedFormatError:
        return QStringLiteral("ce fichier n'est pas une image reconnue.");
    case QImageReader::InvalidDataError:
        return QStringLiteral("l'image est endommagée ou trop grande.");
    case QImageReader::UnknownError:
        break;
    }
    return QStringLiteral("l'image ne peut pas être décodée.");
}

} // namespace

Resultat ChargerPhoto(const QString& chemin, QByteArray& png)
{
    png.clear();
    const auto echec = [&](const QString& raison) {
        return Resultat::Echec(QStringLiteral("Impossible de charger la photo « %1 » : %2")
                                   .arg(QFileInfo(chemin).fileName(), raison));
    };
    QImageReader lecteur(chemin);
    lecteur.setAutoTransform(true);
    // Decoding straight to the kept size lets the JPEG reader scale while it decodes, instead of
    // building the full picture first. The reader ignores proportions, so the size is computed here.
    const QSize taille = lecteur.size();
    if (taille.isValid() && qMax(taille.width(), taille.height()) > CotePhotoMaximal)
        lecteur.setScaledSize(taille.scaled(CotePhotoMaximal, CotePhotoMaximal, Qt::KeepAspectRatio));
    QImage image = lecteur.read();
    if (image.isNull())
        return echec(RaisonEchec(lecteur.error()));
    // Formats the reader cannot scale arrive at full size.
    if (qMax(image.width(), image.height()) > CotePhotoMaximal)
        image =
            image.scaled(CotePhotoMaximal, CotePhotoMaximal, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);

    QBuffer tampon(&png);
    tampon.open(QIODevice::WriteOnly);
    QImageWriter ecrivain(&tampon, "png");
    if (!ecrivain.write(image)) {
        png.clear();
        return echec(QStringLiteral("la photo ne peut pas être convertie (%1).").arg(ecrivain.errorString()));
    }
    return Resultat::Succes();
}

QImage DecoderPhoto(const QByteArray& octets)
{
    if (octets.isEmpty())
        return QImage();
    return QImage::fromData(octets);
}
