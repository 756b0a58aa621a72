#pragma once

#include "resultat.h"

#include <QByteArray>
#include <QColor>
#include <QSize>
#include <QString>
#include <variant>
#include <vector>

class Table;

// The printable film sheet as plain data: the HTML writer, the preview and the printer all read it,
// so the three show the same layout. Sizes are screen pixels at 96 per inch.

// Text styles, by number.
enum StyleTexteFiche
{
    StyleTitre = 0,
    StyleNormal = 1,
    StyleGrasSouligne = 2,
    StyleGras = 3,
    StyleLien = 4,
};

// Paragraph styles, by number.
enum StyleParagrapheFiche
{
    ParaGauche = 0,
    ParaCentre = 1,
    ParaBordure = 2,
    ParaDroite = 3,
    ParaBordureNormale = 4,
};

struct StyleTexte
{
    QString nom;
    QString police;
    int taillePoints = 9;
    bool gras = false;
    bool souligne = false;
    bool majuscules = false;
    QColor couleur = Qt::black;
    bool hypertexte = true;
};

struct StyleParagraphe
{
    QString nom;
    Qt::Alignment alignement = Qt::AlignLeft;
    bool bordure = false;        // a single-line border is drawn
    bool bordureVisible = false; // whether any side of it shows
    QColor couleurBordure = Qt::black;
    int decalageHaut = 0; // border and background offsets, pixels
    int decalageBas = 0;
};

struct Paragraphe
{
    QString texte; // may hold line breaks that stay inside the paragraph
    int styleTexte = StyleNormal;
    int styleParagraphe = ParaGauche;
};

struct ImageFiche
{
    QString nom;
    QByteArray octets;     // the stored JPEG bytes, unchanged
    QSize tailleAffichage; // pixels
    int styleParagraphe = ParaDroite;
    int etiquette = 0;
};

struct CelluleFiche
{
    QColor couleur; // invalid: transparent
    Qt::Alignment alignementVertical = Qt::AlignVCenter;
    int largeurPreferee = 0; // 0: none
    int hauteurPreferee = 0;
    int lignesFusion = 1; // rows spanned from this cell
    int colonnesFusion = 1;
    bool couverte = false; // inside another cell's merge: not drawn
    std::vector<Paragraphe> paragraphes;
    std::vector<ImageFiche> images;
};

struct TableauFiche
{
    int lignes = 0;
    int colonnes = 0;
    QColor couleurBordure;
    int largeurBordure = 1;
    int espacementHorizontal = 0; // between cells
    int espacementVertical = 1;
    int marge = 2; // cell padding
    int largeurBordureCellule = 0;
    int espaceBordure = 0; // between the outer border and the cells
    int largeurPreferee = 0;
    std::vector<std::vector<CelluleFiche>> cellules; // [ligne][colonne]

    CelluleFiche& Cellule(int ligne, int colonne) { return cellules[ligne][colonne]; }
    const CelluleFiche& Cellule(int ligne, int colonne) const { return cellules[ligne][colonne]; }
    // Merges the block into its top-left cell.
    void Fusionner(int ligne, int colonne, int largeur, int hauteur);
};

using BlocFiche = std::variant<Paragraphe, TableauFiche>;

struct DocumentFiche
{
    std::vector<StyleTexte> stylesTexte;
    std::vector<StyleParagraphe> stylesParagraphe;
    std::vector<BlocFiche> blocs;
    // The view's margins in pixels, and the printed page's in millimetres.
    int margeGauche = 10, margeDroite = 10, margeHaut = 10, margeBas = 20;
    int margeGaucheMm = 10, margeDroiteMm = 10, margeHautMm = 10, margeBasMm = 20;
    QColor fond = Qt::white;

    // Empties the document and gives it the sheet's style sheet.
    void Vider();
    // The cover, when the sheet has one.
    const ImageFiche* Image() const;
};

inline constexpr int LargeurFiche = 706;
inline const QColor CouleurBandeau = QColor(216, 175, 114);
inline const QColor CouleurBordureFiche = QColor(50, 22, 9);

// The sheet table: an outer single line in RGB(50,22,9), cells of the given colour, emptied and vertically
// centred, the first cell of every row 20 pixels high, 706 pixels wide.
TableauFiche CreerTableau(const QColor& couleurCellule, int lignes, int colonnes);

// The cover's size on the sheet: at most 400 high for a picture about twice as high as wide, else 202 wide;
// rounded half away from zero.
QSize TailleAffichageCouverture(const QSize& taille);

// Rebuilds the document for the current film of the film table. A stored cover that is not a readable JPEG
// stops the build with a French message; the document is then not to be printed, saved or mailed.
Resultat ConstruireImpression(const Table& films, DocumentFiche& document);
