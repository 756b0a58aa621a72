// bench_recherche DOSSIER_PROGRAMME [REPETITIONS]
// The search, statistics and loan register on a generated catalogue (kinobral-generer), each against the same
// statement stepped by hand on the raw SQLite file in the same run. Medians, warm file cache. Budget: 2×.
#include "catalogue/collation.h"
#include "catalogue/formes.h"
#include "catalogue/tdm.h"
#include "loans/prets.h"
#include "outils_bench.h"
#include "search/criteres.h"
#include "search/statistiques.h"

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

QString TexteColonne(sqlite3_stmt* st, int colonne)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, colonne)),
                             sqlite3_column_bytes(st, colonne));
}

// The floor: the statement prepared, bound by position and stepped by hand, each non-empty value of the first
// column turned into the QString the caller gets.
int BoucleBrute(sqlite3* db, const QString& sql, const std::function<void(sqlite3_stmt*)>& lier,
                QStringList* liste)
{
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &st, nullptr);
    if (lier)
        lier(st);
    int n = 0;
    while (sqlite3_step(st) == SQLITE_ROW) {
        if (liste && sqlite3_column_bytes(st, 0) > 0)
            *liste << TexteColonne(st, 0);
        ++n;
    }
    sqlite3_finalize(st);
    return n;
}

void Ligne(const QString& operation, double mesure, double plancher)
{
    const double ratio = plancher > 0 ? mesure / plancher : 0.0;
    sortie << QStringLiteral("%1 %2 ms %3 ms %4  %5\n")
                  .arg(operation, -52)
                  .arg(mesure, 9, 'f', 2)
                  .arg(plancher, 9, 'f', 2)
                  .arg(ratio, 6, 'f', 2)
                  .arg(ratio <= 2.0 ? QStringLiteral("≤ 2× : tenu") : QStringLiteral("≤ 2× : DÉPASSÉ"));
    sortie.flush();
}

