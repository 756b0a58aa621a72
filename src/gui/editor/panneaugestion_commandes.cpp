// The editor's commands: opening it, confirming or cancelling, deleting the current film, the cover
// picture, and the sheet file in and out.
#include "app/erreurs.h"
#include "browse/fichefilm.h"
#include "browse/listefilms.h"
#include "catalogue/tdm.h"
#include "champssaisie.h"
#include "exchange/fichefichier.h"
#include "panneaugestion.h"
#include "system/programme.h"
#include "widgets/boitemessage.h"
#include "widgets/dialoguesfichier.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString ChampTitre = QStringLiteral("Titre");

} // namespace

void PanneauGestion::OuvrirEditeur(bool nouveauFilm)
{
    if (afficherBoutons) {
        afficherBoutons(false);
    }
    m_nouveauFilm = nouveauFilm;
    bnValider->setText((nouveauFilm ? ValiderNouvelleFiche : ValiderModficationsGestion)->text());
    move(0, 55);
    if (nouveauFilm) {
        ViderSaisie();
    } else {
        ChargerSaisie();
    }
    show();
    raise();
    edTitre->setFocus();
}

void PanneauGestion::FermerEditeur()
{
    if (afficherBoutons) {
        afficherBoutons(true);
    }
    hide();
}

void PanneauGestion::Ajouterunnouveaufilm1Click()
{
    OuvrirEditeur(true);
}

void PanneauGestion::Modifiercettefiche1Click()
{
    OuvrirEditeur(false);
}

void PanneauGestion::AnnulerGestionExecute()
{
    FermerEditeur();
}

void PanneauGestion::ChargerSaisie()
{
    if (m_dm == nullptr) {
        ViderSaisie();
        return;
    }
    const ValeursSaisie s = SaisieDepuisFilm(m_dm->tbFilms(), m_conservees);
    AfficherSaisie(s);
}

bool PanneauGestion::Verifier(ValeursSaisie& saisie)
{
    const Resultat r = VerifierSaisie(saisie);
    if (!r) {
        BoiteMessage::Avertir(window(), r.message());
    }
    return r.estSucces();
}

Resultat PanneauGestion::EnregistrerSaisie()
{
    if (m_dm == nullptr) {
        return Resultat::Echec(QStringLiteral("Le catalogue n'est pas ouvert."));
    }
    ValeursSaisie s = Saisie();
    const Resultat r = VerifierSaisie(s);
    if (!r) {
        return r;
    }
    return EnregistrerFilm(m_dm->tbFilms(), s, m_conservees);
}

void PanneauGestion::ValiderNouvelleFicheExecute()
{
    if (m_dm == nullptr) {
        return;
    }
    Table& films = m_dm->tbFilms();
    ValeursSaisie s = Saisie();
    // An empty title, or one already in the catalogue (exactly as typed), keeps the editor open.
    if (s.edTitre.isEmpty() || films.Locate(ChampTitre, s.edTitre)) {
        BoiteMessage::Avertir(window(), MessageTitreIncorrect);
        return;
    }
    if (!Verifier(s)) {
        return;
    }
    const Resultat r = AjouterNouveauFilm(films, s);
    if (!r) {
        if (r.message() == MessageTitreIncorrect && !r.estSilencieux()) {
            BoiteMessage::Avertir(window(), r.message());
        } else {
            SignalerEchec(r);
        }
        return;
    }
    FermerEditeur();
    m_fiche.AfficherFiche();
    // The tables reopen, the list is rebuilt and the table's first film is shown.
    SignalerEchec(m_dm->OuvrirBase());
}

void PanneauGestion::ValiderModficationsGestionExecute()
{
    if (m_dm == nullptr) {
        return;
    }
    ValeursSaisie s = Saisie();
    if (!Verifier(s)) {
        return;
    }
    // A refused post (a title taken by another film, an empty title) leaves the editor open with
    // what the user typed, and nothing pending in the table.
    if (!SignalerEchec(EnregistrerFilm(m_dm->tbFilms(), s, m_conservees))) {
        return;
    }
    FermerEditeur();
    m_fiche.AfficherFiche();
    // The titles are read again, so that a changed title shows in the list at once; the film stays
    // the current one.
    if (!SignalerEchec(::ChargerValeursDistinctes(m_dm->query(), ChampTitre, ListeTitres()))) {
        return;
    }
    m_liste.RemplirListeFilms(ListeTitres(), QString());
    m_liste.SelectionnerTitre(m_dm->tbFilms().Texte(ChampTitre), false);
}

