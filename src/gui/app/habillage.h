#pragma once

#include <QColor>
#include <QString>

class QApplication;

// The program's skin: one style sheet with the catalogue's warm palette for every standard
// control, menu and dialog, compiled into the program.
namespace Habillage {

inline const QColor Creme(246, 234, 200);  // panel and text-box backgrounds
inline const QColor Caramel(208, 154, 98); // bars and group headings
inline const QColor Brun(52, 21, 9);       // dark bands
inline const QColor BrunBarre(60, 27, 11); // the drag strip and caption bands
inline const QColor Sable(216, 175, 114);  // accents, selections
inline const QColor BrunEncre(50, 22, 9);  // borders and text

QString FeuilleStyle();

// Fusion style, the matching palette, the style sheet and Qt's own file dialogs (so that they take
// the skin too).
void AppliquerHabillage(QApplication& application);

} // namespace Habillage
