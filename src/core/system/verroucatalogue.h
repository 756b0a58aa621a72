#pragma once

#include "resultat.h"
#include "verroufichier.h"

#include <QString>

// Keeps the command-line tool from writing to a catalogue that the running program has open.
// The program holds it on its data folder for its whole run; each writing command of the tool
// takes it for the time of the change. A catalogue in another folder is not affected.
class VerrouCatalogue
{
public:
    // The hidden file in the data folder; hidden files are left out of backups.
    static QString NomFichier() { return QStringLiteral(".verrou"); }

    // Takes the lock of the catalogue folder `dossierCatalogue` (the data folder). Fails with the
    // French message to show when someone else holds it or the lock file cannot be made.
    Resultat Prendre(const QString& dossierCatalogue);
    void Relacher() { m_verrou.Relacher(); }
    bool estAcquis() const { return m_verrou.etat() == VerrouFichier::Etat::Acquis; }

private:
    VerrouFichier m_verrou;
};
