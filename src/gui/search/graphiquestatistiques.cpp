#include "graphiquestatistiques.h"

#include "search/statistiques.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QFontMetrics>
#include <QLegend>
#include <QLegendMarker>
#include <QPainter>
#include <QPrinter>
#include <QStackedBarSeries>
#include <QValueAxis>
#include <cmath>

namespace {

const QColor FondGraphique(208, 154, 98);
const QColor FondPanneau(246, 234, 200);
const QColor Trait(128, 64, 64);
constexpr double LargeurBarres = 0.9; // of the category's slot
constexpr int LongueurFleche = 10;

// The bars' colours, in turn: distinct hues that stay readable on the caramel ground.
const QColor Couleurs[] = {
    QColor(196, 40, 28),   QColor(46, 139, 87),   QColor(236, 190, 40), QColor(40, 90, 170),
    QColor(245, 242, 232), QColor(128, 128, 128), QColor(190, 60, 160), QColor(20, 140, 140),
    QColor(40, 40, 110),   QColor(120, 30, 20),   QColor(120, 200, 60), QColor(130, 130, 40),
    QColor(110, 40, 140),  QColor(190, 190, 190), QColor(70, 200, 220), QColor(30, 30, 30),
};

QFont Tahoma8()
{
    return QFont(QStringLiteral("Tahoma"), 8);
}

// Integer steps for the counts: 1, 2, 5, 10, 20, 50 ... about eight lines at most.
double PasGraduation(qint64 maximum)
{
    double pas = 1;
    while (maximum / pas > 8) {
        if (maximum / (pas * 2) <= 8)
            return pas * 2;
        if (maximum / (pas * 5) <= 8)
            return pas * 5;
        pas *= 10;
    }
    return pas;
}

} // namespace

GraphiqueStatistiques::GraphiqueStatistiques(QWidget* parent) : QChartView(parent)
{
    setObjectName(QStringLiteral("Graphique"));
    setRenderHint(QPainter::Antialiasing);
    setFrameShape(QFrame::NoFrame);
    setBackgroundBrush(FondPanneau);
    setRubberBand(QChartView::RectangleRubberBand);

    // The view made its own chart; replacing it would leave that one behind.
    QChart* graphique = chart();
    graphique->setBackgroundBrush(FondGraphique);
    graphique->setBackgroundRoundness(0);
    graphique->setBackgroundPen(QPen(Trait));
    graphique->setPlotAreaBackgroundVisible(true);
    graphique->setPlotAreaBackgroundBrush(FondGraphique.lighter(108));
    graphique->setPlotAreaBackgroundPen(QPen(Trait));
    graphique->setMargins(QMargins(4, 6, 4, 0));
    graphique->setTitle(QString());

    // One slot per value: each value's set holds its count in its own slot and nothing in the others,
    // so that every bar has its own colour and its own legend line.
    Series1 = new QStackedBarSeries(graphique);
    Series1->setObjectName(QStringLiteral("Series1"));
    Series1->setBarWidth(LargeurBarres);
    graphique->addSeries(Series1);

    m_axeCategories = new QBarCategoryAxis(graphique);
    m_axeCategories->setVisible(false);
    graphique->addAxis(m_axeCategories, Qt::AlignBottom);
    Series1->attachAxis(m_axeCategories);

    m_axeValeurs = new QValueAxis(graphique);
    m_axeValeurs->setLineVisible(false);
    m_axeValeurs->setGridLinePen(QPen(Trait, 1, Qt::DotLine));
    m_axeValeurs->setMinorTickCount(0);
    m_axeValeurs->setLabelsFont(Tahoma8());
    m_axeValeurs->setLabelsColor(Qt::black);
    m_axeValeurs->setLabelFormat(QStringLiteral("%.0f"));
    m_axeValeurs->setTickType(QValueAxis::TicksDynamic);
    m_axeValeurs->setTickAnchor(0);
    m_axeValeurs->setTickInterval(1);
    m_axeValeurs->setRange(0, 1);
    graphique->addAxis(m_axeValeurs, Qt::AlignLeft);
    Series1->attachAxis(m_axeValeurs);

    QLegend* legende = graphique->legend();
    legende->setAlignment(Qt::AlignBottom);
    legende->setBackgroundVisible(true);
    legende->setBrush(FondGraphique);
    legende->setPen(QPen(Trait));
    legende->setLabelColor(Qt::white);
    legende->setFont(Tahoma8());
    legende->setMarkerShape(QLegend::MarkerShapeRectangle);
}

