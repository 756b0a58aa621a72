#pragma once

#include <QString>
#include <QStringList>

// The free-text actor field of a film, as the sheet view lists it: one entry per actor.

// Splits the text into actor entries: ';' and '.' count as ',', and ',' as a line break; then the
// whole text loses its leading and trailing spaces and control characters, and every carriage
// return, line feed or pair of them ends an entry. Entries are not trimmed one by one (the space after
// a comma stays at the front of the next name) and two separators in a row give an empty entry.
QStringList SeparerActeurs(const QString& texte);

// The text without the spaces and control characters (code 32 and below) at either end.
QString RognerTexte(const QString& texte);
