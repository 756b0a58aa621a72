#pragma once

#include "resultat.h"
#include "schema.h"

#include <QDate>
#include <QString>
#include <QTime>
#include <QVariant>

// The text forms of the catalogue's values, the same whatever the user's locale: dates dd/mm/yyyy, times
// hh:mm:ss, logical "Vrai"/"Faux", amounts with a full stop. Nothing here reads the process locale.
//
// Stored forms, inside the files: dates as ISO text yyyy-mm-dd (so that they sort), times as hh:mm:ss
// text, logical values as 0/1, amounts as whole ten-thousandths (exact), texts as UTF-8, binaries as
// bytes. In memory a stored value is a QVariant holding qint64, QString or QByteArray; null is an
// invalid QVariant.
namespace Formes {

inline constexpr char Vrai[] = "Vrai";
inline constexpr char Faux[] = "Faux";

QString TexteDate(const QDate& date);                         // "31/05/2005"; empty for an invalid date
bool LireDate(const QString& texte, QDate& date);             // dd/mm/yyyy (one-digit day or month accepted)
QString TexteHeure(const QTime& heure);                       // "01:45:00"
bool LireHeure(const QString& texte, QTime& heure);           // hh:mm:ss or hh:mm
QString TexteLogique(bool valeur);                            // "Vrai" / "Faux"
bool LireLogique(const QString& texte, bool& valeur);         // "Vrai" / "Faux", case ignored
QString TexteMonnaie(qint64 dixMilliemes);                    // "12.5", "-3", "0.0001"
bool LireMonnaie(const QString& texte, qint64& dixMilliemes); // at most four decimals, full stop

QString DateIso(const QDate& date);
// "2005-05-31" (stored) to "31/05/2005" without building a QDate; false when the text is not that form.
bool TexteDepuisIso(const char* iso, int longueur, QString& texte);
QDate DepuisIso(const QString& iso);

// Text form of a stored value of the given kind.
QString TexteStocke(TypeChamp type, const QVariant& stockee);
// The stored value from a stored form (for reading logical, amount and date fields).
bool LogiqueStocke(const QVariant& stockee);
qint64 MonnaieStockee(const QVariant& stockee);
QDate DateStockee(TypeChamp type, const QVariant& stockee);
// A stored value that counts as empty: null, empty text or empty binary.
bool EstVide(const QVariant& stockee);

// The stored value of a text written into a field: empty text clears the field; a text that does not
// convert, or is longer than the field, is refused with a French message naming the field.
Resultat ConvertirTexte(const DescriptionChamp& champ, const QString& texte, QVariant& stockee);
// Checks that a value fits a field before it is written (text length).
Resultat VerifierTaille(const DescriptionChamp& champ, const QString& texte);

} // namespace Formes
