#include "formmain.h"

#include "browse/fichefilm.h"
#include "browse/listefilms.h"
#include "catalogue/tdm.h"
#include "editor/panneaugestion.h"
#include "erreurs.h"
#include "habillage.h"
#include "home/pageaccueil.h"
#include "loans/panneauprets.h"
#include "maintenance/commandesmaintenance.h"
#include "panneauattente.h"
#include "search/panneaurecherche.h"
#include "search/panneaustatistiques.h"
#include "system/association.h"
#include "system/dossiers.h"
#include "system/programme.h"
#include "widgets/imagemouseoutstate.h"
#include "widgets/panneauimage.h"
#include "widgets/placementfenetre.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>

namespace {

enum class Support
{
    Fond,
    VstTop,
    Accueil
};

// The image buttons: where each stands, its size and its hint. The pictures are
// images/interface/boutons/<name>_normal.png, _survol.png and _enfonce.png.
struct DefinitionBouton
{
    TImageMouseOutState* TFormMain::*membre;
    const char* nom;
    Support support;
    int gauche, haut, largeur, hauteur;
    const char* hint;
};

// Listed in creation order; the list's two buttons come last, with the panel that holds them.
const DefinitionBouton Boutons[] = {
    {&TFormMain::bnQuitter, "bnQuitter", Support::Fond, 762, 3, 32, 32, "Quitter Kinobral"},
    {&TFormMain::bnReduire, "bnReduire", Support::Fond, 728, 3, 32, 32, "Minimiser"},
    {&TFormMain::bnAide, "bnAide", Support::Fond, 693, 3, 32, 32, "Aide"},
    {&TFormMain::bnAccueil, "bnAccueil", Support::Fond, 84, 29, 57, 18, ""},
    {&TFormMain::bnGestion, "bnGestion", Support::Fond, 142, 29, 61, 18, ""},
    {&TFormMain::bnRecherche, "bnRecherche", Support::Fond, 204, 29, 76, 18, ""},
    {&TFormMain::bnStatistique, "bnStatistique", Support::Fond, 281, 29, 78, 18, ""},
    {&TFormMain::bnActeurs, "bnActeurs", Support::Fond, 360, 29, 62, 18, ""},
    {&TFormMain::bnPret, "bnPret", Support::Fond, 423, 29, 47, 18, ""},
    {&TFormMain::bnGlossaire, "bnGlossaire", Support::Fond, 471, 29, 66, 18, ""},
    {&TFormMain::bnPrecedent, "bnPrecedent", Support::Fond, 268, 572, 53, 26, "Précédent"},
    {&TFormMain::bnSuivant, "bnSuivant", Support::Fond, 331, 572, 53, 26, "Suivant"},
    {&TFormMain::bnInternet, "bnInternet", Support::Fond, 393, 572, 53, 26, "Exporter au format Web (.htm)"},
    {&TFormMain::bnCourriel, "bnCourriel", Support::Fond, 456, 572, 53, 26, "Envoyer par courriel"},
    {&TFormMain::bnPrint, "bnPrint", Support::Fond, 519, 572, 53, 26, "Imprimer"},
    {&TFormMain::ImageMouseOutState1, "ImageMouseOutState1", Support::Accueil, 693, 3, 32, 32, "Aide"},
    {&TFormMain::ImageMouseOutState2, "ImageMouseOutState2", Support::Accueil, 728, 3, 32, 32, "Minimiser"},
    {&TFormMain::ImageMouseOutState3, "ImageMouseOutState3", Support::Accueil, 762, 3, 32, 32,
     "Quitter Kinobral"},
    {&TFormMain::bnLienTelecharger, "bnLienTelecharger", Support::Accueil, 40, 544, 141, 43, ""},
    {&TFormMain::bnAccueilRecherche, "bnAccueilRecherche", Support::Accueil, 193, 544, 142, 43, ""},
    {&TFormMain::bnPrincipal, "bnPrincipal", Support::Accueil, 670, 544, 118, 43, ""},
    {&TFormMain::bnZoomListe, "bnZoomListe", Support::VstTop, 180, 3, 26, 26, "Agrandir/Réduire la liste"},
    {&TFormMain::bnAffichage, "bnAffichage", Support::VstTop, 207, 3, 26, 26, "Affichage de la liste"},
};

QPixmap ChargerImage(const QString& relatif)
{
    // A missing or unreadable file gives an empty picture.
    return QPixmap(DossierProgramme() + relatif);
}

} // namespace

