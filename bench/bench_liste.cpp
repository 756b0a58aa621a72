// bench_liste DOSSIER_PROGRAMME [REPETITIONS]
// The film list on a generated catalogue (kinobral-generer), each operation against its floor measured in
// the same run: start-up until the first sheet is shown against the raw SQLite read of every title; one
// quick-search keystroke against a plain case-insensitive scan of the titles; the grouping by director
// against the same statements stepped by hand. Then the memory of the running window. Medians, warm cache.
#include "app/demarrage.h"
#include "app/formmain.h"
#include "browse/listefilms.h"
#include "catalogue/collation.h"
#include "catalogue/tdm.h"
#include "outils_bench.h"
#include "system/programme.h"
#include "widgets/boitemessage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <functional>
#include <memory>
#include <sqlite3.h>

namespace {

QTextStream sortie(stdout);
QString Dossier;

sqlite3* OuvrirBrut()
{
    return OuvrirCatalogueBrut(Dossier, SQLITE_OPEN_READONLY);
}

// Steps a statement by hand, each value turned into the same QString the list gets.
void BoucleBrute(sqlite3* db, const QByteArray& sql, QStringList& liste, const QByteArray& parametre = {})
{
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, sql.constData(), -1, &st, nullptr);
    if (!parametre.isNull())
        sqlite3_bind_text(st, 1, parametre.constData(), static_cast<int>(parametre.size()), SQLITE_TRANSIENT);
    while (sqlite3_step(st) == SQLITE_ROW)
        liste << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)),
                                   sqlite3_column_bytes(st, 0));
    sqlite3_finalize(st);
}

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

qint64 MemoireKo(const char* cle)
{
    QFile etat(QStringLiteral("/proc/self/status"));
    if (!etat.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& ligne : etat.readAll().split('\n'))
        if (ligne.startsWith(cle))
            return ligne.mid(static_cast<int>(qstrlen(cle))).trimmed().split(' ').first().toLongLong();
    return -1;
}

// The window, its data module and the catalogue opened, as the program starts them (splash aside).
struct Programme
{
    std::unique_ptr<TFormMain> formMain;
    std::unique_ptr<Tdm> dm;
    int fiches = 0;
};

