#pragma once

class TFormMain;

// What the window shows once start-up is over, written for whoever asked through the environment
// variable KINOBRAL_ETAT_DEMARRAGE (a file path): the start with a sheet file on the command line is
// otherwise seen only on screen. One "name=value" line each: the home page and the editor shown or
// not, the confirm button's text, the editor's title, the number of titles in the film list. Does
// nothing when the variable is unset.
void EcrireEtatDemarrage(const TFormMain& formMain);
