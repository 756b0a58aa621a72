#pragma once

#include "resultat.h"

#include <QChartView>
#include <QStringList>

class QBarCategoryAxis;
class QStackedBarSeries;
class QPrinter;
class QValueAxis;
struct Statistiques;

// The statistics bar chart Graphique: one bar per value of the category, each in its own colour,
// its share of the sum written above it, and a legend of values and counts below the plot.
class GraphiqueStatistiques : public QChartView
{
    Q_OBJECT

public:
    explicit GraphiqueStatistiques(QWidget* parent = nullptr);

    // Replaces the bars with the counts, in their order; no bar at all gives an empty chart.
    void Remplir(const Statistiques& stats);

    // The texts above the bars, in the bars' order.
    const QStringList& Marques() const { return m_marques; }

    // Prints the chart on one page of the printer as it is set up, within margins of 2 % of the
    // page on each side.
    Resultat Imprimer(QPrinter& imprimante);

    QStackedBarSeries* Series1 = nullptr;

protected:
    void drawForeground(QPainter* peintre, const QRectF& zone) override;

private:
    QBarCategoryAxis* m_axeCategories = nullptr;
    QValueAxis* m_axeValeurs = nullptr;
    QStringList m_marques;
    QList<qint64> m_nombres;
};
