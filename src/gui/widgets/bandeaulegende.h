#pragma once

#include <QString>

class QMouseEvent;
class QPainter;
class QWidget;

// The caption band that the program's frameless windows draw in place of a title bar.
namespace BandeauLegende {

constexpr int Hauteur = 20;

// Paints the dark band across the top of `fenetre`, its caramel edge and the caption in bold.
void Peindre(QPainter& peintre, const QWidget& fenetre, const QString& legende, int hauteur = Hauteur);

// A left press inside the band moves the window, like a title bar; true when it did.
bool Deplacer(QWidget& fenetre, QMouseEvent* evenement, int hauteur = Hauteur);

} // namespace BandeauLegende
