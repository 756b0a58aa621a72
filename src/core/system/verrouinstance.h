#pragma once

#include "verroufichier.h"

#include <QString>

// The single-instance lock of the program, named after the application title. It is held from
// construction to destruction; a second copy finds it taken and ends at once.
class VerrouInstance
{
public:
    explicit VerrouInstance(const QString& nom = QStringLiteral("Kinobral 2005"));

    bool estAcquis() const { return m_verrou.etat() == VerrouFichier::Etat::Acquis; }
    // Another running copy holds the lock (as opposed to a lock file that could not be made).
    bool estOccupe() const { return m_verrou.etat() == VerrouFichier::Etat::Occupe; }
    const QString& cheminFichier() const { return m_chemin; }

    // The lock file for `nom`: in $XDG_RUNTIME_DIR (private to the user), else in the temporary
    // folder with the user id in the name, since that folder is shared by every user.
    static QString CheminVerrou(const QString& nom);

private:
    QString m_chemin;
    VerrouFichier m_verrou;
};
