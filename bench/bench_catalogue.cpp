// bench_catalogue DOSSIER_PROGRAMME [REPETITIONS]
// Measures the catalogue store on a generated catalogue (kinobral-generer), each operation against its
// floor measured in the same run: the raw SQLite loop on the same file. Medians of the repetitions, warm
// file cache.
#include "catalogue/collation.h"
#include "catalogue/tdm.h"
#include "outils_bench.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>
#include <algorithm>
#include <functional>
#include <sqlite3.h>

namespace {

QTextStream sortie(stdout);
QString Dossier;

sqlite3* OuvrirBrut()
{
    return OuvrirCatalogueBrut(Dossier, SQLITE_OPEN_READWRITE);
}

// The floor: the statement stepped by hand, each value turned into the same QString the list gets.
int BoucleBrute(sqlite3* db, const char* sql, QStringList* liste, int colonne = 0)
{
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, sql, -1, &st, nullptr);
    int n = 0;
    while (sqlite3_step(st) == SQLITE_ROW) {
        if (liste) {
            *liste << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, colonne)),
                                        sqlite3_column_bytes(st, colonne));
        }
        ++n;
    }
    sqlite3_finalize(st);
    return n;
}

int PagesLues(sqlite3* db)
{
    int courant = 0;
    int maximum = 0;
    sqlite3_db_status(db, SQLITE_DBSTATUS_CACHE_MISS, &courant, &maximum, 1);
    return courant;
}

