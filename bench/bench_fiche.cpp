// bench_fiche [DOSSIER_PROGRAMME]
// AfficherFiche of a film with a 24-megapixel JPEG cover, in a real catalogue holding that one film,
// against the raw scaled decode of the same bytes (libjpeg-turbo at its DCT reduction, and Qt's
// scaled read). The sheet's whole refresh: every label, the actors, the fixed pictures and flag, the
// cover read from the store, decoded at the shown size, masked, and the transition started.
// The cover is generated once and kept in the temporary folder. Medians of several rounds.
#include "browse/fichefilm.h"
#include "catalogue/tdm.h"
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

// Round after round, so that a change in the machine's load weighs on every operation alike.
std::vector<double> Medianes(int tours, std::vector<Mesure>& mesures)
{
    for (Mesure& m : mesures)
        m.operation();
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

bool AjouterFilm(Table& films, const QByteArray& couverture)
{
    const QList<QPair<const char*, const char*>> champs = {
        {"Titre", "Le Grand Voyage"},
        {"Genre", "Aventure"},
        {"Realisateur", "Anne Roy"},
        {"Scenario", "Paul Vidal"},
        {"Musique", "Marc Petit"},
        {"Duree", "01:45:00"},
        {"Site", "www.exemple.example"},
        {"Editeur", "Films & Cie"},
        {"Sortie", "31/05/2005"},
        {"Public", "Tous publics"},
        {"Acteur", "Luc Bon; Eva Clair. Jean Noir, Ida Blanc, Léa Vert, Tom Gris, Max Brun"},
        {"Resume", "Un long voyage à travers le pays, raconté en quelques lignes."},
        {"FormatCinema", "2.35:1"},
        {"FormatVideo", "16/9"},
        {"Support", "DVD"},
        {"ZoneDvd", "Zone 2"},
        {"Standard", "PAL"},
        {"DateSortieDvd", "01/12/2005"},
        {"Son", "Dolby Digital 5.1"},
        {"Audio", "Français\nAnglais"},
        {"SousTitres", "Français"},
        {"Etoiles", "4 étoiles"},
        {"DejaVu", "Vrai"},
        {"Notes", "Vu deux fois"},
        {"Langue", "France"}};
    if (!films.Append())
        return false;
    for (const auto& [champ, texte] : champs)
        if (!films.EcrireTexte(QString::fromUtf8(champ), QString::fromUtf8(texte)))
            return false;
    return films.EcrireBlob(QStringLiteral("BlobPicture"), couverture) && films.Post();
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);

    // A program folder of its own whose images/ is the built artwork, with a catalogue of one film.
    const QString artwork =
        QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(KINOBRAL_DOSSIER_PROGRAMME))
            .filePath(QStringLiteral("images"));
    QTemporaryDir programme;
    if (!QFile::link(artwork, QDir(programme.path()).filePath(QStringLiteral("images")))) {
        std::fprintf(stderr, "Cannot link %s\n", qPrintable(artwork));
        return 2;
    }
    const QByteArray couverture = CouvertureGeante();
    std::printf("Cover: %dx%d JPEG, %.1f MB\n", TailleCouverture.width(), TailleCouverture.height(),
                couverture.size() / 1048576.0);

    Tdm dm(programme.path() + QLatin1Char('/'));
    if (!dm.OuvrirBase() || !AjouterFilm(dm.tbFilms(), couverture)) {
        std::fprintf(stderr, "Cannot build the catalogue\n");
        return 2;
    }
    dm.tbFilms().First();
    TFicheFilm fiche;
    fiche.AttacherDataModule(dm);

    tjhandle tj = tjInitDecompress();
    std::vector<Mesure> mesures = {
        {"turbo", [&] { DecodageTurbo(tj, couverture, TailleDecodageCouverture); }, {}},
        {"qt", [&] { DecodageQt(couverture, TailleDecodageCouverture); }, {}},
        {"fiche", [&] { fiche.AfficherFiche(); }, {}},
    };
    const std::vector<double> m = Medianes(21, mesures);
    tjDestroy(tj);
    const double turbo = m[0], qt = m[1], afficher = m[2];
    const double plancher = std::min(turbo, qt);
    std::printf("Raw scaled decode, libjpeg-turbo DCT + stretch: %8.2f ms\n", turbo);
    std::printf("Raw scaled decode, Qt scaled read:              %8.2f ms\n", qt);
    std::printf("AfficherFiche (whole sheet, cover from store):  %8.2f ms  ratio %.2f (budget 1.30)\n",
                afficher, afficher / plancher);
    return fiche.PicShow->toolTip().isEmpty() ? 0 : 1;
}
