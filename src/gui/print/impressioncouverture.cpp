#include "impressioncouverture.h"

#include "imaging/jpeg.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QImageReader>
#include <QPagedPaintDevice>
#include <QPainter>

namespace {

const QString MessageIllisible = QStringLiteral("L'image de la jaquette de ce film n'est pas une image JPEG "
                                                "lisible : elle ne peut pas être imprimée.");

} // namespace

QSizeF TailleCouverturePage(const QSizeF& taillePixels, qreal echelle, const QSizeF& place)
{
    QSizeF taille = taillePixels * echelle;
    if (taille.width() > place.width() || taille.height() > place.height())
        taille.scale(place, Qt::KeepAspectRatio);
    return taille;
}

Resultat ImprimerCouverture(const QString& titre, const QByteArray& octets, QPagedPaintDevice& appareil)
{
    QBuffer tampon;
    tampon.setData(octets);
    tampon.open(QIODevice::ReadOnly);
    const QSize tailleImage = QImageReader(&tampon, "jpeg").size();
    if (!EstJpeg(octets) || tailleImage.isEmpty())
        return Resultat::Echec(MessageIllisible);

    appareil.setPageMargins(QMarginsF(10, 10, 10, 20), QPageLayout::Millimeter);
    const int ppp = appareil.logicalDpiX();
    const qreal echelle = ppp / 96.0;
    const QRectF zone = appareil.pageLayout().paintRectPixels(ppp);

    QFont police;
    police.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    police.setPointSize(10);
    police.setBold(true);
    const QFontMetricsF mesure(police, &appareil);
    const QRectF cadreTitre = mesure.boundingRect(QRectF(0, 10 * echelle, zone.width(), zone.height()),
                                                  Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, titre);
    const qreal haut = cadreTitre.bottom() + 10 * echelle;
    const QSizeF taille = TailleCouverturePage(tailleImage, echelle,
                                               QSizeF(zone.width(), qMax<qreal>(1, zone.height() - haut)));

    // Decoded straight at its printed size, before the page is started: a picture that does not decode
    // prints nothing, not even a blank page.
    QString erreur;
    const QImage image = DecoderJpeg(octets, taille.toSize().expandedTo(QSize(1, 1)), &erreur);
    if (image.isNull())
        return Resultat::Echec(MessageIllisible);

    QPainter peintre;
    if (!peintre.begin(&appareil))
        return Resultat::Echec(QStringLiteral("L'impression de la jaquette n'a pas pu commencer."));
    peintre.setFont(police);
    peintre.setPen(Qt::black);
    peintre.drawText(QRectF(0, 10 * echelle, zone.width(), cadreTitre.height()),
                     Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, titre);
    peintre.drawImage(QRectF(QPointF((zone.width() - taille.width()) / 2, haut), taille), image);
    peintre.end();
    return Resultat::Succes();
}
