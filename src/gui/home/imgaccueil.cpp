#include "imgaccueil.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

void CoucheImage::DefinirBitmap(const QImage& bitmap)
{
    m_bitmap = bitmap;
    m_surface.Redessiner(m_emplacement);
}

void CoucheImage::DefinirEmplacement(const QRect& emplacement)
{
    const QRect ancien = m_emplacement;
    m_emplacement = emplacement;
    m_surface.Redessiner(ancien.united(emplacement));
}

void CoucheImage::DefinirOpacite(int opacite)
{
    opacite = std::clamp(opacite, 0, 255);
    if (opacite == m_opacite)
        return;
    m_opacite = opacite;
    m_surface.Redessiner(m_emplacement);
}

ImgAccueil::ImgAccueil(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ImgAccueil"));
    // Hovering lights the cover under the pointer without a button held.
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

ImgAccueil::~ImgAccueil() = default;

void ImgAccueil::DefinirImage(const QPixmap& image)
{
    m_image = image;
    update();
}

CoucheImage* ImgAccueil::AjouterCouche()
{
    m_couches.push_back(std::unique_ptr<CoucheImage>(new CoucheImage(*this)));
    return m_couches.back().get();
}

void ImgAccueil::DetruireCouche(CoucheImage* couche)
{
    const auto it =
        std::find_if(m_couches.begin(), m_couches.end(),
                     [couche](const std::unique_ptr<CoucheImage>& c) { return c.get() == couche; });
    if (it == m_couches.end())
        return;
    const QRect zone = (*it)->m_emplacement;
    m_couches.erase(it);
    update(zone);
}

CoucheImage* ImgAccueil::CoucheSous(const QPoint& point) const
{
    for (auto it = m_couches.rbegin(); it != m_couches.rend(); ++it) {
        if ((*it)->m_emplacement.contains(point))
            return it->get();
    }
    return nullptr;
}

void ImgAccueil::paintEvent(QPaintEvent* evenement)
{
    QPainter peintre(this);
    peintre.setClipRegion(evenement->region());
    // Outside the strip's picture (none loaded, or a smaller one), the dark ground of the frames.
    peintre.fillRect(rect(), QColor(28, 10, 3));
    peintre.drawPixmap(0, 0, m_image);
    peintre.setRenderHint(QPainter::SmoothPixmapTransform);
    for (const auto& couche : m_couches) {
        if (couche->m_bitmap.isNull() || couche->m_emplacement.isEmpty() || couche->m_opacite == 0)
            continue;
        peintre.setOpacity(couche->m_opacite / 255.0);
        peintre.drawImage(couche->m_emplacement, couche->m_bitmap);
    }
}

void ImgAccueil::mouseMoveEvent(QMouseEvent* evenement)
{
    emit OnMouseMove(evenement, CoucheSous(evenement->position().toPoint()));
}

void ImgAccueil::mousePressEvent(QMouseEvent* evenement)
{
    emit OnMouseDown(evenement, CoucheSous(evenement->position().toPoint()));
}
