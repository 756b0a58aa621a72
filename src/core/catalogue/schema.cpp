#include "schema.h"

#include "collation.h"

#include <sqlite3.h>

namespace {

DescriptionChamp Champ(const char* nom, TypeChamp type, int taille = 0, bool requis = false)
{
    DescriptionChamp c;
    c.nom = QString::fromLatin1(nom);
    c.type = type;
    c.taille = taille;
    c.requis = requis;
    return c;
}

DescriptionTable ConstruireFilms()
{
    DescriptionTable t;
    t.nom = QStringLiteral("Donnees");
    t.fichier = QStringLiteral("donnees.db");
    DescriptionChamp num = Champ("Num", TypeChamp::Entier);
    num.autoIncrement = true;
    t.champs = {num,
                Champ("Titre", TypeChamp::Texte, 250, true),
                Champ("Editeur", TypeChamp::Texte, 150),
                Champ("Genre", TypeChamp::Texte, 120),
                Champ("Realisateur", TypeChamp::Texte, 250),
                Champ("Acteur", TypeChamp::Memo),
                Champ("Resume", TypeChamp::Memo),
                Champ("Etoiles", TypeChamp::Texte, 18),
                Champ("Site", TypeChamp::Texte, 240),
                Champ("Sortie", TypeChamp::Date),
                Champ("Scenario", TypeChamp::Texte, 250),
                Champ("Musique", TypeChamp::Texte, 250),
                Champ("Langue", TypeChamp::Texte, 30),
                Champ("Duree", TypeChamp::Heure),
                Champ("Support", TypeChamp::Texte, 20),
                Champ("DateSortieDvd", TypeChamp::Date),
                Champ("DejaVu", TypeChamp::Logique),
                Champ("Prete", TypeChamp::Logique),
                Champ("Multimedia", TypeChamp::Texte, 250),
                Champ("FormatVideo", TypeChamp::Texte, 50),
                Champ("Notes", TypeChamp::Memo),
                Champ("Emprunteur", TypeChamp::Texte, 50),
                Champ("DateEmprunt", TypeChamp::Date),
                Champ("Standard", TypeChamp::Texte, 50),
                Champ("ZoneDvd", TypeChamp::Texte, 150),
                Champ("Public", TypeChamp::Texte, 20),
                Champ("Son", TypeChamp::Texte, 100),
                Champ("Prix", TypeChamp::Monnaie),
                Champ("Audio", TypeChamp::Memo),
                Champ("SousTitres", TypeChamp::Memo),
                Champ("FormatCinema", TypeChamp::Texte, 60),
                Champ("BlobPicture", TypeChamp::Binaire)};
    // The key, then every field the film list groups by, the statistics count, the search lists or tests,
    // so that no statement reads the table's rows to sort or group them. The loan grid reads a covering
    // index instead of the rows, which hold the covers.
    t.index = {QStringLiteral("CREATE UNIQUE INDEX IF NOT EXISTS Donnees_Titre ON Donnees(Titre)")};
    for (const char* champ :
         {"Sortie", "Realisateur", "Scenario",    "Musique",       "Editeur",     "Public",    "Etoiles",
          "Genre",  "Support",     "FormatVideo", "FormatCinema",  "Standard",    "ZoneDvd",   "Son",
          "Langue", "DejaVu",      "Prete",       "DateSortieDvd", "DateEmprunt", "Emprunteur"}) {
        t.index << QStringLiteral("CREATE INDEX IF NOT EXISTS Donnees_%1 ON Donnees(%1)")
                       .arg(QLatin1String(champ));
    }
    t.index << QStringLiteral(
        "CREATE INDEX IF NOT EXISTS Donnees_Prets ON Donnees(Titre, Emprunteur, DateEmprunt, Prete)");
    return t;
}

DescriptionTable ConstruireActeurs()
{
    DescriptionTable t;
    t.nom = QStringLiteral("Acteurs");
    t.fichier = QStringLiteral("acteurs.db");
    t.champs = {Champ("NomPrenom", TypeChamp::Texte, 200, true), Champ("Photo", TypeChamp::Binaire),
                Champ("DateDeNaissance", TypeChamp::Date), Champ("Bibliographie", TypeChamp::Memo),
                Champ("LieuDeNaissance", TypeChamp::Texte, 200)};
    t.index = {QStringLiteral("CREATE INDEX IF NOT EXISTS Acteurs_NomPrenom ON Acteurs(NomPrenom)")};
    return t;
}

QString Declaration(const DescriptionChamp& c)
{
    switch (c.type) {
    case TypeChamp::Entier:
        return c.autoIncrement ? QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT")
                               : QStringLiteral("INTEGER");
    case TypeChamp::Texte:
        return QStringLiteral("VARCHAR(%1) COLLATE %2").arg(c.taille).arg(QLatin1String(Collation::Nom));
    case TypeChamp::Memo:
        return QStringLiteral("TEXT");
    case TypeChamp::Date:
        return QStringLiteral("DATE");
    case TypeChamp::Heure:
        return QStringLiteral("TIME");
    case TypeChamp::Logique:
        return QStringLiteral("BOOLEAN");
    case TypeChamp::Monnaie:
        return QStringLiteral("CURRENCY");
    case TypeChamp::Binaire:
        return QStringLiteral("BLOB");
    }
    return QString();
}

QString CreationTable(const DescriptionTable& t)
{
    QStringList colonnes;
    for (const DescriptionChamp& c : t.champs) {
        colonnes << c.nom + QLatin1Char(' ') + Declaration(c);
    }
    return QStringLiteral("CREATE TABLE %1 (%2)").arg(t.nom, colonnes.join(QStringLiteral(", ")));
}

Resultat Executer(sqlite3* db, const QString& sql)
{
    char* erreur = nullptr;
    if (sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &erreur) != SQLITE_OK) {
        const QString message = QString::fromUtf8(erreur ? erreur : sqlite3_errmsg(db));
        sqlite3_free(erreur);
        return Resultat::Echec(message, sqlite3_errcode(db));
    }
    return Resultat::Succes();
}

