#include "panneauprets.h"

#include "app/erreurs.h"
#include "app/habillage.h"
#include "catalogue/formes.h"
#include "catalogue/tdm.h"
#include "editeurdate.h"
#include "grilleprets.h"
#include "loans/prets.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>

namespace {

const QColor Contour(208, 154, 98);
const QColor FondPair(232, 202, 167);
const QColor FondImpair(247, 236, 205);
const QColor FondCarre(70, 35, 0);
const QColor FondBande(64, 0, 0);

const QString TitrePanneau = QStringLiteral("Gestion des prêts");

constexpr int HauteurBas = 35;
constexpr int HauteurBarreBande = 27;

// A rectangle outlined with the pen colour and filled with the brush colour, the outline on its
// border pixels.
void Rectangle(QPainter& peintre, const QRect& rect, const QColor& contour, const QColor& fond)
{
    peintre.fillRect(rect, fond);
    peintre.setPen(contour);
    peintre.setBrush(Qt::NoBrush);
    peintre.drawRect(rect.adjusted(0, 0, -1, -1));
}

} // namespace

PanneauPrets::PanneauPrets(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pnPrets"));
    resize(800, 545);
    m_police = QFont(QStringLiteral("Tahoma"));
    m_police.setPointSize(8);
    m_policeGras = m_police;
    m_policeGras.setBold(true);

    prGrille = new GrillePrets(this);
    prGrille->setGeometry(CadreGrille);
    prGrille->OnDrawCell = [this](QPainter& peintre, int colonne, int ligne, const QRect& rect) {
        prGrilleDrawCell(peintre, colonne, ligne, rect);
    };
    prGrille->OnSelectCell = [this](int colonne, int ligne) { return prGrilleSelectCell(colonne, ligne); };
    connect(prGrille, &GrillePrets::MouseDown, this, Commande(this, &PanneauPrets::prGrilleMouseDown));

    sbPret = new QScrollBar(Qt::Vertical, this);
    sbPret->setObjectName(QStringLiteral("sbPret"));
    sbPret->setGeometry(CadreGrille.right() + 1, CadreGrille.top(), 17, CadreGrille.height());
    prGrille->AttacherBarre(sbPret);

    bnFermerPret = new QPushButton(QStringLiteral("Fermer"), this);
    bnFermerPret->setObjectName(QStringLiteral("bnFermerPret"));
    bnFermerPret->setGeometry(width() - 84, height() - HauteurBas + 5, 80, 24);
    bnFermerPret->setAutoDefault(false);
    connect(bnFermerPret, &QPushButton::clicked, this, &PanneauPrets::Fermer);

    CreerBandeEmprunteur();
}

