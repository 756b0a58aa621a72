#pragma once

#include "help/panneauaide.h"
#include "widgets/deplacementfenetre.h"

#include <QStringList>
#include <QWidget>

class ListeFilms;
class PanneauGestion;
class PanneauPrets;
class PanneauRecherche;
class PanneauStatistiques;
class TFicheFilm;
class PanneauImage;
class PageAccueil;
class CommandesMaintenance;
class QAction;
class QLabel;
class QMenu;
class QMouseEvent;
class TImageMouseOutState;
class Tdm;
class TFormApercu;
class TFormMail;
class TfrmPreview;

// The main window: a frameless 800 × 600 shell that shows one panel at a time over the film sheet
// view, with its navigation band of image buttons, the management menu and the drag strip. Each
// panel is its own class; the window stacks them, shows and hides them, and routes the commands.
class TFormMain : public QWidget
{
    Q_OBJECT

public:
    // Runs the window's creation steps: program folder, title list, sheet-file type, staging
    // folders, formats, panels, film list, then the sheet file given as first argument
    // (`arguments` as QCoreApplication::arguments() gives them). `dossierProgramme` replaces the
    // executable's folder (tests point it at the built program folder).
    explicit TFormMain(const QStringList& arguments = {}, const QString& dossierProgramme = QString(),
                       QWidget* parent = nullptr);
    ~TFormMain() override;

    // Gives the data module to the panels that read the catalogue; called once, before it opens.
    void AttacherDataModule(Tdm& dm);

    // Shows or hides the five buttons of the navigation band.
    void AfficherBoutons(bool accueil, bool gestion, bool recherche, bool statistiques, bool prets);

    // Base panel and the panels stacked on it (bottom to top: pnVst, pnPrets, pnStatistiques,
    // pnRechercher, pnAccueil, pnGestion); barreTop and pnAide lie on the window above pnFond.
    PanneauImage* pnFond = nullptr;
    ListeFilms* listeFilms = nullptr; // the film list, which is pnVst
    TFicheFilm* FicheFilm = nullptr;  // the film sheet view, at the bottom of pnFond
    QWidget* pnVst = nullptr;
    QWidget* pnVstTop = nullptr;
    QLabel* pnVstBottom = nullptr;
    PanneauPrets* pnPrets = nullptr;
    PanneauStatistiques* pnStatistiques = nullptr;
    PanneauRecherche* pnRechercher = nullptr;
    PanneauImage* pnAccueil = nullptr;
    PageAccueil* pageAccueil = nullptr; // the home page's covers and animations
    PanneauGestion* pnGestion = nullptr; // the film sheet editor
    QWidget* barreTop = nullptr;
    PanneauAide* pnAide = nullptr;

    TImageMouseOutState* bnQuitter = nullptr;
    TImageMouseOutState* bnReduire = nullptr;
    TImageMouseOutState* bnAide = nullptr;
    TImageMouseOutState* bnAccueil = nullptr;
    TImageMouseOutState* bnGestion = nullptr;
    TImageMouseOutState* bnRecherche = nullptr;
    TImageMouseOutState* bnStatistique = nullptr;
    TImageMouseOutState* bnActeurs = nullptr;
    TImageMouseOutState* bnPret = nullptr;
    TImageMouseOutState* bnGlossaire = nullptr;
    TImageMouseOutState* bnPrecedent = nullptr;
    TImageMouseOutState* bnSuivant = nullptr;
    TImageMouseOutState* bnInternet = nullptr;
    TImageMouseOutState* bnCourriel = nullptr;
    TImageMouseOutState* bnPrint = nullptr;
    TImageMouseOutState* bnZoomListe = nullptr;
    TImageMouseOutState* bnAffichage = nullptr;
    TImageMouseOutState* ImageMouseOutState1 = nullptr;
    TImageMouseOutState* ImageMouseOutState2 = nullptr;
    TImageMouseOutState* ImageMouseOutState3 = nullptr;
    TImageMouseOutState* bnLienTelecharger = nullptr;
    TImageMouseOutState* bnAccueilRecherche = nullptr;
    TImageMouseOutState* bnPrincipal = nullptr;

    // Management menu and the list's display menu (filled by the film list).
    QMenu* pmGestion = nullptr;
    QMenu* pmAffichage = nullptr;
    QAction* Ajouterunnouveaufilm1 = nullptr;
    QAction* Modifiercettefiche1 = nullptr;
    QAction* Importerunefiche1 = nullptr;
    QAction* Exportercettefiche1 = nullptr;
    QAction* Supprimercettefiche1 = nullptr;
    QAction* Sauvegarderlabase1 = nullptr;
    QAction* Restaurerlabase1 = nullptr;

    // The sheet holder, the print preview and the mail window, created at start-up in that order.
    TFormApercu* FormApercu = nullptr;
    TfrmPreview* frmPreview = nullptr;
    TFormMail* FormMail = nullptr;

signals:
    // The user confirmed "Quitter": the application is to end its event loop.
    void FinDemandee();

public slots:
    void bnQuitterClick();
    void bnReduireClick();
    void bnAideClick();
    void bnFermerClick();
    void bnAccueilClick();
    void bnPrincipalClick();
    void bnAccueilRechercheClick();
    void bnLienTelechargerClick();
    void bnGestionMouseDown(QMouseEvent* evenement);
    void bnRechercheClick();
    void bnFermerRechercherClick();
    void bnStatistiqueClick();
    void bnFermerStatsClick();
    void bnPretClick();
    void bnFermerPretClick();
    void bnActeursClick();
    void bnGlossaireClick();
    void bnPrecedentClick();
    void bnSuivantClick();
    void bnInternetClick();
    void bnCourrielClick();
    void bnPrintClick();
    void bnZoomListeClick();
    void bnAffichageMouseDown(QMouseEvent* evenement);
    void barreTopMouseDown(QMouseEvent* evenement);

    void Ajouterunnouveaufilm1Click();
    void Modifiercettefiche1Click();
    void Importerunefiche1Click();
    void Exportercettefiche1Click();
    void Supprimercettefiche1Click();
    void Sauvegarderlabase1Click();
    void Restaurerlabase1Click();

    // Leaves the editor without saving: the navigation band comes back, the editor hides.
    void AnnulerGestion();

    // Fills the editor from a sheet file, ready to be added as a new film.
    void ImporterFiche(const QString& chemin);

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void FormCreate(const QStringList& arguments, const QString& dossierProgramme);
    void CreerComposants();
    void CreerBoutons();
    void CreerPanneaux();
    void CreerMenus();
    void PlacerPanneaux();
    void ChargerImages();
    void Centrer();
    // Opens a panel of the top-55 group and hides the navigation band; closing brings it back.
    void OuvrirPanneau(QWidget* panneau);
    void FermerPanneau(QWidget* panneau);

    Tdm* m_dm = nullptr;
    CommandesMaintenance* m_maintenance = nullptr;
    DeplacementFenetre m_deplacement{this};
};
