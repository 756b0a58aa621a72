#pragma once

#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QWidget>
#include <memory>
#include <vector>

class ImgAccueil;
class QMouseEvent;

// One picture layer of the surface: its bitmap, stretched without keeping proportions into its
// rectangle (in the surface's pixels), blended with its master opacity (0 to 255).
class CoucheImage
{
public:
    const QImage& Bitmap() const { return m_bitmap; }
    void DefinirBitmap(const QImage& bitmap);
    QRect Emplacement() const { return m_emplacement; }
    void DefinirEmplacement(const QRect& emplacement);
    int Opacite() const { return m_opacite; }
    void DefinirOpacite(int opacite);

private:
    friend class ImgAccueil;
    explicit CoucheImage(ImgAccueil& surface) : m_surface(surface) {}

    ImgAccueil& m_surface;
    QImage m_bitmap;
    QRect m_emplacement;
    int m_opacite = 255;
};

// The home page's cover strip: its own picture drawn at scale 1 from the top-left corner, with a
// stack of picture layers over it. The whole rectangle of a layer is its hit area; mouse moves and
// presses report the topmost layer under the pointer.
class ImgAccueil : public QWidget
{
    Q_OBJECT

public:
    explicit ImgAccueil(QWidget* parent = nullptr);
    ~ImgAccueil() override;

    const QPixmap& Image() const { return m_image; }
    void DefinirImage(const QPixmap& image);

    // A new layer on top of the others, owned by the surface; valid until DetruireCouche.
    CoucheImage* AjouterCouche();
    // Removes the layer from the surface and frees it; an unknown pointer is ignored.
    void DetruireCouche(CoucheImage* couche);
    int NombreCouches() const { return static_cast<int>(m_couches.size()); }
    // The topmost layer whose rectangle holds the point, or none.
    CoucheImage* CoucheSous(const QPoint& point) const;

signals:
    void OnMouseMove(QMouseEvent* evenement, CoucheImage* couche);
    void OnMouseDown(QMouseEvent* evenement, CoucheImage* couche);

protected:
    void paintEvent(QPaintEvent* evenement) override;
    void mouseMoveEvent(QMouseEvent* evenement) override;
    void mousePressEvent(QMouseEvent* evenement) override;

private:
    friend class CoucheImage;
    void Redessiner(const QRect& zone) { update(zone); }

    QPixmap m_image;
    std::vector<std::unique_ptr<CoucheImage>> m_couches; // bottom to top
};
