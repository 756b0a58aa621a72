#pragma once

#include "transitions/moteur.h"

#include <QImage>
#include <QTimer>
#include <QWidget>

// The cover's picture show: a current picture over a background picture, and an animated change
// from what is showing to a new picture. A transition runs 50 steps of 2 %, at least 6 ms apart,
// on the user-interface thread; each step is painted as it comes.
class Diaporama : public QWidget
{
    Q_OBJECT

public:
    static constexpr int PasProgression = 2;
    static constexpr int DelaiEtapeMs = 6;

    explicit Diaporama(QWidget* parent = nullptr);

    bool estOccupe() const { return m_minuterie.isActive(); }
    // Stops a running transition at once: the new picture shows in full. Nothing when idle.
    void Arreter();

    // Background picture, drawn centred under the picture. Stops a running transition first.
    void definirFond(const QImage& fond);
    const QImage& fond() const { return m_fond; }
    // The picture the next transition leads to, drawn centred. Stops a running transition first.
    void definirImage(const QImage& image);
    const QImage& image() const { return m_image; }
    // Effect of the next transitions, 0..149; a number outside that range stands for 0.
    void definirEffet(int numero);
    int effet() const { return m_effet; }

    // Starts the transition from the background picture to the picture (from 0 again if one runs).
    void Demarrer();
    // 0..100 while a transition runs; 100 when idle.
    int progression() const { return m_progression; }

    // For tests: the frame the current effect paints at `progression` (0..100) between the current
    // background and picture, without running anything.
    QImage RendreEtape(int progression) const;

    QSize sizeHint() const override;

signals:
    void clique();
    void transitionTerminee();

protected:
    void paintEvent(QPaintEvent* evenement) override;
    void mousePressEvent(QMouseEvent* evenement) override;
    void mouseReleaseEvent(QMouseEvent* evenement) override;

private:
    void Avancer();
    // What the show looks like with `image` over the background (`image` may be null).
    QImage Calque(const QImage& image) const;

    QTimer m_minuterie;
    QImage m_fond;
    QImage m_image;
    int m_effet = 0;
    int m_progression = 100;
    QImage m_calqueAncien;
    QImage m_calqueNouveau;
    mutable MoteurTransitions m_moteur;
    bool m_appuye = false;
};

// A transition effect number drawn with equal chances among all of them.
int EffetAuHasard();
