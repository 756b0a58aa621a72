#pragma once

#include "loans/prets.h"

#include <QWidget>
#include <array>
#include <functional>
#include <vector>

class QPainter;
class QScrollBar;

// The loan register's grid: four text columns, a title row that scrolls with the film rows and whole
// rows selected. It keeps the register's rows as the core reads them and paints only the rows in view,
// each cell through its owner's drawing; the owner also decides which rows may be selected.
class GrillePrets : public QWidget
{
    Q_OBJECT

public:
    static constexpr int NombreColonnes = 4;
    static constexpr int HauteurLigne = 20;
    static constexpr std::array<int, NombreColonnes> LargeursColonnes = {367, 212, 96, 70};
    static constexpr int LargeurTotale = 367 + 212 + 96 + 70;

    explicit GrillePrets(QWidget* parent = nullptr);

    // The scroll bar beside the grid: it moves the grid by whole rows, and its range follows them.
    void AttacherBarre(QScrollBar* barre);

    // Row 0 is the title row, rows 1 to RowCount() - 1 the films.
    int RowCount() const { return static_cast<int>(m_lignes.size()) + 1; }
    // Only the title row is left, with the texts it had; nothing selected, back at the top.
    void ReduireAUneLigne();
    // The title row's texts and one row per film, in the given order.
    void Remplir(const std::array<QString, NombreColonnes>& titres, std::vector<LignePret> lignes);
    QString Cellule(int colonne, int ligne) const;
    // A film row (1 to RowCount() - 1).
    const LignePret& Ligne(int ligne) const { return m_lignes.at(static_cast<size_t>(ligne - 1)); }
    void DefinirLigne(int ligne, const LignePret& valeurs);

    // The selected row; 0 (the title row) until a film row is chosen.
    int Row() const { return m_row; }
    // Selects a row if the owner allows it, and scrolls it into view. False when refused.
    bool SelectionnerLigne(int ligne);
    // The first row in view.
    int TopRow() const { return m_top; }
    void DefinirTopRow(int ligne);
    // How many whole rows fit in the grid.
    int LignesVisibles() const { return qMax(1, height() / HauteurLigne); }
    // The rectangle of a cell in the grid's coordinates; empty when its row is not in view.
    QRect CellRect(int colonne, int ligne) const;
    // The cell under a point; false below the last row or right of the last column.
    bool MouseToCell(const QPoint& point, int& colonne, int& ligne) const;

    // The owner's events: the drawing of one cell (the painter is clipped to it) and whether a cell
    // may be selected. Without them nothing is drawn and every cell may be selected.
    std::function<void(QPainter& peintre, int colonne, int ligne, const QRect& rect)> OnDrawCell;
    std::function<bool(int colonne, int ligne)> OnSelectCell;

signals:
    // A mouse button pressed on the grid, a double click included (its type is MouseButtonDblClick).
    void MouseDown(QMouseEvent* evenement);

protected:
    void paintEvent(QPaintEvent* evenement) override;
    void mousePressEvent(QMouseEvent* evenement) override;
    void mouseDoubleClickEvent(QMouseEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;
    void wheelEvent(QWheelEvent* evenement) override;
    void resizeEvent(QResizeEvent* evenement) override;

private:
    int TopRowMaximal() const { return qMax(0, RowCount() - LignesVisibles()); }
    void MettreAJourBarre();
    void RendreVisible(int ligne);
    void SelectionnerSousSouris(const QPoint& point);

    std::array<QString, NombreColonnes> m_titres;
    std::vector<LignePret> m_lignes;
    int m_row = 0;
    int m_top = 0;
    QScrollBar* m_barre = nullptr;
};
