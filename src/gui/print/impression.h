#pragma once

class Table;
class TFormApercu;
class TfrmPreview;

// The print commands. Errors (a cover that does not decode) are shown in the application's error box
// and nothing is printed.

// The main window's "Imprimer": builds the current film's sheet, paginates it and shows the preview.
void ImprimerFicheCourante(const Table& films, TFormApercu& apercu, TfrmPreview& preview);

// The enlargement window's "Imprimer": the current film's title and cover in the preview, shown
// modally. Nothing happens for a film without cover.
void ImprimerCouvertureCourante(const Table& films, TFormApercu& apercu, TfrmPreview& preview);
