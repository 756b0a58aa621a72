#include "panneauimage.h"

#include <QPaintEvent>
#include <QPainter>

PanneauImage::PanneauImage(QWidget* parent, const QColor& fond) : QWidget(parent), m_fond(fond)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PanneauImage::setImage(const QPixmap& image)
{
    m_image = image;
    update();
}

void PanneauImage::setCouleurFond(const QColor& fond)
{
    m_fond = fond;
    update();
}

void PanneauImage::paintEvent(QPaintEvent* evenement)
{
    QPainter peintre(this);
    peintre.fillRect(evenement->rect(), m_fond);
    if (!m_image.isNull())
        peintre.drawPixmap(0, 0, m_image);
}
