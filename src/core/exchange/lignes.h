#pragma once

#include <QString>

// Line breaks of memo texts. The catalogue and the sheet file separate lines with CR LF; a text box
// holds them as LF. Either function accepts CR LF, a lone CR or a lone LF as a line break.
QString LignesCrLf(const QString& texte);
QString LignesLf(const QString& texte);
