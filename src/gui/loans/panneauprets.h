#pragma once

#include <QFont>
#include <QWidget>

class EditeurDate;
class GrillePrets;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMouseEvent;
class QPainter;
class QPushButton;
class QScrollBar;
class Tdm;

// The loan register panel: every film with its borrower, loan date and lent flag in a grid the panel
// paints itself, and an editor strip that a double click opens over one film's row to change its loan.
// Validating writes that one film's record; the panel reads and writes through the data module's query.
class PanneauPrets : public QWidget
{
    Q_OBJECT

public:
    explicit PanneauPrets(QWidget* parent = nullptr);

    // The data module whose film table the register shows; until then the grid stays empty.
    void AttacherDataModule(Tdm& dm) { m_dm = &dm; }

    // The opening of the register: editor strip hidden, grid usable and refilled from the film table.
    void Ouvrir();

    // The row the editor strip is open on; 0 when it is closed.
    int LigneEditee() const { return m_ligneEditee; }

    GrillePrets* prGrille = nullptr;
    QScrollBar* sbPret = nullptr;
    QWidget* pnEmprunteur = nullptr;
    QLabel* lbTitreEmprunt = nullptr;
    QLineEdit* edEmprunteur = nullptr;
    EditeurDate* edDateEmprunt = nullptr;
    QCheckBox* edPrete = nullptr;
    QPushButton* bnAnnulerEmprunt = nullptr;
    QPushButton* bnValiderEmprunt = nullptr;
    QPushButton* bnFermerPret = nullptr;

    // Where the panel's parts lie.
    static constexpr int LargeurBandeau = 30;
    static constexpr QRect CadreGrille{34, 6, 745, 500};

signals:
    // "Fermer": the main window closes the panel.
    void Fermer();

public slots:
    // Writes the strip's values to the film's record, then to its row; a refused write is reported
    // and leaves the strip open.
    void bnValiderEmpruntClick();
    // Closes the strip; nothing is written.
    void bnAnnulerEmpruntClick();

public:
    // The grid's events: one cell drawn, whether a cell may be selected (film rows only), and a
    // mouse press, of which a left double click on a film row opens the strip over it.
    void prGrilleDrawCell(QPainter& peintre, int colonne, int ligne, const QRect& rect);
    bool prGrilleSelectCell(int colonne, int ligne) const;
    void prGrilleMouseDown(QMouseEvent* evenement);

protected:
    void keyPressEvent(QKeyEvent* evenement) override;
    void paintEvent(QPaintEvent* evenement) override;

private:
    void CreerBandeEmprunteur();
    void FermerBandeEmprunteur();

    Tdm* m_dm = nullptr;
    int m_ligneEditee = 0;
    QFont m_police;
    QFont m_policeGras;
};
