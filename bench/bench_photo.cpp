// bench_photo [DOSSIER_PROGRAMME]
// The sheet's cover of a film with a 24-megapixel JPEG: ImageFiche (decode at the shown size and
// compose with the mask) and the whole picture-show update of AfficherPhoto, against the raw
// scaled decode of the same bytes (libjpeg-turbo at its DCT reduction, and Qt's scaled read).
// The cover is generated once and kept in the temporary folder. Medians of several runs.
#include "imaging/couverture.h"
#include "widgets/diaporama.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <turbojpeg.h>
#include <vector>

namespace {

const QSize TailleCouverture(6000, 4000);

// A photograph-like picture: gradients and shapes under a grain that JPEG cannot smooth away.
QByteArray CouvertureGeante()
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

// The raw floor: libjpeg-turbo at the smallest DCT reduction that still covers the target, then
// the same smooth stretch the sheet needs.
QImage DecodageTurbo(tjhandle tj, const QByteArray& octets, QSize cible)
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

QImage DecodageQt(const QByteArray& octets, QSize cible)
{
    QBuffer tampon;
    tampon.setData(octets);
    tampon.open(QIODevice::ReadOnly);
    QImageReader lecteur(&tampon, "jpeg");
    if (cible.isValid())
        lecteur.setScaledSize(cible);
    return lecteur.read();
}

struct Mesure
{
    const char* nom;
    std::function<void()> operation;
    std::vector<double> durees;
};

// Runs the operations in turn, round after round, so that a change in the machine's load weighs on
// all of them alike; returns each one's median in milliseconds.
std::vector<double> Medianes(int tours, std::vector<Mesure>& mesures)
{
    for (Mesure& m : mesures)
        m.operation(); // warm-up: plugin loading, caches
    for (int tour = 0; tour < tours; ++tour) {
        for (Mesure& m : mesures) {
            QElapsedTimer chrono;
            chrono.start();
            m.operation();
            m.durees.push_back(static_cast<double>(chrono.nsecsElapsed()) / 1e6);
        }
    }
    std::vector<double> medianes;
    for (Mesure& m : mesures) {
        std::sort(m.durees.begin(), m.durees.end());
        medianes.push_back(m.durees[m.durees.size() / 2]);
    }
    return medianes;
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QImageReader::setAllocationLimit(0); // the full-size comparison needs ~96 MB

    // The program folder with its mask and default picture; a generated one when none is given.
    QTemporaryDir temporaire;
    QString dossier = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporaire.path();
    if (argc <= 1) {
        QDir(dossier).mkpath(QStringLiteral("images"));
        QImage masque(235, 322, QImage::Format_RGB32);
        masque.fill(qRgb(50, 22, 9));
        QPainter(&masque).fillRect(4, 4, 227, 318, QColor(255, 0, 255));
        masque.save(QDir(dossier).filePath(QStringLiteral("images/mask.bmp")), "BMP");
        masque.save(QDir(dossier).filePath(QStringLiteral("images/default.jpg")), "JPG");
    }

    const QByteArray couverture = CouvertureGeante();
    std::printf("Cover: %dx%d JPEG, %.1f MB\n", TailleCouverture.width(), TailleCouverture.height(),
                couverture.size() / 1048576.0);

    tjhandle tj = tjInitDecompress();
    QString erreur;
    Diaporama diaporama;
    std::vector<Mesure> mesures = {
        {"turbo", [&] { DecodageTurbo(tj, couverture, TailleDecodageCouverture); }, {}},
        {"qt", [&] { DecodageQt(couverture, TailleDecodageCouverture); }, {}},
        {"fiche", [&] { ImageFiche(couverture, dossier, &erreur); }, {}},
        // AfficherPhoto as the sheet runs it: stop, hand over the pictures, choose an effect, start.
        {"photo",
         [&] {
             diaporama.Arreter();
             diaporama.definirFond(diaporama.image());
             diaporama.definirImage(ImageFiche(couverture, dossier, &erreur));
             diaporama.definirEffet(EffetAuHasard());
             diaporama.Demarrer();
         },
         {}},
    };
    const std::vector<double> m = Medianes(21, mesures);
    const double turbo = m[0], qt = m[1], fiche = m[2], photo = m[3];
    diaporama.Arreter();
    std::vector<Mesure> pleines = {{"turbo", [&] { DecodageTurbo(tj, couverture, QSize()); }, {}},
                                   {"qt", [&] { DecodageQt(couverture, QSize()); }, {}}};
    const std::vector<double> p = Medianes(5, pleines);
    const double pleineTurbo = p[0], pleineQt = p[1];
    tjDestroy(tj);

    // One step of a transition, painted as the widget paints it.
    std::vector<double> etapes;
    for (int effet = 0; effet < NombreEffets; ++effet) {
        diaporama.definirEffet(effet);
        std::vector<Mesure> etape = {{"etape", [&] { diaporama.RendreEtape(50); }, {}}};
        etapes.push_back(Medianes(5, etape)[0]);
    }
    std::sort(etapes.begin(), etapes.end());

    const double plancher = std::min(turbo, qt);
    std::printf("Raw scaled decode, libjpeg-turbo 1/8 + stretch: %8.2f ms\n", turbo);
    std::printf("Raw scaled decode, Qt scaled read:              %8.2f ms\n", qt);
    std::printf("ImageFiche (decode + mask):                     %8.2f ms  ratio %.2f (budget 1.30)\n", fiche,
                fiche / plancher);
    std::printf("AfficherPhoto (ImageFiche + picture show):      %8.2f ms  ratio %.2f\n", photo,
                photo / plancher);
    std::printf("Full-size decode, libjpeg-turbo:                %8.2f ms\n", pleineTurbo);
    std::printf("Full-size decode, Qt:                           %8.2f ms\n", pleineQt);
    std::printf("Transition step (frame at 50 %%), median / worst of 150 effects: %.3f / %.3f ms\n",
                etapes[etapes.size() / 2], etapes.back());
    return erreur.isEmpty() ? 0 : 1;
}
