// kinobral-generer N DOSSIER_PROGRAMME [GRAINE]
// Writes DOSSIER_PROGRAMME/data/donnees.db with N films of realistic French values; about 3 % of them get a
// JPEG cover of 100 to 500 KB (noise over a gradient, so that it does not compress away).
#include "catalogue/collation.h"
#include "catalogue/formes.h"
#include "catalogue/tdm.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QRandomGenerator>
#include <QSet>
#include <QTextStream>
#include <cmath>
#include <sqlite3.h>

namespace {

const QStringList Articles = {"Le", "La", "Les", "Un", "Une", "L'", "Des", "Mon", "Ma", "Nos", "Au-delà du"};
const QStringList Noms = {"silence", "été",     "nuit",    "ombre",   "retour",  "voyage",  "Éden",
                          "secret",  "rivière", "mémoire", "jardin",  "cœur",    "tempête", "homme",
                          "femme",   "enfant",  "soleil",  "hiver",   "Paris",   "fleuve",  "trésor",
                          "chemin",  "orage",   "lumière", "cité",    "mystère", "bal",     "regard",
                          "désir",   "port",    "château", "étranger"};
const QStringList Complements = {
    "",        "perdu",       "de la nuit", "des anges", "d'automne",  "à Marseille",
    "éternel", "sans retour", "du large",   "interdit",  "noir",       "de minuit",
    "blanc",   "des Îles",    "ordinaire",  "rouge",     "de Lisbonne"};
const QStringList Prenoms = {"Jean",    "Claude", "François",    "Agnès",    "Éric",
                             "Jacques", "Luc",    "Céline",      "Bertrand", "Louis",
                             "Michel",  "Cédric", "Jean-Pierre", "Maurice",  "Éléonore",
                             "Robert",  "Jeanne", "Mathieu",     "Sandrine", "Hélène"};
const QStringList NomsFamille = {"Renoir",   "Truffaut", "Godard",  "Varda",   "Rohmer",    "Chabrol",
                                 "Besson",   "Sautet",   "Pialat",  "Malle",   "Tavernier", "Jeunet",
                                 "Klapisch", "Ozon",     "Audiard", "Resnais", "Demy",      "Lelouch",
                                 "Leconte",  "Veber",    "Dupontel"};
const QStringList Genres = {"Comédie",   "Drame",        "Policier", "Science-fiction",    "Aventure",
                            "Animation", "Documentaire", "Western",  "Comédie dramatique", "Thriller",
                            "Horreur",   "Film musical", "Guerre",   "Fantastique",        "Historique"};
const QStringList Editeurs = {"Gaumont",     "Pathé",           "MK2",        "TF1 Vidéo",
                              "StudioCanal", "UGC Vidéo",       "Arte Vidéo", "Warner Home Vidéo",
                              "Universal",   "Fox Pathé Europa"};
const QStringList Etoiles = {"Pas d'étoile", "1 étoile", "2 étoiles", "3 étoiles", "4 étoiles", "5 étoiles"};
const QStringList Pays = {"France",     "Belgique",    "Suisse",    "Canada",  "Italie",
                          "Etats-Unis", "Royaume-Uni", "Allemagne", "Espagne", "Japon"};
const QStringList Supports = {"DVD", "VHS", "DivX", "VCD", "DVD-R", "Blu-ray"};
const QStringList FormatsVideo = {"4/3", "16/9", "16/9 compatible 4/3", "Plein écran"};
const QStringList FormatsCinema = {"1.33", "1.66", "1.85", "2.35", "2.40"};
const QStringList Standards = {"PAL", "SECAM", "NTSC"};
const QStringList Zones = {"Zone 2", "Zone 1", "Toutes zones", "Zone 2 et 4"};
const QStringList Publics = {"Tous publics", "Interdit -12 ans", "Interdit -16 ans", "Interdit -18 ans"};
const QStringList Sons = {"Dolby Digital 5.1", "DTS 5.1", "Dolby Stéréo", "Mono"};
const QStringList Mots = {"un",    "homme",      "revient",    "dans",   "son",     "village",      "natal",
                          "où",    "les",        "secrets",    "du",     "passé",   "resurgissent", "une",
                          "femme", "décide",     "de",         "tout",   "quitter", "pour",         "partir",
                          "à",     "l'aventure", "et",         "trouve", "l'amour", "au",           "détour",
                          "d'une", "rencontre",  "inattendue", "été"};

QRandomGenerator alea;

const QString& Un(const QStringList& liste)
{
    return liste[static_cast<qsizetype>(alea.bounded(static_cast<quint32>(liste.size())))];
}

QString Personne()
{
    return Un(Prenoms) + QLatin1Char(' ') + Un(NomsFamille);
}

QString Phrase(int mots)
{
    QStringList p;
    for (int i = 0; i < mots; ++i) {
        p << Un(Mots);
    }
    QString s = p.join(QLatin1Char(' '));
    s[0] = s[0].toUpper();
    return s + QLatin1Char('.');
}

QString Titre()
{
    const QString article = Un(Articles);
    QString t = article + (article.endsWith(QLatin1Char('\'')) ? QString() : QStringLiteral(" ")) + Un(Noms);
    const QString complement = Un(Complements);
    if (!complement.isEmpty()) {
        t += QLatin1Char(' ') + complement;
    }
    return t;
}

QDate DateAuHasard(int debut, int fin)
{
    return QDate(debut, 1, 1).addDays(alea.bounded(QDate(debut, 1, 1).daysTo(QDate(fin, 12, 31))));
}

// A JPEG of about the wanted size: a gradient with strong noise.
QByteArray Couverture(int octetsVoulus)
{
    double aire = octetsVoulus / 1.6;
    QByteArray jpeg;
    for (int essai = 0; essai < 3; ++essai) {
        const int largeur = qMax(64, static_cast<int>(std::sqrt(aire * 0.72)));
        const int hauteur = qMax(64, static_cast<int>(largeur / 0.72));
        QImage image(largeur, hauteur, QImage::Format_RGB32);
        const int teinte = alea.bounded(360);
        for (int y = 0; y < hauteur; ++y) {
            QRgb* ligne = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < largeur; ++x) {
                const QColor base = QColor::fromHsv(teinte, 160, 60 + 150 * y / hauteur);
                const int bruit = alea.bounded(90) - 45;
                ligne[x] = qRgb(qBound(0, base.red() + bruit, 255), qBound(0, base.green() + bruit, 255),
                                qBound(0, base.blue() + alea.bounded(90) - 45, 255));
            }
        }
        jpeg.clear();
        QBuffer tampon(&jpeg);
        tampon.open(QIODevice::WriteOnly);
        image.save(&tampon, "JPEG", 80);
        const double rapport = static_cast<double>(octetsVoulus) / jpeg.size();
        if (rapport > 0.9 && rapport < 1.1) {
            break;
        }
        aire *= rapport;
    }
    return jpeg;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc < 3) {
        err << "Usage : kinobral-generer NOMBRE DOSSIER_PROGRAMME [GRAINE]\n";
        return 2;
    }
    const int nombre = QString::fromLocal8Bit(argv[1]).toInt();
    QString dossier = QString::fromLocal8Bit(argv[2]);
    if (!dossier.endsWith(QLatin1Char('/'))) {
        dossier += QLatin1Char('/');
    }
    alea.seed(argc > 3 ? QString::fromLocal8Bit(argv[3]).toUInt() : 2005);
    if (nombre < 1) {
        err << "Le nombre de films doit être positif.\n";
        return 2;
    }
    {
        Tdm dm(dossier);
        const Resultat r = dm.OuvrirBase();
        if (!r) {
            err << r.message() << '\n';
            return 1;
        }
        if (dm.tbFilms().RecordCount() > 0) {
            err << "Le catalogue " << dm.dossierCatalogue() << " n'est pas vide.\n";
            return 1;
        }
    }

    // Bulk load: one transaction without syncs, which a generator can afford.
    sqlite3* db = nullptr;
    const QByteArray chemin = QFile::encodeName(dossier + QStringLiteral("data/donnees.db"));
    if (sqlite3_open(chemin.constData(), &db) != SQLITE_OK || !Collation::EnregistrerCollationFrancaise(db)) {
        err << "Impossible d'ouvrir " << chemin << '\n';
        return 1;
    }
    sqlite3_exec(db, "PRAGMA synchronous=OFF; PRAGMA cache_size=-200000; BEGIN", nullptr, nullptr, nullptr);
    const DescriptionTable& schema = SchemaFilms();
    QStringList colonnes;
    QStringList marques;
    for (size_t i = 1; i < schema.champs.size(); ++i) {
        colonnes << schema.champs[i].nom;
        marques << QStringLiteral("?%1").arg(i);
    }
    const QByteArray sql = QStringLiteral("INSERT INTO Donnees (%1) VALUES (%2)")
                               .arg(colonnes.join(QLatin1Char(',')), marques.join(QLatin1Char(',')))
                               .toUtf8();
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, sql.constData(), -1, &st, nullptr) != SQLITE_OK) {
        err << sqlite3_errmsg(db) << '\n';
        return 1;
    }
    std::vector<QByteArray> couvertures;
    for (int i = 0; i < 24; ++i) {
        couvertures.push_back(Couverture(100 * 1024 + alea.bounded(400 * 1024)));
    }
    QSet<QString> titres;
    qint64 octetsCouvertures = 0;
    int couverts = 0;
    for (int n = 0; n < nombre; ++n) {
        QString titre = Titre();
        for (int k = 2; titres.contains(titre); ++k) {
            titre = Titre() + QStringLiteral(" %1").arg(k);
        }
        titres.insert(titre);
        const bool prete = alea.bounded(10) == 0;
        const QDate sortie = DateAuHasard(1930, 2005);
        QStringList acteurs;
        for (int a = 0, na = 2 + alea.bounded(5); a < na; ++a) {
            acteurs << Personne();
        }
        QStringList resume;
        for (int p = 0, np = 2 + alea.bounded(5); p < np; ++p) {
            resume << Phrase(8 + alea.bounded(14));
        }
        const QVariant valeurs[] = {titre,
                                    Un(Editeurs),
                                    Un(Genres),
                                    Personne(),
                                    acteurs.join(QStringLiteral(", ")),
                                    resume.join(QLatin1Char(' ')),
                                    Un(Etoiles),
                                    QStringLiteral("http://www.film%1.fr/").arg(n),
                                    Formes::DateIso(sortie),
                                    Personne(),
                                    Personne(),
                                    Un(Pays),
                                    Formes::TexteHeure(QTime(1, 20).addSecs(60 * alea.bounded(90))),
                                    Un(Supports),
                                    Formes::DateIso(sortie.addDays(180 + alea.bounded(700))),
                                    qint64(alea.bounded(2)),
                                    qint64(prete ? 1 : 0),
                                    QVariant(),
                                    Un(FormatsVideo),
                                    alea.bounded(4) == 0 ? QVariant(Phrase(10)) : QVariant(),
                                    prete ? QVariant(Personne()) : QVariant(),
                                    prete ? QVariant(Formes::DateIso(DateAuHasard(2004, 2005))) : QVariant(),
                                    Un(Standards),
                                    Un(Zones),
                                    Un(Publics),
                                    Un(Sons),
                                    qint64(50000 + alea.bounded(250000)),
                                    QStringLiteral("Français\nAnglais"),
                                    QStringLiteral("Français"),
                                    Un(FormatsCinema),
                                    QVariant()};
        for (int i = 0; i < 31; ++i) {
            LierValeur(st, i + 1, valeurs[i]);
        }
        if (alea.bounded(100) < 3) {
            const QByteArray& jpeg = couvertures[alea.bounded(static_cast<quint32>(couvertures.size()))];
            sqlite3_bind_blob(st, 31, jpeg.constData(), static_cast<int>(jpeg.size()), SQLITE_STATIC);
            octetsCouvertures += jpeg.size();
            ++couverts;
        }
        if (sqlite3_step(st) != SQLITE_DONE) {
            err << sqlite3_errmsg(db) << '\n';
            return 1;
        }
        sqlite3_reset(st);
        sqlite3_clear_bindings(st);
    }
    sqlite3_finalize(st);
    if (sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK) {
        err << sqlite3_errmsg(db) << '\n';
        return 1;
    }
    sqlite3_close(db);
    QTextStream(stdout) << nombre << " films, " << couverts << " couvertures ("
                        << octetsCouvertures / 1024 / 1024 << " Mo) dans " << dossier << "data/donnees.db\n";
    return 0;
}
