#pragma once

#include <QObject>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <QTimer>
#include <vector>

class QWidget;

// The iris animations of the home page: the panel is clipped to a growing circle when it opens and
// to a shrinking ellipse when it closes, one step per tick so that every step is painted.
class AnimationAccueil : public QObject
{
    Q_OBJECT

public:
    enum class Sens
    {
        Aucun,
        Ouverture,
        Fermeture
    };

    // Time between two steps.
    static constexpr int IntervalleMs = 10;

    // The ellipses' bounding rectangles, in the panel's coordinates, for a client area of that size.
    // Opening: circles of radius 8, 16, ... around the centre, until the radius reaches half the
    // width plus 98. Closing: half-axes from the full width and height, shrinking by 16 and 8 while
    // the first stays above 0.
    static std::vector<QRect> EtapesOuverture(QSize client);
    static std::vector<QRect> EtapesFermeture(QSize client);

    // `client` is the widget whose client area the panel covers.
    AnimationAccueil(QWidget* panneau, QWidget* client);

    // Shows the panel at the client's size and opens it; a closing under way gives way to it.
    void Ouvrir();
    // Closes the panel, then gives it a size of 0 and hides it; an opening under way gives way to it.
    void Fermer();
    // Stops whatever runs without finishing it and takes the clipping away.
    void Interrompre();

    Sens EnCours() const { return m_sens; }
    // Applies the next step; false once the animation has ended.
    bool Avancer();

private:
    void Demarrer(Sens sens, std::vector<QRect> etapes);
    void Finir();
    // Clips the panel, repainting what it uncovers and what it shows anew.
    void Masquer(const QRegion& masque);
    void Repeindre(QWidget* racine, const QRegion& zone); // zone in racine's coordinates

    QWidget* m_panneau;
    QWidget* m_client;
    QTimer m_minuterie;
    Sens m_sens = Sens::Aucun;
    std::vector<QRect> m_etapes;
    std::size_t m_etape = 0;
};
