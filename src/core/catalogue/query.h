#pragma once

#include "connexion.h"
#include "resultat.h"
#include "schema.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <map>
#include <memory>
#include <optional>
#include <vector>

class Query;

// The statement text of the query, line by line. Changing it closes the open result and forgets the
// parameters' values.
class LignesSql
{
public:
    void Clear();
    void Add(const QString& ligne);
    void Delete(int indice);
    int Count() const { return static_cast<int>(m_lignes.size()); }
    const QString& operator[](int indice) const { return m_lignes[indice]; }
    QString Texte() const { return m_lignes.join(QLatin1Char('\n')); }

private:
    friend class Query;
    explicit LignesSql(Query& query) : m_query(query) {}
    Query& m_query;
    QStringList m_lignes;
};

// A named parameter's value, bound when the query opens.
class Parametre
{
public:
    void DefinirTexte(const QString& texte);
    void DefinirDate(const QDate& date);
    void DefinirDate(const QString& texte); // dd/mm/yyyy; a wrong text makes Open fail with its message
    void DefinirValeur(const QVariant& valeur);
    void Effacer(); // binds null

private:
    friend class Query;
    QString m_nom;
    bool m_defini = false;
    QVariant m_valeur;
    QString m_erreur;
};

// The one SQL query of the data module. The statement's result is read by stepping: rows are never all held
// in memory, and a binary column is read only when it is asked for. The result of a plain selection from one
// table (columns named one by one, no DISTINCT or grouping) can be edited and posted row by row.
class Query
{
public:
    enum class Etat
    {
        Fermee,
        Navigation,
        Edition
    };

    Query();
    ~Query();
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;

    // Points the query at a catalogue file (the film table's connection); nullptr detaches it.
    void Attacher(std::shared_ptr<Connexion> connexion);

    LignesSql& SQL() { return m_sql; }
    // The parameter of that name, case ignored.
    Parametre& ParamByName(const QString& nom);

    Resultat Open();
    void Close();
    bool Active() const { return m_etat != Etat::Fermee; }
    bool Eof() const { return m_eof; }
    void Next();
    void First();
    int RecordCount(); // counted by SQLite on first request
    // The failure met while stepping, if any (the result then ends).
    const Resultat& ErreurLecture() const { return m_erreurLecture; }
    // The statement as sent to SQLite (an updatable selection also selects the row number).
    const QString& TexteExecute() const { return m_texteExecute; }

    int FieldCount() const { return static_cast<int>(m_colonnes.size()); }
    QString NomChamp(int colonne) const;
    int IndiceChamp(const QString& champ) const; // case ignored; -1 when absent

    // Current row, by name (case ignored) or by column. A null field reads as empty text, 0, false.
    QString Texte(const QString& champ) const { return Texte(IndiceChamp(champ)); }
    QString Texte(int colonne) const;
    qint64 Entier(const QString& champ) const;
    bool Logique(const QString& champ) const;
    qint64 Monnaie(const QString& champ) const; // ten-thousandths
    QDate Date(const QString& champ) const;
    QByteArray Blob(const QString& champ) const;
    bool EstNul(const QString& champ) const;

    // Editing the current row of an updatable result.
    bool EstModifiable() const { return m_table != nullptr; }
    Etat EtatRequete() const { return m_etat; }
    Resultat Edit();
    Resultat Post();
    void Cancel();
    Resultat EcrireTexte(const QString& champ, const QString& texte);
    Resultat EcrireLogique(const QString& champ, bool valeur);
    Resultat EcrireDate(const QString& champ, const QDate& date);
    Resultat Effacer(const QString& champ);

private:
    friend class LignesSql;
    struct Colonne
    {
        QString nom;
        std::optional<TypeChamp> type;
        const DescriptionChamp* champ = nullptr; // of an updatable result
    };

    void Oublier();
    Resultat Lier(sqlite3_stmt* st);
    void Avancer();
    QVariant Valeur(int colonne) const;
    QByteArray LireBlob(int colonne) const;
    Resultat EcrireValeur(const QString& champ, const QVariant& valeur, bool depuisTexte,
                          const QString& texte);

    std::shared_ptr<Connexion> m_connexion;
    LignesSql m_sql;
    std::map<QString, Parametre> m_parametres; // by lower-case name
    Instruction m_st;
    QString m_texteExecute;
    Etat m_etat = Etat::Fermee;
    bool m_eof = true;
    int m_decalage = 0; // 1 when the statement selects rowid first, hidden from the caller
    const DescriptionTable* m_table = nullptr;
    std::vector<Colonne> m_colonnes;
    std::optional<int> m_nombre;
    Resultat m_erreurLecture;
    std::vector<QVariant> m_tampon; // edit buffer, or the values just posted for the current row
    std::vector<bool> m_modifie;
    bool m_ligneRemplacee = false;
    qint64 m_idLigne = -1;
};
