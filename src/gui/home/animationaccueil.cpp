#include "animationaccueil.h"

#include <QRegion>
#include <QWidget>

std::vector<QRect> AnimationAccueil::EtapesOuverture(QSize client)
{
    const int cx = client.width() / 2;
    const int cy = client.height() / 2;
    const int fin = client.width() / 2 + 98;
    std::vector<QRect> etapes;
    int r = 0;
    do {
        r += 8;
        etapes.push_back(QRect(QPoint(cx - r, cy - r), QPoint(cx + r, cy + r)));
    } while (r < fin);
    return etapes;
}

std::vector<QRect> AnimationAccueil::EtapesFermeture(QSize client)
{
    const int cx = client.width() / 2;
    const int cy = client.height() / 2;
    std::vector<QRect> etapes;
    int w = client.width();
    int h = client.height();
    do {
        etapes.push_back(QRect(QPoint(cx - w, cy - h), QPoint(cx + w, cy + h)));
        w -= 16;
        h -= 8;
    } while (w > 0);
    return etapes;
}

AnimationAccueil::AnimationAccueil(QWidget* panneau, QWidget* client)
    : QObject(panneau), m_panneau(panneau), m_client(client)
{
    m_minuterie.setInterval(IntervalleMs);
    connect(&m_minuterie, &QTimer::timeout, this, [this] { Avancer(); });
}

void AnimationAccueil::Ouvrir()
{
    if (m_sens == Sens::Ouverture)
        return; // already on its way
    m_minuterie.stop();
    m_sens = Sens::Aucun;
    m_panneau->setAttribute(Qt::WA_TransparentForMouseEvents, false);
    m_panneau->resize(m_client->size());
    // Clipped to nothing before it shows, so that the whole panel never flashes.
    Masquer(QRegion(0, 0, 1, 1));
    m_panneau->show();
    Demarrer(Sens::Ouverture, EtapesOuverture(m_client->size()));
}

void AnimationAccueil::Fermer()
{
    if (m_sens == Sens::Fermeture)
        return;
    m_minuterie.stop();
    m_sens = Sens::Aucun;
    if (!m_panneau->isVisible()) {
        Finir(); // nothing to uncover
        return;
    }
    // The panel is on its way out: the clicks go to what it uncovers.
    m_panneau->setAttribute(Qt::WA_TransparentForMouseEvents, true);
    Demarrer(Sens::Fermeture, EtapesFermeture(m_client->size()));
}

void AnimationAccueil::Demarrer(Sens sens, std::vector<QRect> etapes)
{
    m_sens = sens;
    m_etapes = std::move(etapes);
    m_etape = 0;
    Avancer();
    m_minuterie.start();
}

bool AnimationAccueil::Avancer()
{
    if (m_sens == Sens::Aucun)
        return false;
    if (m_etape < m_etapes.size()) {
        Masquer(QRegion(m_etapes[m_etape], QRegion::Ellipse));
        ++m_etape;
        return true;
    }
    Finir();
    return false;
}

void AnimationAccueil::Masquer(const QRegion& masque)
{
    const QRegion avant = m_panneau->mask().isEmpty() ? QRegion(m_panneau->rect()) : m_panneau->mask();
    m_panneau->setMask(masque);
    if (!m_panneau->isVisible())
        return;
    Repeindre(m_panneau->parentWidget(), (avant - masque).translated(m_panneau->pos()));
    Repeindre(m_panneau, masque - avant);
}

void AnimationAccueil::Repeindre(QWidget* racine, const QRegion& zone)
{
    // The toolkit repaints the panel where its clipping grows, and its parent where it shrinks, but not
    // always the widgets laid on them: each one under the zone is asked to repaint there. On the way
    // out, the panel's own widgets are left alone.
    if (racine == nullptr || zone.isEmpty())
        return;
    racine->update(zone);
    const bool sortie = racine != m_panneau;
    const QRect bornes = zone.boundingRect();
    for (QWidget* w : racine->findChildren<QWidget*>()) {
        if (!w->isVisible() || (sortie && (w == m_panneau || m_panneau->isAncestorOf(w))))
            continue;
        const QRect place(w->mapTo(racine, QPoint(0, 0)), w->size());
        const QRect commun = place.intersected(bornes);
        if (!commun.isEmpty())
            w->update(commun.translated(-place.topLeft()));
    }
}

void AnimationAccueil::Finir()
{
    m_minuterie.stop();
    const Sens sens = m_sens;
    m_sens = Sens::Aucun;
    m_etapes.clear();
    m_etape = 0;
    m_panneau->setAttribute(Qt::WA_TransparentForMouseEvents, false);
    if (sens == Sens::Ouverture) {
        m_panneau->clearMask(); // the whole panel
    } else {
        const QRect couvert = m_panneau->geometry();
        m_panneau->hide();
        m_panneau->clearMask();
        m_panneau->resize(0, 0);
        Repeindre(m_panneau->parentWidget(), QRegion(couvert));
    }
}

void AnimationAccueil::Interrompre()
{
    m_minuterie.stop();
    m_sens = Sens::Aucun;
    m_etapes.clear();
    m_etape = 0;
    m_panneau->setAttribute(Qt::WA_TransparentForMouseEvents, false);
    m_panneau->clearMask();
}
