#pragma once

#include <QtGlobal>
#include <atomic>
#include <functional>

// How far a backup or a restore has gone.
struct Avancement
{
    int fichiersFaits = 0;
    int fichiersTotal = 0;
    qint64 octetsFaits = 0;
    qint64 octetsTotal = 0;
};

// Lets the caller follow a long backup or restore and stop it. Both members may be left empty.
struct Progression
{
    // Called from the working thread, often (at least once per file, and between blocks of a large file).
    std::function<void(const Avancement&)> rapporter;
    // Set to true to stop; the work stops at the next block and leaves everything as it was before.
    const std::atomic<bool>* annulation = nullptr;

    void Rapporter(const Avancement& avancement) const
    {
        if (rapporter)
            rapporter(avancement);
    }
    bool estAnnulee() const { return annulation && annulation->load(); }
};
