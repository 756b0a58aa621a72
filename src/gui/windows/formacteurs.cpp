#include "formacteurs.h"

#include "app/erreurs.h"
#include "catalogue/table.h"
#include "catalogue/tdm.h"
#include "formacteurs_liaison.h"
#include "formacteurs_photo.h"
#include "system/programme.h"
#include "widgets/bandeaulegende.h"
#include "widgets/panneauimage.h"
#include "widgets/placementfenetre.h"

#include <QComboBox>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QWindow>

namespace {

const QString Legende = QStringLiteral(" - Acteurs - ");
const QString ChampNom = QStringLiteral("NomPrenom");
const QString ChampPhoto = QStringLiteral("Photo");
constexpr int LargeurFenetre = 455;
constexpr int HauteurContenu = 404;

TFormActeurs::ChoixFichier& choixFichier()
{
    static TFormActeurs::ChoixFichier choix;
    return choix;
}

} // namespace

void TFormActeurs::definirChoixFichier(ChoixFichier choix)
{
    choixFichier() = std::move(choix);
}

TFormActeurs::TFormActeurs(Tdm& dm, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint), m_dm(dm)
{
    setObjectName(QStringLiteral("FormActeurs"));
    setWindowTitle(Legende);
    setFixedSize(LargeurFenetre, HauteurBandeau + HauteurContenu);
    // Without a parent there is no program window to stay above: keep it above the desktop instead.
    if (parent == nullptr)
        setWindowFlag(Qt::WindowStaysOnTopHint);
    CreerComposants();
    SuivreEnregistrement();
}

TFormActeurs::~TFormActeurs() = default;

void TFormActeurs::CreerComposants()
{
    pnFond = new PanneauImage(this, QColor(239, 223, 182));
    pnFond->setObjectName(QStringLiteral("pnFondActeurs"));
    pnFond->setGeometry(0, HauteurBandeau, LargeurFenetre, HauteurContenu);
    pnFond->setImage(QPixmap(DossierProgramme() + QStringLiteral("images/interface/acteurs.png")));

    auto nommer = [](QWidget* w, const char* nom) { w->setObjectName(QLatin1String(nom)); };

    Label1 = new QLabel(QStringLiteral("Rechercher un acteur"), pnFond);
    nommer(Label1, "Label1");
    Label1->setGeometry(5, 1, 200, 15);

    bsSkinDBLookupComboBox1 = new QComboBox(pnFond);
    nommer(bsSkinDBLookupComboBox1, "bsSkinDBLookupComboBox1");
    bsSkinDBLookupComboBox1->setGeometry(3, 17, 338, 21);
    bsSkinDBLookupComboBox1->setMaxVisibleItems(16);

    bnFermer = new QPushButton(QStringLiteral("Fermer"), pnFond);
    nommer(bnFermer, "bnFermer");
    bnFermer->setGeometry(376, 14, 72, 24);

    auto ligne = [&](const char* nom, int y, int largeur, int longueur) {
        auto* editeur = new QLineEdit(pnFond);
        nommer(editeur, nom);
        editeur->setGeometry(104, y, largeur, 21);
        editeur->setMaxLength(longueur);
        return editeur;
    };
    bsSkinDBEdit1 = ligne("bsSkinDBEdit1", 55, 238, 200);
    bsSkinDBEdit2 = ligne("bsSkinDBEdit2", 82, 100, 10);
    bsSkinDBEdit2->setPlaceholderText(QStringLiteral("jj/mm/aaaa"));
    bsSkinDBEdit3 = ligne("bsSkinDBEdit3", 109, 238, 200);

    dbImg = new QLabel(pnFond);
    nommer(dbImg, "dbImg");
    dbImg->setGeometry(350, 44, 96, 98);
    dbImg->setContextMenuPolicy(Qt::CustomContextMenu);

    bsSkinDBRichEdit1 = new QPlainTextEdit(pnFond);
    nommer(bsSkinDBRichEdit1, "bsSkinDBRichEdit1");
    bsSkinDBRichEdit1->setGeometry(18, 148, 414, 213);
    bsSkinDBRichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    sbMemoResume = bsSkinDBRichEdit1->verticalScrollBar();
    nommer(sbMemoResume, "sbMemoResume");

    auto bouton = [&](const char* nom, const QString& texte, int x) {
        auto* b = new QPushButton(texte, pnFond);
        nommer(b, nom);
        b->setGeometry(x, 367, 70, 26);
        b->setAutoDefault(false);
        return b;
    };
    bnPrior = bouton("bnPrior", QStringLiteral("< Précédent"), 4);
    bnNext = bouton("bnNext", QStringLiteral("Suivant >"), 78);
    bnNew = bouton("bnNew", QStringLiteral("Nouveau"), 152);
    bnDelete = bouton("bnDelete", QStringLiteral("Supprimer"), 226);
    bnCancel = bouton("bnCancel", QStringLiteral("Annuler"), 300);
    bnValider = bouton("bnValider", QStringLiteral("Valider"), 374);

    pmPhoto = new QMenu(this);
    nommer(pmPhoto, "pmPhoto");
    Ajouterunephoto1 = pmPhoto->addAction(QStringLiteral("Ajouter/Modifier une photo"));
    Ajouterunephoto1->setObjectName(QStringLiteral("Ajouterunephoto1"));
    Supprimerlaphoto1 = pmPhoto->addAction(QStringLiteral("Supprimer la photo"));
    Supprimerlaphoto1->setObjectName(QStringLiteral("Supprimerlaphoto1"));

    // Tab order follows the page: the lookup list, the fields, the biography, then the buttons.
    setTabOrder(bsSkinDBLookupComboBox1, bsSkinDBEdit1);
    setTabOrder(bsSkinDBEdit1, bsSkinDBEdit2);
    setTabOrder(bsSkinDBEdit2, bsSkinDBEdit3);
    setTabOrder(bsSkinDBEdit3, bsSkinDBRichEdit1);
    bsSkinDBRichEdit1->setTabChangesFocus(true);

    m_liaison = new LiaisonChamps(m_dm.dsActeurs(), this);
    m_liaison->LierLigne(bsSkinDBEdit1, ChampNom);
    m_liaison->LierLigne(bsSkinDBEdit2, QStringLiteral("DateDeNaissance"));
    m_liaison->LierLigne(bsSkinDBEdit3, QStringLiteral("LieuDeNaissance"));
    m_liaison->LierImage(dbImg, ChampPhoto);
    m_liaison->LierMemo(bsSkinDBRichEdit1, QStringLiteral("Bibliographie"));
    connect(m_liaison, &LiaisonChamps::affiche, this, Commande(this, &TFormActeurs::SuivreEnregistrement));

    connect(bnPrior, &QPushButton::clicked, this, Commande(this, &TFormActeurs::bnPriorClick));
    connect(bnNext, &QPushButton::clicked, this, Commande(this, &TFormActeurs::bnNextClick));
    connect(bnNew, &QPushButton::clicked, this, Commande(this, &TFormActeurs::bnNewClick));
    connect(bnDelete, &QPushButton::clicked, this, Commande(this, &TFormActeurs::bnDeleteClick));
    connect(bnCancel, &QPushButton::clicked, this, Commande(this, &TFormActeurs::bnCancelClick));
    connect(bnValider, &QPushButton::clicked, this, Commande(this, &TFormActeurs::bnValiderClick));
    connect(bnFermer, &QPushButton::clicked, this, Commande(this, &TFormActeurs::bnFermerClick));
    connect(Ajouterunephoto1, &QAction::triggered, this,
            Commande(this, &TFormActeurs::Ajouterunephoto1Click));
    connect(Supprimerlaphoto1, &QAction::triggered, this,
            Commande(this, &TFormActeurs::Supprimerlaphoto1Click));
    connect(bsSkinDBLookupComboBox1, &QComboBox::activated, this,
            Commande(this, &TFormActeurs::bsSkinDBLookupComboBox1Change));
    connect(dbImg, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& point) { pmPhoto->popup(dbImg->mapToGlobal(point)); });
}

