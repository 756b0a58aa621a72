#include "panneaurecherche.h"

#include "app/erreurs.h"
#include "browse/listefilms.h"
#include "catalogue/tdm.h"
#include "imaging/jpeg.h"
#include "search/criteres.h"
#include "system/programme.h"

#include <QButtonGroup>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace {

const QColor FondPanneau(246, 234, 200);

// Two columns of eight rows, 31 pixels apart; the labels between tick box and list are painted in
// the background picture.
constexpr int HautPremiereLigne = 17;
constexpr int EcartLignes = 31;
constexpr int HauteurControle = 21;
constexpr int LargeurListe = 210;
constexpr int LargeurDate = 100;

struct Colonne
{
    int caseACocher;
    int controle;
};
constexpr Colonne Gauche{43, 156};
constexpr Colonne Droite{456, 568};

// Where each criterion row stands: column and row position (0 to 7).
struct Emplacement
{
    const char* caseACocher;
    Colonne colonne;
    int ligne;
};
const Emplacement Emplacements[] = {
    {"ckGenre", Gauche, 0},        {"ckRealisateur", Gauche, 1}, {"ckScenario", Gauche, 2},
    {"ckMusique", Gauche, 3},      {"ckSite", Gauche, 4},        {"ckEtoiles", Gauche, 5},
    {"ckDateSortie", Gauche, 6},   {"ckDejaVu", Gauche, 7},      {"ckPublic", Droite, 0},
    {"ckFormatCinema", Droite, 1}, {"ckFormatVideo", Droite, 2}, {"ckSupport", Droite, 3},
    {"ckZoneDvd", Droite, 4},      {"ckStandard", Droite, 5},    {"ckSon", Droite, 6},
    {"ckPrete", Droite, 7},
};

int Haut(int ligne)
{
    return HautPremiereLigne + ligne * EcartLignes;
}

QDateEdit* CreerEditeurDate(const QString& nom, QWidget* parent)
{
    auto* editeur = new QDateEdit(QDate::currentDate(), parent);
    editeur->setObjectName(nom);
    editeur->setDisplayFormat(QString::fromLatin1(FormatDateCourt));
    editeur->setCalendarPopup(true);
    // Month and day names in French, whatever the user's regional settings.
    const QLocale francais(QLocale::French, QLocale::France);
    editeur->setLocale(francais);
    editeur->calendarWidget()->setLocale(francais);
    editeur->calendarWidget()->setMinimumWidth(250);
    return editeur;
}

} // namespace

PanneauRecherche::PanneauRecherche(ListeFilms& listeFilms, QWidget* parent)
    : PanneauImage(parent, FondPanneau), m_listeFilms(listeFilms)
{
    setObjectName(QStringLiteral("pnRechercher"));
    resize(800, 545);
    CreerCriteres();
    CreerCommandes();
}

void PanneauRecherche::AttacherDataModule(Tdm& dm)
{
    m_dm = &dm;
}

QCheckBox* PanneauRecherche::CaseACocher(const QString& nom) const
{
    return findChild<QCheckBox*>(nom, Qt::FindDirectChildrenOnly);
}

QComboBox* PanneauRecherche::Liste(const QString& nom) const
{
    return findChild<QComboBox*>(nom, Qt::FindDirectChildrenOnly);
}

void PanneauRecherche::CreerCriteres()
{
    for (const Emplacement& e : Emplacements) {
        const QString nom = QString::fromLatin1(e.caseACocher);
        auto* coche = new QCheckBox(this);
        coche->setObjectName(nom);
        coche->setGeometry(e.colonne.caseACocher, Haut(e.ligne) + 2, 17, 17);

        const CritereRecherche* critere = CritereParCase(nom);
        if (critere && critere->genre == GenreCritere::Liste) {
            auto* liste = new QComboBox(this);
            liste->setObjectName(critere->liste);
            liste->setGeometry(e.colonne.controle, Haut(e.ligne), LargeurListe, HauteurControle);
            liste->setMaxVisibleItems(8);
            liste->setInsertPolicy(QComboBox::NoInsert);
            connect(coche, &QCheckBox::clicked, this,
                    [this, coche] { ExecuterCommande([&] { ckGenreClick(coche); }); });
        }
    }
    const int haut = Haut(6);
    dateDebut = CreerEditeurDate(QStringLiteral("dateDebut"), this);
    dateDebut->setGeometry(Gauche.controle, haut, LargeurDate, HauteurControle);
    dateFin = CreerEditeurDate(QStringLiteral("dateFin"), this);
    dateFin->setGeometry(Gauche.controle + 110, haut, LargeurDate, HauteurControle);
}

