// bench_sauvegarde DOSSIER_PROGRAMME [REPETITIONS]
// Backup and restore of a generated catalogue (kinobral-generer), each against Info-ZIP on the same files
// in the same run: `zip -1 -P quibex` for the backup, `unzip -P quibex` for the restore. Medians of the
// repetitions, warm file cache. The staging folder and the trash are put on the catalogue's file system,
// as on a desktop where the temporary folder and the program share a disk.
#include "catalogue/tdm.h"
#include "maintenance/sauvegarde.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QProcess>
#include <QTextStream>
#include <algorithm>
#include <functional>

namespace {

QTextStream sortie(stdout);

double Mediane(int repetitions, const std::function<void()>& avant, const std::function<bool()>& operation)
{
    std::vector<double> temps;
    for (int i = 0; i < repetitions; ++i) {
        avant();
        QElapsedTimer chrono;
        chrono.start();
        if (!operation()) {
            sortie << "échec\n";
            sortie.flush();
            std::exit(1);
        }
        temps.push_back(chrono.nsecsElapsed() / 1e6);
    }
    std::sort(temps.begin(), temps.end());
    return temps[temps.size() / 2];
}

bool Lancer(const QString& programme, const QStringList& arguments, const QString& dossier = {})
{
    QProcess p;
    p.setWorkingDirectory(dossier);
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(programme, arguments);
    return p.waitForFinished(-1) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

qint64 Taille(const QString& dossier)
{
    qint64 total = 0;
    QDirIterator it(dossier, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        total += it.fileInfo().size();
    }
    return total;
}

void Ligne(const QString& nom, double nous, double plancher)
{
    sortie << QStringLiteral("%1 %2 ms   plancher %3 ms   rapport %4\n")
                  .arg(nom, -28)
                  .arg(nous, 9, 'f', 0)
                  .arg(plancher, 9, 'f', 0)
                  .arg(nous / plancher, 0, 'f', 2);
    sortie.flush();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        sortie << "Usage : bench_sauvegarde DOSSIER_PROGRAMME [REPETITIONS]\n";
        return 2;
    }
    const QString programme = QDir(QString::fromLocal8Bit(argv[1])).absolutePath() + u'/';
    const int repetitions = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 3;
    const QString data = programme + QStringLiteral("data/");
    const QString travail = programme + QStringLiteral("bench-sauvegarde/");
    QDir(travail).removeRecursively();
    QDir().mkpath(travail + QStringLiteral("tmp"));
    QDir().mkpath(travail + QStringLiteral("xdg"));
    qputenv("TMPDIR", QFile::encodeName(travail + QStringLiteral("tmp")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(travail + QStringLiteral("xdg")));

    Tdm dm(programme);
    if (!dm.OuvrirBase()) {
        sortie << "catalogue illisible\n";
        return 1;
    }
    sortie << QStringLiteral("catalogue : %1 films, %2 Mo\n")
                  .arg(dm.tbFilms().RecordCount())
                  .arg(Taille(data) / 1e6, 0, 'f', 0);

    const QString reference = travail + QStringLiteral("zip.zip");
    const QString notre = travail + QStringLiteral("kinobral.zip");
    const auto effacer = [](const QString& f) { return [f] { QFile::remove(f); }; };

    const double zip = Mediane(repetitions, effacer(reference), [&] {
        return Lancer(QStringLiteral("zip"), {"-q", "-1", "-j", "-r", "-P", "quibex", reference, "."}, data);
    });
    const double sauvegarde =
        Mediane(repetitions, effacer(notre), [&] { return SauvegarderBase(dm, notre).estSucces(); });
    Ligne(QStringLiteral("sauvegarde"), sauvegarde, zip);
    sortie << QStringLiteral("  archives : zip %1 Mo, kinobral %2 Mo\n")
                  .arg(QFileInfo(reference).size() / 1e6, 0, 'f', 0)
                  .arg(QFileInfo(notre).size() / 1e6, 0, 'f', 0);

    const QString extraction = travail + QStringLiteral("unzip");
    const auto viderTout = [&] {
        QDir(extraction).removeRecursively();
        QDir(travail + QStringLiteral("xdg/Trash")).removeRecursively();
    };
    const double unzip = Mediane(repetitions, viderTout, [&] {
        return Lancer(QStringLiteral("unzip"), {"-q", "-o", "-P", "quibex", reference, "-d", extraction});
    });
    const double restauration =
        Mediane(repetitions, viderTout, [&] { return RestaurerBase(dm, notre).estSucces(); });
    Ligne(QStringLiteral("restauration"), restauration, unzip);

    viderTout();
    QDir(travail).removeRecursively();
    return 0;
}
