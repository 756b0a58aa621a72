#pragma once

#include "resultat.h"

#include <QByteArray>
#include <QString>

struct DocumentFiche;

inline const QString TitrePageWeb = QStringLiteral("Mavrel - Kinobral 2005");

// The sheet as an HTML 4.01 page with its style sheet inside. The cover, when there is one, is referred to
// as src="nomImage". Field values are escaped, so they show as typed and cannot add markup.
QString EcrirePageWeb(const DocumentFiche& document, const QString& nomImage);

// The page's text in windows-1252, as its head declares; a character outside the code page becomes a
// numeric character reference, so nothing is lost.
QByteArray EncoderPageWeb(const QString& html);

// Writes the page to `chemin` (replaced when it exists) and the cover's stored bytes, unchanged, beside it
// as img1.jpg (img2.jpg... only while the name is taken by a read-only file). No picture file without a
// cover. A failure leaves a French message.
Resultat EnregistrerPageWeb(const DocumentFiche& document, const QString& chemin);