void Ligne(const QString& operation, double mesure, double plancher, const QString& budget)
{
    sortie << QStringLiteral("%1 %2 ms %3 ms %4  %5\n")
                  .arg(operation, -58)
                  .arg(mesure, 9, 'f', 2)
                  .arg(plancher, 9, 'f', 2)
                  .arg(plancher > 0 ? mesure / plancher : 0.0, 6, 'f', 2)
                  .arg(budget);
    sortie.flush();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        QTextStream(stderr) << "Usage : bench_catalogue DOSSIER_PROGRAMME [REPETITIONS]\n";
        return 2;
    }
    Dossier = QString::fromLocal8Bit(argv[1]);
    if (!Dossier.endsWith(QLatin1Char('/'))) {
        Dossier += QLatin1Char('/');
    }
    const int repetitions = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 7;

    int films = 0;
    {
        Tdm dm(Dossier);
        const Resultat r = dm.OuvrirBase();
        if (!r) {
            QTextStream(stderr) << r.message() << '\n';
            return 1;
        }
        films = dm.tbFilms().RecordCount();
    }
    sortie << "Catalogue : " << films << " films, " << repetitions << " répétitions (médianes)\n\n";
    sortie << QStringLiteral("%1 %2    %3    %4  %5\n")
                  .arg(QStringLiteral("opération"), -58)
                  .arg(QStringLiteral("mesure"), 9)
                  .arg(QStringLiteral("plancher"), 9)
                  .arg(QStringLiteral("ratio"), 6)
                  .arg(QStringLiteral("budget"));

    // 1. Opening the catalogue and reading statement 1 for Titre (the alphabetical list) through Query,
    //    against opening the file and stepping the same statement by hand.
    int titres = 0;
    const double ouverture = Mediane(repetitions, [&] {
        Tdm dm(Dossier);
        (void)dm.OuvrirBase();
        QStringList liste;
        (void)ChargerValeursDistinctes(dm.query(), QStringLiteral("Titre"), liste);
        titres = static_cast<int>(liste.size());
    });
    const double ouvertureBrute = Mediane(repetitions, [&] {
        sqlite3* db = OuvrirBrut();
        QStringList liste;
        BoucleBrute(db, "SELECT DISTINCT Titre FROM donnees ORDER BY Titre", &liste);
        sqlite3_close(db);
    });
    Ligne(QStringLiteral("ouverture + instruction 1 (Titre, %1 titres)").arg(titres), ouverture,
          ouvertureBrute, QStringLiteral("≤ 1.5×"));
    // Its two parts, for the record.
    const double ouvertureSeule = Mediane(repetitions, [&] {
        Tdm dm(Dossier);
        (void)dm.OuvrirBase();
    });
    const double ouvertureSeuleBrute = Mediane(repetitions, [&] {
        sqlite3* db = OuvrirBrut();
        BoucleBrute(db, "SELECT COUNT(*) FROM sqlite_master", nullptr);
        sqlite3_close(db);
    });
    Ligne(QStringLiteral("  dont OuvrirBase (deux tables, numéros des fiches)"), ouvertureSeule,
          ouvertureSeuleBrute, QString());
    {
        Tdm dm(Dossier);
        (void)dm.OuvrirBase();
        sqlite3* db = OuvrirBrut();
        const double lecture = Mediane(repetitions, [&] {
            QStringList liste;
            (void)ChargerValeursDistinctes(dm.query(), QStringLiteral("Titre"), liste);
        });
        const double lectureBrute = Mediane(repetitions, [&] {
            QStringList liste;
            BoucleBrute(db, "SELECT DISTINCT Titre FROM donnees ORDER BY Titre", &liste);
        });
        sqlite3_close(db);
        Ligne(QStringLiteral("  dont instruction 1 seule"), lecture, lectureBrute, QString());
    }

    Tdm dm(Dossier);
    (void)dm.OuvrirBase();
    Query& q = dm.query();
    sqlite3* brut = OuvrirBrut();

    // 4. The statistics' grouped count, through Query, for a few fields.
    for (const char* champ : {"Genre", "Realisateur", "Sortie", "Support"}) {
        const QString sql =
            QStringLiteral("SELECT COUNT(*) AS NBITEM, %1 FROM Donnees GROUP BY %1").arg(champ);
        int barres = 0;
        const double compte = Mediane(repetitions, [&] {
            q.SQL().Clear();
            q.SQL().Add(sql);
            (void)q.Open();
            barres = 0;
            qint64 total = 0;
            for (; !q.Eof(); q.Next()) {
                total += q.Entier(QStringLiteral("NBITEM"));
                (void)q.Texte(1);
                ++barres;
            }
            q.Close();
        });
        const double compteBrut =
            Mediane(repetitions, [&] { BoucleBrute(brut, sql.toUtf8().constData(), nullptr); });
        Ligne(QStringLiteral("instruction 4 GROUP BY %1 (%2 barres)").arg(QLatin1String(champ)).arg(barres),
              compte, compteBrut, QStringLiteral("≤ 50 ms"));
    }

    // 3. The home page: statement 3 stepped to the first three covers, read.
    qint64 octets = 0;
    int lignes = 0;
    const QStringList accueil = {QStringLiteral("SELECT Sortie, Titre,BlobPicture FROM Donnees"),
                                 QStringLiteral("ORDER BY Sortie DESC")};
    const double troisCouvertures = Mediane(repetitions, [&] {
        q.SQL().Clear();
        for (const QString& l : accueil) {
            q.SQL().Add(l);
        }
        (void)q.Open();
        int k = 0;
        octets = 0;
        lignes = 0;
        for (; !q.Eof() && k < 3; q.Next()) {
            ++lignes;
            if (!q.EstNul(QStringLiteral("BlobPicture"))) {
                octets += q.Blob(QStringLiteral("BlobPicture")).size();
                (void)q.Texte(QStringLiteral("Titre"));
                ++k;
            }
        }
        q.Close();
    });
    const double troisCouverturesBrut = Mediane(repetitions, [&] {
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(brut, "SELECT Sortie, Titre,BlobPicture FROM Donnees\nORDER BY Sortie DESC", -1,
                           &st, nullptr);
        int k = 0;
        while (k < 3 && sqlite3_step(st) == SQLITE_ROW) {
            if (sqlite3_column_type(st, 2) != SQLITE_NULL) {
                QByteArray b(static_cast<const char*>(sqlite3_column_blob(st, 2)),
                             sqlite3_column_bytes(st, 2));
                ++k;
            }
        }
        sqlite3_finalize(st);
    });
    Ligne(QStringLiteral("instruction 3 jusqu'à 3 couvertures (%1 lignes, %2 Ko)")
              .arg(lignes)
              .arg(octets / 1024),
          troisCouvertures, troisCouverturesBrut, QStringLiteral("≤ 50 ms"));

    // Stepping the whole of statement 3 reading titles only: the query reads no cover, the raw statement
    // (which selects BlobPicture) loads every one it passes. Pages read from the file, cold connection.
    {
        Tdm froid(Dossier);
        (void)froid.OuvrirBase();
        sqlite3* db = froid.tbFilms().connexion()->db();
        PagesLues(db);
        QElapsedTimer chrono;
        chrono.start();
        Query& qf = froid.query();
        for (const QString& l : accueil) {
            qf.SQL().Add(l);
        }
        (void)qf.Open();
        for (; !qf.Eof(); qf.Next()) {
            (void)qf.Texte(QStringLiteral("Titre"));
            (void)qf.EstNul(QStringLiteral("BlobPicture"));
        }
        qf.Close();
        const double parcours = chrono.nsecsElapsed() / 1e6;
        const int pagesQuery = PagesLues(db);
        sqlite3* db2 = OuvrirBrut();
        PagesLues(db2);
        chrono.restart();
        BoucleBrute(db2, "SELECT Sortie, Titre,BlobPicture FROM Donnees\nORDER BY Sortie DESC", nullptr, 1);
        const double parcoursBrut = chrono.nsecsElapsed() / 1e6;
        const int pagesBrutes = PagesLues(db2);
        sqlite3_close(db2);
        Ligne(QStringLiteral("instruction 3 entière sans couvertures (pages %1 / %2)")
                  .arg(pagesQuery)
                  .arg(pagesBrutes),
              parcours, parcoursBrut, QStringLiteral("aucune couverture lue"));
    }
    sqlite3_close(brut);
    return 0;
}
