#pragma once

#include <QString>
#include <QStringList>

// Process-wide values that the main window's creation sets up once and that many parts read.

// The program's folder, always ending with '/'. Every fixed file (data/, images/, aide_html/,
// export/, Config.ini) is addressed relative to it. Empty until DefinirDossierProgramme runs.
const QString& DossierProgramme();
// Stores the folder, adding the trailing separator when missing.
void DefinirDossierProgramme(const QString& dossier);

// The titles behind the alphabetical film list; lives as long as the process.
QStringList& ListeTitres();

// Short date form and decimal separator used for every conversion between a value and its text,
// whatever the user's regional settings.
inline constexpr char FormatDateCourt[] = "dd/MM/yyyy";
inline constexpr QChar SeparateurDate = u'/';
inline constexpr QChar SeparateurDecimal = u'.';

// Makes the process independent of the user's regional settings: the default QLocale and the C
// library's numeric conversions both use '.' for decimals. The core writes its text forms
// explicitly; this keeps a stray QLocale()/strtod from bringing in a comma.
void FixerFormatsProcessus();
