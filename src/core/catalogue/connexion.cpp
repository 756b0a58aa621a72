#include "connexion.h"

#include "catalogue.h"
#include "collation.h"

#include <QDir>
#include <QFileInfo>
#include <QVariant>
#include <sqlite3.h>

Resultat Connexion::Ouvrir(const QString& dossier, const DescriptionTable& schema,
                           std::shared_ptr<Connexion>& connexion)
{
    connexion.reset();
    if (!QDir().mkpath(dossier)) {
        return Resultat::Echec(QStringLiteral("Impossible de créer le dossier « %1 ».").arg(dossier));
    }
    const QString chemin = QDir(dossier).filePath(schema.fichier);
    const QFileInfo info(chemin);
    if (info.exists() && !info.isFile()) {
        return Resultat::Echec(
            QStringLiteral(
                "Le fichier « %1 » n'est pas un catalogue de Kinobral 2005 : ce n'est pas un fichier.")
                .arg(chemin));
    }
    // Only a missing file is created; an existing one is opened as it is and checked before any write.
    const int drapeaux = SQLITE_OPEN_READWRITE | (info.exists() ? 0 : SQLITE_OPEN_CREATE);

    std::shared_ptr<Connexion> c(new Connexion);
    c->m_chemin = chemin;
    c->m_schema = &schema;
    if (sqlite3_open_v2(QFile::encodeName(chemin).constData(), &c->m_db, drapeaux, nullptr) != SQLITE_OK) {
        return Resultat::Echec(QStringLiteral("Impossible d'ouvrir le fichier « %1 » : %2")
                                   .arg(chemin, QString::fromUtf8(sqlite3_errmsg(c->m_db))));
    }
    sqlite3_extended_result_codes(c->m_db, 1);
    sqlite3_busy_timeout(c->m_db, 5000);
    if (!Collation::EnregistrerCollationFrancaise(c->m_db)) {
        return Resultat::Echec(QStringLiteral("Impossible d'ouvrir le fichier « %1 » : %2")
                                   .arg(chemin, QString::fromUtf8(sqlite3_errmsg(c->m_db))));
    }
    const Resultat r = PreparerSchema(c->m_db, schema, chemin);
    if (!r) {
        return r;
    }
    sqlite3_exec(c->m_db, "PRAGMA journal_mode=DELETE; PRAGMA synchronous=FULL", nullptr, nullptr, nullptr);
    connexion = std::move(c);
    return Resultat::Succes();
}

Connexion::~Connexion()
{
    // v2: the file is released once the last statement is finalized, whoever holds it.
    sqlite3_close_v2(m_db);
}

Resultat Connexion::Erreur() const
{
    return Resultat::Echec(QString::fromUtf8(sqlite3_errmsg(m_db)), sqlite3_extended_errcode(m_db));
}

Lot::Lot(std::shared_ptr<Connexion> connexion) : m_connexion(std::move(connexion)) {}

Lot::~Lot()
{
    if (m_ouvert) {
        sqlite3_exec(m_connexion->db(), "ROLLBACK", nullptr, nullptr, nullptr);
        m_connexion->Modifiee();
    }
}

Resultat Lot::Commencer()
{
    if (!m_connexion || m_ouvert) {
        return Resultat::Echec(
            QStringLiteral("Le lot de modifications est déjà commencé ou sans catalogue."));
    }
    if (sqlite3_exec(m_connexion->db(), "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK) {
        return m_connexion->Erreur();
    }
    m_ouvert = true;
    return Resultat::Succes();
}

Resultat Lot::Valider()
{
    if (!m_ouvert) {
        return Resultat::Echec(QStringLiteral("Le lot de modifications n'est pas commencé."));
    }
    if (sqlite3_exec(m_connexion->db(), "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK) {
        // A commit that fails (disk full, for instance) may leave the transaction open: drop it.
        const Resultat erreur = m_connexion->Erreur();
        if (!sqlite3_get_autocommit(m_connexion->db())) {
            sqlite3_exec(m_connexion->db(), "ROLLBACK", nullptr, nullptr, nullptr);
        }
        m_ouvert = false;
        m_connexion->Modifiee();
        return erreur;
    }
    m_ouvert = false;
    return Resultat::Succes();
}

Instruction::~Instruction()
{
    Finaliser();
}

Instruction::Instruction(Instruction&& autre) noexcept : m_st(autre.m_st)
{
    autre.m_st = nullptr;
}

Instruction& Instruction::operator=(Instruction&& autre) noexcept
{
    if (this != &autre) {
        Finaliser();
        m_st = autre.m_st;
        autre.m_st = nullptr;
    }
    return *this;
}

Resultat Instruction::Preparer(sqlite3* db, const QByteArray& sql)
{
    Finaliser();
    if (sqlite3_prepare_v2(db, sql.constData(), static_cast<int>(sql.size()), &m_st, nullptr) != SQLITE_OK) {
        Finaliser();
        return Resultat::Echec(QString::fromUtf8(sqlite3_errmsg(db)), sqlite3_extended_errcode(db));
    }
    return Resultat::Succes();
}

void Instruction::Finaliser()
{
    sqlite3_finalize(m_st);
    m_st = nullptr;
}

int LierValeur(sqlite3_stmt* st, int indice, const QVariant& valeur)
{
    if (!valeur.isValid() || valeur.isNull()) {
        return sqlite3_bind_null(st, indice);
    }
    switch (valeur.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Bool:
        return sqlite3_bind_int64(st, indice, valeur.toLongLong());
    case QMetaType::Double:
        return sqlite3_bind_double(st, indice, valeur.toDouble());
    case QMetaType::QByteArray: {
        const QByteArray octets = valeur.toByteArray();
        // An empty picture is stored as a zero-length blob, not as null.
        return sqlite3_bind_blob64(st, indice, octets.isNull() ? "" : octets.constData(),
                                   static_cast<sqlite3_uint64>(octets.size()), SQLITE_TRANSIENT);
    }
    default: {
        const QByteArray texte = valeur.toString().toUtf8();
        return sqlite3_bind_text64(st, indice, texte.constData(), static_cast<sqlite3_uint64>(texte.size()),
                                   SQLITE_TRANSIENT, SQLITE_UTF8);
    }
    }
}

QVariant LireColonne(sqlite3_stmt* st, int colonne)
{
    switch (sqlite3_column_type(st, colonne)) {
    case SQLITE_INTEGER:
        return QVariant(qint64(sqlite3_column_int64(st, colonne)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(st, colonne));
    case SQLITE_TEXT:
        return QVariant(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, colonne)),
                                          sqlite3_column_bytes(st, colonne)));
    case SQLITE_BLOB: {
        const void* octets = sqlite3_column_blob(st, colonne);
        return QVariant(QByteArray(static_cast<const char*>(octets), sqlite3_column_bytes(st, colonne)));
    }
    default:
        return QVariant();
    }
}

Resultat ErreurEcriture(sqlite3* db, int code)
{
    const QString message = QString::fromUtf8(sqlite3_errmsg(db));
    if (code == SQLITE_CONSTRAINT_UNIQUE || code == SQLITE_CONSTRAINT_PRIMARYKEY) {
        // "UNIQUE constraint failed: Donnees.Titre"
        const QString champ = message.section(QLatin1Char('.'), -1).trimmed();
        return Resultat::Echec(
            QStringLiteral("Violation de clé : la valeur du champ '%1' existe déjà dans la table.")
                .arg(champ),
            CodeCleDupliquee);
    }
    return Resultat::Echec(message, code);
}