void LierTexte(sqlite3_stmt* st, int indice, const QString& texte)
{
    const QByteArray octets = texte.toUtf8();
    sqlite3_bind_text(st, indice, octets.constData(), static_cast<int>(octets.size()), SQLITE_TRANSIENT);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        QTextStream(stderr) << "Usage : bench_recherche DOSSIER_PROGRAMME [REPETITIONS]\n";
        return 2;
    }
    Dossier = QString::fromLocal8Bit(argv[1]);
    if (!Dossier.endsWith(QLatin1Char('/')))
        Dossier += QLatin1Char('/');
    const int repetitions = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 7;

    Tdm dm(Dossier);
    const Resultat ouvert = dm.OuvrirBase();
    if (!ouvert) {
        QTextStream(stderr) << ouvert.message() << '\n';
        return 1;
    }
    Query& q = dm.query();
    sqlite3* brut = OuvrirBrut();
    sortie << "Catalogue : " << dm.tbFilms().RecordCount() << " films, " << repetitions
           << " répétitions (médianes)\n\n";
    sortie << QStringLiteral("%1 %2    %3    %4  %5\n")
                  .arg(QStringLiteral("opération"), -52)
                  .arg(QStringLiteral("mesure"), 9)
                  .arg(QStringLiteral("plancher"), 9)
                  .arg(QStringLiteral("ratio"), 6)
                  .arg(QStringLiteral("budget"));

    // 1. Ticking a list criterion: statement 5 into the list's items.
    for (const QString& caseACocher : {QStringLiteral("ckRealisateur"), QStringLiteral("ckGenre")}) {
        const QString champ = ChampDeCaseACocher(caseACocher);
        int valeurs = 0;
        const double liste = Mediane(repetitions, [&] {
            QStringList l;
            (void)ChargerListeCritere(q, caseACocher, l);
            valeurs = static_cast<int>(l.size());
        });
        const QString sql = QStringLiteral("SELECT DISTINCT %1 FROM Donnees ORDER BY %1").arg(champ);
        const double listeBrute = Mediane(repetitions, [&] {
            QStringList l;
            BoucleBrute(brut, sql, {}, &l);
        });
        Ligne(QStringLiteral("liste du critère %1 (%2 valeurs)").arg(champ).arg(valeurs), liste, listeBrute);
    }

    // 2. A search with four criteria, joined by OR and by AND.
    QStringList genres;
    QStringList supports;
    (void)ChargerListeCritere(q, QStringLiteral("ckGenre"), genres);
    (void)ChargerListeCritere(q, QStringLiteral("ckSupport"), supports);
    const QString genre = genres.value(genres.size() / 2);
    const QString support = supports.value(0);
    const QDate debut(1990, 1, 1);
    const QDate fin(1999, 12, 31);
    for (const bool et : {false, true}) {
        DemandeRecherche demande;
        demande.operateurEt = et;
        CritereCoche c;
        c.caseACocher = QStringLiteral("ckGenre");
        c.valeur = genre;
        demande.cochees << c;
        c.caseACocher = QStringLiteral("ckSupport");
        c.valeur = support;
        demande.cochees << c;
        c = CritereCoche();
        c.caseACocher = QStringLiteral("ckDejaVu");
        demande.cochees << c;
        c.caseACocher = QStringLiteral("ckDateSortie");
        c.debut = debut;
        c.fin = fin;
        demande.cochees << c;

        int titres = 0;
        const double recherche = Mediane(repetitions, [&] {
            QStringList t;
            (void)LancerRecherche(q, demande, t);
            titres = static_cast<int>(t.size());
        });
        const QString sql = LignesRecherche(demande).join(QLatin1Char('\n'));
        const double rechercheBrute = Mediane(repetitions, [&] {
            QStringList t;
            BoucleBrute(
                brut, sql,
                [&](sqlite3_stmt* st) {
                    LierTexte(st, 1, genre);
                    LierTexte(st, 2, support);
                    LierTexte(st, 3, Formes::DateIso(debut));
                    LierTexte(st, 4, Formes::DateIso(fin));
                },
                &t);
        });
        Ligne(QStringLiteral("recherche à 4 critères, %1 (%2 titres)")
                  .arg(et ? QStringLiteral("ET") : QStringLiteral("OU"))
                  .arg(titres),
              recherche, rechercheBrute);
    }

    // 3. The statistics recount.
    for (const QString& categorie : {QStringLiteral("Genre"), QStringLiteral("Editeur")}) {
        int barres = 0;
        const double compte = Mediane(repetitions, [&] {
            Statistiques s;
            (void)CompterStatistiques(q, categorie, s);
            barres = static_cast<int>(s.barres.size());
        });
        const QString champ = NomChampCategorie(categorie);
        const QString sql =
            QStringLiteral("SELECT COUNT(*) AS NBITEM, %1 FROM Donnees GROUP BY %1").arg(champ);
        const double compteBrut = Mediane(repetitions, [&] {
            sqlite3_stmt* st = nullptr;
            sqlite3_prepare_v2(brut, sql.toUtf8().constData(), -1, &st, nullptr);
            std::vector<std::pair<QString, qint64>> b;
            while (sqlite3_step(st) == SQLITE_ROW) {
                if (sqlite3_column_bytes(st, 1) > 0)
                    b.emplace_back(TexteColonne(st, 1), sqlite3_column_int64(st, 0));
            }
            sqlite3_finalize(st);
        });
        Ligne(QStringLiteral("statistiques par %1 (%2 barres)").arg(categorie).arg(barres), compte,
              compteBrut);
    }

    // 4. The loan register: statement 8 read into rows.
    size_t films = 0;
    const double prets = Mediane(repetitions, [&] {
        std::vector<LignePret> lignes;
        (void)ChargerPrets(q, lignes);
        films = lignes.size();
    });
    const double pretsBruts = Mediane(repetitions, [&] {
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(brut, "SELECT Titre, Emprunteur, DateEmprunt, Prete FROM Donnees", -1, &st,
                           nullptr);
        std::vector<LignePret> lignes;
        lignes.reserve(films);
        while (sqlite3_step(st) == SQLITE_ROW) {
            LignePret l{TexteColonne(st, 0), TexteColonne(st, 1), TexteColonne(st, 2), QString()};
            if (sqlite3_column_type(st, 3) != SQLITE_NULL)
                l.prete = QString::fromLatin1(sqlite3_column_int(st, 3) ? Formes::Vrai : Formes::Faux);
            lignes.push_back(std::move(l));
        }
        sqlite3_finalize(st);
    });
    Ligne(QStringLiteral("registre des prêts (%1 lignes)").arg(films), prets, pretsBruts);

    q.Close();
    sqlite3_close(brut);
    return 0;
}
