#pragma once

#include "resultat.h"

#include <QString>
#include <QStringList>
#include <vector>

struct sqlite3;

// Kinds of field in the catalogue tables. The declared column type in the files tells the kind back, so a
// query result knows how to show each column.
enum class TypeChamp
{
    Entier,
    Texte,
    Memo,
    Date,
    Heure,
    Logique,
    Monnaie,
    Binaire
};

struct DescriptionChamp
{
    QString nom;
    TypeChamp type = TypeChamp::Texte;
    int taille = 0; // maximum length in characters, for Texte only
    bool requis = false;
    bool autoIncrement = false;
};

struct DescriptionTable
{
    QString nom;     // the table's name in its file
    QString fichier; // file name in the catalogue folder
    std::vector<DescriptionChamp> champs;
    QStringList index; // CREATE INDEX statements, idempotent

    // Index of the field, names compared without regard to case; -1 when absent.
    int IndiceChamp(const QString& nom) const;
    const DescriptionChamp* Champ(const QString& nom) const;
};

// The film table Donnees (donnees.db) and the actor table Acteurs (acteurs.db).
const DescriptionTable& SchemaFilms();
const DescriptionTable& SchemaActeurs();
// The description whose table has this name (case ignored), or nullptr.
const DescriptionTable* SchemaParNom(const QString& nomTable);

// Kind told by a declared column type ("VARCHAR(250)", "DATE", ...); false when it is none of ours.
bool TypeDepuisDeclaration(const char* declaration, TypeChamp& type, int& taille);

// Makes an empty file the given table, or checks that an existing file holds it with the expected
// fields in their order. A file that is not a catalogue of this program is refused, untouched.
Resultat PreparerSchema(sqlite3* db, const DescriptionTable& table, const QString& chemin);
