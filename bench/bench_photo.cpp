// bench_photo [DOSSIER_PROGRAMME]
// The sheet's cover of a film with a 24-megapixel JPEG: ImageFiche (decode at the shown size and
// compose with the mask) and the whole picture-show update of AfficherPhoto, against the raw
// scaled decode of the same bytes (libjpeg-turbo at its DCT reduction, and Qt's scaled read).
// The cover is generated once and kept in the temporary folder. Medians of several runs.
#include "couverture_bench.h"
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
