#pragma once

#include <QString>
#include <QStringList>

// The fixed country list behind the editor's country box and the sheet view's flag. A film's
// country is stored as one of these names (field Langue); entry i has the flag picture i, and
// entry 0, "Inconnu", stands for any country that is empty or not in the list.

// Number of names, and of flag pictures.
constexpr int NombrePays = 137;

// The names in list order, spelled exactly as they are stored (misspellings included: old
// catalogues hold them as they are).
const QStringList& ListePays();

// Position of the whole name in the list, letter case ignored (accented letters too); 0 when
// the name is empty or not in the list.
int IndexPays(const QString& nom);

// Path of the flag picture of entry index, "images/drapeaux/NNN.png" under the program folder
// (given with its trailing separator). An index outside the list gives the unknown flag.
QString CheminDrapeau(const QString& dossierProgramme, int index);
