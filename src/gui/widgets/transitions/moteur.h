#pragma once

#include "catalogue.h"

#include <QImage>
#include <QRect>
#include <vector>

class QPainter;

// Paints one step of a transition from one picture to another. Both pictures are opaque layers of
// the same size, painted at (0, 0); the engine keeps only scratch buffers between steps (a mask,
// a copy of the new picture, the order of the blocks), never frames computed ahead.
class MoteurTransitions
{
public:
    // `progression` runs from 0 (the old picture) to 100 (the new one).
    void Peindre(QPainter& peintre, const QImage& ancien, const QImage& nouveau, int numero, int progression);

private:
    // Families that reveal the new picture, in place, through a mask.
    void PeindreMasque(QPainter& peintre, const QImage& ancien, const QImage& nouveau, const Effet& effet,
                       int numero, double t);
    void DessinerMasque(QPainter& masque, const QSize& taille, const Effet& effet, int numero, double t);
    void DessinerBlocs(QPainter& masque, const QSize& taille, const Effet& effet, int numero, double t);
    // Families that move or scale the pictures.
    void PeindreMouvement(QPainter& peintre, const QImage& ancien, const QImage& nouveau, const Effet& effet,
                          double t);

    QImage m_masque;
    QImage m_calque;
    int m_numeroBlocs = -1;
    QSize m_tailleBlocs;
    std::vector<QRect> m_blocs; // in the order they are revealed
};
