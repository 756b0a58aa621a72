#pragma once

#include "widgets/panneauimage.h"

#include <QPrinter>
#include <functional>

class GraphiqueStatistiques;
class QComboBox;
class QLabel;
class QPushButton;
class Tdm;

// The statistics panel pnStatistiques: the films of the catalogue counted by one category as a bar
// chart, the category list and the chart's printing. The chosen category stays while the program
// runs; every opening and every change of category counts again from the table.
class PanneauStatistiques : public PanneauImage
{
    Q_OBJECT

public:
    explicit PanneauStatistiques(QWidget* parent = nullptr);

    // The data module arrives after the main window; the panel reads nothing before it.
    void AttacherDataModule(Tdm& dm);

    // Counts by the category caption, fills the chart and shows the panel. On a store error the
    // chart keeps what it showed.
    void ChargerStatistiques(const QString& legende);

    // The printer the chart goes to; its setup is kept from one print to the next.
    QPrinter& Imprimante() { return m_imprimante; }

    QLabel* lbStats = nullptr;
    QComboBox* cbChoix = nullptr;
    GraphiqueStatistiques* Graphique = nullptr;
    QPushButton* bnPrintStats = nullptr;
    QPushButton* bnFermerStats = nullptr;

signals:
    // "Fermer": the main window closes the panel.
    void Fermer();

public slots:
    void cbChoixChange(int indice);
    void bnPrintStatsClick();

private:
    Tdm* m_dm = nullptr;
    QPrinter m_imprimante;
};
