#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

// The cover as the sheet view shows it: 235 × 322 pixels, the picture stretched to 235 × 332
// (its own proportions not kept, so its bottom 10 rows fall outside), framed by the mask.

constexpr int LargeurCouverture = 235;
constexpr int HauteurCouverture = 322;
constexpr int HauteurEtirement = 332;
// The size covers are decoded at for the sheet: the stretched size, not the shown one.
constexpr QSize TailleDecodageCouverture(LargeurCouverture, HauteurEtirement);
// Panel colour, also the stand-in when even the default picture is missing.
constexpr QRgb CouleurFondCouverture = 0xFFF6EAC8; // RGB(246, 234, 200)

// Paths of the fixed artwork, below the program folder.
QString CheminMasque(const QString& dossierProgramme);
QString CheminImageDefaut(const QString& dossierProgramme);

// Composes a 235 × 322 RGB picture: `couverture` stretched into (0, 0, 235, 332), then `masque`
// drawn over it at (0, 0) with the colour of its bottom-left pixel as transparent colour: where
// the mask has that colour the cover shows, elsewhere the mask's pixels replace it. A null mask
// leaves the cover alone; a null cover gives the plain panel colour under the mask.
QImage ComposerCouverture(const QImage& couverture, const QImage& masque);

// The whole sheet-side job: decodes the stored cover bytes at the stretched size and composes
// them with images/mask.bmp of `dossierProgramme`. Empty bytes mean "no cover" and give the
// default picture (images/default.jpg, or the plain panel colour if that file is missing too),
// composed the same way. Bytes that are not a JPEG or do not decode also give the default picture,
// and their French message in `erreur`; a missing or unreadable mask or default picture adds its
// own line there. The result is always a full 235 × 322 picture. The mask and the default picture
// are read once per program folder and kept, so showing a film never reloads them.
QImage ImageFiche(const QByteArray& blob, const QString& dossierProgramme, QString* erreur = nullptr);
