// bench_impression
// The printed sheet and the web page of a film with a 24-megapixel JPEG cover, in a real catalogue:
//  - the sheet's build (fields and cover read from the store) plus its PDF at 300 dpi, against the raw
//    decode of the cover at its printed size, which the PDF cannot avoid;
//  - the web page with img1.jpg beside it, against writing the cover's bytes to a file, its floor: the
//    export copies the stored bytes and never decodes, scales or re-encodes them. A full decode of the
//    cover is shown for scale.
// Medians of several rounds, each round running every operation once.
#include "catalogue/tdm.h"
#include "couverture_bench.h"
#include "exchange/pageweb.h"
#include "imaging/jpeg.h"
#include "printing/documentfiche.h"
#include "printing/impressionfiche.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

struct Mesure
{
    const char* nom;
    std::function<void()> operation;
    std::vector<double> durees;

    double Mediane() const
    {
        std::vector<double> d = durees;
        std::sort(d.begin(), d.end());
        return d[d.size() / 2];
    }
};

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const int tours = 7;

    const QByteArray couverture = CouvertureGeante();
    QTemporaryDir dossier;
    Tdm dm(dossier.path() + u'/');
    if (!dm.OuvrirBase()) {
        std::fprintf(stderr, "catalogue not opened\n");
        return 1;
    }
    Table& films = dm.tbFilms();
    (void)films.Append();
    QString resume;
    for (int i = 0; i < 12; ++i)
        resume +=
            QStringLiteral("Une ligne du résumé qui raconte le film, assez longue pour passer à la ligne.\n");
    for (const auto& [champ, texte] :
         std::vector<std::pair<QString, QString>>{{"Titre", "Le Grand Format"},
                                                  {"Genre", "Drame"},
                                                  {"Realisateur", "Anne Roy"},
                                                  {"Acteur", "Paul Vidal\nMarc Petit\nLéa Martin"},
                                                  {"Resume", resume},
                                                  {"Audio", "Français\nAnglais"}})
        (void)films.EcrireTexte(champ, texte);
    (void)films.EcrireBlob(QStringLiteral("BlobPicture"), couverture);
    if (!films.Post()) {
        std::fprintf(stderr, "film not stored\n");
        return 1;
    }
    films.First();

    DocumentFiche document;
    const QString pdf = dossier.filePath(QStringLiteral("fiche.pdf"));
    const QString page = dossier.filePath(QStringLiteral("export/fiche.htm"));
    const QString copie = dossier.filePath(QStringLiteral("copie/img1.jpg"));
    QDir().mkpath(dossier.filePath(QStringLiteral("export")));
    QDir().mkpath(dossier.filePath(QStringLiteral("copie")));
    // The sheet shows the cover 202 pixels wide; the PDF draws it at 300 dpi.
    const QSize taillePdf = TailleAffichageCouverture(QSize(6000, 4000)) * (300.0 / 96.0);
    bool echec = false;
    // The sheet's fixed cost on paper (layout, fonts, PDF writing), the cover left out.
    DocumentFiche sansCouverture;
    (void)ConstruireImpression(films, sansCouverture);
    for (BlocFiche& bloc : sansCouverture.blocs)
        if (auto* tableau = std::get_if<TableauFiche>(&bloc))
            for (auto& ligne : tableau->cellules)
                for (CelluleFiche& cellule : ligne)
                    cellule.images.clear();
    const QString pdfSansCouverture = dossier.filePath(QStringLiteral("sans.pdf"));

    std::vector<Mesure> mesures = {
        {"sheet build + PDF (300 dpi)",
         [&] {
             echec |= !ConstruireImpression(films, document).estSucces();
             echec |= !ImprimerFichePdf(document, pdf).estSucces();
         },
         {}},
        {"  the same sheet without its cover, PDF",
         [&] { echec |= !ImprimerFichePdf(sansCouverture, pdfSansCouverture).estSucces(); },
         {}},
        {"  floor: cover decoded at its printed size",
         [&] { echec |= DecoderJpeg(couverture, taillePdf).isNull(); },
         {}},
        {"web page + img1.jpg",
         [&] {
             echec |= !ConstruireImpression(films, document).estSucces();
             echec |= !EnregistrerPageWeb(document, page).estSucces();
         },
         {}},
        {"  floor: cover bytes from the store written to a file",
         [&] {
             QSaveFile f(copie);
             echec |= !f.open(QIODevice::WriteOnly) ||
                      f.write(films.Blob(QStringLiteral("BlobPicture"))) != couverture.size() || !f.commit();
         },
         {}},
        {"  for scale: full decode of the cover", [&] { echec |= DecoderJpeg(couverture).isNull(); }, {}},
    };
    for (Mesure& m : mesures)
        m.operation();
    for (int tour = 0; tour < tours; ++tour)
        for (Mesure& m : mesures) {
            QElapsedTimer chrono;
            chrono.start();
            m.operation();
            m.durees.push_back(static_cast<double>(chrono.nsecsElapsed()) / 1e6);
        }

    QFile image(dossier.filePath(QStringLiteral("export/img1.jpg")));
    const bool identique = image.open(QIODevice::ReadOnly) && image.readAll() == couverture;
    std::printf("Cover: 6000 x 4000, %.1f MB JPEG; printed at %d x %d device pixels\n",
                couverture.size() / 1e6, taillePdf.width(), taillePdf.height());
    for (const Mesure& m : mesures)
        std::printf("%-55s %9.1f ms\n", m.nom, m.Mediane());
    std::printf("web export / byte copy: %.2f; img1.jpg identical to the stored bytes: %s\n",
                mesures[3].Mediane() / mesures[4].Mediane(), identique ? "yes" : "NO");
    std::printf("PDF: %lld bytes\n", static_cast<long long>(QFileInfo(pdf).size()));
    return echec || !identique ? 1 : 0;
}
