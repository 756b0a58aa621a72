#pragma once

#include "resultat.h"

class QPrinter;
class QTextDocument;

// Printing of the help page: the whole document, page after page, with margins of 1 cm on the left,
// right and top and 2 cm at the bottom, at its natural size, every text in black.

// Sets the help's page margins on the printer (before the printer dialog, so the user sees them).
void PreparerImprimanteAide(QPrinter& imprimante);

// Lays a copy of the document out on the printer's pages and prints every page; the viewer's own
// document is left as it is. Fails with a French message when the printer cannot be started.
Resultat ImprimerDocumentAide(const QTextDocument& document, QPrinter& imprimante);
