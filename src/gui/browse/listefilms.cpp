#include "listefilms.h"

#include "app/erreurs.h"
#include "catalogue/formes.h"
#include "catalogue/schema.h"
#include "catalogue/tdm.h"
#include "listefilms_arbre.h"
#include "search/statistiques.h"
#include "system/programme.h"
#include "widgets/imagemouseoutstate.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <climits>
#include <iterator>
#include <utility>

namespace {

const QColor Creme(246, 234, 200);
const QColor Brun(52, 21, 9);
const QString ChampTitre = QStringLiteral("Titre");

// The wait cursor for as long as the store works, also when it fails.
class CurseurAttente
{
public:
    CurseurAttente() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CurseurAttente() { QGuiApplication::restoreOverrideCursor(); }
    CurseurAttente(const CurseurAttente&) = delete;
    CurseurAttente& operator=(const CurseurAttente&) = delete;
};

struct EntreeAffichage
{
    const char* legende;
    const char* champ;
};

// The display menu's entries, in order; an entry's tag is its place here.
const EntreeAffichage EntreesAffichage[] = {
    {"titre", "Titre"},       {"date de sortie", "Sortie"}, {"réalisateur", "Realisateur"},
    {"scénario", "Scenario"}, {"Musique", "Musique"},       {"Editeur", "Editeur"},
    {"Public", "Public"},     {"Préférence", "Etoiles"},
};

void Colorer(QWidget* w, const QColor& couleur)
{
    w->setAutoFillBackground(true);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, couleur);
    w->setPalette(p);
}

} // namespace

ListeFilms::ListeFilms(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pnVst"));
    Colorer(this, Creme);
    const QFont police = DelegueListeFilms::PoliceListe();

    pnVstTop = new QLabel(this);
    pnVstTop->setObjectName(QStringLiteral("pnVstTop"));
    Colorer(pnVstTop, Brun);
    fondRecherche = new QWidget(pnVstTop);
    fondRecherche->setObjectName(QStringLiteral("fondRecherche"));
    fondRecherche->setGeometry(0, 3, 180, 26);
    Colorer(fondRecherche, Creme);
    edRecherche = new QLineEdit(pnVstTop);
    edRecherche->setObjectName(QStringLiteral("edRecherche"));
    edRecherche->setGeometry(3, 8, 174, 17);
    edRecherche->setFont(police);

    m_modele = new ModeleListeFilms(this);
    m_delegue = new DelegueListeFilms(this);
    Vst = new ArbreFilms(this);
    Vst->setObjectName(QStringLiteral("Vst"));
    Vst->setModel(m_modele);
    Vst->setItemDelegate(m_delegue);
    Vst->setFont(police);
    Vst->setContextMenuPolicy(Qt::CustomContextMenu);

    sbVst = new QScrollBar(Qt::Vertical, this);
    sbVst->setObjectName(QStringLiteral("sbVst"));
    sbVst->setRange(0, 0);
    sbVst->hide();

    pnVstBottom = new QLabel(QStringLiteral("..."), this);
    pnVstBottom->setObjectName(QStringLiteral("pnVstBottom"));
    Colorer(pnVstBottom, Brun);
    QFont gras = police;
    gras.setBold(true);
    pnVstBottom->setFont(gras);
    pnVstBottom->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    pnVstBottom->setStyleSheet(QStringLiteral("color: white; font-weight: bold;"));

    CreerMenu();

    connect(Vst, &ArbreFilms::SourisEnfoncee, this, Commande(this, &ListeFilms::VstMouseDown));
    connect(Vst, &ArbreFilms::ToucheRelachee, this, Commande(this, &ListeFilms::VstKeyUp));
    connect(Vst, &ArbreFilms::Redimensionne, this, Commande(this, &ListeFilms::VstResize));
    connect(Vst, &QTreeView::expanded, this,
            [this](const QModelIndex&) { ExecuterCommande([this] { VstExpanded(); }); });
    connect(Vst, &QTreeView::collapsed, this,
            [this](const QModelIndex&) { ExecuterCommande([this] { VstCollapsed(); }); });
    connect(Vst->verticalScrollBar(), &QScrollBar::valueChanged, this,
            Commande(this, &ListeFilms::VstScroll));
    connect(sbVst, &QScrollBar::valueChanged, this, Commande(this, &ListeFilms::sbVstChange));
    connect(Vst, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& position) { pmTrier->popup(Vst->viewport()->mapToGlobal(position)); });
    connect(edRecherche, &QLineEdit::textChanged, this, Commande(this, &ListeFilms::edRechercheChange));
    connect(edRecherche, &QLineEdit::returnPressed, this, Commande(this, &ListeFilms::edRechercheKeyPress));

    setGeometry(24, HautNormal, 235, HauteurNormale);
}

