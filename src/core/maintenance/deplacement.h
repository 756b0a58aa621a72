#pragma once

#include "resultat.h"

#include <QString>
#include <QStringList>

// Moves the folder `source` into the folder `destination`, merging it with the folder of the same name
// there: its files take the place of those of the same name, which go to the desktop trash (so that the
// move can be undone by hand); the other files of the destination stay. Each file is replaced in one
// rename: a file copied from another file system is written beside its target first. A file that cannot
// be moved keeps its old version, and the failure names it; the others are still moved. The emptied
// source folder is removed.
Resultat DeplacerFichiers(const QString& source, const QString& destination);