QString PasUnCatalogue(const QString& chemin, const QString& raison)
{
    return QStringLiteral("Le fichier « %1 » n'est pas un catalogue de Kinobral 2005 : %2.")
        .arg(chemin, raison);
}

} // namespace

int DescriptionTable::IndiceChamp(const QString& nomChamp) const
{
    for (size_t i = 0; i < champs.size(); ++i) {
        if (champs[i].nom.compare(nomChamp, Qt::CaseInsensitive) == 0) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

const DescriptionChamp* DescriptionTable::Champ(const QString& nomChamp) const
{
    const int i = IndiceChamp(nomChamp);
    return i < 0 ? nullptr : &champs[static_cast<size_t>(i)];
}

const DescriptionTable& SchemaFilms()
{
    static const DescriptionTable t = ConstruireFilms();
    return t;
}

const DescriptionTable& SchemaActeurs()
{
    static const DescriptionTable t = ConstruireActeurs();
    return t;
}

const DescriptionTable* SchemaParNom(const QString& nomTable)
{
    for (const DescriptionTable* t : {&SchemaFilms(), &SchemaActeurs()}) {
        if (t->nom.compare(nomTable, Qt::CaseInsensitive) == 0) {
            return t;
        }
    }
    return nullptr;
}

bool TypeDepuisDeclaration(const char* declaration, TypeChamp& type, int& taille)
{
    if (!declaration) {
        return false;
    }
    const QByteArray d = QByteArray(declaration).trimmed().toUpper();
    taille = 0;
    if (d.startsWith("VARCHAR(") && d.endsWith(')')) {
        bool ok = false;
        taille = d.mid(8, d.size() - 9).toInt(&ok);
        type = TypeChamp::Texte;
        return ok;
    }
    static const struct
    {
        const char* nom;
        TypeChamp type;
    } types[] = {{"INTEGER", TypeChamp::Entier},  {"TEXT", TypeChamp::Memo},
                 {"DATE", TypeChamp::Date},       {"TIME", TypeChamp::Heure},
                 {"BOOLEAN", TypeChamp::Logique}, {"CURRENCY", TypeChamp::Monnaie},
                 {"BLOB", TypeChamp::Binaire}};
    for (const auto& t : types) {
        if (d == t.nom) {
            type = t.type;
            return true;
        }
    }
    return false;
}

Resultat PreparerSchema(sqlite3* db, const DescriptionTable& table, const QString& chemin)
{
    sqlite3_stmt* st = nullptr;
    // The first read of the file: a file that is not SQLite fails here.
    if (sqlite3_prepare_v2(db, "SELECT COUNT(*) FROM sqlite_master", -1, &st, nullptr) != SQLITE_OK ||
        sqlite3_step(st) != SQLITE_ROW) {
        const QString raison = QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_finalize(st);
        return Resultat::Echec(PasUnCatalogue(chemin, raison));
    }
    const int objets = sqlite3_column_int(st, 0);
    sqlite3_finalize(st);

    if (objets == 0) {
        // A new, empty file: create the table and its indexes in one transaction.
        QString sql = QStringLiteral("BEGIN IMMEDIATE;") + CreationTable(table) + QLatin1Char(';');
        for (const QString& index : table.index) {
            sql += index + QLatin1Char(';');
        }
        sql += QStringLiteral("COMMIT;");
        const Resultat r = Executer(db, sql);
        if (!r) {
            sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
            return Resultat::Echec(
                QStringLiteral("Impossible de créer le fichier « %1 » : %2").arg(chemin, r.message()));
        }
        return Resultat::Succes();
    }

    // An existing file must hold the table with our fields in their order and of our kinds.
    const QString pragma = QStringLiteral("PRAGMA table_info(%1)").arg(table.nom);
    if (sqlite3_prepare_v2(db, pragma.toUtf8().constData(), -1, &st, nullptr) != SQLITE_OK) {
        return Resultat::Echec(PasUnCatalogue(chemin, QString::fromUtf8(sqlite3_errmsg(db))));
    }
    size_t n = 0;
    bool conforme = true;
    while (sqlite3_step(st) == SQLITE_ROW) {
        const QString nom = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 1)));
        TypeChamp type;
        int taille = 0;
        if (n >= table.champs.size() || nom.compare(table.champs[n].nom, Qt::CaseInsensitive) != 0 ||
            !TypeDepuisDeclaration(reinterpret_cast<const char*>(sqlite3_column_text(st, 2)), type, taille) ||
            type != table.champs[n].type) {
            conforme = false;
        }
        ++n;
    }
    sqlite3_finalize(st);
    if (n == 0) {
        return Resultat::Echec(
            PasUnCatalogue(chemin, QStringLiteral("il ne contient pas la table « %1 »").arg(table.nom)));
    }
    if (!conforme || n != table.champs.size()) {
        return Resultat::Echec(PasUnCatalogue(
            chemin, QStringLiteral("la table « %1 » n'a pas les champs attendus").arg(table.nom)));
    }
    // Indexes added since the file was made; when they are all there, nothing is parsed or written.
    const QString compte =
        QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type='index' AND tbl_name='%1'")
            .arg(table.nom);
    if (sqlite3_prepare_v2(db, compte.toUtf8().constData(), -1, &st, nullptr) == SQLITE_OK &&
        sqlite3_step(st) == SQLITE_ROW && sqlite3_column_int(st, 0) >= table.index.size()) {
        sqlite3_finalize(st);
        return Resultat::Succes();
    }
    sqlite3_finalize(st);
    QString sql;
    for (const QString& index : table.index) {
        sql += index + QLatin1Char(';');
    }
    const Resultat r = Executer(db, sql);
    if (!r) {
        return Resultat::Echec(
            QStringLiteral("Impossible d'ouvrir le fichier « %1 » : %2").arg(chemin, r.message()));
    }
    return Resultat::Succes();
}