void ListeFilms::CreerMenu()
{
    pmTrier = new QMenu(this);
    pmTrier->setObjectName(QStringLiteral("pmTrier"));
    Afficherpar1 = pmTrier->addMenu(QStringLiteral("Afficher par"));
    Afficherpar1->setObjectName(QStringLiteral("Afficherpar1"));
    int tag = 0;
    for (const EntreeAffichage& e : EntreesAffichage) {
        QAction* entree = Afficherpar1->addAction(QString::fromUtf8(e.legende));
        entree->setData(tag++);
    }
    connect(Afficherpar1, &QMenu::triggered, this, Commande(this, &ListeFilms::ssTitreClick));
}

void ListeFilms::AttacherDataModule(Tdm& dm)
{
    m_dm = &dm;
}

void ListeFilms::AttacherBoutons(TImageMouseOutState* zoom, TImageMouseOutState* affichage)
{
    bnZoomListe = zoom;
    bnAffichage = affichage;
    // The button stays pressed while the menu is up and comes back to rest when it closes.
    if (bnAffichage != nullptr)
        connect(pmTrier, &QMenu::aboutToHide, bnAffichage,
                [this] { bnAffichage->setPicture(bnAffichage->NormalPicture()); });
}

bool ListeFilms::EstAgrandie() const
{
    return height() == HauteurAgrandie;
}

void ListeFilms::resizeEvent(QResizeEvent* evenement)
{
    QWidget::resizeEvent(evenement);
    // The tree follows the panel on all four sides, the scroll bar on the right, top and bottom.
    const int l = width();
    const int h = height();
    pnVstTop->setGeometry(0, 0, l, 31);
    Vst->setGeometry(1, 32, l - 16, h - 55);
    sbVst->setGeometry(l - 15, 33, 19, h - 55);
    pnVstBottom->setGeometry(0, h - 21, l, 21);
    // A panel laid out only when first shown has a tree of another height than at the last fill.
    SynchroniserDefilement();
}

void ListeFilms::paintEvent(QPaintEvent*)
{
    // The frame between the two bands.
    QPainter peintre(this);
    peintre.setPen(Brun);
    peintre.setBrush(Creme);
    peintre.drawRect(QRect(0, 31, width(), height() - 52).adjusted(0, 0, -1, -1));
}

// Nodes

ListeFilms::Noeud ListeFilms::PremierSelectionne() const
{
    const QModelIndexList lignes = Vst->selectionModel()->selectedRows();
    return lignes.isEmpty() ? nullptr : m_modele->NoeudDe(lignes.first());
}

ListeFilms::Noeud ListeFilms::Precedent(Noeud noeud) const
{
    const auto& noeuds = m_modele->Noeuds();
    if (!m_modele->IndexDe(noeud).isValid() || noeud == noeuds.data())
        return nullptr;
    return noeud - 1;
}

ListeFilms::Noeud ListeFilms::Suivant(Noeud noeud) const
{
    const auto& noeuds = m_modele->Noeuds();
    if (!m_modele->IndexDe(noeud).isValid() || noeud + 1 == noeuds.data() + noeuds.size())
        return nullptr;
    return noeud + 1;
}

int ListeFilms::Niveau(Noeud noeud) const
{
    return noeud ? noeud->niveau : -1;
}

QString ListeFilms::Texte(Noeud noeud) const
{
    return noeud ? noeud->texte : QString();
}