void PanneauRecherche::CreerCommandes()
{
    lbResultats = new QListWidget(this);
    lbResultats->setObjectName(QStringLiteral("lbResultats"));
    lbResultats->setGeometry(40, 312, 577, 196);
    lbResultats->setSortingEnabled(false);
    lbResultats->setSpacing(1);
    connect(lbResultats, &QListWidget::itemClicked, this,
            Commande(this, &PanneauRecherche::lbResultatsListBoxClick));
    connect(lbResultats, &QListWidget::itemDoubleClicked, this,
            Commande(this, &PanneauRecherche::lbResultatsListBoxDblClick));

    imgRec = new QLabel(this);
    imgRec->setObjectName(QStringLiteral("imgRec"));
    imgRec->setGeometry(634, 312, 146, 194);
    imgRec->setScaledContents(true);

    ckOpOu = new QRadioButton(QStringLiteral("Utiliser l'opérateur OU"), this);
    ckOpOu->setObjectName(QStringLiteral("ckOpOu"));
    ckOpOu->setGeometry(40, 516, 170, 20);
    ckOpEt = new QRadioButton(QStringLiteral("Utiliser l'opérateur ET"), this);
    ckOpEt->setObjectName(QStringLiteral("ckOpEt"));
    ckOpEt->setGeometry(220, 516, 170, 20);
    auto* operateurs = new QButtonGroup(this);
    operateurs->addButton(ckOpOu);
    operateurs->addButton(ckOpEt);
    ckOpOu->setChecked(true);

    bnLancer = new QPushButton(QStringLiteral("Lancer la recherche"), this);
    bnLancer->setObjectName(QStringLiteral("bnLancer"));
    bnLancer->setGeometry(560, 514, 130, 24);
    bnLancer->setCursor(Qt::PointingHandCursor);
    connect(bnLancer, &QPushButton::clicked, this, Commande(this, &PanneauRecherche::bnLancerClick));

    bnFermerRechercher = new QPushButton(QStringLiteral("Fermer"), this);
    bnFermerRechercher->setObjectName(QStringLiteral("bnFermerRechercher"));
    bnFermerRechercher->setGeometry(698, 514, 82, 24);
    bnFermerRechercher->setCursor(Qt::PointingHandCursor);
    connect(bnFermerRechercher, &QPushButton::clicked, this, &PanneauRecherche::Fermer);
}

void PanneauRecherche::ckGenreClick(QCheckBox* sender)
{
    // The row's field and list come from the tick box's name alone.
    QComboBox* liste = Liste(ListeDeCaseACocher(sender->objectName()));
    if (liste == nullptr)
        return;
    if (!sender->isChecked()) {
        liste->clear();
        liste->setCurrentIndex(-1);
        return;
    }
    if (m_dm == nullptr)
        return;
    QStringList valeurs;
    if (!SignalerEchec(ChargerListeCritere(m_dm->query(), sender->objectName(), valeurs)))
        return;
    // Items already there stay: the list is only emptied by unticking.
    liste->addItems(valeurs);
    if (liste->count() > 0)
        liste->setCurrentIndex(0);
}

void PanneauRecherche::bnLancerClick()
{
    if (m_dm == nullptr)
        return;
    DemandeRecherche demande;
    demande.operateurEt = !ckOpOu->isChecked();
    for (const CritereRecherche& critere : CriteresRecherche()) {
        const QCheckBox* coche = CaseACocher(critere.caseACocher);
        if (coche == nullptr || !coche->isChecked())
            continue;
        CritereCoche cochee{critere.caseACocher, std::nullopt, dateDebut->date(), dateFin->date()};
        if (critere.genre == GenreCritere::Liste) {
            const QComboBox* liste = Liste(critere.liste);
            if (liste != nullptr && liste->currentIndex() >= 0)
                cochee.valeur = liste->currentText();
        }
        demande.cochees << cochee;
    }
    QStringList titres;
    // A refused search leaves the previous results in place.
    if (!SignalerEchec(LancerRecherche(m_dm->query(), demande, titres)))
        return;
    lbResultats->clear();
    lbResultats->addItems(titres);
}

void PanneauRecherche::lbResultatsListBoxClick()
{
    const QListWidgetItem* choisi = lbResultats->currentItem();
    if (choisi == nullptr || !choisi->isSelected() || m_dm == nullptr)
        return;
    QByteArray octets;
    if (!SignalerEchec(LireCouvertureResultat(m_dm->query(), choisi->text(), octets)))
        return;
    if (octets.isEmpty()) {
        imgRec->clear();
        return;
    }
    QString erreur;
    const QImage couverture = DecoderJpeg(octets, imgRec->size(), &erreur);
    if (couverture.isNull()) {
        // The frame keeps the picture it had.
        AfficherErreurApplication(erreur);
        return;
    }
    imgRec->setPixmap(QPixmap::fromImage(couverture));
}

void PanneauRecherche::lbResultatsListBoxDblClick()
{
    const QListWidgetItem* choisi = lbResultats->currentItem();
    if (choisi == nullptr || !choisi->isSelected())
        return;
    const QString titre = choisi->text();
    // Back to the plain alphabetical list, whatever grouping it showed, with the film shown.
    if (!SignalerEchec(m_listeFilms.ChargerValeursDistinctes(QStringLiteral("Titre"), ListeTitres())))
        return;
    m_listeFilms.RemplirListeFilms(ListeTitres(), QString());
    m_listeFilms.SelectionnerTitre(titre, true);
    emit Fermer();
}
