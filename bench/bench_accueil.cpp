// bench_accueil DOSSIER_PROGRAMME [REPETITIONS]
// The home page reload on a generated catalogue (kinobral-generer): ChargerAccueil in the main window
// (statement 3 stepped to three covers, each decoded at the size it is shown, the layers placed)
// against its floor measured in the same run: the raw statement stepped to three covers and the three
// raw libjpeg-turbo decodes at the smallest DCT reduction that covers the frame. Then the pages the
// reload reads from the file on a cold connection: only those of the three covers it shows.
#include "app/demarrage.h"
#include "app/formmain.h"
#include "catalogue/tdm.h"
#include "couverture_bench.h"
#include "home/couverturesaccueil.h"
#include "home/pageaccueil.h"
#include "outils_bench.h"
#include "widgets/boitemessage.h"

#include <QApplication>
#include <QImage>
#include <QTextStream>
#include <turbojpeg.h>

namespace {

QTextStream sortie(stdout);

void Ligne(const QString& operation, double mesure, double plancher, const QString& budget)
{
    sortie << QStringLiteral("%1 %2 ms %3 ms %4  %5\n")
                  .arg(operation, -52)
                  .arg(mesure, 9, 'f', 2)
                  .arg(plancher, 9, 'f', 2)
                  .arg(plancher > 0 ? mesure / plancher : 0.0, 6, 'f', 2)
                  .arg(budget);
    sortie.flush();
}

int PagesLues(sqlite3* db)
{
    int courant = 0;
    int maximum = 0;
    sqlite3_db_status(db, SQLITE_DBSTATUS_CACHE_MISS, &courant, &maximum, 1);
    return courant;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        sortie << "usage: bench_accueil DOSSIER_PROGRAMME [REPETITIONS]\n";
        return 2;
    }
    QApplication application(argc, argv);
    QString dossier = QString::fromLocal8Bit(argv[1]);
    if (!dossier.endsWith(QLatin1Char('/')))
        dossier += QLatin1Char('/');
    const int repetitions = argc > 2 ? std::max(1, atoi(argv[2])) : 15;
    BoiteMessage::definirRepondeur(
        [](BoiteMessage::Type, const QString&) { return BoiteMessage::Reponse::Ok; });

    TFormMain formMain(QStringList{QStringLiteral("kinobral")}, dossier);
    Tdm dm(dossier);
    OuvrirCatalogue(formMain, dm);
    int couvertures = 0;
    const double accueil = Mediane(repetitions, [&] {
        (void)formMain.pageAccueil->ChargerAccueil();
        couvertures = 0;
        for (const auto& c : formMain.pageAccueil->CouverturesAccueil)
            couvertures += c.couche != nullptr ? 1 : 0;
    });

    sqlite3* brut = OuvrirCatalogueBrut(dossier, SQLITE_OPEN_READONLY);
    tjhandle tj = tjInitDecompress();
    const double plancher = Mediane(repetitions, [&] {
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(brut, "SELECT Sortie, Titre,BlobPicture FROM Donnees\nORDER BY Sortie DESC", -1,
                           &st, nullptr);
        int k = 0;
        while (k < 3 && sqlite3_step(st) == SQLITE_ROW) {
            if (sqlite3_column_type(st, 2) == SQLITE_NULL)
                continue;
            const QByteArray octets(static_cast<const char*>(sqlite3_column_blob(st, 2)),
                                    sqlite3_column_bytes(st, 2));
            if (!DecodageTurbo(tj, octets, TailleCouvertureAccueil).isNull())
                ++k;
        }
        sqlite3_finalize(st);
    });
    tjDestroy(tj);
    sqlite3_close(brut);
    Ligne(QStringLiteral("ChargerAccueil (%1 couvertures)").arg(couvertures), accueil, plancher,
          QStringLiteral("≤ 2 × plancher"));

    // Cold connection: the pages read are the index walk and the three covers, not the catalogue.
    {
        Tdm froid(dossier);
        (void)froid.OuvrirBase();
        sqlite3* db = froid.tbFilms().connexion()->db();
        PagesLues(db);
        std::vector<CouvertureLue> lues;
        QElapsedTimer chrono;
        chrono.start();
        (void)LireCouverturesAccueil(froid.query(), lues);
        const double froide = chrono.nsecsElapsed() / 1e6;
        const int pages = PagesLues(db);
        qint64 octets = 0;
        sqlite3* compte = OuvrirCatalogueBrut(dossier, SQLITE_OPEN_READONLY);
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(compte, "SELECT count(*), sum(length(BlobPicture)) FROM Donnees", -1, &st,
                           nullptr);
        qint64 films = 0;
        if (sqlite3_step(st) == SQLITE_ROW) {
            films = sqlite3_column_int64(st, 0);
            octets = sqlite3_column_int64(st, 1);
        }
        sqlite3_finalize(st);
        sqlite3_close(compte);
        sortie << QStringLiteral(
                      "rechargement à froid : %1 ms, %2 pages lues pour %3 films, %4 Mio de couvertures "
                      "en tout\n")
                      .arg(froide, 0, 'f', 2)
                      .arg(pages)
                      .arg(films)
                      .arg(octets / (1024 * 1024));
    }
    dm.FermerBase();
    return 0;
}
