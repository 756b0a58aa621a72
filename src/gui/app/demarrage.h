#pragma once

class QApplication;
class TFormMain;
class Tdm;

// The start of the program once the single-instance lock is held: application title, fonts and
// skin, then the windows and the data module in their fixed order, the splash, and the event loop.
// Returns the process's exit status.
int LancerKinobral(QApplication& application);

// Title, Tahoma 8 points as the default font, the skin and the menus' opening animation.
void PreparerApplication(QApplication& application);

// The data module's creation: binds its warnings to the skinned message box and opens the
// catalogue. A catalogue that cannot be opened is reported with the store's own text in the
// application's error box; the program then runs with an empty film list.
void OuvrirCatalogue(TFormMain& formMain, Tdm& dm);
