#include "geometrie.h"
#include "moteur.h"

#include <QPainter>
#include <algorithm>

using namespace transitions;

void MoteurTransitions::PeindreMouvement(QPainter& peintre, const QImage& ancien, const QImage& nouveau,
                                         const Effet& effet, double t)
{
    const QSizeF taille = nouveau.size();
    const double w = taille.width(), h = taille.height();
    const QRectF tout(0, 0, w, h);
    auto decalage = [&](int direction, double fraction) {
        const QPoint d = Directions[direction & 7];
        return QPointF(d.x() * w * fraction, d.y() * h * fraction);
    };
    auto dessinerDans = [&](const QRectF& cible, const QImage& image) {
        if (cible.width() >= 1 && cible.height() >= 1)
            peintre.drawImage(cible, image);
    };
    switch (effet.famille) {
    case Famille::Glissement:
        peintre.drawImage(0, 0, ancien);
        peintre.drawImage(decalage(effet.a, t - 1), nouveau);
        break;
    case Famille::Poussee:
        peintre.fillRect(tout, CouleurFond);
        peintre.drawImage(decalage(effet.a, t), ancien);
        peintre.drawImage(decalage(effet.a, t - 1), nouveau);
        break;
    case Famille::Decouvrement:
        peintre.drawImage(0, 0, nouveau);
        peintre.drawImage(decalage(effet.a, t), ancien);
        break;
    case Famille::ZoomEntrant: {
        const QPointF o = PointOrigine(effet.a, taille);
        peintre.drawImage(0, 0, ancien);
        dessinerDans(QRectF(o.x() * (1 - t), o.y() * (1 - t), w * t, h * t), nouveau);
        break;
    }
    case Famille::ZoomSortant: {
        const QPointF o = PointOrigine(effet.a, taille);
        peintre.drawImage(0, 0, nouveau);
        dessinerDans(QRectF(o.x() * t, o.y() * t, w * (1 - t), h * (1 - t)), ancien);
        break;
    }
    case Famille::Etirement: {
        peintre.drawImage(0, 0, ancien);
        const int bord = std::clamp(effet.a, 0, 5);
        const bool travers = bord == 0 || bord == 1 || bord == 4;
        const double ew = travers ? w * t : w, eh = travers ? h : h * t;
        double x = 0, y = 0;
        if (bord == 1)
            x = w - ew;
        else if (bord == 3)
            y = h - eh;
        else if (bord == 4)
            x = (w - ew) / 2;
        else if (bord == 5)
            y = (h - eh) / 2;
        dessinerDans(QRectF(x, y, ew, eh), nouveau);
        break;
    }
    case Famille::Fondu:
        peintre.drawImage(0, 0, ancien);
        peintre.setOpacity(t);
        peintre.drawImage(0, 0, nouveau);
        peintre.setOpacity(1);
        break;
    case Famille::FonduParLeFond:
        peintre.fillRect(tout, CouleurFond);
        peintre.setOpacity(t < 0.5 ? 1 - 2 * t : 2 * t - 1);
        peintre.drawImage(0, 0, t < 0.5 ? ancien : nouveau);
        peintre.setOpacity(1);
        break;
    case Famille::Bandes: {
        peintre.drawImage(0, 0, ancien);
        const bool horizontal = effet.a == 0;
        const int longueur = static_cast<int>(horizontal ? h : w);
        peintre.save();
        for (int i = 0; i < effet.b; ++i) {
            const int debut = i * longueur / effet.b, fin = (i + 1) * longueur / effet.b;
            const double sens = i % 2 == 0 ? -1 : 1;
            peintre.setClipRect(horizontal ? QRectF(0, debut, w, fin - debut)
                                           : QRectF(debut, 0, fin - debut, h));
            peintre.drawImage(horizontal ? QPointF(sens * (1 - t) * w, 0) : QPointF(0, sens * (1 - t) * h),
                              nouveau);
        }
        peintre.restore();
        break;
    }
    default:
        peintre.drawImage(0, 0, nouveau);
        break;
    }
}