TFormMain::TFormMain(const QStringList& arguments, const QString& dossierProgramme, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(QStringLiteral("Kinobral 2005"));
    setFixedSize(800, 600);
    QFont police(QStringLiteral("Tahoma"));
    police.setPointSize(8);
    setFont(police);
    setAutoFillBackground(true);
    QPalette fond = palette();
    fond.setColor(QPalette::Window, Qt::white);
    setPalette(fond);

    CreerComposants();
    FormCreate(arguments, dossierProgramme);
}

TFormMain::~TFormMain() = default;

void TFormMain::FormCreate(const QStringList& arguments, const QString& dossierProgramme)
{
    // 1. The program folder: every fixed file is addressed relative to it.
    DefinirDossierProgramme(dossierProgramme.isEmpty() ? DossierExecutable() : dossierProgramme);
    // 2. The title list starts empty; opening the catalogue fills it.
    ListeTitres().clear();
    // 3. The sheet-file type, registered at every start; failures only show their message.
    EnregistrerTypeFichier(QStringLiteral("kbx"), CheminExecutable(),
                           QStringLiteral("Cliquer pour lancer Kinobral 2005"), QString(),
                           QStringLiteral("OPEN"), true, &AfficherMessageSimple);
    // 4. The staging folders of a restore; start-up goes on without them if they cannot be made.
    CreerDossiersTemporaires();
    // 5. Dates and numbers in the program's own forms, whatever the regional settings.
    FixerFormatsProcessus();
    // 6. The panels in their places, with their pictures.
    PlacerPanneaux();
    ChargerImages();
    // 7. The film list starts without nodes; it is built when the catalogue opens.
    // 8. Only the first argument is looked at: a sheet file to open in the editor.
    const QString premierArgument = arguments.value(1);
    if (!premierArgument.isEmpty()) {
        AnnulerGestion();
        pnAccueil->hide();
        ImporterFiche(premierArgument);
    }
    Centrer();
}

void TFormMain::CreerComposants()
{
    pnFond = new PanneauImage(this, Qt::white);
    pnFond->setObjectName(QStringLiteral("pnFond"));
    pnFond->setGeometry(0, 0, 800, 600);

    // The sheet view first, so that every button and panel of pnFond lies above it.
    FicheFilm = new TFicheFilm(pnFond);
    CreerBoutons();
    CreerPanneaux();
    FicheFilm->AttacherListe(listeFilms);
    FicheFilm->afficherActeurs = [this] { bnActeursClick(); };
    listeFilms->afficherFiche = [this] { FicheFilm->AfficherFiche(); };
    CreerMenus();

    // On the window, above the base panel: the drag strip, then the help panel over everything.
    barreTop = new QWidget(this);
    barreTop->setObjectName(QStringLiteral("barreTop"));
    barreTop->setGeometry(207, 0, 485, 20);
    barreTop->setAutoFillBackground(true);
    QPalette brun = barreTop->palette();
    brun.setColor(QPalette::Window, Habillage::BrunBarre);
    barreTop->setPalette(brun);
    barreTop->setCursor(Qt::PointingHandCursor);
    barreTop->installEventFilter(this);

    pnAide = new PanneauAide(this);
    connect(pnAide, &PanneauAide::Fermer, this, Commande(this, &TFormMain::bnFermerClick));
}

void TFormMain::CreerBoutons()
{
    // The buttons of pnFond sit under every panel stacked on it; those of the home page and of the
    // list are made with their panels.
    for (const DefinitionBouton& d : Boutons) {
        if (d.support != Support::Fond)
            continue;
        auto* bouton = new TImageMouseOutState(pnFond);
        this->*d.membre = bouton;
    }
}

