#include "placementfenetre.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

void CentrerSurEcran(QWidget& fenetre, QSize taille)
{
    const QScreen* ecran = fenetre.screen() != nullptr ? fenetre.screen() : QGuiApplication::primaryScreen();
    if (ecran == nullptr)
        return;
    QRect cadre(QPoint(0, 0), taille);
    cadre.moveCenter(ecran->availableGeometry().center());
    fenetre.move(cadre.topLeft());
}
