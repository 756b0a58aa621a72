// The main window's commands: quit and minimise, the navigation band, the panels it opens and
// closes, and the menus popped by the image buttons. Commands whose work belongs to a panel still
// to come are empty here and are filled by that panel's feature.
#include "browse/fichefilm.h"
#include "browse/listefilms.h"
#include "formmain.h"
#include "widgets/boitemessage.h"
#include "widgets/imagemouseoutstate.h"
#include "widgets/panneauimage.h"
#include "windows/formacteurs.h"

#include <QMenu>
#include <QMouseEvent>
#include <QWindow>

void TFormMain::bnQuitterClick()
{
    if (BoiteMessage::Confirmer(this, QStringLiteral("Êtes-vous sûr(e) de vouloir quitter Kinobral 2005 ?")))
        emit FinDemandee();
}

void TFormMain::bnReduireClick()
{
    showMinimized();
}

void TFormMain::AfficherBoutons(bool accueil, bool gestion, bool recherche, bool statistiques, bool prets)
{
    bnAccueil->setVisible(accueil);
    bnGestion->setVisible(gestion);
    bnStatistique->setVisible(statistiques);
    bnPret->setVisible(prets);
    bnRecherche->setVisible(recherche);
}

void TFormMain::OuvrirPanneau(QWidget* panneau)
{
    panneau->move(0, 55);
    panneau->show();
    AfficherBoutons(false, false, false, false, false);
}

void TFormMain::FermerPanneau(QWidget* panneau)
{
    panneau->hide();
    AfficherBoutons(true, true, true, true, true);
}

void TFormMain::bnGestionMouseDown(QMouseEvent*)
{
    // Pops up on the press itself, directly below the button.
    pmGestion->popup(bnGestion->mapToGlobal(QPoint(0, bnGestion->height())));
}

void TFormMain::bnAffichageMouseDown(QMouseEvent* evenement)
{
    listeFilms->bnAffichageMouseDown(evenement);
}

void TFormMain::bnZoomListeClick()
{
    listeFilms->bnZoomListeClick();
}

void TFormMain::barreTopMouseDown(QMouseEvent* evenement)
{
    if (evenement->button() != Qt::LeftButton)
        return;
    m_deplacement.Commencer(evenement->globalPosition().toPoint());
}

void TFormMain::bnAideClick()
{
    pnAide->show();
    pnAide->raise();
}

void TFormMain::bnFermerClick()
{
    pnAide->hide();
}

void TFormMain::bnAccueilClick()
{
    pnAccueil->show();
}

void TFormMain::bnPrincipalClick()
{
    pnAccueil->hide();
}

void TFormMain::bnActeursClick()
{
    // Shown as it stands: the actor table is not moved.
    if (auto* formActeurs = findChild<TFormActeurs*>(QString(), Qt::FindDirectChildrenOnly))
        formActeurs->Afficher();
}

void TFormMain::bnPrecedentClick()
{
    FicheFilm->bnPrecedentClick();
}

void TFormMain::bnSuivantClick()
{
    FicheFilm->bnSuivantClick();
}

void TFormMain::bnAccueilRechercheClick()
{
    pnAccueil->hide();
    bnRechercheClick();
}

void TFormMain::bnRechercheClick()
{
    OuvrirPanneau(pnRechercher);
}

void TFormMain::bnFermerRechercherClick()
{
    FermerPanneau(pnRechercher);
}

void TFormMain::bnStatistiqueClick()
{
    OuvrirPanneau(pnStatistiques);
}

void TFormMain::bnFermerStatsClick()
{
    FermerPanneau(pnStatistiques);
}

void TFormMain::bnPretClick()
{
    OuvrirPanneau(pnPrets);
}

void TFormMain::bnFermerPretClick()
{
    FermerPanneau(pnPrets);
}

void TFormMain::AnnulerGestion()
{
    AfficherBoutons(true, true, true, true, true);
    pnGestion->hide();
}

// Filled by the features that own them.
void TFormMain::bnLienTelechargerClick() {}
void TFormMain::bnGlossaireClick() {}
void TFormMain::bnInternetClick() {}
void TFormMain::bnCourrielClick() {}
void TFormMain::bnPrintClick() {}
void TFormMain::Ajouterunnouveaufilm1Click() {}
void TFormMain::Modifiercettefiche1Click() {}
void TFormMain::Importerunefiche1Click() {}
void TFormMain::Exportercettefiche1Click() {}
void TFormMain::Supprimercettefiche1Click() {}
void TFormMain::Sauvegarderlabase1Click() {}
void TFormMain::Restaurerlabase1Click() {}

void TFormMain::ImporterFiche(const QString&)
{
    // The sheet file arrives with the editor: then this runs AnnulerGestion, hides the home page
    // and fills the editor from the file. Until then the argument is left alone.
}
