#pragma once

#include "widgets/panneauimage.h"

class ListeFilms;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class Tdm;

// The criteria search panel pnRechercher: sixteen criterion rows in two columns over a painted
// background that carries their labels, the OR / AND choice, the result list and the cover of the
// chosen result. Nothing on it is reset while the program runs: closing and reopening it keeps the
// ticks, the lists, the dates, the results and the cover.
class PanneauRecherche : public PanneauImage
{
    Q_OBJECT

public:
    // The film list is where a double-clicked result is opened.
    explicit PanneauRecherche(ListeFilms& listeFilms, QWidget* parent = nullptr);

    // The data module arrives after the main window; the panel reads nothing before it.
    void AttacherDataModule(Tdm& dm);

    // The tick box of a row and, for the thirteen list rows, its list, by their names
    // ("ckGenre", "cbGenre").
    QCheckBox* CaseACocher(const QString& nom) const;
    QComboBox* Liste(const QString& nom) const;

    QDateEdit* dateDebut = nullptr;
    QDateEdit* dateFin = nullptr;
    QRadioButton* ckOpOu = nullptr;
    QRadioButton* ckOpEt = nullptr;
    QPushButton* bnLancer = nullptr;
    QPushButton* bnFermerRechercher = nullptr;
    QListWidget* lbResultats = nullptr;
    QLabel* imgRec = nullptr;

signals:
    // "Fermer", or a result opened by a double click: the main window closes the panel.
    void Fermer();

public slots:
    // A list row's tick box: ticked, its list receives the field's distinct values; unticked, it
    // is emptied.
    void ckGenreClick(QCheckBox* sender);
    void bnLancerClick();
    void lbResultatsListBoxClick();
    void lbResultatsListBoxDblClick();

private:
    void CreerCriteres();
    void CreerCommandes();

    ListeFilms& m_listeFilms;
    Tdm* m_dm = nullptr;
};