void TFormMain::CreerPanneaux()
{
    // The film list's panel, with its bands; its two image buttons are made below with the others.
    listeFilms = new ListeFilms(pnFond);
    pnVst = listeFilms;
    pnVstTop = listeFilms->pnVstTop;
    pnVstBottom = listeFilms->pnVstBottom;

    pnPrets = new PanneauPrets(pnFond);
    connect(pnPrets, &PanneauPrets::Fermer, this, Commande(this, &TFormMain::bnFermerPretClick));
    pnStatistiques = new PanneauStatistiques(pnFond);
    connect(pnStatistiques, &PanneauStatistiques::Fermer, this,
            Commande(this, &TFormMain::bnFermerStatsClick));
    pnRechercher = new PanneauRecherche(*listeFilms, pnFond);
    connect(pnRechercher, &PanneauRecherche::Fermer, this,
            Commande(this, &TFormMain::bnFermerRechercherClick));

    pnAccueil = new PanneauImage(pnFond, Qt::white);
    pnAccueil->setObjectName(QStringLiteral("pnAccueil"));
    pageAccueil = new PageAccueil(pnAccueil, this);

    pnGestion = new PanneauGestion(*listeFilms, *FicheFilm, pnFond);
    pnGestion->afficherBoutons = [this](bool v) { AfficherBoutons(v, v, v, v, v); };

    for (const DefinitionBouton& d : Boutons) {
        if (d.support == Support::Fond)
            continue;
        this->*d.membre = new TImageMouseOutState(d.support == Support::Accueil ? pnAccueil : pnVstTop);
    }

    for (const DefinitionBouton& d : Boutons) {
        TImageMouseOutState* bouton = this->*d.membre;
        bouton->setObjectName(QString::fromLatin1(d.nom));
        bouton->setGeometry(d.gauche, d.haut, d.largeur, d.hauteur);
        bouton->setHint(QString::fromUtf8(d.hint));
        bouton->setCursor(Qt::PointingHandCursor);
    }

    listeFilms->AttacherBoutons(bnZoomListe, bnAffichage);

    auto clic = [this](TImageMouseOutState* bouton, void (TFormMain::*commande)()) {
        connect(bouton, &TImageMouseOutState::OnClick, this, Commande(this, commande));
    };
    clic(bnQuitter, &TFormMain::bnQuitterClick);
    clic(bnReduire, &TFormMain::bnReduireClick);
    clic(bnAide, &TFormMain::bnAideClick);
    clic(bnAccueil, &TFormMain::bnAccueilClick);
    clic(bnRecherche, &TFormMain::bnRechercheClick);
    clic(bnStatistique, &TFormMain::bnStatistiqueClick);
    clic(bnActeurs, &TFormMain::bnActeursClick);
    clic(bnPret, &TFormMain::bnPretClick);
    clic(bnGlossaire, &TFormMain::bnGlossaireClick);
    clic(bnPrecedent, &TFormMain::bnPrecedentClick);
    clic(bnSuivant, &TFormMain::bnSuivantClick);
    clic(bnInternet, &TFormMain::bnInternetClick);
    clic(bnCourriel, &TFormMain::bnCourrielClick);
    clic(bnPrint, &TFormMain::bnPrintClick);
    clic(bnZoomListe, &TFormMain::bnZoomListeClick);
    clic(ImageMouseOutState1, &TFormMain::bnAideClick);
    clic(ImageMouseOutState2, &TFormMain::bnReduireClick);
    clic(ImageMouseOutState3, &TFormMain::bnQuitterClick);
    clic(bnLienTelecharger, &TFormMain::bnLienTelechargerClick);
    clic(bnAccueilRecherche, &TFormMain::bnAccueilRechercheClick);
    clic(bnPrincipal, &TFormMain::bnPrincipalClick);
    connect(bnGestion, &TImageMouseOutState::OnMouseDown, this,
            Commande(this, &TFormMain::bnGestionMouseDown));
    connect(bnAffichage, &TImageMouseOutState::OnMouseDown, this,
            Commande(this, &TFormMain::bnAffichageMouseDown));
}

