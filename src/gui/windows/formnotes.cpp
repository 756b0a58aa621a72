#include "formnotes.h"

#include "app/erreurs.h"
#include "app/habillage.h"

#include <QGroupBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QWindow>

TFormNotes::TFormNotes(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("FormNotes"));
    setWindowTitle(QStringLiteral("Notes personnelles"));
    setFixedSize(377, 227);

    bsSkinGroupBox1 = new QGroupBox(QStringLiteral("Notes personnelles"), this);
    bsSkinGroupBox1->setObjectName(QStringLiteral("bsSkinGroupBox1"));
    bsSkinGroupBox1->setGeometry(0, 0, 377, 227);
    bsSkinGroupBox1->installEventFilter(this);

    memoNotes = new QPlainTextEdit(bsSkinGroupBox1);
    memoNotes->setObjectName(QStringLiteral("memoNotes"));
    memoNotes->setReadOnly(true);
    memoNotes->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memoNotes->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memoNotes->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    memoNotes->setGeometry(6, 24, 365, 227 - 24 - 27 - 4);
    QPalette creme = memoNotes->palette();
    creme.setColor(QPalette::Base, Habillage::Creme);
    memoNotes->setPalette(creme);
    sbMemoResume = memoNotes->verticalScrollBar();
    sbMemoResume->setObjectName(QStringLiteral("sbMemoResume"));

    auto* bande = new QWidget(bsSkinGroupBox1);
    bande->setObjectName(QStringLiteral("pnBas"));
    bande->setGeometry(1, 227 - 27 - 1, 375, 27);
    bande->setAutoFillBackground(true);
    QPalette caramel = bande->palette();
    caramel.setColor(QPalette::Window, Habillage::Caramel);
    bande->setPalette(caramel);

    bnFermer = new QPushButton(QStringLiteral("Fermer"), bande);
    bnFermer->setObjectName(QStringLiteral("bnFermer"));
    bnFermer->setGeometry(375 - 80 - 3, 2, 80, 23);
    connect(bnFermer, &QPushButton::clicked, this, Commande(this, &TFormNotes::bnFermerClick));
}

void TFormNotes::bnFermerClick()
{
    hide();
}

void TFormNotes::showEvent(QShowEvent* evenement)
{
    // Only sent when the window goes from hidden to shown: showing it again does not move it.
    FormShow();
    QWidget::showEvent(evenement);
}

void TFormNotes::FormShow()
{
    if (!m_indicateur)
        return;
    const QPoint coin = m_indicateur->mapToGlobal(QPoint(0, 0));
    move(coin.x() + m_indicateur->width() - width() + 1, coin.y() + m_indicateur->height() + 2);
}

void TFormNotes::bsSkinGroupBox1MouseDown(QMouseEvent* evenement)
{
    m_deplacement.Commencer(evenement->globalPosition().toPoint());
}

bool TFormNotes::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet != bsSkinGroupBox1)
        return QWidget::eventFilter(objet, evenement);
    switch (evenement->type()) {
    case QEvent::MouseButtonPress:
        ExecuterCommande([&] { bsSkinGroupBox1MouseDown(static_cast<QMouseEvent*>(evenement)); });
        return true;
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
        if (m_deplacement.Suivre(evenement))
            return true;
        break;
    default:
        break;
    }
    return QWidget::eventFilter(objet, evenement);
}
