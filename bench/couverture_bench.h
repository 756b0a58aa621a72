#pragma once

// The 24-megapixel cover the picture benchmarks work on, and the raw decoders they are measured
// against.

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QRandomGenerator>
#include <QSize>
#include <algorithm>
#include <cstdio>
#include <turbojpeg.h>

inline const QSize TailleCouverture(6000, 4000);

// A photograph-like picture: gradients and shapes under a grain that JPEG cannot smooth away, so the
// file stays as large as a real photograph's. Made once and kept in the temporary folder.
inline QByteArray CouvertureGeante()
{
    const QString chemin = QDir::temp().filePath(QStringLiteral("kinobral-bench-couverture-24mp.jpg"));
    QFile fichier(chemin);
    if (fichier.open(QIODevice::ReadOnly))
        return fichier.readAll();
    std::fprintf(stderr, "Generating %s...\n", qPrintable(chemin));
    QImage image(TailleCouverture, QImage::Format_RGB32);
    QRandomGenerator hasard(2005);
    for (int y = 0; y < image.height(); ++y) {
        auto* ligne = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grain = static_cast<int>(hasard.bounded(40u)) - 20;
            ligne[x] = qRgb(std::clamp(x * 255 / image.width() + grain, 0, 255),
                            std::clamp(y * 255 / image.height() + grain, 0, 255),
                            std::clamp(128 + ((x / 300 + y / 300) % 2) * 60 + grain, 0, 255));
        }
    }
    {
        QPainter peintre(&image);
        peintre.setRenderHint(QPainter::Antialiasing);
        for (int i = 0; i < 40; ++i) {
            peintre.setBrush(QColor::fromHsv(static_cast<int>(hasard.bounded(360u)), 180, 200, 120));
            peintre.drawEllipse(QPointF(hasard.bounded(6000.0), hasard.bounded(4000.0)),
                                80 + hasard.bounded(600.0), 80 + hasard.bounded(600.0));
        }
    }
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    image.save(&tampon, "JPG", 90);
    if (fichier.open(QIODevice::WriteOnly))
        fichier.write(octets);
    return octets;
}

// The raw floor: libjpeg-turbo at the smallest DCT reduction that still covers `cible`, then the
// smooth stretch to it. An invalid `cible` decodes at full size.
inline QImage DecodageTurbo(tjhandle tj, const QByteArray& octets, QSize cible)
{
    const auto* donnees = reinterpret_cast<const unsigned char*>(octets.constData());
    const auto taille = static_cast<unsigned long>(octets.size());
    int largeur = 0, hauteur = 0, sousEchantillonnage = 0, espace = 0;
    if (tjDecompressHeader3(tj, donnees, taille, &largeur, &hauteur, &sousEchantillonnage, &espace) != 0)
        return {};
    int w = largeur, h = hauteur;
    if (cible.isValid()) {
        int nombre = 0;
        const tjscalingfactor* facteurs = tjGetScalingFactors(&nombre);
        for (int i = 0; i < nombre; ++i) {
            const int sw = TJSCALED(largeur, facteurs[i]), sh = TJSCALED(hauteur, facteurs[i]);
            if (sw >= cible.width() && sh >= cible.height() && sw * sh < w * h)
                w = sw, h = sh;
        }
    }
    QImage image(w, h, QImage::Format_RGB32);
    if (tjDecompress2(tj, donnees, taille, image.bits(), w, static_cast<int>(image.bytesPerLine()), h,
                      TJPF_BGRX, 0) != 0)
        return {};
    if (cible.isValid() && image.size() != cible)
        image = image.scaled(cible, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image;
}

// Qt's own JPEG reader, scaled while decoding when `cible` is valid.
inline QImage DecodageQt(const QByteArray& octets, QSize cible)
{
    QBuffer tampon;
    tampon.setData(octets);
    tampon.open(QIODevice::ReadOnly);
    QImageReader lecteur(&tampon, "jpeg");
    if (cible.isValid())
        lecteur.setScaledSize(cible);
    return lecteur.read();
}