void TFormMain::CreerMenus()
{
    pmGestion = new QMenu(this);
    pmGestion->setObjectName(QStringLiteral("pmGestion"));
    auto entree = [this](const QString& texte, void (TFormMain::*commande)()) {
        QAction* action = pmGestion->addAction(texte);
        connect(action, &QAction::triggered, this, Commande(this, commande));
        return action;
    };
    Ajouterunnouveaufilm1 =
        entree(QStringLiteral("Ajouter une nouvelle fiche"), &TFormMain::Ajouterunnouveaufilm1Click);
    Modifiercettefiche1 =
        entree(QStringLiteral("Modifier cette fiche"), &TFormMain::Modifiercettefiche1Click);
    pmGestion->addSeparator();
    Importerunefiche1 = entree(QStringLiteral("Importer une fiche"), &TFormMain::Importerunefiche1Click);
    Exportercettefiche1 =
        entree(QStringLiteral("Exporter cette fiche"), &TFormMain::Exportercettefiche1Click);
    pmGestion->addSeparator();
    Supprimercettefiche1 =
        entree(QStringLiteral("Supprimer cette fiche"), &TFormMain::Supprimercettefiche1Click);
    pmGestion->addSeparator();
    Sauvegarderlabase1 = entree(QStringLiteral("Sauvegarder la base"), &TFormMain::Sauvegarderlabase1Click);
    Restaurerlabase1 = entree(QStringLiteral("Restaurer la base"), &TFormMain::Restaurerlabase1Click);

    // The button stays pressed while its menu is up; it comes back to rest when the menu closes.
    connect(pmGestion, &QMenu::aboutToHide, bnGestion,
            [this] { bnGestion->setPicture(bnGestion->NormalPicture()); });

    // The list's display menu (pmTrier), also its context menu.
    pmAffichage = listeFilms->pmTrier;
}

void TFormMain::PlacerPanneaux()
{
    pnAccueil->setGeometry(0, 0, 800, 600);
    pnGestion->setGeometry(0, 55, 800, 544);
    pnRechercher->setGeometry(0, 55, 800, 545);
    pnStatistiques->setGeometry(0, 55, 800, 545);
    // The loan register stays laid out below the window until it is opened.
    pnPrets->setGeometry(0, 655, 800, 545);
    pnGestion->hide();
    pnRechercher->hide();
    pnStatistiques->hide();
    pnAccueil->show();
}

void TFormMain::ChargerImages()
{
    pnFond->setImage(ChargerImage(QStringLiteral("images/interface/fond.png")));
    pnAccueil->setImage(ChargerImage(QStringLiteral("images/interface/accueil.png")));
    // The panels are made before the program folder is known, so their pictures are loaded here.
    pnRechercher->setImage(ChargerImage(QStringLiteral("images/interface/rechercher.png")));
    pnStatistiques->setImage(ChargerImage(QStringLiteral("images/interface/statistiques.png")));
    pageAccueil->ChargerImages();
    for (const DefinitionBouton& d : Boutons) {
        TImageMouseOutState* bouton = this->*d.membre;
        const QString base = QStringLiteral("images/interface/boutons/") + QString::fromLatin1(d.nom);
        bouton->setNormalPicture(ChargerImage(base + QStringLiteral("_normal.png")));
        bouton->setEnterPicture(ChargerImage(base + QStringLiteral("_survol.png")));
        bouton->setDownPicture(ChargerImage(base + QStringLiteral("_enfonce.png")));
        bouton->setAutoSize(true);
        bouton->setPicture(bouton->NormalPicture());
    }
}

void TFormMain::Centrer()
{
    CentrerSurEcran(*this, size());
}

void TFormMain::AttacherDataModule(Tdm& dm)
{
    m_dm = &dm;
    FicheFilm->AttacherDataModule(dm);
    listeFilms->AttacherDataModule(dm);
    pnGestion->AttacherDataModule(dm);
    pnRechercher->AttacherDataModule(dm);
    pnStatistiques->AttacherDataModule(dm);
    pnPrets->AttacherDataModule(dm);
    pageAccueil->AttacherDataModule(dm);
    pageAccueil->AttacherListe(listeFilms);
    m_maintenance = new CommandesMaintenance(this, dm);
    // What the catalogue's opening refreshes once the tables are open and on their first film.
    dm.apresOuverture = [this] {
        // 6 to 8: the titles, the alphabetical list, the current film selected and shown.
        if (!SignalerEchec(listeFilms->RafraichirApresOuverture()))
            return;
        // 9. The home page's covers.
        SignalerEchec(pageAccueil->ChargerAccueil());
    };
}

bool TFormMain::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet != barreTop)
        return QWidget::eventFilter(objet, evenement);
    switch (evenement->type()) {
    case QEvent::MouseButtonPress:
        ExecuterCommande([&] { barreTopMouseDown(static_cast<QMouseEvent*>(evenement)); });
        return true;
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
        if (m_deplacement.Suivre(evenement))
            return true;
        break;
    default:
        break;
    }
    return QWidget::eventFilter(objet, evenement);
}