std::unique_ptr<Programme> Demarrer()
{
    auto p = std::make_unique<Programme>();
    p->formMain = std::make_unique<TFormMain>(QStringList{QStringLiteral("kinobral")}, Dossier);
    auto suivant = p->formMain->listeFilms->afficherFiche;
    Programme* brut = p.get();
    p->formMain->listeFilms->afficherFiche = [brut, suivant] {
        ++brut->fiches;
        if (suivant)
            suivant();
    };
    p->dm = std::make_unique<Tdm>(DossierProgramme());
    OuvrirCatalogue(*p->formMain, *p->dm);
    p->formMain->show();
    // The first paint of the window with the list and the sheet.
    QApplication::processEvents();
    p->formMain->repaint();
    return p;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The window registers the sheet-file type at creation: into a folder of its own.
    QTemporaryDir environnement;
    for (const char* variable : {"XDG_DATA_HOME", "XDG_CONFIG_HOME"})
        qputenv(variable, QFile::encodeName(environnement.filePath(QString::fromLatin1(variable))));
    QApplication application(argc, argv);
    if (argc < 2) {
        QTextStream(stderr) << "Usage : bench_liste DOSSIER_PROGRAMME [REPETITIONS]\n";
        return 2;
    }
    Dossier = QString::fromLocal8Bit(argv[1]);
    if (!Dossier.endsWith(QLatin1Char('/')))
        Dossier += QLatin1Char('/');
    const int repetitions = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 5;
    PreparerApplication(application);
    BoiteMessage::definirRepondeur(
        [](BoiteMessage::Type, const QString&) { return BoiteMessage::Reponse::Ok; });

    sortie << QStringLiteral("%1 %2    %3    %4  %5\n")
                  .arg(QStringLiteral("opération"), -52)
                  .arg(QStringLiteral("mesure"), 9)
                  .arg(QStringLiteral("plancher"), 9)
                  .arg(QStringLiteral("ratio"), 6)
                  .arg(QStringLiteral("budget"));

    // 1. Start-up until the first sheet is shown, against reading every title by hand.
    std::vector<double> temps;
    for (int i = 0; i < repetitions; ++i) {
        QElapsedTimer chrono;
        chrono.start();
        std::unique_ptr<Programme> programme = Demarrer();
        temps.push_back(chrono.nsecsElapsed() / 1e6);
    }
    std::sort(temps.begin(), temps.end());
    const double demarrage = temps[temps.size() / 2];
    int titres = 0;
    const double lectureBrute = Mediane(repetitions, [&] {
        sqlite3* db = OuvrirBrut();
        QStringList liste;
        BoucleBrute(db, "SELECT DISTINCT Titre FROM donnees ORDER BY Titre", liste);
        titres = static_cast<int>(liste.size());
        sqlite3_close(db);
    });
    Ligne(QStringLiteral("démarrage jusqu'à la première fiche (%1 titres)").arg(titres), demarrage,
          lectureBrute, QStringLiteral("≤ 500 ms"));

    std::unique_ptr<Programme> p = Demarrer();
    const qint64 rss = MemoireKo("VmRSS:");
    const qint64 pic = MemoireKo("VmHWM:");
    ListeFilms& liste = *p->formMain->listeFilms;
    if (p->fiches == 0 && titres > 0)
        sortie << "(!) aucune fiche montrée au démarrage\n";

    // 2. One keystroke of the quick search: a text found nowhere walks every node (the worst case),
    //    a text found among the last titles walks nearly all of them.
    const QStringList& tous = ListeTitres();
    const QString dernier = tous.isEmpty() ? QString() : tous.last().left(6);
    for (const QString& frappe : {QStringLiteral("zzzq"), dernier}) {
        int n = 0;
        const double touche = Mediane(repetitions * 4, [&] {
            // Two texts in turn, so that every measure is a change.
            liste.edRecherche->setText(frappe + (n++ % 2 ? QStringLiteral("") : QStringLiteral(" ")));
        });
        const double balayage = Mediane(repetitions * 4, [&] {
            const QString cherche = frappe;
            for (const QString& t : tous)
                if (t.startsWith(cherche, Qt::CaseInsensitive))
                    break;
        });
        Ligne(QStringLiteral("recherche rapide, une touche (« %1 »)").arg(frappe), touche, balayage,
              QStringLiteral("≤ 50 ms"));
    }

    // 3. The grouping by director, against statement 1 and statement 2 per value stepped by hand.
    int groupes = 0;
    const double regroupement = Mediane(repetitions, [&] {
        (void)liste.RemplirListeGroupee(QStringLiteral("Realisateur"), QStringLiteral("Titre"));
        groupes = liste.modele()->NombreGroupes();
    });
    const double regroupementBrut = Mediane(repetitions, [&] {
        sqlite3* db = OuvrirBrut();
        QStringList valeurs;
        BoucleBrute(db, "SELECT DISTINCT Realisateur FROM donnees ORDER BY Realisateur", valeurs);
        for (const QString& v : valeurs) {
            if (v.isEmpty())
                continue;
            QStringList titresGroupe;
            BoucleBrute(db, "SELECT DISTINCT Titre FROM Donnees\nWHERE Realisateur=?1", titresGroupe,
                        v.toUtf8());
        }
        sqlite3_close(db);
    });
    Ligne(QStringLiteral("regroupement par réalisateur (%1 groupes)").arg(groupes), regroupement,
          regroupementBrut, QString());

    sortie << QStringLiteral("\nmémoire du programme démarré : %1 Mo (pic %2 Mo), budget ≤ 250 Mo\n")
                  .arg(rss / 1024.0, 0, 'f', 1)
                  .arg(pic / 1024.0, 0, 'f', 1);
    return 0;
}
