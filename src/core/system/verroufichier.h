#pragma once

#include <QString>

// An exclusive, non-blocking flock on one file, held until destruction. The kernel drops it when
// the process dies, even by SIGKILL, so a crash never leaves a stale lock behind.
class VerrouFichier
{
public:
    enum class Etat
    {
        Libre,
        Acquis,
        Occupe,
        Erreur
    };

    VerrouFichier() = default;
    ~VerrouFichier();
    VerrouFichier(const VerrouFichier&) = delete;
    VerrouFichier& operator=(const VerrouFichier&) = delete;

    // Opens (creating it with `mode`) and locks the file. Occupe when another open file holds it.
    // The file is opened read-only: any user who may read it can take the lock.
    Etat Prendre(const QString& chemin, int mode = 0600);
    void Relacher();

    Etat etat() const { return m_etat; }
    // The system's reason when the file could not be opened or locked.
    const QString& erreur() const { return m_erreur; }

private:
    int m_fd = -1;
    Etat m_etat = Etat::Libre;
    QString m_erreur;
};
