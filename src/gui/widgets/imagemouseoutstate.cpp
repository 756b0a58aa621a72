#include "imagemouseoutstate.h"

#include <QMouseEvent>

TImageMouseOutState::TImageMouseOutState(QWidget* parent) : QLabel(parent)
{
    resize(64, 64);
    setCursor(Qt::PointingHandCursor);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void TImageMouseOutState::setPicture(const QPixmap& image)
{
    m_picture = image;
    setPixmap(m_picture);
    if (m_autoSize)
        ajusterTaille();
}

void TImageMouseOutState::setAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    if (m_autoSize)
        ajusterTaille();
}

void TImageMouseOutState::ajusterTaille()
{
    if (!m_picture.isNull())
        resize(m_picture.deviceIndependentSize().toSize());
}

void TImageMouseOutState::enterEvent(QEnterEvent* evenement)
{
    QLabel::enterEvent(evenement);
    emit OnMouseEnter();
    setPicture(m_enterPicture);
}

void TImageMouseOutState::leaveEvent(QEvent* evenement)
{
    QLabel::leaveEvent(evenement);
    emit OnMouseLeave();
    setPicture(isEnabled() ? m_normalPicture : m_disablePicture);
}

void TImageMouseOutState::mousePressEvent(QMouseEvent* evenement)
{
    // Accepted here so that the release comes back to this button and the press never reaches
    // the panel below.
    evenement->accept();
    if (evenement->button() == Qt::LeftButton)
        m_gaucheEnfonce = true;
    emit OnMouseDown(evenement);
    setPicture(m_downPicture);
}

void TImageMouseOutState::mouseReleaseEvent(QMouseEvent* evenement)
{
    evenement->accept();
    const bool clic = evenement->button() == Qt::LeftButton && m_gaucheEnfonce &&
                      rect().contains(evenement->position().toPoint());
    if (evenement->button() == Qt::LeftButton)
        m_gaucheEnfonce = false;
    // The click runs first, as part of the release, then the button comes back to rest.
    if (clic)
        emit OnClick();
    setPicture(m_normalPicture);
}
