#pragma once

#include "resultat.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>

class Table;
struct ContenuFiche;

// The film editor's content without its widgets: what importing a sheet file puts into the editor, and how
// "Ajouter ce nouveau film" stores it. The editor panel fills its controls from these values and reads them
// back; the command-line import goes from file to record through the same two steps.

// The fixed entries of the editor's drop-down lists, in display order; the text of the chosen entry is
// what the field stores. The country box uses ListePays() (reference/pays.h).
const QStringList& EntreesEtoiles();  // edEtoiles -> Etoiles
const QStringList& EntreesPublic();   // edPublic -> Public
const QStringList& EntreesCinema();   // edCinema -> FormatCinema
const QStringList& EntreesFormat();   // edFormat -> FormatVideo (the first entry starts with a CR)
const QStringList& EntreesSupport();  // edSupport -> Support
const QStringList& EntreesZone();     // edZone -> ZoneDvd
const QStringList& EntreesStandard(); // edStandard -> Standard
const QStringList& EntreesSon();      // edSon -> Son

// The entry whose whole text equals the value, letter case ignored (accented letters too); -1 when none
// does, an empty value included.
int EntreeEgale(const QStringList& entrees, const QString& valeur);

// One member per editor control. Lists hold the selected entry's index, -1 for no selection. Masked date
// and duration editors hold their text, empty (or the mask's blanks) for an empty editor. Multi-line boxes
// hold their lines separated by LF.
struct ValeursSaisie
{
    QString edTitre; // Titre, as typed (leading spaces and line breaks kept)
    QString edGenre; // Genre
    QString edRealisateur;
    QString edScenario;
    QString edMusique;
    QString edDuree; // Duree, "hh:mm:ss"
    QString edSite;
    QString edEditeur;
    int edEtoiles = -1;   // EntreesEtoiles()
    QString edDateSortie; // Sortie, "dd/mm/yyyy"
    int edPublic = -1;    // EntreesPublic()
    QString edPrix;       // Prix, a number with a full stop
    QString edActeurs;    // Acteur
    QString edResume;     // Resume
    QString edNotes;      // Notes (never in a sheet file)
    int edPays = -1;      // ListePays() -> Langue
    int edCinema = -1;
    int edFormat = -1;
    int edSupport = -1;
    int edZone = -1;
    int edStandard = -1;
    QString edDateSortieDVD; // DateSortieDvd, "dd/mm/yyyy"
    int edSon = -1;
    QString edLangueG;     // Audio
    QString edSousTitreG;  // SousTitres
    bool edDejaVu = false; // DejaVu (never in a sheet file)
    QByteArray edImg;      // BlobPicture, the picture's bytes; empty: no picture

    bool operator==(const ValeursSaisie& autre) const;
};

// The editor reset for a new film: empty texts, duration "00:00:00", release date today, rating "Pas
// d'étoile", audience "Tous publics", country "Inconnu", the other lists unselected, no DVD date, no price,
// no picture, not seen.
ValeursSaisie SaisieVide(const QDate& aujourdhui);

// Importing a sheet: the reset editor, then value k of the sheet text (ExtraireChamp on '|') into the k-th
// control below; the file's picture, when it has one, into edImg. Nothing else changes (edNotes stays
// empty, edDejaVu unchecked).
//
//    1 edTitre       7 edSite           13 edResume    19 edDateSortieDVD
//    2 edGenre       8 edEditeur        14 edCinema    20 edSon
//    3 edRealisateur 9 edDateSortie     15 edFormat    21 edLangueG
//    4 edScenario   10 edPublic         16 edSupport   22 edSousTitreG
//    5 edMusique    11 edPrix           17 edZone      23 edEtoiles
//    6 edDuree      12 edActeurs        18 edStandard  24 edPays
//
// Texts replace the control's text; memo values have their CR LF turned into lines; a list selects
// EntreeEgale() of its entries, and is left without selection when no entry matches (a value typed in
// another catalogue, an empty one). A "|" inside a value moves every later value one control along, and
// what lies past the 24th piece is dropped: the file has no escaping.
// A file that LireFichierFiche refuses fills nothing: the editor stays as SaisieVide() left it.
ValeursSaisie SaisieDepuisFiche(const ContenuFiche& contenu);

// Writes the editor into the film table's edit buffer (the record being edited or inserted), field by
// field; the first field the store refuses (a text too long, a date or duration that does not convert, a
// price that is not a number) stops it with the store's message. An empty editor clears its field: an
// empty date, duration or price, a list without selection, no picture all leave the field null. Memo lines
// are stored separated by CR LF; a price is rounded to four decimals.
Resultat EcrireSaisie(Table& films, const ValeursSaisie& saisie);

// "Ajouter ce nouveau film": refuses an empty title and a title already in the catalogue (exact comparison)
// with "Attention, ce titre est incorrect ou existe déjà dans la base !", otherwise appends a record,
// writes the editor into it and posts it. A refused write or post cancels the new record, so that nothing
// half-written is left to be posted later. On success the new film is the table's current record.
Resultat AjouterNouveauFilm(Table& films, const ValeursSaisie& saisie);
