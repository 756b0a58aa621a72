// The main window's commands: quit and minimise, the navigation band, the panels it opens and
// closes, and the menus popped by the image buttons. Commands whose work belongs to a panel still
// to come are empty here and are filled by that panel's feature.
#include "browse/fichefilm.h"
#include "browse/listefilms.h"
#include "catalogue/tdm.h"
#include "editor/panneaugestion.h"
#include "exchange/exportweb.h"
#include "formmain.h"
#include "home/pageaccueil.h"
#include "loans/panneauprets.h"
#include "maintenance/commandesmaintenance.h"
#include "print/impression.h"
#include "search/panneaurecherche.h"
#include "search/panneaustatistiques.h"
#include "widgets/boitemessage.h"
#include "widgets/imagemouseoutstate.h"
#include "widgets/panneauimage.h"
#include "windows/formacteurs.h"
#include "windows/formglossaire.h"

#include <QComboBox>
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
    pnAide->Ouvrir();
}

void TFormMain::bnFermerClick()
{
    pnAide->hide();
}

void TFormMain::bnAccueilClick()
{
    pageAccueil->OuvrirAccueil();
}

void TFormMain::bnPrincipalClick()
{
    pageAccueil->FermerAccueil();
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
    // The search panel opens under the home page, which uncovers it as it closes.
    bnRechercheClick();
    pageAccueil->FermerAccueil();
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
    // Opened before counting, so that a store error still leaves a panel the user can close.
    OuvrirPanneau(pnStatistiques);
    pnStatistiques->ChargerStatistiques(pnStatistiques->cbChoix->currentText());
}

void TFormMain::bnFermerStatsClick()
{
    FermerPanneau(pnStatistiques);
}

void TFormMain::bnPretClick()
{
    OuvrirPanneau(pnPrets);
    pnPrets->Ouvrir();
}

void TFormMain::bnFermerPretClick()
{
    FermerPanneau(pnPrets);
}

void TFormMain::bnGlossaireClick()
{
    // Not modal: the glossary stays open beside the main window.
    if (auto* formGlossaire = findChild<TFormGlossaire*>(QString(), Qt::FindDirectChildrenOnly))
        formGlossaire->Afficher();
}

// The film sheet editor and the sheet file: the editor panel does the work.
void TFormMain::AnnulerGestion()
{
    pnGestion->AnnulerGestionExecute();
}

void TFormMain::Ajouterunnouveaufilm1Click()
{
    pnGestion->Ajouterunnouveaufilm1Click();
}

void TFormMain::Modifiercettefiche1Click()
{
    pnGestion->Modifiercettefiche1Click();
}

void TFormMain::Importerunefiche1Click()
{
    pnGestion->Importerunefiche1Click();
}

void TFormMain::Exportercettefiche1Click()
{
    pnGestion->Exportercettefiche1Click();
}

void TFormMain::Supprimercettefiche1Click()
{
    pnGestion->Supprimercettefiche1Click();
}

void TFormMain::ImporterFiche(const QString& chemin)
{
    pnGestion->ImporterFiche(chemin);
}

void TFormMain::bnLienTelechargerClick()
{
    pageAccueil->bnLienTelechargerClick();
}

void TFormMain::Sauvegarderlabase1Click()
{
    if (m_maintenance != nullptr)
        m_maintenance->Sauvegarderlabase1Click();
}

void TFormMain::Restaurerlabase1Click()
{
    if (m_maintenance != nullptr)
        m_maintenance->Restaurerlabase1Click();
}

void TFormMain::bnPrintClick()
{
    if (m_dm != nullptr && FormApercu != nullptr && frmPreview != nullptr)
        ImprimerFicheCourante(m_dm->tbFilms(), *FormApercu, *frmPreview);
}

void TFormMain::bnInternetClick()
{
    if (m_dm != nullptr && FormApercu != nullptr)
        ExporterPageWeb(this, m_dm->tbFilms(), *FormApercu);
}

void TFormMain::bnCourrielClick()
{
    if (m_dm != nullptr && FormApercu != nullptr && FormMail != nullptr)
        PreparerCourriel(m_dm->tbFilms(), *FormApercu, *FormMail);
}
