#pragma once

#include <QString>

// The system's reason for a failed file operation, in French, as the program shows it after "Impossible de
// créer le fichier ..." or "Impossible d'ouvrir le fichier ...". An error number it does not know gives
// `repli` (the system's own text), or the C library's text when that is empty.
QString MessageSysteme(int erreur, const QString& repli = QString());
