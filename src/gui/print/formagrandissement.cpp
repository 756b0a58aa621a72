#include "formagrandissement.h"

#include "app/erreurs.h"
#include "app/habillage.h"
#include "widgets/placementfenetre.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

TFormAgrandissement::TFormAgrandissement(QWidget* parent)
    : QDialog(parent,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMaximizeButtonHint)
{
    setObjectName(QStringLiteral("FormAgrandissement"));
    setWindowTitle(QStringLiteral("Agrandissement"));
    setModal(false);
    resize(568, 455);

    pnTop = new QWidget(this);
    pnTop->setObjectName(QStringLiteral("pnTop"));
    pnTop->setFixedHeight(27);
    pnTop->setAutoFillBackground(true);
    QPalette caramel = pnTop->palette();
    caramel.setColor(QPalette::Window, Habillage::Caramel);
    pnTop->setPalette(caramel);
    bnPrint = new QPushButton(QStringLiteral("Imprimer"), pnTop);
    bnPrint->setObjectName(QStringLiteral("bnPrint"));
    bnFermer = new QPushButton(QStringLiteral("Fermer"), pnTop);
    bnFermer->setObjectName(QStringLiteral("bnFermer"));
    bnPrint->setAutoDefault(false);
    bnFermer->setAutoDefault(false);
    auto* boutons = new QHBoxLayout(pnTop);
    boutons->setContentsMargins(2, 1, 2, 1);
    boutons->setSpacing(4);
    boutons->addStretch();
    boutons->addWidget(bnPrint);
    boutons->addWidget(bnFermer);

    imgZoom = new QLabel;
    imgZoom->setObjectName(QStringLiteral("imgZoom"));
    imgZoom->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    bsSkinScrollBox1 = new QScrollArea(this);
    bsSkinScrollBox1->setObjectName(QStringLiteral("bsSkinScrollBox1"));
    bsSkinScrollBox1->setFrameShape(QFrame::StyledPanel);
    bsSkinScrollBox1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    bsSkinScrollBox1->setWidgetResizable(false);
    bsSkinScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    bsSkinScrollBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    bsSkinScrollBox1->setWidget(imgZoom);
    sbH = bsSkinScrollBox1->horizontalScrollBar();
    sbH->setObjectName(QStringLiteral("sbH"));
    sbv = bsSkinScrollBox1->verticalScrollBar();
    sbv->setObjectName(QStringLiteral("sbv"));

    auto* disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(0, 0, 0, 0);
    disposition->setSpacing(0);
    disposition->addWidget(pnTop);
    disposition->addWidget(bsSkinScrollBox1);

    connect(bnPrint, &QPushButton::clicked, this, Commande(this, &TFormAgrandissement::bnPrintClick));
    connect(bnFermer, &QPushButton::clicked, this, Commande(this, &TFormAgrandissement::bnFermerClick));
}

void TFormAgrandissement::definirImage(const QImage& image)
{
    imgZoom->setPixmap(QPixmap::fromImage(image));
    imgZoom->resize(image.size());
    sbH->setValue(0);
    sbv->setValue(0);
}

void TFormAgrandissement::bnPrintClick()
{
    if (imprimer)
        imprimer();
}

void TFormAgrandissement::bnFermerClick()
{
    hide();
}

void TFormAgrandissement::showEvent(QShowEvent* evenement)
{
    QDialog::showEvent(evenement);
    // Centred on the desktop the first time; afterwards it stays where the user left it.
    if (m_place)
        return;
    m_place = true;
    CentrerSurEcran(*this, frameGeometry().size());
}
