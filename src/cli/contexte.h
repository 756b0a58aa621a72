#pragma once

#include "catalogue/tdm.h"
#include "resultat.h"
#include "system/verroucatalogue.h"

#include <QString>
#include <QStringList>
#include <memory>

// Exit statuses of the tool.
enum CodeSortie
{
    Fait = 0,
    Refuse = 1, // the program's own French message is on stderr
    MauvaisUsage = 2,
};

// What every command works with: the program folder, the catalogue once opened, and the output.
class Contexte
{
public:
    explicit Contexte(const QString& dossierProgramme);

    // Opens the catalogue for reading; for a change, takes the catalogue lock first, so that a
    // catalogue the program has open is left alone. False after printing the reason.
    bool OuvrirCatalogue(bool pourModifier);
    Tdm& dm() { return *m_dm; }
    const QString& dossierProgramme() const { return m_dossierProgramme; }

    // Prints a failure's message unless it was already shown (a silent failure); returns Refuse.
    int Refuser(const Resultat& resultat);
    int Refuser(const QString& message);

    static void Sortie(const QString& ligne); // one line on stdout, UTF-8
    static void Erreur(const QString& ligne); // one line on stderr, UTF-8

private:
    QString m_dossierProgramme;
    VerrouCatalogue m_verrou;
    std::unique_ptr<Tdm> m_dm;
};

// Values on one line: a backslash, line breaks and tabs are written as \\, \n, \r and \t.
QString EchapperLigne(const QString& texte);
// The reverse; a backslash before any other character stays as it is.
QString DeschapperLigne(const QString& texte);
