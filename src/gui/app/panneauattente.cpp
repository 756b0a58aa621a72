#include "panneauattente.h"

#include "habillage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

PanneauAttente::PanneauAttente(const QString& titre, QWidget* parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    QPalette fond = palette();
    fond.setColor(QPalette::Window, Habillage::Creme);
    setPalette(fond);

    auto* bandeau = new QLabel(titre, this);
    bandeau->setObjectName(QStringLiteral("bandeauPanneau"));
    bandeau->setFixedHeight(24);
    bandeau->setIndent(8);
    bandeau->setStyleSheet(QStringLiteral("background-color: %1; color: %2; font-weight: bold;")
                               .arg(Habillage::Caramel.name(), Habillage::BrunEncre.name()));

    auto* bas = new QWidget(this);
    bas->setFixedHeight(35);
    bas->setStyleSheet(QStringLiteral("background-color: %1;").arg(Habillage::Caramel.name()));
    auto* fermer = new QPushButton(QStringLiteral("Fermer"), bas);
    fermer->setObjectName(QStringLiteral("bnFermer"));
    connect(fermer, &QPushButton::clicked, this, &PanneauAttente::Fermer);
    auto* ligne = new QHBoxLayout(bas);
    ligne->setContentsMargins(8, 4, 8, 4);
    ligne->addStretch(1);
    ligne->addWidget(fermer);

    auto* colonne = new QVBoxLayout(this);
    colonne->setContentsMargins(0, 0, 0, 0);
    colonne->setSpacing(0);
    colonne->addWidget(bandeau);
    colonne->addStretch(1);
    colonne->addWidget(bas);
}
