#pragma once

#include "resultat.h"
#include "schema.h"

#include <QByteArray>
#include <QString>
#include <memory>

struct sqlite3;
struct sqlite3_stmt;

// One open catalogue file. Every confirmed change is one SQLite transaction in rollback-journal mode with
// synchronous=FULL: when the call returns the change is in the file, and the file alone is the whole
// catalogue (no side file to carry along when the backup archives the folder or a restore replaces it).
class Connexion
{
public:
    // Opens the table's file in the folder, creating an empty catalogue file when it is missing.
    static Resultat Ouvrir(const QString& dossier, const DescriptionTable& schema,
                           std::shared_ptr<Connexion>& connexion);
    ~Connexion();
    Connexion(const Connexion&) = delete;
    Connexion& operator=(const Connexion&) = delete;

    sqlite3* db() const { return m_db; }
    const QString& chemin() const { return m_chemin; }
    const DescriptionTable& schema() const { return *m_schema; }

    // Counts the changes made through this connection, so that cached rows know when to read again.
    quint64 generation() const { return m_generation; }
    void Modifiee() { ++m_generation; }

    // The last SQLite error of the connection, as a failure.
    Resultat Erreur() const;

private:
    Connexion() = default;
    sqlite3* m_db = nullptr;
    QString m_chemin;
    const DescriptionTable* m_schema = nullptr;
    quint64 m_generation = 0;
};

// Many confirmed changes in one transaction, for a batch (importing thousands of sheet files): each
// change is still one statement, refused alone while the others stay, but the file is synced once, when
// Valider returns, instead of once per change. Going without Valider rolls everything back; the tables
// on the connection must then be reopened, as their row lists still hold the dropped records.
class Lot
{
public:
    explicit Lot(std::shared_ptr<Connexion> connexion);
    ~Lot();
    Lot(const Lot&) = delete;
    Lot& operator=(const Lot&) = delete;

    Resultat Commencer(); // takes the file's write lock at once
    Resultat Valider();

private:
    std::shared_ptr<Connexion> m_connexion;
    bool m_ouvert = false;
};

// A prepared statement, finalized when it goes.
class Instruction
{
public:
    Instruction() = default;
    ~Instruction();
    Instruction(Instruction&& autre) noexcept;
    Instruction& operator=(Instruction&& autre) noexcept;
    Instruction(const Instruction&) = delete;
    Instruction& operator=(const Instruction&) = delete;

    Resultat Preparer(sqlite3* db, const QByteArray& sql);
    void Finaliser();
    sqlite3_stmt* get() const { return m_st; }
    explicit operator bool() const { return m_st != nullptr; }

private:
    sqlite3_stmt* m_st = nullptr;
};

// Shared by the table and the query: binds a stored value (QVariant of qint64, double, QString or
// QByteArray; invalid for null) to a statement's parameter.
int LierValeur(sqlite3_stmt* st, int indice, const QVariant& valeur);
// Reads a result column as a stored value.
QVariant LireColonne(sqlite3_stmt* st, int colonne);
// Turns a failed write into the store's failure: a duplicate key gets the key-violation code.
Resultat ErreurEcriture(sqlite3* db, int code);