void PanneauPrets::CreerBandeEmprunteur()
{
    pnEmprunteur = new QWidget(this);
    pnEmprunteur->setObjectName(QStringLiteral("pnEmprunteur"));
    pnEmprunteur->resize(GrillePrets::LargeurTotale, 62);
    pnEmprunteur->setAutoFillBackground(true);
    QPalette sombre = pnEmprunteur->palette();
    sombre.setColor(QPalette::Window, FondBande);
    pnEmprunteur->setPalette(sombre);

    // Along the top bar, each editor stands over the column it changes.
    lbTitreEmprunt = new QLabel(pnEmprunteur);
    lbTitreEmprunt->setObjectName(QStringLiteral("lbTitreEmprunt"));
    lbTitreEmprunt->setGeometry(2, 3, 363, HauteurBarreBande - 6);
    lbTitreEmprunt->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lbTitreEmprunt->setAutoFillBackground(true);
    QPalette caramel = lbTitreEmprunt->palette();
    caramel.setColor(QPalette::Window, Contour);
    caramel.setColor(QPalette::WindowText, Habillage::BrunEncre);
    lbTitreEmprunt->setPalette(caramel);

    edEmprunteur = new QLineEdit(pnEmprunteur);
    edEmprunteur->setObjectName(QStringLiteral("edEmprunteur"));
    edEmprunteur->setGeometry(368, 3, 210, HauteurBarreBande - 6);
    // The borrower's field holds 50 characters.
    edEmprunteur->setMaxLength(50);

    edDateEmprunt = new EditeurDate(pnEmprunteur);
    edDateEmprunt->setObjectName(QStringLiteral("edDateEmprunt"));
    edDateEmprunt->setGeometry(580, 3, 94, HauteurBarreBande - 6);

    edPrete = new QCheckBox(pnEmprunteur);
    edPrete->setObjectName(QStringLiteral("edPrete"));
    edPrete->setGeometry(675 + 70 / 2 - 8, 5, 18, HauteurBarreBande - 10);

    auto bouton = [this](const char* nom, const QString& texte, int x) {
        auto* b = new QPushButton(texte, pnEmprunteur);
        b->setObjectName(QLatin1String(nom));
        b->setGeometry(x, 36, 64, 19);
        b->setAutoDefault(false);
        // The skin's padding is for taller buttons.
        b->setStyleSheet(QStringLiteral("QPushButton { padding: 0px 2px; min-height: 0px; }"));
        return b;
    };
    bnAnnulerEmprunt =
        bouton("bnAnnulerEmprunt", QStringLiteral("Annuler"), GrillePrets::LargeurTotale - 140);
    bnValiderEmprunt = bouton("bnValiderEmprunt", QStringLiteral("Valider"), GrillePrets::LargeurTotale - 70);
    connect(bnAnnulerEmprunt, &QPushButton::clicked, this,
            Commande(this, &PanneauPrets::bnAnnulerEmpruntClick));
    connect(bnValiderEmprunt, &QPushButton::clicked, this,
            Commande(this, &PanneauPrets::bnValiderEmpruntClick));
    // Enter in either editor validates, Escape cancels (keyPressEvent).
    connect(edEmprunteur, &QLineEdit::returnPressed, this,
            Commande(this, &PanneauPrets::bnValiderEmpruntClick));
    connect(edDateEmprunt, &QLineEdit::returnPressed, this,
            Commande(this, &PanneauPrets::bnValiderEmpruntClick));

    setTabOrder(edEmprunteur, edDateEmprunt);
    setTabOrder(edDateEmprunt, edPrete);
    setTabOrder(edPrete, bnAnnulerEmprunt);
    setTabOrder(bnAnnulerEmprunt, bnValiderEmprunt);
    pnEmprunteur->hide();
}

void PanneauPrets::Ouvrir()
{
    FermerBandeEmprunteur();
    // Every opening rebuilds the grid from the table, in the order the store returns the films.
    prGrille->ReduireAUneLigne();
    if (m_dm == nullptr)
        return;
    std::vector<LignePret> lignes;
    if (!SignalerEchec(ChargerPrets(m_dm->query(), lignes)))
        return;
    // The titles are written only when there is at least one film.
    if (!lignes.empty())
        prGrille->Remplir(
            {TitresColonnesPrets[0], TitresColonnesPrets[1], TitresColonnesPrets[2], TitresColonnesPrets[3]},
            std::move(lignes));
    prGrille->setFocus();
}

void PanneauPrets::FermerBandeEmprunteur()
{
    m_ligneEditee = 0;
    pnEmprunteur->hide();
    prGrille->setEnabled(true);
    sbPret->setEnabled(sbPret->maximum() > 0);
}

void PanneauPrets::prGrilleDrawCell(QPainter& peintre, int colonne, int ligne, const QRect& rect)
{
    peintre.setFont(ligne == 0 ? m_policeGras : m_police);
    // Colours alternate strictly by row number: the title row counts as even.
    Rectangle(peintre, rect, Contour, ligne % 2 == 0 ? FondPair : FondImpair);
    if (ligne == prGrille->Row())
        Rectangle(peintre, rect, Contour, Qt::white);
    if (ligne == 0)
        Rectangle(peintre, rect, Contour, Contour);

    const QString texte = prGrille->Cellule(colonne, ligne);
    if (colonne == 3 && ligne > 0 && texte.toUpper() == QLatin1String("VRAI")) {
        const QRect carre(rect.left() + rect.width() / 2 - 5, rect.top() + rect.height() / 2 - 5, 10, 10);
        Rectangle(peintre, carre, Qt::white, FondCarre);
    }

    // The lent flag shows only as its square, never as text.
    if (ligne > 0 && colonne == 3)
        return;
    const QFontMetrics mesure(peintre.font());
    const int haut = rect.top() + rect.height() / 2 - mesure.height() / 2;
    peintre.setPen(Habillage::BrunEncre);
    if (ligne == 0) {
        const int gauche = rect.left() + rect.width() / 2 - mesure.horizontalAdvance(texte) / 2;
        peintre.drawText(gauche, haut + mesure.ascent(), texte);
    } else {
        // A text longer than its column ends with an ellipsis instead of being cut.
        peintre.drawText(rect.left() + 3, haut + mesure.ascent(),
                         mesure.elidedText(texte, Qt::ElideRight, rect.width() - 6));
    }
}

