#include "fichefilm_etiquette.h"

#include "app/habillage.h"

#include <QMouseEvent>
#include <QPainter>

TEtiquetteFiche::TEtiquetteFiche(QWidget* parent) : QLabel(parent), m_couleur(Habillage::BrunEncre)
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void TEtiquetteFiche::definirAccelerateur(bool accelerateur)
{
    m_accelerateur = accelerateur;
    update();
}

void TEtiquetteFiche::definirCouleur(const QColor& couleur)
{
    m_couleur = couleur;
    update();
}

void TEtiquetteFiche::paintEvent(QPaintEvent*)
{
    if (text().isEmpty())
        return;
    // Drawn here rather than by QLabel, which only honours '&' when the label has a buddy.
    QPainter peintre(this);
    peintre.setFont(font());
    peintre.setPen(m_couleur);
    int options = static_cast<int>(alignment());
    if (m_accelerateur)
        options |= Qt::TextShowMnemonic;
    peintre.drawText(contentsRect(), options, text());
}

void TEtiquetteFiche::mouseDoubleClickEvent(QMouseEvent* evenement)
{
    if (evenement->button() == Qt::LeftButton)
        emit doubleClic();
    QLabel::mouseDoubleClickEvent(evenement);
}
