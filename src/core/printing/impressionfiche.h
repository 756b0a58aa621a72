#pragma once

#include "resultat.h"

#include <QString>

class QPagedPaintDevice;
class QTextDocument;
struct DocumentFiche;

// Builds the rich-text document that shows the sheet on screen, in the preview and on paper. Sizes are
// screen pixels, which the document's layout scales to its paint device. `echelle` is the target's dots per
// screen pixel, for decoding the cover sharp enough (1 on screen); a cover that does not decode stops the
// build with a French message.
Resultat ConstruireDocumentTexte(const DocumentFiche& fiche, QTextDocument& document, qreal echelle = 1.0);

// Lays the sheet out on the device's pages with margins of 10 mm left, right and top and 20 mm bottom,
// and draws every page, with no header, footer or page number.
Resultat ImprimerFiche(const DocumentFiche& fiche, QPagedPaintDevice& appareil);

// The printed sheet as a PDF file; a file that cannot be written gives a French message.
Resultat ImprimerFichePdf(const DocumentFiche& fiche, const QString& chemin);
