#pragma once

#include <QPoint>

class QEvent;
class QWidget;

// Moves a frameless window by dragging one of its strips. The window system's own move is asked
// first; without a window manager that offers it (a bare X server), the strip moves the window itself.
class DeplacementFenetre
{
public:
    explicit DeplacementFenetre(QWidget* fenetre) : m_fenetre(fenetre) {}

    // On a mouse-button press on the strip.
    void Commencer(const QPoint& positionGlobale);
    // For the strip's mouse moves and releases; true when the move consumed the event.
    bool Suivre(QEvent* evenement);

private:
    QWidget* m_fenetre;
    bool m_manuel = false;
    QPoint m_ancrage;
};