bool PanneauPrets::prGrilleSelectCell(int, int ligne) const
{
    return ligne > 0;
}

void PanneauPrets::prGrilleMouseDown(QMouseEvent* evenement)
{
    if (evenement->type() != QEvent::MouseButtonDblClick || evenement->button() != Qt::LeftButton)
        return;
    int colonne = 0;
    int ligne = 0;
    if (!prGrille->MouseToCell(evenement->position().toPoint(), colonne, ligne) || ligne < 1)
        return;
    const QRect r0 = prGrille->CellRect(0, ligne);
    lbTitreEmprunt->setText(QLatin1Char(' ') + prGrille->Cellule(0, ligne));
    edEmprunteur->setText(prGrille->Cellule(1, ligne));
    const QString date = prGrille->Cellule(2, ligne);
    if (date.isEmpty())
        edDateEmprunt->clear();
    else
        edDateEmprunt->setText(date);
    edPrete->setChecked(prGrille->Cellule(3, ligne) == QLatin1String(Formes::Vrai));
    // Over the row and the rows just below it.
    pnEmprunteur->move(prGrille->pos() + r0.topLeft());
    m_ligneEditee = ligne;
    // Neither the grid nor its scroll bar moves while the strip lies over the row.
    prGrille->setEnabled(false);
    sbPret->setEnabled(false);
    pnEmprunteur->show();
    pnEmprunteur->raise();
    edEmprunteur->setFocus();
    edEmprunteur->selectAll();
}

void PanneauPrets::bnValiderEmpruntClick()
{
    const int ligne = m_ligneEditee;
    if (ligne < 1 || ligne >= prGrille->RowCount() || m_dm == nullptr) {
        FermerBandeEmprunteur();
        return;
    }
    // A date typed with one-digit day or month is kept in the program's full form.
    QString date = edDateEmprunt->text();
    QDate jour;
    if (Formes::LireDate(date, jour))
        date = Formes::TexteDate(jour);
    // The film is found by its title as stored, blanks included: the label's text is only shown.
    const LignePret valeurs =
        LigneValidee(prGrille->Ligne(ligne).titre, edEmprunteur->text(), date, edPrete->isChecked());
    // The grid shows what the record holds: a refused write leaves the row as it was and the strip
    // open with what was typed, to correct or cancel.
    if (!SignalerEchec(EnregistrerPret(m_dm->query(), valeurs)))
        return;
    prGrille->DefinirLigne(ligne, valeurs);
    FermerBandeEmprunteur();
    prGrille->setFocus();
}

void PanneauPrets::bnAnnulerEmpruntClick()
{
    FermerBandeEmprunteur();
    prGrille->setFocus();
}

void PanneauPrets::keyPressEvent(QKeyEvent* evenement)
{
    if (evenement->key() == Qt::Key_Escape && pnEmprunteur->isVisible()) {
        ExecuterCommande([this] { bnAnnulerEmpruntClick(); });
        return;
    }
    QWidget::keyPressEvent(evenement);
}

void PanneauPrets::paintEvent(QPaintEvent*)
{
    QPainter peintre(this);
    peintre.fillRect(rect(), Habillage::Creme);

    // The title along the left edge, read from bottom to top.
    const QRect bandeau(0, 0, LargeurBandeau, height());
    peintre.fillRect(bandeau, Habillage::Brun);
    peintre.fillRect(QRect(LargeurBandeau - 2, 0, 2, height()), Contour);
    QFont police = m_policeGras;
    police.setPointSize(13);
    peintre.setFont(police);
    peintre.setPen(Contour);
    const int longueur = QFontMetrics(police).horizontalAdvance(TitrePanneau);
    peintre.save();
    peintre.translate((LargeurBandeau - 2) / 2, 16 + longueur);
    peintre.rotate(-90);
    peintre.drawText(QRect(0, -(LargeurBandeau - 2) / 2, longueur, LargeurBandeau - 2), Qt::AlignCenter,
                     TitrePanneau);
    peintre.restore();

    // A frame around the grid and its scroll bar, and the bottom bar that holds "Fermer".
    peintre.setPen(Contour);
    peintre.drawRect(CadreGrille.adjusted(-1, -1, sbPret->width(), 0));
    peintre.fillRect(QRect(LargeurBandeau, height() - HauteurBas, width() - LargeurBandeau, HauteurBas),
                     Contour);
}
