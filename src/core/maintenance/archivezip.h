#pragma once

#include "progression.h"
#include "resultat.h"

#include <QString>
#include <QStringList>
#include <vector>

// The password-protected zip archive of the catalogue, over libzip.

// One file to store: its path on disk and the entry name it gets.
struct FichierArchive
{
    QString chemin;
    QString nom;
    qint64 taille = 0;
};

// The failure code of an archive stopped through Progression::annulation.
inline constexpr int CodeAnnulation = 32;

// Adds each file to the archive (created when missing) as a Deflate entry at the fast level, encrypted
// with the traditional zip password encryption. An entry of the same name is replaced; entries of other
// names stay. The archive is written to a temporary file beside it and renamed into place, so a failure
// or a cancellation leaves the previous archive (or none) as it was.
Resultat EcrireArchive(const QString& archive, const std::vector<FichierArchive>& fichiers,
                       const char* motDePasse, const Progression& progression = {});

// Extracts every entry of the archive into the folder, under its bare name (NomSimple). An entry that
// cannot be read (another password, damaged data, an unknown method) is skipped; so are folders, hidden
// names and a second entry with a name already extracted. `extraits` receives the names written.
// Fails when the archive cannot be opened or a file cannot be written; the files already written stay.
Resultat ExtraireArchive(const QString& archive, const QString& dossier, const char* motDePasse,
                         QStringList& extraits, const Progression& progression = {});

// The bare file name of an entry: no drive, folder, "." or ".." part, '/' and '\' both taken as
// separators. Empty for a folder entry or a name made only of such parts.
QString NomSimple(const QString& nomEntree);
