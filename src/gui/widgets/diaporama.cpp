#include "diaporama.h"

#include "transitions/geometrie.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRandomGenerator>
#include <algorithm>

using transitions::CouleurFond;

Diaporama::Diaporama(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(sizeHint());
    // A precise timer never fires early, so steps stay at least DelaiEtapeMs apart.
    m_minuterie.setTimerType(Qt::PreciseTimer);
    m_minuterie.setInterval(DelaiEtapeMs);
    connect(&m_minuterie, &QTimer::timeout, this, &Diaporama::Avancer);
}

QSize Diaporama::sizeHint() const
{
    return {235, 322};
}

void Diaporama::Arreter()
{
    if (!estOccupe())
        return;
    m_minuterie.stop();
    m_progression = 100;
    m_calqueAncien = QImage();
    m_calqueNouveau = QImage();
    update();
}

void Diaporama::definirFond(const QImage& fond)
{
    Arreter();
    m_fond = fond;
    update();
}

void Diaporama::definirImage(const QImage& image)
{
    Arreter();
    m_image = image;
    update();
}

void Diaporama::definirEffet(int numero)
{
    m_effet = numero >= 0 && numero < NombreEffets ? numero : 0;
}

void Diaporama::Demarrer()
{
    m_minuterie.stop();
    // The two ends are fixed for the length of the transition; only the steps are painted.
    m_calqueAncien = Calque(QImage());
    m_calqueNouveau = Calque(m_image);
    m_progression = 0;
    m_minuterie.start();
    update();
}

void Diaporama::Avancer()
{
    m_progression = std::min(100, m_progression + PasProgression);
    update();
    if (m_progression >= 100) {
        m_minuterie.stop();
        m_calqueAncien = QImage();
        m_calqueNouveau = QImage();
        emit transitionTerminee();
    }
}

QImage Diaporama::Calque(const QImage& image) const
{
    QImage calque(size(), QImage::Format_ARGB32_Premultiplied);
    calque.fill(CouleurFond);
    QPainter peintre(&calque);
    auto centrer = [&](const QImage& i) {
        if (!i.isNull())
            peintre.drawImage((width() - i.width()) / 2, (height() - i.height()) / 2, i);
    };
    centrer(m_fond);
    centrer(image);
    return calque;
}

QImage Diaporama::RendreEtape(int progression) const
{
    QImage trame(size(), QImage::Format_ARGB32_Premultiplied);
    trame.fill(CouleurFond);
    QPainter peintre(&trame);
    m_moteur.Peindre(peintre, Calque(QImage()), Calque(m_image), m_effet, std::clamp(progression, 0, 100));
    return trame;
}

void Diaporama::paintEvent(QPaintEvent*)
{
    QPainter peintre(this);
    if (estOccupe()) {
        m_moteur.Peindre(peintre, m_calqueAncien, m_calqueNouveau, m_effet, m_progression);
        return;
    }
    peintre.fillRect(rect(), CouleurFond);
    for (const QImage* image : {&m_fond, &m_image})
        if (!image->isNull())
            peintre.drawImage((width() - image->width()) / 2, (height() - image->height()) / 2, *image);
}

void Diaporama::mousePressEvent(QMouseEvent* evenement)
{
    m_appuye = evenement->button() == Qt::LeftButton;
    QWidget::mousePressEvent(evenement);
}

void Diaporama::mouseReleaseEvent(QMouseEvent* evenement)
{
    const bool clic = m_appuye && evenement->button() == Qt::LeftButton && rect().contains(evenement->pos());
    m_appuye = false;
    QWidget::mouseReleaseEvent(evenement);
    if (clic)
        emit clique();
}

int EffetAuHasard()
{
    return static_cast<int>(QRandomGenerator::global()->bounded(NombreEffets));
}
