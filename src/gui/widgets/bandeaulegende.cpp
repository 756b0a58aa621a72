#include "bandeaulegende.h"

#include "app/habillage.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWidget>
#include <QWindow>

namespace BandeauLegende {

void Peindre(QPainter& peintre, const QWidget& fenetre, const QString& legende, int hauteur)
{
    const QRect bandeau(0, 0, fenetre.width(), hauteur);
    peintre.fillRect(bandeau, Habillage::BrunBarre);
    peintre.fillRect(QRect(0, hauteur - 2, fenetre.width(), 2), Habillage::Caramel);
    QFont police = fenetre.font();
    police.setBold(true);
    peintre.setFont(police);
    peintre.setPen(Habillage::Creme);
    peintre.drawText(bandeau.adjusted(8, 0, -8, -2), Qt::AlignVCenter | Qt::AlignLeft, legende);
}

bool Deplacer(QWidget& fenetre, QMouseEvent* evenement, int hauteur)
{
    if (evenement->button() != Qt::LeftButton || evenement->position().y() >= hauteur ||
        fenetre.windowHandle() == nullptr)
        return false;
    fenetre.windowHandle()->startSystemMove();
    return true;
}

} // namespace BandeauLegende
