#include "jpeg.h"

#include <QBuffer>
#include <QImageReader>

namespace {

void Signaler(QString* erreur, const QString& message)
{
    if (erreur)
        *erreur = message;
}

} // namespace

bool EstJpeg(const QByteArray& octets)
{
    return octets.size() >= 3 && static_cast<unsigned char>(octets.at(0)) == 0xFF &&
           static_cast<unsigned char>(octets.at(1)) == 0xD8 &&
           static_cast<unsigned char>(octets.at(2)) == 0xFF;
}

QImage DecoderJpeg(const QByteArray& octets, QSize tailleCible, QString* erreur)
{
    if (erreur)
        erreur->clear();
    // The format is decided by the bytes, never guessed by the reader: a PNG or a BMP stored as a
    // cover is refused like any other non-JPEG.
    if (!EstJpeg(octets)) {
        Signaler(erreur, QStringLiteral("L'image de la jaquette n'est pas une image JPEG valide."));
        return {};
    }

    QBuffer tampon;
    tampon.setData(octets);
    tampon.open(QIODevice::ReadOnly);
    QImageReader lecteur(&tampon, "jpeg");
    lecteur.setAutoTransform(false);
    lecteur.setDecideFormatFromContent(false);

    const QSize naturelle = lecteur.size();
    if (!naturelle.isValid()) {
        Signaler(erreur, QStringLiteral("L'image de la jaquette est endommagée et ne peut pas être lue."));
        return {};
    }
    // The plugin picks the largest DCT reduction (1/2, 1/4, 1/8) that still covers the asked size,
    // then stretches the rest of the way smoothly.
    if (tailleCible.isValid() && !tailleCible.isEmpty())
        lecteur.setScaledSize(tailleCible);

    QImage image = lecteur.read();
    if (image.isNull()) {
        Signaler(erreur, QStringLiteral("L'image de la jaquette est endommagée et ne peut pas être lue."));
        return {};
    }
    if (tailleCible.isValid() && !tailleCible.isEmpty() && image.size() != tailleCible)
        image = image.scaled(tailleCible, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image;
}
