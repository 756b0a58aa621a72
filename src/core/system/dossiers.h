#pragma once

#include <QString>

// The system's temporary folder, with its trailing separator.
QString DossierTemporaire();

// The folder of the running executable, with its trailing separator.
QString DossierExecutable();
// The full path of the running executable.
QString CheminExecutable();

// Makes sure that the staging folders `kinobral` and `kinobral/data` exist below the temporary
// folder (a restore unpacks a backup there). Each pass asks DossierTemporaire afresh. A folder
// that cannot be made ends the attempt quietly; at most `tentativesMax` passes, so a temporary
// folder that never takes them cannot hold up the start. Returns whether both exist.
bool CreerDossiersTemporaires(int tentativesMax = 10);
