// Cover decoding and the sheet's cover composition: stretch, cut, mask, default picture.

#include "imaging/couverture.h"
#include "imaging/jpeg.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString MessageNonJpeg = QStringLiteral("L'image de la jaquette n'est pas une image JPEG valide.");
const QString MessageEndommagee =
    QStringLiteral("L'image de la jaquette est endommagée et ne peut pas être lue.");
const QRgb Magenta = qRgb(255, 0, 255);
const QRgb Brun = qRgb(50, 22, 9);
const QRgb Blanc = qRgb(255, 255, 255);
const QRgb Panneau = qRgb(246, 234, 200);

QByteArray Encoder(const QImage& image, const char* format = "JPG", int qualite = 95)
{
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    image.save(&tampon, format, qualite);
    return octets;
}

QImage Uni(QSize taille, QRgb couleur)
{
    QImage image(taille, QImage::Format_RGB32);
    image.fill(couleur);
    return image;
}

int Ecart(QRgb a, QRgb b)
{
    return std::max(
        {std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

// The sheet's mask in miniature: a brown frame four pixels wide, a white mark inside, and the
// see-through colour everywhere else, bottom-left pixel included.
QImage Masque(QRgb transparente = Magenta)
{
    QImage masque = Uni({235, 322}, Brun);
    QPainter peintre(&masque);
    peintre.fillRect(4, 4, 227, 314, QColor(transparente));
    peintre.end();
    masque.setPixel(0, 321, transparente);
    masque.setPixel(100, 100, Blanc);
    return masque;
}

} // namespace

class TestCouverture : public QObject
{
    Q_OBJECT

private slots:
    void EtirementEtCoupe_data();
    void EtirementEtCoupe();
    void MasqueTransparent_data();
    void MasqueTransparent();
    void SansMasqueNiCouverture();
    void DecoderJpeg_data();
    void DecoderJpeg();
    void DecodageReduitSansPleineTaille();
    void ImageFiche_data();
    void ImageFiche();
    void IllustrationsGardees();
    void IllustrationsDuDossierProgramme();
};

void TestCouverture::EtirementEtCoupe_data()
{
    QTest::addColumn<QSize>("taille");
    // A cover of any proportions: `k` source rows for two stretched rows.
    QTest::addColumn<int>("facteur");
    QTest::newRow("haute et étroite") << QSize(20, 664) << 4;
    QTest::newRow("large et basse") << QSize(940, 166) << 1;
    QTest::newRow("déjà à la taille étirée") << QSize(235, 332) << 2;
    QTest::newRow("très haute") << QSize(7, 996) << 6;
}

void TestCouverture::EtirementEtCoupe()
{
    QFETCH(QSize, taille);
    QFETCH(int, facteur);
    // Bands in rows of the 332-row stretch; the yellow one is the 10 rows that fall outside.
    struct Bande
    {
        int debut, fin;
        QRgb couleur;
    };
    const Bande bandes[] = {{0, 100, qRgb(220, 0, 0)},
                            {100, 200, qRgb(0, 200, 0)},
                            {200, 322, qRgb(0, 0, 230)},
                            {322, 332, qRgb(255, 255, 0)}};
    QImage couverture(taille, QImage::Format_RGB32);
    for (const Bande& b : bandes)
        for (int y = b.debut * facteur / 2; y < b.fin * facteur / 2; ++y)
            for (int x = 0; x < taille.width(); ++x)
                couverture.setPixel(x, y, b.couleur);

    const QImage resultat = ComposerCouverture(couverture, QImage());
    QCOMPARE(resultat.size(), QSize(235, 322));
    QVERIFY(!resultat.hasAlphaChannel());
    for (int y = 0; y < 322; ++y) {
        const Bande* attendue = nullptr;
        for (const Bande& b : bandes)
            if (y >= b.debut && y < b.fin)
                attendue = &b;
        for (int x : {0, 117, 234}) {
            const QRgb pixel = resultat.pixel(x, y);
            const QString ou = QStringLiteral("ligne %1, colonne %2").arg(y).arg(x);
            // Rows next to a band's edge may blend with the neighbouring row of the stretch; the
            // others are the band's own colour, from edge to edge of the width.
            if (y >= attendue->debut + 2 && y < attendue->fin - 2)
                QVERIFY2(Ecart(pixel, attendue->couleur) <= 2, qPrintable(ou));
            // The 10 rows that fall outside never show, not even in the last row.
            const Bande* proche = &bandes[0];
            for (const Bande& b : bandes)
                if (Ecart(pixel, b.couleur) < Ecart(pixel, proche->couleur))
                    proche = &b;
            QVERIFY2(proche != &bandes[3], qPrintable(ou));
            if (y >= 318)
                QVERIFY2(proche == &bandes[2], qPrintable(ou));
        }
    }
}

void TestCouverture::MasqueTransparent_data()
{
    QTest::addColumn<QRgb>("transparente");
    QTest::addColumn<QRgb>("autre");
    // The see-through colour is whatever the bottom-left pixel holds; any other colour, magenta
    // included, is the mask's own.
    QTest::newRow("magenta") << Magenta << qRgb(0, 0, 0);
    QTest::newRow("noir") << qRgb(0, 0, 0) << Magenta;
}

void TestCouverture::MasqueTransparent()
{
    QFETCH(QRgb, transparente);
    QFETCH(QRgb, autre);
    const QRgb vert = qRgb(10, 160, 40);
    QImage masque = Masque(transparente);
    masque.setPixel(50, 60, autre);

    const QImage resultat = ComposerCouverture(Uni({235, 332}, vert), masque);
    QCOMPARE(resultat.size(), QSize(235, 322));
    QCOMPARE(resultat.pixel(117, 160), vert);
    QCOMPARE(resultat.pixel(0, 321), vert); // the bottom-left pixel itself is see-through
    QCOMPARE(resultat.pixel(4, 4), vert);
    QCOMPARE(resultat.pixel(0, 0), Brun);
    QCOMPARE(resultat.pixel(3, 200), Brun);
    QCOMPARE(resultat.pixel(234, 321), Brun);
    QCOMPARE(resultat.pixel(100, 100), Blanc);
    QCOMPARE(resultat.pixel(50, 60), autre);
}

void TestCouverture::SansMasqueNiCouverture()
{
    const QRgb vert = qRgb(10, 160, 40);
    // A smaller mask covers its own area only; its bottom-left pixel is at its own last row.
    QImage petit = Uni({100, 50}, Brun);
    petit.setPixel(0, 49, Magenta);
    petit.setPixel(10, 10, Magenta);
    QImage resultat = ComposerCouverture(Uni({235, 332}, vert), petit);
    QCOMPARE(resultat.pixel(50, 25), Brun);
    QCOMPARE(resultat.pixel(10, 10), vert);
    QCOMPARE(resultat.pixel(0, 49), vert);
    QCOMPARE(resultat.pixel(150, 25), vert);
    QCOMPARE(resultat.pixel(50, 200), vert);

    resultat = ComposerCouverture(Uni({235, 332}, vert), QImage());
    QCOMPARE(resultat.pixel(0, 0), vert);
    QCOMPARE(resultat.pixel(234, 321), vert);

    resultat = ComposerCouverture(QImage(), Masque());
    QCOMPARE(resultat.size(), QSize(235, 322));
    QCOMPARE(resultat.pixel(117, 160), Panneau);
    QCOMPARE(resultat.pixel(0, 0), Brun);
}

void TestCouverture::DecoderJpeg_data()
{
    QTest::addColumn<QByteArray>("octets");
    QTest::addColumn<QSize>("cible");
    QTest::addColumn<QSize>("attendue");
    QTest::addColumn<QString>("erreur");

    const QImage grande = Uni({1000, 1500}, qRgb(30, 90, 200));
    const QByteArray jpeg = Encoder(grande);
    QTest::newRow("réduite") << jpeg << QSize(235, 332) << QSize(235, 332) << QString();
    QTest::newRow("taille propre") << jpeg << QSize() << QSize(1000, 1500) << QString();
    QTest::newRow("agrandie") << Encoder(Uni({40, 60}, Blanc)) << QSize(235, 332) << QSize(235, 332)
                              << QString();
    QTest::newRow("niveaux de gris") << Encoder(grande.convertToFormat(QImage::Format_Grayscale8))
                                     << QSize(235, 332) << QSize(235, 332) << QString();
    QTest::newRow("PNG") << Encoder(grande, "PNG") << QSize(235, 332) << QSize(0, 0) << MessageNonJpeg;
    QTest::newRow("BMP") << Encoder(Uni({20, 20}, Blanc), "BMP") << QSize() << QSize(0, 0) << MessageNonJpeg;
    QTest::newRow("vide") << QByteArray() << QSize(235, 332) << QSize(0, 0) << MessageNonJpeg;
    QTest::newRow("texte") << QByteArray("Ceci n'est pas une image") << QSize() << QSize(0, 0)
                           << MessageNonJpeg;
    QTest::newRow("marqueur seul") << QByteArray("\xFF\xD8\xFF", 3) << QSize() << QSize(0, 0)
                                   << MessageEndommagee;
    QTest::newRow("en-tête abîmé") << QByteArray("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00garbage", 18)
                                   << QSize(235, 332) << QSize(0, 0) << MessageEndommagee;
}

void TestCouverture::DecoderJpeg()
{
    QFETCH(QByteArray, octets);
    QFETCH(QSize, cible);
    QFETCH(QSize, attendue);
    QFETCH(QString, erreur);

    QString message = QStringLiteral("reste d'un appel précédent");
    const QImage image = ::DecoderJpeg(octets, cible, &message);
    QCOMPARE(message, erreur);
    QCOMPARE(image.size(), attendue);
    QCOMPARE(EstJpeg(octets), erreur != MessageNonJpeg);
    if (!image.isNull()) {
        const QRgb centre = image.pixel(image.width() / 2, image.height() / 2);
        QVERIFY(Ecart(centre, ::DecoderJpeg(octets).pixel(10, 10)) <= 4);
    }
}

void TestCouverture::DecodageReduitSansPleineTaille()
{
    // With room for the reduced picture only, a decode that went through the full size could not
    // allocate it: the reduction must happen inside the decoder.
    const QByteArray jpeg = Encoder(Uni({4000, 3000}, qRgb(120, 60, 30)), "JPG", 80);
    const int limite = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(2);
    QString erreur;
    const QImage reduite = ::DecoderJpeg(jpeg, {235, 332}, &erreur);
    const QImage pleine = ::DecoderJpeg(jpeg);
    QImageReader::setAllocationLimit(limite);
    QCOMPARE(reduite.size(), QSize(235, 332));
    QVERIFY(erreur.isEmpty());
    QVERIFY(Ecart(reduite.pixel(100, 100), qRgb(120, 60, 30)) <= 4);
    QVERIFY(pleine.isNull());
}

void TestCouverture::ImageFiche_data()
{
    QTest::addColumn<QByteArray>("blob");
    QTest::addColumn<bool>("masque");
    QTest::addColumn<bool>("defaut");
    QTest::addColumn<QRgb>("centre");
    QTest::addColumn<QRgb>("bord");
    QTest::addColumn<QStringList>("erreurs");

    const QRgb rouge = qRgb(200, 20, 20), gris = qRgb(128, 128, 128);
    const QByteArray jpeg = Encoder(Uni({600, 900}, rouge));
    const QString sansMasque = QStringLiteral("Le masque de la jaquette");
    const QString sansDefaut = QStringLiteral("L'image par défaut");
    QTest::newRow("jaquette") << jpeg << true << true << rouge << Brun << QStringList();
    QTest::newRow("sans jaquette") << QByteArray() << true << true << gris << Brun << QStringList();
    QTest::newRow("pas un JPEG") << Encoder(Uni({60, 90}, rouge), "PNG") << true << true << gris << Brun
                                 << QStringList{MessageNonJpeg};
    QTest::newRow("JPEG abîmé") << jpeg.left(40) << true << true << gris << Brun
                                << QStringList{MessageEndommagee};
    QTest::newRow("masque absent") << jpeg << false << true << rouge << rouge << QStringList{sansMasque};
    QTest::newRow("défaut absent") << QByteArray() << true << false << Panneau << Brun
                                   << QStringList{sansDefaut};
    QTest::newRow("rien du tout") << QByteArray("??") << false << false << Panneau << Panneau
                                  << QStringList{MessageNonJpeg, sansDefaut, sansMasque};
}

void TestCouverture::ImageFiche()
{
    QFETCH(QByteArray, blob);
    QFETCH(bool, masque);
    QFETCH(bool, defaut);
    QFETCH(QRgb, centre);
    QFETCH(QRgb, bord);
    QFETCH(QStringList, erreurs);

    QTemporaryDir dossier;
    QVERIFY(QDir(dossier.path()).mkpath(QStringLiteral("images")));
    if (masque)
        QVERIFY(Masque().save(dossier.filePath(QStringLiteral("images/mask.bmp")), "BMP"));
    if (defaut)
        QVERIFY(Uni({235, 332}, qRgb(128, 128, 128))
                    .save(dossier.filePath(QStringLiteral("images/default.jpg")), "JPG"));

    QString erreur = QStringLiteral("reste d'un appel précédent");
    const QImage image = ::ImageFiche(blob, dossier.path() + QLatin1Char('/'), &erreur);
    // Whatever went wrong, the sheet gets a whole picture.
    QCOMPARE(image.size(), QSize(235, 322));
    QVERIFY2(Ecart(image.pixel(117, 160), centre) <= 6,
             qPrintable(QString::number(image.pixel(117, 160), 16)));
    QVERIFY(Ecart(image.pixel(0, 0), bord) <= 6);
    const QStringList lignes = erreur.isEmpty() ? QStringList() : erreur.split(QLatin1Char('\n'));
    QCOMPARE(lignes.size(), erreurs.size());
    for (int i = 0; i < erreurs.size(); ++i)
        QVERIFY2(lignes[i].startsWith(erreurs[i]), qPrintable(lignes[i]));
}

void TestCouverture::IllustrationsGardees()
{
    // The mask and the default picture are read once per program folder: showing films does not
    // go back to the disk, and later changes to the files play no part.
    QTemporaryDir dossier;
    QVERIFY(QDir(dossier.path()).mkpath(QStringLiteral("images")));
    const QString masque = dossier.filePath(QStringLiteral("images/Mask.BMP"));
    const QString defaut = dossier.filePath(QStringLiteral("images/default.jpg"));
    QVERIFY(Masque().save(masque, "BMP"));
    QVERIFY(Uni({235, 332}, qRgb(128, 128, 128)).save(defaut, "JPG"));

    QString erreur;
    const QImage avant = ::ImageFiche(QByteArray(), dossier.path(), &erreur);
    QVERIFY2(erreur.isEmpty(), qPrintable(erreur));
    QCOMPARE(avant.pixel(0, 0), Brun); // found whatever its letter case
    QVERIFY(QFile::remove(masque));
    QVERIFY(QFile::remove(defaut));
    const QImage apres = ::ImageFiche(QByteArray(), dossier.path(), &erreur);
    QVERIFY(erreur.isEmpty());
    QCOMPARE(apres, avant);
}

void TestCouverture::IllustrationsDuDossierProgramme()
{
    // The program's own artwork: the mask frames the cover and lets it show inside.
    const QString dossier = QStringLiteral(KINOBRAL_DOSSIER_PROGRAMME);
    const QImage masque(CheminMasque(dossier));
    QCOMPARE(masque.size(), QSize(235, 322));
    const QRgb transparente = masque.pixel(0, masque.height() - 1);

    QString erreur;
    const QRgb rouge = qRgb(200, 20, 20);
    const QImage image = ::ImageFiche(Encoder(Uni({500, 700}, rouge)), dossier, &erreur);
    QVERIFY2(erreur.isEmpty(), qPrintable(erreur));
    QVERIFY(Ecart(image.pixel(117, 160), rouge) <= 6);
    QCOMPARE(image.pixel(0, 0), masque.pixel(0, 0));
    QVERIFY(masque.pixel(0, 0) != transparente);

    const QImage defaut = ::ImageFiche(QByteArray(), dossier, &erreur);
    QVERIFY2(erreur.isEmpty(), qPrintable(erreur));
    QCOMPARE(defaut.size(), QSize(235, 322));
    QVERIFY(defaut != image);
}

QTEST_GUILESS_MAIN(TestCouverture)
#include "test_couverture.moc"
