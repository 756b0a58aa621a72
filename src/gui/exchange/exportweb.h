#pragma once

class QWidget;
class Table;
class TFormApercu;
class TFormMail;

// The web page commands of the main window. A sheet that cannot be built or a page that cannot be
// written is reported in French and nothing goes further.

// "Exporter au format Web (.htm)": the page where the user chooses, its cover as img1.jpg beside it.
void ExporterPageWeb(QWidget* parent, const Table& films, TFormApercu& apercu);

// "Envoyer par courriel": the page export/courriel.htm in the program folder with its img1.jpg, then
// the mail window. While a send is under way the page is left alone and the window is only shown.
void PreparerCourriel(const Table& films, TFormApercu& apercu, TFormMail& formMail);