void TFormActeurs::Afficher()
{
    show();
    raise();
    activateWindow();
}

void TFormActeurs::showEvent(QShowEvent* evenement)
{
    QWidget::showEvent(evenement);
    // Centred on the desktop the first time; afterwards it keeps the place the user gave it.
    if (!m_centree) {
        m_centree = true;
        Centrer();
    }
    SuivreEnregistrement();
}

void TFormActeurs::Centrer()
{
    CentrerSurEcran(*this, size());
}

bool TFormActeurs::EcrireAvantDeplacement()
{
    const bool enEdition = m_liaison->EnEdition();
    if (!SignalerEchec(m_liaison->EcrireEnAttente()))
        return false;
    if (enEdition)
        ChargerListe();
    return true;
}

void TFormActeurs::bnPriorClick()
{
    if (EcrireAvantDeplacement())
        m_dm.tbActeurs().Prior();
}

void TFormActeurs::bnNextClick()
{
    if (EcrireAvantDeplacement())
        m_dm.tbActeurs().Next();
}

void TFormActeurs::bnNewClick()
{
    if (!EcrireAvantDeplacement())
        return;
    if (SignalerEchec(m_dm.tbActeurs().Append()))
        bsSkinDBEdit1->setFocus();
}

void TFormActeurs::bnDeleteClick()
{
    Table& acteurs = m_dm.tbActeurs();
    if (acteurs.RecordCount() == 0)
        return;
    // At once, without a question: the register is a scratch pad beside the films.
    SignalerEchec(acteurs.Delete());
    ChargerListe();
}

void TFormActeurs::bnCancelClick()
{
    m_liaison->Annuler();
}