void GraphiqueStatistiques::Remplir(const Statistiques& stats)
{
    Series1->clear();
    m_marques.clear();
    m_nombres.clear();
    QStringList emplacements;
    for (size_t i = 0; i < stats.barres.size(); ++i)
        emplacements << QString::number(i + 1);
    m_axeCategories->setCategories(emplacements);

    qint64 maximum = 0;
    for (size_t i = 0; i < stats.barres.size(); ++i) {
        const BarreStatistique& barre = stats.barres[i];
        auto* ensemble = new QBarSet(barre.valeur + QStringLiteral(" : ") + QString::number(barre.nombre));
        for (size_t j = 0; j < stats.barres.size(); ++j)
            *ensemble << (i == j ? static_cast<double>(barre.nombre) : 0.0);
        const QColor couleur = Couleurs[i % std::size(Couleurs)];
        QLinearGradient degrade(0, 0, 1, 0);
        degrade.setCoordinateMode(QGradient::ObjectMode);
        degrade.setColorAt(0, couleur.lighter(150));
        degrade.setColorAt(1, couleur.darker(115));
        ensemble->setBrush(degrade);
        ensemble->setPen(Qt::NoPen);
        Series1->append(ensemble);
        m_marques << TextePourcentage(stats.Pourcentage(i));
        m_nombres << barre.nombre;
        maximum = std::max(maximum, barre.nombre);
    }
    // An empty chart shows no empty legend box. A legend too long for one line below the bars goes
    // down the right-hand side, one value a line, so that no value is cut short; beyond what a column
    // holds it stays below, where the toolkit shortens the labels.
    QLegend* legende = chart()->legend();
    legende->setVisible(!stats.barres.empty());
    const QFontMetrics mesure(legende->font());
    int largeurLigne = 0;
    for (const QBarSet* ensemble : Series1->barSets())
        largeurLigne += mesure.horizontalAdvance(ensemble->label()) + 3 * mesure.height();
    const int lignesColonne = (height() - 40) / (mesure.height() + 6);
    const bool colonne = largeurLigne > width() - 40 && Series1->count() <= lignesColonne;
    legende->setAlignment(colonne ? Qt::AlignRight : Qt::AlignBottom);
    // The legend's swatches take the bar's own colour rather than its gradient.
    const QList<QLegendMarker*> reperes = chart()->legend()->markers(Series1);
    for (int i = 0; i < reperes.size(); ++i) {
        reperes[i]->setBrush(Couleurs[i % std::size(Couleurs)]);
        reperes[i]->setPen(QPen(Trait));
    }

    // Room above the tallest bar for its mark.
    const double pas = PasGraduation(std::max<qint64>(maximum, 1));
    const double haut = std::max(pas, std::ceil(maximum * 1.15 / pas) * pas);
    m_axeValeurs->setTickInterval(pas);
    m_axeValeurs->setRange(0, maximum == 0 ? 1 : haut);
    viewport()->update();
}

void GraphiqueStatistiques::drawForeground(QPainter* peintre, const QRectF& zone)
{
    QChartView::drawForeground(peintre, zone);
    if (m_marques.isEmpty())
        return;
    // The marks: the share of the sum, in a framed box at the end of a short arrow above each bar.
    peintre->save();
    peintre->setFont(Tahoma8());
    const QFontMetricsF mesures(peintre->font());
    const QRectF traceur = chart()->mapToScene(chart()->plotArea()).boundingRect();
    for (int i = 0; i < m_marques.size(); ++i) {
        const QPointF sommet = chart()->mapToScene(chart()->mapToPosition(QPointF(i, m_nombres[i]), Series1));
        if (!traceur.adjusted(-1, -1, 1, 1).contains(sommet))
            continue;
        const QSizeF taille = mesures.size(Qt::TextSingleLine, m_marques[i]) + QSizeF(6, 2);
        const QRectF cadre(sommet.x() - taille.width() / 2, sommet.y() - LongueurFleche - taille.height(),
                           taille.width(), taille.height());
        peintre->setPen(QPen(Trait));
        peintre->drawLine(sommet, QPointF(sommet.x(), cadre.bottom()));
        peintre->setBrush(QColor(255, 255, 225));
        peintre->drawRect(cadre);
        peintre->setPen(Qt::black);
        peintre->drawText(cadre, Qt::AlignCenter, m_marques[i]);
    }
    peintre->restore();
}

Resultat GraphiqueStatistiques::Imprimer(QPrinter& imprimante)
{
    // The margins are a share of the whole sheet, so the painter starts at the paper's corner.
    const bool pleinePage = imprimante.fullPage();
    imprimante.setFullPage(true);
    QPainter peintre;
    if (!peintre.begin(&imprimante)) {
        imprimante.setFullPage(pleinePage);
        return Resultat::Echec(QStringLiteral("Impossible d'imprimer le graphique sur « %1 ».")
                                   .arg(imprimante.outputFileName().isEmpty() ? imprimante.printerName()
                                                                              : imprimante.outputFileName()));
    }
    const QRectF page = imprimante.paperRect(QPrinter::DevicePixel);
    const QRectF cible(page.width() * 0.02, page.height() * 0.02, page.width() * 0.96, page.height() * 0.96);
    render(&peintre, cible, viewport()->rect(), Qt::KeepAspectRatio);
    const bool fini = peintre.end();
    imprimante.setFullPage(pleinePage);
    if (!fini)
        return Resultat::Echec(QStringLiteral("L'impression du graphique n'a pas pu être terminée."));
    return Resultat::Succes();
}
