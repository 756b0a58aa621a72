#include "moteur.h"

#include "geometrie.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

using namespace transitions;

QPointF transitions::PointOrigine(int origine, const QSizeF& taille)
{
    switch (origine) {
    case HautGauche:
        return {0, 0};
    case HautDroite:
        return {taille.width(), 0};
    case BasGauche:
        return {0, taille.height()};
    case BasDroite:
        return {taille.width(), taille.height()};
    default:
        return {taille.width() / 2, taille.height() / 2};
    }
}

namespace {

// The part of the rectangle (0, 0, w, h) where d·P stays below the fraction t of its range:
// the area a straight wipe moving along d has covered.
QPolygonF DemiPlan(const QSizeF& taille, QPoint d, double t)
{
    const QPolygonF rectangle(
        {{0, 0}, {taille.width(), 0}, {taille.width(), taille.height()}, {0, taille.height()}});
    auto projection = [d](const QPointF& p) { return d.x() * p.x() + d.y() * p.y(); };
    double bas = projection(rectangle[0]), haut = bas;
    for (const QPointF& coin : rectangle) {
        bas = std::min(bas, projection(coin));
        haut = std::max(haut, projection(coin));
    }
    const double limite = bas + t * (haut - bas);
    // One pass of polygon clipping against the line d·P = limite.
    QPolygonF resultat;
    for (int i = 0; i < rectangle.size(); ++i) {
        const QPointF a = rectangle[i], b = rectangle[(i + 1) % rectangle.size()];
        const double pa = projection(a) - limite, pb = projection(b) - limite;
        if (pa <= 0)
            resultat << a;
        if ((pa < 0 && pb > 0) || (pa > 0 && pb < 0))
            resultat << a + (b - a) * (pa / (pa - pb));
    }
    return resultat;
}

// The pie from `depart` degrees (counter-clockwise from three o'clock) over `balayage` degrees.
QPainterPath Secteur(const QPointF& centre, double rayon, double depart, double balayage)
{
    QPainterPath chemin(centre);
    chemin.arcTo(QRectF(centre.x() - rayon, centre.y() - rayon, 2 * rayon, 2 * rayon), depart, balayage);
    chemin.closeSubpath();
    return chemin;
}

double AngleCote(int cote)
{
    static const double angles[4] = {90, 0, 270, 180}; // top, right, bottom, left
    return angles[cote & 3];
}

} // namespace

void MoteurTransitions::Peindre(QPainter& peintre, const QImage& ancien, const QImage& nouveau, int numero,
                                int progression)
{
    if (ancien.isNull() || nouveau.isNull())
        return;
    const Effet& effet = DescriptionEffet(numero);
    // The ends are the pictures themselves, whatever the effect's own arithmetic would give.
    if (progression <= 0 || (effet.famille == Famille::Aucune && progression < 100)) {
        peintre.drawImage(0, 0, ancien);
        return;
    }
    if (progression >= 100) {
        peintre.drawImage(0, 0, nouveau);
        return;
    }
    const double t = progression / 100.0;
    switch (effet.famille) {
    case Famille::Glissement:
    case Famille::Poussee:
    case Famille::Decouvrement:
    case Famille::ZoomEntrant:
    case Famille::ZoomSortant:
    case Famille::Etirement:
    case Famille::Fondu:
    case Famille::FonduParLeFond:
    case Famille::Bandes:
        PeindreMouvement(peintre, ancien, nouveau, effet, t);
        break;
    default:
        PeindreMasque(peintre, ancien, nouveau, effet, numero, t);
        break;
    }
}

void MoteurTransitions::PeindreMasque(QPainter& peintre, const QImage& ancien, const QImage& nouveau,
                                      const Effet& effet, int numero, double t)
{
    const QSize taille = nouveau.size();
    if (m_masque.size() != taille)
        m_masque = QImage(taille, QImage::Format_ARGB32_Premultiplied);
    m_masque.fill(Qt::transparent);
    {
        QPainter masque(&m_masque);
        DessinerMasque(masque, taille, effet, numero, t);
    }
    // The new picture keeps only what the mask covers, then goes over the old one.
    m_calque = nouveau.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    {
        QPainter calque(&m_calque);
        calque.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        calque.drawImage(0, 0, m_masque);
    }
    peintre.drawImage(0, 0, ancien);
    peintre.drawImage(0, 0, m_calque);
}

