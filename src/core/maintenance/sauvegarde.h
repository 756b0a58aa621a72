#pragma once

#include "progression.h"
#include "resultat.h"

#include <QString>
#include <QStringList>

class Tdm;

// Backup and restore of the whole catalogue folder as one password-protected zip archive.

inline const QString MessageSauvegardeFaite = QStringLiteral("Votre base a bien été sauvegardée.");
inline const QString MessageConfirmationRestauration =
    QStringLiteral("Cette fonction va remplacer la base actuelle, voulez-vous continuer ?");
inline const QString MessageRestaurationFaite = QStringLiteral("La base de données a bien été importée.");

// The archive name the save dialog gives: ".zip" appended unless the name already ends with it (any case).
QString AvecExtensionZip(const QString& nom);

// Stores every file of the data folder and of its subfolders, under its bare name, into the archive,
// which is created or updated (its entries of other names stay). Hidden files are left out, among them
// the catalogue's lock file. When two files have the same name, the one nearest the data folder (then
// the first in name order) is stored and the others are named in `laissesDeCote`. The tables are closed
// meanwhile and reopened with OuvrirBase afterwards, also when the archive fails, before its failure is
// returned. A cancelled backup leaves the archive as it was and fails silently.
Resultat SauvegarderBase(Tdm& dm, const QString& archive, const Progression& progression = {},
                         QStringList* laissesDeCote = nullptr);

// Replaces the files of the data folder by those of the archive: the entries are extracted into the
// staging folder under their bare names (an entry that cannot be extracted is skipped without a word),
// each table extracted is checked to be a sound catalogue table of this program (those that are not stay
// out and are named in `laissesDeCote`), and the staging folder is merged into the data folder with
// DeplacerFichiers (replaced files go to the trash). Files the archive does not hold stay as they were;
// the lock file is never touched. The tables are reopened with OuvrirBase and the staging folder is made
// again, empty, in every case. A move that fails for some files is returned as a failure naming them.
Resultat RestaurerBase(Tdm& dm, const QString& archive, const Progression& progression = {},
                       QStringList* laissesDeCote = nullptr);

// The warning to show after a restore that left files out (empty when none was).
QString AvertissementRestauration(const QStringList& laissesDeCote);
// The warning to show after a backup that left files out because of their name (empty when none was).
QString AvertissementSauvegarde(const QStringList& laissesDeCote);
