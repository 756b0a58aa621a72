#pragma once

#include <QSize>

class QWidget;

// Moves a window of `taille` (its frame's size when the window system draws one) to the middle of
// the desktop it is on, or of the primary one before it is shown.
void CentrerSurEcran(QWidget& fenetre, QSize taille);
