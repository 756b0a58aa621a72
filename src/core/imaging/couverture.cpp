#include "couverture.h"

#include "jpeg.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QMutex>
#include <QMutexLocker>
#include <QPainter>
#include <QStringList>
#include <cstring>

namespace {

// The mask as an overlay: its transparent colour turned into alpha 0, every other pixel opaque,
// so that drawing it is exact (no blended pixels) and cheap.
QImage PreparerMasque(const QImage& masque)
{
    if (masque.isNull())
        return {};
    // Read as a 24-bit bitmap: an alpha channel in the file plays no part.
    QImage calque = masque.convertToFormat(QImage::Format_RGB32).convertToFormat(QImage::Format_ARGB32);
    const QRgb transparente = calque.pixel(0, calque.height() - 1) | 0xFF000000u;
    for (int y = 0; y < calque.height(); ++y) {
        auto* ligne = reinterpret_cast<QRgb*>(calque.scanLine(y));
        for (int x = 0; x < calque.width(); ++x)
            ligne[x] = (ligne[x] | 0xFF000000u) == transparente ? 0u : (ligne[x] | 0xFF000000u);
    }
    // Fully opaque or fully clear pixels: premultiplying changes nothing but the format.
    calque.reinterpretAsFormat(QImage::Format_ARGB32_Premultiplied);
    return calque;
}

QImage Composer(const QImage& couverture, const QImage& calque)
{
    QImage resultat(LargeurCouverture, HauteurCouverture, QImage::Format_RGB32);
    if (couverture.isNull()) {
        resultat.fill(CouleurFondCouverture);
    } else {
        const QImage etiree = couverture.size() == TailleDecodageCouverture
                                  ? couverture
                                  : couverture.scaled(TailleDecodageCouverture, Qt::IgnoreAspectRatio,
                                                      Qt::SmoothTransformation);
        // The top 322 rows of the 332-row stretch; the bottom 10 fall outside the picture.
        const QImage rgb = etiree.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < HauteurCouverture; ++y)
            std::memcpy(resultat.scanLine(y), rgb.constScanLine(y), LargeurCouverture * sizeof(QRgb));
    }
    if (!calque.isNull()) {
        QPainter peintre(&resultat);
        peintre.drawImage(0, 0, calque);
    }
    return resultat;
}

// Fixed file names of the program folder, found whatever their letter case.
QString TrouverFichier(const QString& dossierProgramme, const QString& nom)
{
    const QDir images(QDir(dossierProgramme).filePath(QStringLiteral("images")));
    const QString exact = images.filePath(nom);
    if (QFileInfo::exists(exact))
        return exact;
    for (const QString& candidat : images.entryList(QDir::Files))
        if (candidat.compare(nom, Qt::CaseInsensitive) == 0)
            return images.filePath(candidat);
    return exact;
}

struct Illustrations
{
    QImage calque;        // prepared mask, null when missing
    QImage defaut;        // default cover already composed with the mask
    QString erreurMasque; // empty when the mask was read
    QString erreurDefaut; // empty when the default picture was read
};

Illustrations ChargerIllustrations(const QString& dossierProgramme)
{
    Illustrations ill;
    const QString cheminMasque = CheminMasque(dossierProgramme);
    QImageReader lecteurMasque(cheminMasque);
    const QImage masque = lecteurMasque.read();
    if (masque.isNull())
        ill.erreurMasque = QStringLiteral("Le masque de la jaquette « %1 » est introuvable ou illisible.")
                               .arg(QDir::toNativeSeparators(cheminMasque));
    ill.calque = PreparerMasque(masque);

    const QString cheminDefaut = CheminImageDefaut(dossierProgramme);
    QImage defaut;
    QFile fichier(cheminDefaut);
    if (fichier.open(QIODevice::ReadOnly))
        defaut = DecoderJpeg(fichier.readAll(), TailleDecodageCouverture);
    if (defaut.isNull())
        ill.erreurDefaut = QStringLiteral("L'image par défaut « %1 » est introuvable ou illisible.")
                               .arg(QDir::toNativeSeparators(cheminDefaut));
    ill.defaut = Composer(defaut, ill.calque);
    return ill;
}

// The artwork never changes while the program runs; kept per program folder.
Illustrations IllustrationsDe(const QString& dossierProgramme)
{
    static QMutex verrou;
    static QHash<QString, Illustrations> cache;
    const QString cle = QDir(dossierProgramme).absolutePath();
    QMutexLocker garde(&verrou);
    auto trouve = cache.constFind(cle);
    if (trouve == cache.constEnd())
        trouve = cache.insert(cle, ChargerIllustrations(dossierProgramme));
    return *trouve;
}

void Ecrire(QString* erreur, const QStringList& lignes)
{
    if (erreur) {
        QStringList nonVides = lignes;
        nonVides.removeAll(QString());
        *erreur = nonVides.join(QLatin1Char('\n'));
    }
}

} // namespace

QString CheminMasque(const QString& dossierProgramme)
{
    return TrouverFichier(dossierProgramme, QStringLiteral("mask.bmp"));
}

QString CheminImageDefaut(const QString& dossierProgramme)
{
    return TrouverFichier(dossierProgramme, QStringLiteral("default.jpg"));
}

QImage ComposerCouverture(const QImage& couverture, const QImage& masque)
{
    return Composer(couverture, PreparerMasque(masque));
}

QImage ImageFiche(const QByteArray& blob, const QString& dossierProgramme, QString* erreur)
{
    const Illustrations ill = IllustrationsDe(dossierProgramme);
    if (blob.isEmpty()) {
        Ecrire(erreur, {ill.erreurDefaut, ill.erreurMasque});
        return ill.defaut;
    }
    QString erreurJaquette;
    const QImage couverture = DecoderJpeg(blob, TailleDecodageCouverture, &erreurJaquette);
    if (couverture.isNull()) {
        Ecrire(erreur, {erreurJaquette, ill.erreurDefaut, ill.erreurMasque});
        return ill.defaut;
    }
    Ecrire(erreur, {ill.erreurMasque});
    return Composer(couverture, ill.calque);
}
