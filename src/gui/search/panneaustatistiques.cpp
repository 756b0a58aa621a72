#include "panneaustatistiques.h"

#include "app/erreurs.h"
#include "catalogue/tdm.h"
#include "graphiquestatistiques.h"
#include "search/statistiques.h"
#include "widgets/dialogueimpression.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace {

const QColor FondPanneau(246, 234, 200);

// Puts the printer's orientation back however the printing ends.
class OrientationGardee
{
public:
    explicit OrientationGardee(QPrinter& imprimante)
        : m_imprimante(imprimante), m_orientation(imprimante.pageLayout().orientation())
    {}
    ~OrientationGardee() { m_imprimante.setPageOrientation(m_orientation); }
    OrientationGardee(const OrientationGardee&) = delete;
    OrientationGardee& operator=(const OrientationGardee&) = delete;

private:
    QPrinter& m_imprimante;
    QPageLayout::Orientation m_orientation;
};

} // namespace

PanneauStatistiques::PanneauStatistiques(QWidget* parent) : PanneauImage(parent, FondPanneau)
{
    setObjectName(QStringLiteral("pnStatistiques"));
    resize(800, 545);

    Graphique = new GraphiqueStatistiques(this);
    Graphique->setGeometry(24, 4, 769, 507);

    lbStats = new QLabel(QStringLiteral("Statistiques par"), this);
    lbStats->setObjectName(QStringLiteral("lbStats"));
    QFont police(QStringLiteral("Tahoma"), 8);
    police.setUnderline(true);
    lbStats->setFont(police);
    lbStats->setGeometry(32, 518, 90, 20);

    cbChoix = new QComboBox(this);
    cbChoix->setObjectName(QStringLiteral("cbChoix"));
    cbChoix->setGeometry(124, 517, 170, 21);
    cbChoix->setMaxVisibleItems(10);
    cbChoix->addItems(CategoriesStatistiques());
    cbChoix->setCurrentIndex(0);
    connect(cbChoix, &QComboBox::currentIndexChanged, this,
            Commande(this, &PanneauStatistiques::cbChoixChange));

    bnPrintStats = new QPushButton(QStringLiteral("Imprimer"), this);
    bnPrintStats->setObjectName(QStringLiteral("bnPrintStats"));
    bnPrintStats->setGeometry(610, 515, 82, 24);
    bnPrintStats->setCursor(Qt::PointingHandCursor);
    connect(bnPrintStats, &QPushButton::clicked, this,
            Commande(this, &PanneauStatistiques::bnPrintStatsClick));

    bnFermerStats = new QPushButton(QStringLiteral("Fermer"), this);
    bnFermerStats->setObjectName(QStringLiteral("bnFermerStats"));
    bnFermerStats->setGeometry(700, 515, 82, 24);
    bnFermerStats->setCursor(Qt::PointingHandCursor);
    connect(bnFermerStats, &QPushButton::clicked, this, &PanneauStatistiques::Fermer);
}

void PanneauStatistiques::AttacherDataModule(Tdm& dm)
{
    m_dm = &dm;
}

void PanneauStatistiques::ChargerStatistiques(const QString& legende)
{
    if (m_dm == nullptr)
        return;
    Statistiques stats;
    if (!SignalerEchec(CompterStatistiques(m_dm->query(), legende, stats)))
        return;
    Graphique->Remplir(stats);
    show();
}

void PanneauStatistiques::cbChoixChange(int indice)
{
    ChargerStatistiques(cbChoix->itemText(indice));
}

void PanneauStatistiques::bnPrintStatsClick()
{
    if (!DialogueImpression::Demander(m_imprimante, this))
        return;
    OrientationGardee orientation(m_imprimante);
    m_imprimante.setPageOrientation(QPageLayout::Landscape);
    SignalerEchec(Graphique->Imprimer(m_imprimante));
}
