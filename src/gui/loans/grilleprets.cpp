#include "grilleprets.h"

#include "app/habillage.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

GrillePrets::GrillePrets(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("prGrille"));
    setFocusPolicy(Qt::StrongFocus);
    // Every pixel of the rows is painted by the owner; the background shows only below the last row.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GrillePrets::AttacherBarre(QScrollBar* barre)
{
    m_barre = barre;
    m_barre->setSingleStep(1);
    connect(m_barre, &QScrollBar::valueChanged, this, &GrillePrets::DefinirTopRow);
    MettreAJourBarre();
}

void GrillePrets::ReduireAUneLigne()
{
    m_lignes.clear();
    m_lignes.shrink_to_fit();
    m_row = 0;
    m_top = 0;
    MettreAJourBarre();
    update();
}

void GrillePrets::Remplir(const std::array<QString, NombreColonnes>& titres, std::vector<LignePret> lignes)
{
    m_titres = titres;
    m_lignes = std::move(lignes);
    m_row = 0;
    m_top = 0;
    MettreAJourBarre();
    update();
}

QString GrillePrets::Cellule(int colonne, int ligne) const
{
    if (colonne < 0 || colonne >= NombreColonnes || ligne < 0 || ligne >= RowCount())
        return QString();
    if (ligne == 0)
        return m_titres[static_cast<size_t>(colonne)];
    const LignePret& l = Ligne(ligne);
    switch (colonne) {
    case 0:
        return l.titre;
    case 1:
        return l.emprunteur;
    case 2:
        return l.date;
    default:
        return l.prete;
    }
}

void GrillePrets::DefinirLigne(int ligne, const LignePret& valeurs)
{
    m_lignes.at(static_cast<size_t>(ligne - 1)) = valeurs;
    update();
}

bool GrillePrets::SelectionnerLigne(int ligne)
{
    if (ligne < 0 || ligne >= RowCount())
        return false;
    if (OnSelectCell && !OnSelectCell(0, ligne))
        return false;
    m_row = ligne;
    RendreVisible(ligne);
    update();
    return true;
}

void GrillePrets::DefinirTopRow(int ligne)
{
    ligne = qBound(0, ligne, TopRowMaximal());
    if (ligne == m_top)
        return;
    m_top = ligne;
    if (m_barre != nullptr && m_barre->value() != m_top)
        m_barre->setValue(m_top);
    update();
}

QRect GrillePrets::CellRect(int colonne, int ligne) const
{
    if (colonne < 0 || colonne >= NombreColonnes || ligne < m_top || ligne >= RowCount())
        return QRect();
    int x = 0;
    for (int k = 0; k < colonne; ++k)
        x += LargeursColonnes[static_cast<size_t>(k)];
    const int y = (ligne - m_top) * HauteurLigne;
    if (y >= height())
        return QRect();
    return QRect(x, y, LargeursColonnes[static_cast<size_t>(colonne)], HauteurLigne);
}

bool GrillePrets::MouseToCell(const QPoint& point, int& colonne, int& ligne) const
{
    if (point.x() < 0 || point.y() < 0 || point.x() >= LargeurTotale)
        return false;
    const int l = m_top + point.y() / HauteurLigne;
    if (l >= RowCount())
        return false;
    int k = 0;
    for (int x = LargeursColonnes[0]; point.x() >= x; x += LargeursColonnes[static_cast<size_t>(k)])
        ++k;
    colonne = k;
    ligne = l;
    return true;
}

void GrillePrets::MettreAJourBarre()
{
    if (m_barre == nullptr)
        return;
    const QSignalBlocker blocage(m_barre);
    m_barre->setRange(0, TopRowMaximal());
    m_barre->setPageStep(LignesVisibles());
    m_barre->setValue(m_top);
    m_barre->setEnabled(TopRowMaximal() > 0);
}

void GrillePrets::RendreVisible(int ligne)
{
    if (ligne < m_top)
        DefinirTopRow(ligne);
    else if (ligne >= m_top + LignesVisibles())
        DefinirTopRow(ligne - LignesVisibles() + 1);
}

void GrillePrets::paintEvent(QPaintEvent* evenement)
{
    QPainter peintre(this);
    peintre.fillRect(evenement->rect(), Habillage::Creme);
    if (!OnDrawCell)
        return;
    // Only the rows in view, however many films the register holds.
    const int premiere = m_top + evenement->rect().top() / HauteurLigne;
    const int derniere = qMin(RowCount() - 1, m_top + evenement->rect().bottom() / HauteurLigne);
    for (int ligne = premiere; ligne <= derniere; ++ligne) {
        for (int colonne = 0; colonne < NombreColonnes; ++colonne) {
            const QRect rect = CellRect(colonne, ligne);
            if (rect.isEmpty() || !rect.intersects(evenement->rect()))
                continue;
            peintre.save();
            peintre.setClipRect(rect);
            OnDrawCell(peintre, colonne, ligne, rect);
            peintre.restore();
        }
    }
}

void GrillePrets::SelectionnerSousSouris(const QPoint& point)
{
    int colonne = 0;
    int ligne = 0;
    if (MouseToCell(point, colonne, ligne) && (!OnSelectCell || OnSelectCell(colonne, ligne))) {
        m_row = ligne;
        update();
    }
}

void GrillePrets::mousePressEvent(QMouseEvent* evenement)
{
    if (evenement->button() == Qt::LeftButton)
        SelectionnerSousSouris(evenement->position().toPoint());
    emit MouseDown(evenement);
}

void GrillePrets::mouseDoubleClickEvent(QMouseEvent* evenement)
{
    emit MouseDown(evenement);
}

void GrillePrets::keyPressEvent(QKeyEvent* evenement)
{
    const int page = LignesVisibles();
    int cible = m_row;
    switch (evenement->key()) {
    case Qt::Key_Up:
        cible = m_row - 1;
        break;
    case Qt::Key_Down:
        cible = m_row + 1;
        break;
    case Qt::Key_PageUp:
        cible = m_row - page;
        break;
    case Qt::Key_PageDown:
        cible = m_row + page;
        break;
    case Qt::Key_Home:
        cible = 0;
        break;
    case Qt::Key_End:
        cible = RowCount() - 1;
        break;
    default:
        QWidget::keyPressEvent(evenement);
        return;
    }
    cible = qBound(0, cible, RowCount() - 1);
    // A row that may not be selected (the title row) is stepped over downwards, but still brought
    // into view: Home shows the title row with the first film selected.
    int choisie = cible;
    while (choisie < RowCount() && OnSelectCell && !OnSelectCell(0, choisie))
        ++choisie;
    if (choisie < RowCount() && choisie != m_row)
        SelectionnerLigne(choisie);
    RendreVisible(cible);
}

void GrillePrets::wheelEvent(QWheelEvent* evenement)
{
    const int crans = evenement->angleDelta().y() / 120;
    if (crans != 0)
        DefinirTopRow(m_top - 3 * crans);
    evenement->accept();
}

void GrillePrets::resizeEvent(QResizeEvent* evenement)
{
    QWidget::resizeEvent(evenement);
    DefinirTopRow(m_top);
    MettreAJourBarre();
}
