#pragma once

#include <QColor>
#include <QPoint>
#include <QPointF>
#include <QSizeF>

// Geometry shared by the transition families.
namespace transitions {

inline const QColor CouleurFond(246, 234, 200);

// Directions of movement, in the order of the effect table: right, left, down, up, down-right,
// down-left, up-right, up-left.
inline const QPoint Directions[8] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}, {1, 1}, {-1, 1}, {1, -1}, {-1, -1}};

// A corner or the centre of a picture of size `taille` (OrigineEffet).
QPointF PointOrigine(int origine, const QSizeF& taille);

} // namespace transitions
