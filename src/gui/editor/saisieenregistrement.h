#pragma once

#include "exchange/saisiefilm.h"
#include "resultat.h"

#include <QByteArray>
#include <QHash>
#include <QString>

class Table;

// Between the film record and the editor's values, on the editor's side: loading a film, checking what
// the user typed before anything is written, writing it back, and reading a cover file.

// Stored values that the editor's lists cannot show (a rating, an audience or a country that is none of
// their entries, an old catalogue's spelling): field name -> stored text. The list then shows no
// selection, and saving leaves such a field as it was unless the user picks an entry.
using ValeursConservees = QHash<QString, QString>;

// The current film of the table as the editor shows it. Lists select the entry equal to the stored text
// (letter case ignored); a stored text that matches none lands in `conservees`.
ValeursSaisie SaisieDepuisFilm(const Table& films, ValeursConservees& conservees);

// Checks the masked and numeric editors before anything is written: a duration, a release date or a DVD
// date is either wholly empty (its field is then cleared) or correct; a price is empty or a number. The
// first fault gives a French warning naming the field and quoting what was typed. On success the masked
// texts lose the blanks of their optional digits (" 1/02/2005" becomes "1/02/2005").
Resultat VerifierSaisie(ValeursSaisie& saisie);

// Writes the editor into the current record and posts it: the table is put into editing unless it is
// being edited or inserted already (on an empty table that starts a new record). A list without
// selection whose stored value is kept writes that value back. A refused write or post cancels the
// record, so that nothing half-written waits to be posted by a later move.
Resultat EnregistrerFilm(Table& films, const ValeursSaisie& saisie, const ValeursConservees& conservees);

// Reads a cover picture file for the editor. JPEG bytes are kept as they are, byte for byte; a bitmap
// is converted to JPEG, since every reader of the stored cover decodes JPEG. A file that cannot be
// opened gives "Impossible d'ouvrir le fichier "%s". %s"; one that is neither a JPEG nor a bitmap that
// decodes is refused with a French message naming it.
Resultat LireCouverture(const QString& chemin, QByteArray& jpeg);
