#pragma once

#include "listefilms_modele.h"
#include "resultat.h"

#include <QStringList>
#include <QVariant>
#include <QWidget>
#include <functional>

class ArbreFilms;
class DelegueListeFilms;
class QAction;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QMouseEvent;
class QScrollBar;
class TImageMouseOutState;
class Tdm;

// The film list panel pnVst: the catalogue's titles, alphabetically under one heading or grouped
// under the values of one field, with its count line, quick search box, display menu and zoom. A
// click or a key release on a title makes that film current and shows it.
class ListeFilms : public QWidget
{
    Q_OBJECT

public:
    // A node of the list; valid until the next rebuild.
    using Noeud = const NoeudListe*;

    static constexpr int HautNormal = 380;
    static constexpr int HauteurNormale = 219;
    static constexpr int HautAgrandi = 56;
    static constexpr int HauteurAgrandie = 543;

    explicit ListeFilms(QWidget* parent = nullptr);

    // The data module arrives after the main window; the list reads nothing before it.
    void AttacherDataModule(Tdm& dm);
    // The two image buttons of the top band, made by the main window with the others.
    void AttacherBoutons(TImageMouseOutState* zoom, TImageMouseOutState* affichage);
    // Shows the film table's current record on the sheet view.
    std::function<void()> afficherFiche;

    // Walking and selecting nodes (depth-first order, collapsed groups included).
    Noeud PremierSelectionne() const;
    Noeud Precedent(Noeud noeud) const;
    Noeud Suivant(Noeud noeud) const;
    int Niveau(Noeud noeud) const;
    QString Texte(Noeud noeud) const;
    // Clears the selection, selects the node, makes it current and brings it into view.
    void SelectionnerNoeud(Noeud noeud);
    // The first node whose lowered text begins with the lowered text (an empty text matches
    // nothing) is selected; with localiser, its film is also made current and shown.
    Noeud SelectionnerTitre(const QString& texte, bool localiser);

    // Replaces the list's content with the field's distinct values in order (empty ones included).
    // Once the values are known, and before the list is touched, the first of them is selected
    // with localiser among the nodes the list still shows.
    Resultat ChargerValeursDistinctes(const QString& champ, QStringList& liste);
    // The alphabetical mode: the heading, one title per entry, the count line.
    void RemplirListeFilms(const QStringList& liste, const QString& legende);
    // The grouped mode: one collapsed group per non-empty value of the field, with its titles.
    Resultat RemplirListeGroupee(const QString& champGroupe, const QString& champTitre);
    // The titles of the films whose field equals the value (a QDate for a date field).
    Resultat ChargerTitresGroupe(const QString& champTitre, const QString& champGroupe,
                                 const QVariant& valeur, QStringList& liste);
    // Sets up sbVst from the height of the rows shown (groups expanded or not).
    void SynchroniserDefilement();
    // The field counted for a category caption of the statistics panel.
    static QString NomChampCategorie(const QString& legende);

    // After the catalogue opens: the titles reloaded, the alphabetical list rebuilt, and the film
    // table's current record selected and shown.
    Resultat RafraichirApresOuverture();

    ModeleListeFilms* modele() const { return m_modele; }
    bool EstAgrandie() const;

    QLabel* pnVstTop = nullptr;
    QWidget* fondRecherche = nullptr;
    QLineEdit* edRecherche = nullptr;
    ArbreFilms* Vst = nullptr;
    QScrollBar* sbVst = nullptr;
    QLabel* pnVstBottom = nullptr;
    QMenu* pmTrier = nullptr;
    QMenu* Afficherpar1 = nullptr;
    TImageMouseOutState* bnZoomListe = nullptr;
    TImageMouseOutState* bnAffichage = nullptr;

public slots:
    void VstMouseDown(QMouseEvent* evenement);
    void VstKeyUp(QKeyEvent* evenement);
    void edRechercheChange(const QString& texte);
    void edRechercheKeyPress();
    void ssTitreClick(QAction* entree);
    void bnAffichageMouseDown(QMouseEvent* evenement);
    void bnZoomListeClick();
    void VstResize();
    void VstScroll(int position);
    void sbVstChange(int position);
    void VstExpanded();
    void VstCollapsed();

protected:
    void paintEvent(QPaintEvent* evenement) override;
    void resizeEvent(QResizeEvent* evenement) override;

private:
    void CreerMenu();
    void EcrireCompte(int nombre);
    // Makes the node's film current (when the title exists) and shows the sheet.
    void LocaliserEtAfficher(Noeud noeud);

    Tdm* m_dm = nullptr;
    ModeleListeFilms* m_modele = nullptr;
    DelegueListeFilms* m_delegue = nullptr;
};