void ListeFilms::SelectionnerNoeud(Noeud noeud)
{
    const QModelIndex index = m_modele->IndexDe(noeud);
    if (!index.isValid())
        return;
    Vst->selectionModel()->clearSelection();
    Vst->selectionModel()->setCurrentIndex(index,
                                           QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    // A title inside a collapsed group is shown by expanding its group.
    Vst->scrollTo(index);
}

ListeFilms::Noeud ListeFilms::SelectionnerTitre(const QString& texte, bool localiser)
{
    if (texte.isEmpty())
        return nullptr;
    const QString cherche = texte.toLower();
    for (const NoeudListe& noeud : m_modele->Noeuds()) {
        if (noeud.minuscule.startsWith(cherche)) {
            SelectionnerNoeud(&noeud);
            if (localiser)
                LocaliserEtAfficher(&noeud);
            return &noeud;
        }
    }
    return nullptr;
}

void ListeFilms::LocaliserEtAfficher(Noeud noeud)
{
    // A heading or a group is no film: the current film stays and is shown again.
    if (m_dm != nullptr && m_dm->tbFilms().EstOuverte())
        m_dm->tbFilms().Locate(ChampTitre, noeud->texte);
    if (afficherFiche)
        afficherFiche();
}

// Filling

Resultat ListeFilms::ChargerValeursDistinctes(const QString& champ, QStringList& liste)
{
    CurseurAttente attente;
    liste.clear();
    if (m_dm == nullptr)
        return Resultat::Echec(QStringLiteral("La requête n'est reliée à aucun catalogue."));
    return ::ChargerValeursDistinctes(m_dm->query(), champ, liste,
                                      [this](const QString& premiere) { SelectionnerTitre(premiere, true); });
}

void ListeFilms::EcrireCompte(int nombre)
{
    if (nombre > 1)
        pnVstBottom->setText(QLatin1Char(' ') + QString::number(nombre) + QStringLiteral(" films trouvés"));
    else if (nombre == 1)
        pnVstBottom->setText(QStringLiteral(" Un film trouvé"));
    else
        pnVstBottom->setText(QStringLiteral(" Pas de film !"));
}

void ListeFilms::RemplirListeFilms(const QStringList& liste, const QString& legende)
{
    pnVstTop->setText(legende);
    m_modele->AjouterRacine(QStringLiteral("Liste alphabétique"));
    for (const QString& titre : liste)
        m_modele->AjouterEnfant(titre);
    m_modele->Publier();
    EcrireCompte(static_cast<int>(liste.size()));
    Vst->expandAll();
    SynchroniserDefilement();
}

Resultat ListeFilms::RemplirListeGroupee(const QString& champGroupe, const QString& champTitre)
{
    CurseurAttente attente;
    m_modele->Vider();
    QStringList valeurs;
    Resultat r = ChargerValeursDistinctes(champGroupe, valeurs);
    if (r) {
        const DescriptionChamp* champ = SchemaFilms().Champ(champGroupe);
        const bool date = champ != nullptr && champ->type == TypeChamp::Date;
        QStringList titres;
        for (const QString& valeur : std::as_const(valeurs)) {
            if (valeur.isEmpty())
                continue;
            m_modele->AjouterRacine(valeur);
            QVariant parametre = valeur;
            QDate jour;
            if (date && Formes::LireDate(valeur, jour))
                parametre = jour;
            r = ChargerTitresGroupe(champTitre, champGroupe, parametre, titres);
            for (const QString& titre : std::as_const(titres))
                m_modele->AjouterEnfant(titre);
            if (!r)
                break;
        }
        // What was read before a failure stays in the list.
        m_modele->Publier();
    }
    SynchroniserDefilement();
    return r;
}

Resultat ListeFilms::ChargerTitresGroupe(const QString& champTitre, const QString& champGroupe,
                                         const QVariant& valeur, QStringList& liste)
{
    CurseurAttente attente;
    liste.clear();
    if (m_dm == nullptr)
        return Resultat::Echec(QStringLiteral("La requête n'est reliée à aucun catalogue."));
    Query& query = m_dm->query();
    query.SQL().Clear();
    query.SQL().Add(QStringLiteral("SELECT DISTINCT ") + champTitre + QStringLiteral(" FROM Donnees"));
    query.SQL().Add(QStringLiteral("WHERE ") + champGroupe + QStringLiteral("=:Param"));
    if (valeur.typeId() == QMetaType::QDate)
        query.ParamByName(QStringLiteral("Param")).DefinirDate(valeur.toDate());
    else
        query.ParamByName(QStringLiteral("Param")).DefinirTexte(valeur.toString());
    const Resultat r = query.Open();
    if (!r)
        return r;
    while (!query.Eof()) {
        liste << query.Texte(0);
        query.Next();
    }
    const Resultat lecture = query.ErreurLecture();
    query.Close();
    return lecture;
}

Resultat ListeFilms::RafraichirApresOuverture()
{
    Resultat r = ChargerValeursDistinctes(ChampTitre, ListeTitres());
    if (!r)
        return r;
    RemplirListeFilms(ListeTitres(), QString());
    if (m_dm != nullptr)
        SelectionnerTitre(m_dm->tbFilms().Texte(ChampTitre), true);
    return Resultat::Succes();
}

QString ListeFilms::NomChampCategorie(const QString& legende)
{
    // The statistics panel and the command-line tool share the one mapping.
    return ::NomChampCategorie(legende);
}

// Scrolling

void ListeFilms::SynchroniserDefilement()
{
    // Every row is as high as the others: the content's height follows from the rows shown.
    qint64 lignes = 0;
    for (int groupe = 0; groupe < m_modele->NombreGroupes(); ++groupe) {
        ++lignes;
        if (Vst->isExpanded(m_modele->index(groupe, 0)))
            lignes += m_modele->NombreEnfants(groupe);
    }
    const int hauteur = static_cast<int>(qMin<qint64>(lignes * ArbreFilms::HauteurLigne, INT_MAX / 2));
    sbVst->setVisible(Vst->height() < hauteur);
    if (hauteur > 0) {
        // A page of the client height plus one over a range as high as the content: the bar's
        // positions run from 0 to the content's height less the client height.
        const int page = qMax(0, Vst->viewport()->height() + 1);
        sbVst->setPageStep(page);
        sbVst->setRange(0, qMax(0, hauteur - page + 1));
    } else {
        sbVst->setPageStep(0);
        sbVst->setRange(0, 0);
    }
    sbVst->setSingleStep(ArbreFilms::HauteurLigne);
}

void ListeFilms::VstScroll(int position)
{
    sbVst->setValue(position);
}

void ListeFilms::sbVstChange(int position)
{
    Vst->verticalScrollBar()->setValue(position);
}

void ListeFilms::VstExpanded()
{
    SynchroniserDefilement();
}

void ListeFilms::VstCollapsed()
{
    SynchroniserDefilement();
}

void ListeFilms::VstResize()
{
    Vst->header()->setMaximumSectionSize(qMax(Vst->width(), 1));
    Vst->header()->resizeSection(0, qMax(0, Vst->width() - 4));
}

// Commands

void ListeFilms::VstMouseDown(QMouseEvent* evenement)
{
    if (evenement->button() != Qt::LeftButton)
        return;
    const NoeudListe* noeud = m_modele->NoeudDe(Vst->indexAt(evenement->position().toPoint()));
    if (noeud != nullptr && noeud->niveau == 1)
        LocaliserEtAfficher(noeud);
}

void ListeFilms::VstKeyUp(QKeyEvent*)
{
    const NoeudListe* noeud = PremierSelectionne();
    if (noeud != nullptr && noeud->niveau == 1)
        LocaliserEtAfficher(noeud);
}

void ListeFilms::edRechercheChange(const QString& texte)
{
    SelectionnerTitre(texte, false);
}

void ListeFilms::edRechercheKeyPress()
{
    SelectionnerTitre(edRecherche->text(), true);
}

void ListeFilms::ssTitreClick(QAction* entree)
{
    const int tag = entree->data().toInt();
    if (tag < 0 || tag >= static_cast<int>(std::size(EntreesAffichage)))
        return;
    if (tag == 0) {
        if (!SignalerEchec(ChargerValeursDistinctes(ChampTitre, ListeTitres())))
            return;
        RemplirListeFilms(ListeTitres(), QString());
        return;
    }
    SignalerEchec(RemplirListeGroupee(QString::fromLatin1(EntreesAffichage[tag].champ), ChampTitre));
}

void ListeFilms::bnAffichageMouseDown(QMouseEvent*)
{
    // At the button's top-left corner, on the press itself.
    QWidget* bouton = bnAffichage != nullptr ? static_cast<QWidget*>(bnAffichage) : pnVstTop;
    pmTrier->popup(bouton->mapToGlobal(QPoint(0, 0)));
}

void ListeFilms::bnZoomListeClick()
{
    if (height() == HauteurAgrandie)
        setGeometry(x(), HautNormal, width(), HauteurNormale);
    else
        setGeometry(x(), HautAgrandi, width(), HauteurAgrandie);
    SynchroniserDefilement();
}
