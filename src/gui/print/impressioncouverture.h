#pragma once

#include "resultat.h"

#include <QByteArray>
#include <QSizeF>
#include <QString>

class QPagedPaintDevice;

// The printed cover: on one page with the sheet's margins, the title centred in the title style with
// 10 pixels above and below, then the picture centred below it at its own size (one screen pixel per
// picture pixel), scaled down with its proportions kept when it does not fit the rest of the page.
Resultat ImprimerCouverture(const QString& titre, const QByteArray& octets, QPagedPaintDevice& appareil);

// The picture's size on the page, in device pixels: its own size at `echelle` device pixels per screen
// pixel, reduced to fit `place` when larger.
QSizeF TailleCouverturePage(const QSizeF& taillePixels, qreal echelle, const QSizeF& place);