void TFormActeurs::bnValiderClick()
{
    if (!m_liaison->EnEdition())
        return;
    if (SignalerEchec(m_liaison->Poster()))
        ChargerListe();
}

void TFormActeurs::bnFermerClick()
{
    // Pending changes stay pending in the table until the next post, cancel or move.
    hide();
}

QString TFormActeurs::ChoisirPhoto()
{
    const QString titre = QStringLiteral("Insérer une photo");
    const QString filtre = QStringLiteral("Photos Jpeg (*.jpg)");
    if (choixFichier())
        return choixFichier()(this, titre, filtre);
    return QFileDialog::getOpenFileName(this, titre, QString(), filtre);
}

void TFormActeurs::Ajouterunephoto1Click()
{
    const QString chemin = ChoisirPhoto();
    if (chemin.isEmpty())
        return;
    if (!SignalerEchec(m_liaison->Editer()))
        return;
    // Any format the picture reader knows is taken, not only JPEG; it is kept as a bitmap (PNG).
    QByteArray photo;
    if (!SignalerEchec(ChargerPhoto(chemin, photo))) {
        m_liaison->Afficher();
        return;
    }
    if (!SignalerEchec(m_dm.tbActeurs().EcrireBlob(ChampPhoto, photo)))
        return;
    // Posted at once, with whatever else was typed in the record.
    if (SignalerEchec(m_liaison->Poster()))
        ChargerListe();
}

void TFormActeurs::Supprimerlaphoto1Click()
{
    Table& acteurs = m_dm.tbActeurs();
    // No record at all: there is no photo to remove.
    if (!m_liaison->EnEdition() && acteurs.RecordCount() == 0)
        return;
    if (!SignalerEchec(m_liaison->Editer()))
        return;
    if (!SignalerEchec(acteurs.Effacer(ChampPhoto)))
        return;
    if (SignalerEchec(m_liaison->Poster()))
        ChargerListe();
}

void TFormActeurs::bsSkinDBLookupComboBox1Change(int indice)
{
    if (indice < 0)
        return;
    const QString nom = bsSkinDBLookupComboBox1->itemText(indice);
    if (!EcrireAvantDeplacement()) {
        SuivreEnregistrement();
        return;
    }
    // The list holds the names in the table's order, so the place picked is the record's place; the
    // name confirms it (and finds the record should the list be behind the table).
    Table& acteurs = m_dm.tbActeurs();
    acteurs.Positionner(indice);
    if (acteurs.Texte(ChampNom) != nom)
        acteurs.Locate(ChampNom, nom);
    SuivreEnregistrement();
}

void TFormActeurs::ChargerListe()
{
    Table& acteurs = m_dm.tbActeurs();
    QStringList noms;
    Resultat r = Resultat::Succes();
    if (acteurs.EstOuverte())
        r = acteurs.ListerTextes(ChampNom, noms);
    {
        const QSignalBlocker blocage(bsSkinDBLookupComboBox1);
        bsSkinDBLookupComboBox1->clear();
        bsSkinDBLookupComboBox1->addItems(noms);
    }
    m_connexionListe = acteurs.connexion().get();
    m_nombreListe = acteurs.RecordCount();
    SignalerEchec(r);
    SuivreEnregistrement();
}

void TFormActeurs::SuivreEnregistrement()
{
    Table& acteurs = m_dm.tbActeurs();
    // The table was reopened (a restore) or changed size under the list.
    if (acteurs.connexion().get() != m_connexionListe || acteurs.RecordCount() != m_nombreListe) {
        ChargerListe();
        return;
    }
    const bool ouverte = acteurs.EstOuverte();
    for (QWidget* w :
         {static_cast<QWidget*>(bsSkinDBLookupComboBox1), static_cast<QWidget*>(bnPrior),
          static_cast<QWidget*>(bnNext), static_cast<QWidget*>(bnNew), static_cast<QWidget*>(bnDelete),
          static_cast<QWidget*>(bnCancel), static_cast<QWidget*>(bnValider)})
        w->setEnabled(ouverte);
    dbImg->setContextMenuPolicy(ouverte ? Qt::CustomContextMenu : Qt::NoContextMenu);
    const int indice = acteurs.EtatTable() == Table::Etat::Insertion ? -1 : acteurs.Position();
    if (indice < bsSkinDBLookupComboBox1->count()) {
        const QSignalBlocker blocage(bsSkinDBLookupComboBox1);
        bsSkinDBLookupComboBox1->setCurrentIndex(indice);
    }
}

void TFormActeurs::mousePressEvent(QMouseEvent* evenement)
{
    if (BandeauLegende::Deplacer(*this, evenement, HauteurBandeau))
        return;
    QWidget::mousePressEvent(evenement);
}

void TFormActeurs::paintEvent(QPaintEvent*)
{
    QPainter peintre(this);
    BandeauLegende::Peindre(peintre, *this, Legende, HauteurBandeau);
}