void MoteurTransitions::DessinerMasque(QPainter& masque, const QSize& taille, const Effet& effet, int numero,
                                       double t)
{
    const int w = taille.width(), h = taille.height();
    const QColor plein = Qt::black;
    switch (effet.famille) {
    case Famille::Balayage:
        masque.setPen(Qt::NoPen);
        masque.setBrush(plein);
        masque.drawPolygon(DemiPlan(taille, Directions[effet.a & 7], t));
        break;
    case Famille::BalayageDoux: {
        // A 40-pixel soft edge that enters fully outside and leaves fully outside.
        const double bord = 40;
        const QPoint d = Directions[effet.a & 3];
        const double longueur = d.x() != 0 ? w : h;
        const double debut = -bord + t * (longueur + bord);
        auto point = [&](double s) {
            const double position = (d.x() < 0 || d.y() < 0) ? longueur - s : s;
            return d.x() != 0 ? QPointF(position, 0) : QPointF(0, position);
        };
        QLinearGradient degrade(point(debut), point(debut + bord));
        degrade.setColorAt(0, QColor(0, 0, 0, 255));
        degrade.setColorAt(1, QColor(0, 0, 0, 0));
        masque.fillRect(QRect(0, 0, w, h), degrade);
        break;
    }
    case Famille::Portes: {
        const bool ouverture = effet.a % 2 == 0;
        const bool travers = effet.a < 2;
        const int longueur = travers ? w : h;
        const int largeur = static_cast<int>(std::lround(t * longueur));
        auto bande = [&](int debut, int etendue) {
            masque.fillRect(travers ? QRect(debut, 0, etendue, h) : QRect(0, debut, w, etendue), plein);
        };
        if (ouverture) {
            bande((longueur - largeur) / 2, largeur);
        } else {
            bande(0, largeur / 2);
            bande(longueur - (largeur - largeur / 2), largeur - largeur / 2);
        }
        break;
    }
    case Famille::Stores: {
        const bool horizontal = effet.a == 0;
        const int longueur = horizontal ? h : w;
        for (int i = 0; i < effet.b; ++i) {
            const int debut = i * longueur / effet.b, fin = (i + 1) * longueur / effet.b;
            const int ouvert = static_cast<int>(std::lround(t * (fin - debut)));
            const int depart = effet.c == 0 ? debut : fin - ouvert;
            masque.fillRect(horizontal ? QRect(0, depart, w, ouvert) : QRect(depart, 0, ouvert, h), plein);
        }
        break;
    }
    case Famille::Damier: {
        const int cote = effet.a;
        for (int y = 0, j = 0; y < h; y += cote, ++j) {
            for (int x = 0, i = 0; x < w; x += cote, ++i) {
                // Half of the cells open in the first half of the transition, the others after.
                const double local = (i + j) % 2 == 0 ? std::min(1.0, 2 * t) : std::max(0.0, 2 * t - 1);
                const int ouvert = static_cast<int>(std::lround(local * cote));
                masque.fillRect(effet.b == 0 ? QRect(x, y, ouvert, cote) : QRect(x, y, cote, ouvert), plein);
            }
        }
        break;
    }
    case Famille::Blocs:
        DessinerBlocs(masque, taille, effet, numero, t);
        break;
    case Famille::Iris: {
        masque.setRenderHint(QPainter::Antialiasing, effet.a == Cercle);
        masque.setPen(Qt::NoPen);
        const bool ouverture = effet.b == 0;
        const double r = ouverture ? t : 1 - t;
        if (!ouverture) {
            // The old picture shrinks into the shape: the new one shows everywhere else.
            masque.fillRect(QRect(0, 0, w, h), plein);
            masque.setCompositionMode(QPainter::CompositionMode_Clear);
        }
        masque.setBrush(plein);
        const QPointF c = PointOrigine(effet.c, taille);
        switch (effet.a) {
        case Cercle: {
            double rayon = 0;
            for (int coin = HautGauche; coin <= BasDroite; ++coin)
                rayon = std::max(rayon, std::hypot(PointOrigine(coin, taille).x() - c.x(),
                                                   PointOrigine(coin, taille).y() - c.y()));
            masque.drawEllipse(c, r * rayon, r * rayon);
            break;
        }
        case Losange:
            masque.drawPolygon(QPolygonF({c + QPointF(0, -r * h), c + QPointF(r * w, 0),
                                          c + QPointF(0, r * h), c + QPointF(-r * w, 0)}));
            break;
        case Rectangle:
            masque.drawRect(QRectF(c.x() - r * w / 2, c.y() - r * h / 2, r * w, r * h));
            break;
        default: // a cross whose arms widen
            masque.drawRect(QRectF(c.x() - r * w / 2, 0, r * w, h));
            masque.drawRect(QRectF(0, c.y() - r * h / 2, w, r * h));
            break;
        }
        break;
    }
    case Famille::Horloge:
    case Famille::Eventail:
    case Famille::Helice: {
        masque.setRenderHint(QPainter::Antialiasing);
        masque.setPen(Qt::NoPen);
        masque.setBrush(plein);
        const QPointF c(w / 2.0, h / 2.0);
        const double rayon = std::hypot(w, h); // beyond every corner
        if (effet.famille == Famille::Horloge) {
            masque.drawPath(Secteur(c, rayon, AngleCote(effet.b), (effet.a == 0 ? -360 : 360) * t));
        } else if (effet.famille == Famille::Eventail) {
            masque.drawPath(Secteur(c, rayon, AngleCote(effet.a) - 180 * t, 360 * t));
        } else {
            const double pale = 360.0 / effet.a;
            for (int i = 0; i < effet.a; ++i)
                masque.drawPath(Secteur(c, rayon, 90 + i * pale, -pale * t));
        }
        break;
    }
    default:
        break;
    }
}
