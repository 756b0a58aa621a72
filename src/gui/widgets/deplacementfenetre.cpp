#include "deplacementfenetre.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

void DeplacementFenetre::Commencer(const QPoint& positionGlobale)
{
    QWindow* fenetre = m_fenetre->windowHandle();
    if (fenetre != nullptr && fenetre->startSystemMove())
        return;
    m_manuel = true;
    m_ancrage = positionGlobale - m_fenetre->pos();
}

bool DeplacementFenetre::Suivre(QEvent* evenement)
{
    switch (evenement->type()) {
    case QEvent::MouseMove:
        if (m_manuel) {
            m_fenetre->move(static_cast<QMouseEvent*>(evenement)->globalPosition().toPoint() - m_ancrage);
            return true;
        }
        return false;
    case QEvent::MouseButtonRelease:
        m_manuel = false;
        return false;
    default:
        return false;
    }
}