void PanneauGestion::Supprimercettefiche1Click()
{
    if (m_dm == nullptr || m_dm->tbFilms().RecordCount() == 0) {
        return;
    }
    if (!BoiteMessage::Confirmer(window(),
                                 QStringLiteral("Êtes-vous sûr(e) de vouloir supprimer cette fiche ?"))) {
        return;
    }
    if (!SignalerEchec(m_dm->tbFilms().Delete())) {
        return;
    }
    m_fiche.AfficherFiche();
    // Reading the titles selects and shows the first of them.
    if (!SignalerEchec(m_liste.ChargerValeursDistinctes(ChampTitre, ListeTitres()))) {
        return;
    }
    m_liste.RemplirListeFilms(ListeTitres(), QString());
}

void PanneauGestion::Ajouterunephoto1Click()
{
    DialoguesFichier::Demande demande;
    demande.sens = DialoguesFichier::Sens::Ouvrir;
    demande.titre = QStringLiteral("Insérer une photo");
    demande.filtre = QStringLiteral("Fichier compressé (*.jpg)|*.jpg|Fichier bitmap (*.bmp)|*.bmp");
    const QString chemin = DialoguesFichier::Choisir(window(), demande);
    if (chemin.isEmpty()) {
        return;
    }
    QByteArray jpeg;
    if (!SignalerEchec(LireCouverture(chemin, jpeg))) {
        return;
    }
    DefinirImage(jpeg);
}

void PanneauGestion::Supprimerlaphoto1Click()
{
    DefinirImage(QByteArray());
}

// The sheet file

void PanneauGestion::Exportercettefiche1Click()
{
    if (m_dm == nullptr || m_dm->tbFilms().RecordCount() == 0) {
        return;
    }
    DialoguesFichier::Demande demande;
    demande.sens = DialoguesFichier::Sens::Enregistrer;
    demande.titre = QStringLiteral("Enregistrer sous...");
    demande.filtre = FiltreFichierFiche;
    demande.nomPropose = m_dernierExport;
    QString chemin = DialoguesFichier::Choisir(window(), demande);
    if (chemin.isEmpty()) {
        return;
    }
    if (!chemin.endsWith(QLatin1String(".kbx"), Qt::CaseInsensitive)) {
        chemin += QStringLiteral(".kbx");
    }
    m_dernierExport = chemin;
    ContenuFiche contenu;
    if (!SignalerEchec(LireFicheFilm(m_dm->tbFilms(), contenu))) {
        return;
    }
    SignalerEchec(EcrireFichierFiche(chemin, contenu));
}

void PanneauGestion::Importerunefiche1Click()
{
    DialoguesFichier::Demande demande;
    demande.sens = DialoguesFichier::Sens::Ouvrir;
    demande.titre = QStringLiteral("Ouvrir...");
    demande.filtre = FiltreFichierFiche;
    const QString chemin = DialoguesFichier::Choisir(window(), demande);
    if (!chemin.isEmpty()) {
        ImporterFiche(chemin);
    }
}

void PanneauGestion::ImporterFiche(const QString& chemin)
{
    // The editor opens empty for a new film first, so that a file that cannot be read leaves it so.
    OuvrirEditeur(true);
    ContenuFiche contenu;
    if (!SignalerEchec(LireFichierFiche(chemin, contenu))) {
        return;
    }
    const ValeursSaisie lues = SaisieDepuisFiche(contenu);
    AfficherSaisie(lues);
    SignalerValeursRaccourcies(lues);
}

void PanneauGestion::SignalerValeursRaccourcies(const ValeursSaisie& lues)
{
    // Texts from another catalogue may be longer than this one's fields: the editor keeps what fits,
    // and says so rather than cutting in silence.
    const ValeursSaisie montrees = Saisie();
    QStringList champs;
    const std::pair<const QString ValeursSaisie::*, const char*> textes[] = {
        {&ValeursSaisie::edTitre, "Titre"},
        {&ValeursSaisie::edGenre, "Genre"},
        {&ValeursSaisie::edRealisateur, "Réalisateur"},
        {&ValeursSaisie::edScenario, "Scénario"},
        {&ValeursSaisie::edMusique, "Musique"},
        {&ValeursSaisie::edSite, "Site Internet"},
        {&ValeursSaisie::edEditeur, "Éditeur"},
    };
    for (const auto& [membre, nom] : textes) {
        if ((montrees.*membre).size() < (lues.*membre).size()) {
            champs << QString::fromUtf8(nom);
        }
    }
    if (!champs.isEmpty()) {
        BoiteMessage::Avertir(window(),
                              QStringLiteral("Ces valeurs de la fiche dépassent la taille de leur champ "
                                             "et ont été raccourcies : %1.")
                                  .arg(champs.join(QStringLiteral(", "))));
    }
}
