#pragma once

#include "resultat.h"

#include <QString>
#include <QStringList>

// The glossary of film terms, read from data/glossaire.dat: one entry per line, the term, "|" and its
// definition, where "°" starts a new paragraph. Read once; the program only reads the file.
class Glossaire
{
public:
    // The glossary file of a program folder (with its trailing separator).
    static QString Chemin(const QString& dossierProgramme);

    // Reads the file: code page 1252, or UTF-8 when the bytes are valid UTF-8 (a file in plain ASCII reads
    // the same either way). Lines end at CR, LF or CR LF. A file that cannot be read leaves the glossary
    // empty and returns the French message to show; the program goes on without it.
    Resultat Charger(const QString& chemin);
    // The same from text already decoded.
    void ChargerTexte(const QString& texte);

    // The lines of the file, as read.
    const QStringList& lignes() const { return m_lignes; }
    // The term of each line, in the order of the file (an empty line gives an empty term).
    QStringList Termes() const;
    // The definition of the first line whose term is exactly `terme` (case counts), each "°" turned
    // into a paragraph break (two line breaks). False when no line has that term.
    bool Chercher(const QString& terme, QString& definition) const;

    // One line's term and raw definition.
    static QString Terme(const QString& ligne);
    static QString DefinitionBrute(const QString& ligne);
    // A raw definition as shown: "°" becomes two line breaks.
    static QString MettreEnForme(const QString& definitionBrute);

private:
    QStringList m_lignes;
};
