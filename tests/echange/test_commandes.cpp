#include "outils_echange.h"
#include "tests_echange.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTest>
#include <QtEndian>

namespace {

struct Execution
{
    int code = -1;
    QString sortie;
    QString erreur;
};

Execution Cli(const QString& dossier, const QStringList& arguments)
{
    QProcess p;
    p.start(QStringLiteral(KINOBRAL_DOSSIER_PROGRAMME "kinobral-cli"),
            QStringList{"--dossier", dossier} + arguments);
    Execution e;
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit) {
        e.erreur = QStringLiteral("kinobral-cli ne s'est pas terminé normalement : ") + p.errorString();
        return e;
    }
    e.code = p.exitCode();
    e.sortie = QString::fromUtf8(p.readAllStandardOutput());
    e.erreur = QString::fromUtf8(p.readAllStandardError());
    return e;
}

QStringList Lignes(const QString& texte)
{
    return texte.split(u'\n', Qt::SkipEmptyParts);
}

// The fields `fiche` prints, less those the sheet does not carry.
QStringList ChampsPortes(const QString& sortie)
{
    QStringList lignes;
    for (const QString& ligne : Lignes(sortie)) {
        const QString champ = ligne.section(u'=', 0, 0);
        if (!QStringList{"Num", "Notes", "DejaVu", "Prete", "Emprunteur", "DateEmprunt"}.contains(champ))
            lignes << ligne;
    }
    return lignes;
}

} // namespace

// Out of one catalogue and into another through the tool, as the program would store it.
void TestCommandesEchange::exporterPuisImporter()
{
    QTemporaryDir depart;
    QTemporaryDir arrivee;
    QVERIFY(depart.isValid() && arrivee.isValid());
    QStringList ajout;
    for (const auto& [champ, valeur] : FilmComplet("Le Dîner")) {
        ajout << champ + u'=' + QString(valeur).replace("\r\n", "\\r\\n");
    }
    ajout << "BlobPicture=@" + Fixture("couverture.jpg");
    Execution e = Cli(depart.path(), QStringList{"ajouter"} + ajout);
    QVERIFY2(e.code == 0, qPrintable(e.erreur));

    const QString fichier = depart.filePath("diner.kbx");
    e = Cli(depart.path(), {"exporter-fiche", "Le Dîner", fichier});
    QVERIFY2(e.code == 0, qPrintable(e.erreur));
    const QByteArray octets = LireOctets(fichier);
    const qint32 n = qFromLittleEndian<qint32>(octets.constData());
    QCOMPARE(octets.size(), 4 + n + 14 + Couverture().size());
    QVERIFY(octets.endsWith(Couverture()));

    e = Cli(arrivee.path(), {"importer-fiche", fichier});
    QVERIFY2(e.code == 0, qPrintable(e.erreur));
    QCOMPARE(e.erreur, QString());
    const Execution avant = Cli(depart.path(), {"fiche", "Le Dîner"});
    const Execution apres = Cli(arrivee.path(), {"fiche", "Le Dîner"});
    QCOMPARE(apres.code, 0);
    QCOMPARE(ChampsPortes(apres.sortie), ChampsPortes(avant.sortie));
    QVERIFY(Lignes(apres.sortie).contains("DejaVu=Faux"));
    QVERIFY(Lignes(apres.sortie).contains("Notes="));
}

// A refused file is reported with its name and the others go on; the run ends with 1.
void TestCommandesEchange::importerPlusieursFichiers()
{
    QTemporaryDir dossier;
    QVERIFY(dossier.isValid());
    const QString abimee = dossier.filePath("abimee.kbx");
    QVERIFY(EcrireOctets(abimee, Entier32(-5) + "x"));
    const QString absente = dossier.filePath("absente.kbx");
    const QString leonie = Fixture("leonie.kbx");

    const Execution e =
        Cli(dossier.path(), {"importer-fiche", leonie, abimee, Fixture("brume.kbx"), leonie, absente});
    QCOMPARE(e.code, 1);
    const QStringList erreurs = Lignes(e.erreur);
    QCOMPARE(erreurs.size(), 3);
    QVERIFY2(erreurs.at(0).startsWith(abimee + " : La fiche « " + abimee + " » est endommagée"),
             qPrintable(erreurs.at(0)));
    QCOMPARE(erreurs.at(1), leonie + " : Attention, ce titre est incorrect ou existe déjà dans la base !");
    QVERIFY2(erreurs.at(2).startsWith(absente + " : Impossible d'ouvrir le fichier \"" + absente + "\"."),
             qPrintable(erreurs.at(2)));

    const Execution titres = Cli(dossier.path(), {"titres"});
    QCOMPARE(Lignes(titres.sortie), (QStringList{"Brume", "Le Destin fabuleux de Léonie"}));
    const QStringList fiche = Lignes(Cli(dossier.path(), {"fiche", "Le Destin fabuleux de Léonie"}).sortie);
    QVERIFY(fiche.contains("Public=Tous publics"));
    QVERIFY(fiche.contains("Support=DVD"));
    QVERIFY(fiche.contains("Acteur=Léa Tardieu, Marc Kessler\\r\\nRufin, Odile Marceau"));
    QVERIFY(fiche.contains(QString("BlobPicture=%1").arg(Couverture().size())));
}

void TestCommandesEchange::exporterRefuse()
{
    QTemporaryDir dossier;
    QVERIFY(dossier.isValid());
    QVERIFY(Cli(dossier.path(), {"ajouter", "Titre=Seul"}).code == 0);

    Execution e = Cli(dossier.path(), {"exporter-fiche", "Absent", dossier.filePath("a.kbx")});
    QCOMPARE(e.code, 1);
    QCOMPARE(e.erreur, QString("Le film « Absent » n'existe pas dans le catalogue.\n"));

    const QString chemin = dossier.filePath("absent/a.kbx");
    e = Cli(dossier.path(), {"exporter-fiche", "Seul", chemin});
    QCOMPARE(e.code, 1);
    QVERIFY2(e.erreur.startsWith("Impossible de créer le fichier \"" + chemin + "\". "),
             qPrintable(e.erreur));
    QVERIFY(!QFileInfo::exists(dossier.filePath("absent")));

    e = Cli(dossier.path(), {"exporter-fiche", "Seul"});
    QCOMPARE(e.code, 2);
}
