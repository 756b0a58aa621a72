#pragma once

#include "resultat.h"

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringList>

class Table;

// The sheet file (.kbx), which carries one film from one catalogue to another. All integers are signed
// 32-bit little-endian:
//
//   text length N | N bytes of sheet text | 10 | "TJPEGImage" | the cover's JPEG bytes to the end of the file
//
// The last three parts are there only when the film has a cover. The sheet text is the 24 values of
// ChampsFiche() joined by '|', nothing escaped, in code page 1252, memo lines separated by CR LF. A film
// holding a character that code page 1252 has no byte for is written in UTF-8 behind the byte-order mark
// EF BB BF instead, so that nothing is lost; other copies of the program then read the mark as three
// characters before the title, and everything else as it is meant.

// The 24 fields of the film record the sheet text holds, in their order.
const QStringList& ChampsFiche();
inline constexpr int NombreValeursFiche = 24;
inline constexpr char16_t SeparateurFiche = u'|';
// The filter of the save and open dialogs.
inline const QString FiltreFichierFiche = QStringLiteral("Fichier Kinobral (*.kbx)|*.kbx");

// What a sheet file holds.
struct ContenuFiche
{
    QString texte;    // the 24 values joined by '|'
    QByteArray image; // the cover's JPEG bytes, unchanged; empty: no picture part

    bool operator==(const ContenuFiche& autre) const { return texte == autre.texte && image == autre.image; }
};

// The current film of the table as a sheet: the 24 fields in their text forms (dates dd/mm/yyyy, duration
// hh:mm:ss, price with a full stop, empty when unset) and the stored cover bytes. A cover that is not JPEG
// data is refused ("Erreur JPEG #53", the decoder's "not a JPEG file"), so that no file claims one.
Resultat LireFicheFilm(const Table& films, ContenuFiche& contenu);

// Creates or replaces the file with the sheet. The file appears whole or not at all: a failure leaves
// an existing file of that name as it was. Failure: "Impossible de créer le fichier "%s". %s".
Resultat EcrireFichierFiche(const QString& chemin, const ContenuFiche& contenu);

// Reads a sheet file. A file that cannot be opened gives "Impossible d'ouvrir le fichier "%s". %s"; a
// damaged one (shorter than its lengths say, a negative length, a picture part that is not JPEG) gives
// a French message naming what is wrong. On failure `contenu` is left empty.
Resultat LireFichierFiche(const QString& chemin, ContenuFiche& contenu);

// The index-th piece (counted from 1) of the text split on the separator; empty for index 0, an index past
// the last piece, and any index on an empty text. The pieces may be empty ("a||b" has three).
QString ExtraireChamp(const QString& texte, QChar separateur, int index);
