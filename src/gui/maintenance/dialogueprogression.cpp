#include "dialogueprogression.h"

#include "app/habillage.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int HauteurBandeau = 22;

QString Taille(qint64 octets)
{
    // French forms: comma decimals, whatever the process's number settings.
    const QLocale francais(QLocale::French, QLocale::France);
    if (octets < 1024)
        return QStringLiteral("%1 octets").arg(octets);
    if (octets < 1024 * 1024)
        return francais.toString(octets / 1024.0, 'f', 1) + QStringLiteral(" Ko");
    if (octets < qint64(1024) * 1024 * 1024)
        return francais.toString(octets / (1024.0 * 1024.0), 'f', 1) + QStringLiteral(" Mo");
    return francais.toString(octets / (1024.0 * 1024.0 * 1024.0), 'f', 2) + QStringLiteral(" Go");
}

} // namespace

int DialogueProgression::delaiAffichageMs = 300;

DialogueProgression::DialogueProgression(QWidget* parent, const QString& titre)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_titre(titre)
{
    setObjectName(QStringLiteral("DialogueProgression"));
    setWindowTitle(titre);
    setWindowModality(Qt::ApplicationModal);

    lbFichiers = new QLabel(this);
    lbFichiers->setObjectName(QStringLiteral("lbFichiers"));
    lbOctets = new QLabel(this);
    lbOctets->setObjectName(QStringLiteral("lbOctets"));
    lbOctets->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    pbAvancement = new QProgressBar(this);
    pbAvancement->setRange(0, 1000);
    pbAvancement->setValue(0);
    pbAvancement->setTextVisible(false);
    pbAvancement->setFixedHeight(16);
    bnAnnuler = new QPushButton(QStringLiteral("Annuler"), this);
    bnAnnuler->setObjectName(QStringLiteral("bnAnnuler"));
    bnAnnuler->setMinimumWidth(75);
    connect(bnAnnuler, &QPushButton::clicked, this, &DialogueProgression::reject);

    auto* textes = new QHBoxLayout;
    textes->addWidget(lbFichiers);
    textes->addStretch(1);
    textes->addWidget(lbOctets);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch(1);
    boutons->addWidget(bnAnnuler);
    auto* colonne = new QVBoxLayout(this);
    colonne->setContentsMargins(16, HauteurBandeau + 14, 16, 12);
    colonne->setSpacing(10);
    colonne->addLayout(textes);
    colonne->addWidget(pbAvancement);
    colonne->addLayout(boutons);
    setFixedWidth(360);

    Rapporter(Avancement());
    m_chrono.start();
}

Progression DialogueProgression::progression()
{
    Progression p;
    p.rapporter = [this](const Avancement& a) { Rapporter(a); };
    p.annulation = &m_annulation;
    return p;
}

QString DialogueProgression::TexteFichiers(const Avancement& a)
{
    if (a.fichiersTotal <= 0)
        return QStringLiteral("Préparation...");
    // The file being worked on; the last one once all are done.
    const int courant = std::min(a.fichiersFaits + 1, a.fichiersTotal);
    return QStringLiteral("Fichier %1 sur %2").arg(courant).arg(a.fichiersTotal);
}

QString DialogueProgression::TexteOctets(const Avancement& a)
{
    if (a.octetsTotal <= 0)
        return QString();
    return QStringLiteral("%1 sur %2").arg(Taille(a.octetsFaits), Taille(a.octetsTotal));
}

void DialogueProgression::Rapporter(const Avancement& a)
{
    lbFichiers->setText(TexteFichiers(a));
    lbOctets->setText(TexteOctets(a));
    int valeur = 0;
    if (a.octetsTotal > 0)
        valeur = static_cast<int>(1000 * std::clamp(a.octetsFaits, qint64(0), a.octetsTotal) / a.octetsTotal);
    else if (a.fichiersTotal > 0)
        valeur = 1000 * std::clamp(a.fichiersFaits, 0, a.fichiersTotal) / a.fichiersTotal;
    pbAvancement->setValue(valeur);
    if (!isVisible() && m_chrono.isValid() && m_chrono.elapsed() >= delaiAffichageMs)
        show();
    if (isVisible())
        QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void DialogueProgression::reject()
{
    // Closing the window or Escape stops the work too; the window goes when the work has stopped.
    m_annulation.store(true);
    bnAnnuler->setEnabled(false);
    lbFichiers->setText(QStringLiteral("Arrêt en cours..."));
}

void DialogueProgression::paintEvent(QPaintEvent*)
{
    QPainter peintre(this);
    peintre.fillRect(rect(), Habillage::Creme);
    const QRect bandeau(0, 0, width(), HauteurBandeau);
    peintre.fillRect(bandeau, Habillage::BrunBarre);
    peintre.fillRect(QRect(0, HauteurBandeau, width(), 2), Habillage::Caramel);
    QFont police = font();
    police.setBold(true);
    peintre.setFont(police);
    peintre.setPen(Habillage::Creme);
    peintre.drawText(bandeau.adjusted(8, 0, -8, 0), Qt::AlignVCenter | Qt::AlignLeft, m_titre);
    peintre.setPen(Habillage::Brun);
    peintre.drawRect(rect().adjusted(0, 0, -1, -1));
}
