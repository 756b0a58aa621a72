#include "formpreview.h"

#include "app/erreurs.h"
#include "app/habillage.h"
#include "formapercu.h"
#include "widgets/boitemessage.h"
#include "widgets/dialogueimpression.h"

#include <QApplication>
#include <QComboBox>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {

const QString LargeurPage = QStringLiteral("Largeur page");
const QString PageEntiere = QStringLiteral("Page entière");

QPalette Fond(QPalette palette, const QColor& couleur)
{
    palette.setColor(QPalette::Window, couleur);
    return palette;
}

} // namespace

const QStringList TfrmPreview::EntreesZoom = {
    QStringLiteral("500%"),
    QStringLiteral("400%"),
    QStringLiteral("300%"),
    QStringLiteral("200%"),
    QStringLiteral("150%"),
    QStringLiteral("100%"),
    QStringLiteral("75%"),
    QStringLiteral("50%"),
    QStringLiteral("25%"),
    QStringLiteral("10%"),
    LargeurPage,
    PageEntiere,
};

TfrmPreview::TfrmPreview(TFormApercu& apercu, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                          Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint),
      m_apercu(apercu)
{
    setObjectName(QStringLiteral("frmPreview"));
    setWindowTitle(QStringLiteral(" - Aperçu & Impression - "));
    setModal(false);
    setWindowState(Qt::WindowMaximized);
    resize(800, 600);

    m_imprimante.setResolution(300);
    m_imprimante.setPageSize(QPageSize(QPageSize::A4));
    m_imprimante.setDocName(QStringLiteral("Kinobral 2005"));

    pnBottom = new QWidget(this);
    pnBottom->setObjectName(QStringLiteral("pnBottom"));
    pnBottom->setFixedHeight(31);
    pnBottom->setAutoFillBackground(true);
    pnBottom->setPalette(Fond(pnBottom->palette(), Habillage::Creme));

    // A drop-down list that also shows the percentage a fitted zoom gives: editable for display only.
    cmb = new QComboBox(pnBottom);
    cmb->setObjectName(QStringLiteral("cmb"));
    cmb->setEditable(true);
    cmb->lineEdit()->setReadOnly(true);
    cmb->setInsertPolicy(QComboBox::NoInsert);
    cmb->addItems(EntreesZoom);
    cmb->setMaxVisibleItems(EntreesZoom.size());
    cmb->setCurrentIndex(EntreesZoom.indexOf(QStringLiteral("100%")));
    cmb->setMinimumWidth(110);
    cmb->installEventFilter(this);
    cmb->lineEdit()->installEventFilter(this);

    auto bouton = [this](const char* nom, const QString& texte) {
        auto* b = new QPushButton(texte, pnBottom);
        b->setObjectName(QString::fromLatin1(nom));
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::TabFocus);
        return b;
    };
    bnPremiere = bouton("bnPremiere", QStringLiteral("Première page"));
    bnPrior = bouton("bnPrior", QStringLiteral("Précédente"));
    bnNext = bouton("bnNext", QStringLiteral("Suivante"));
    bnDerniere = bouton("bnDerniere", QStringLiteral("Dernière page"));
    bnPrint = bouton("bnPrint", QStringLiteral("Imprimer"));
    bnClose = bouton("bnClose", QStringLiteral("Fermer"));

    auto* barre = new QHBoxLayout(pnBottom);
    barre->setContentsMargins(4, 3, 4, 3);
    barre->setSpacing(4);
    barre->addWidget(cmb);
    barre->addSpacing(8);
    for (QPushButton* b : {bnPremiere, bnPrior, bnNext, bnDerniere})
        barre->addWidget(b);
    barre->addSpacing(8);
    barre->addWidget(bnPrint);
    barre->addStretch(1);
    barre->addWidget(bnClose);

    rvpp = new QPrintPreviewWidget(&m_imprimante, this);
    rvpp->setObjectName(QStringLiteral("rvpp"));
    rvpp->setZoomFactor(1.0);
    if (auto* vue = rvpp->findChild<QGraphicsView*>()) {
        vue->viewport()->installEventFilter(this);
        vue->setBackgroundBrush(QColor(128, 128, 128));
    }

    LabelInfo = new QStatusBar(this);
    LabelInfo->setObjectName(QStringLiteral("LabelInfo"));
    LabelInfo->setFixedHeight(19);
    LabelInfo->setSizeGripEnabled(false);
    LabelInfo->setStyleSheet(QStringLiteral("QStatusBar { background-color: %1; border-top: 1px solid %2; }")
                                 .arg(Habillage::Creme.name(), Habillage::Caramel.name()));

    auto* disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(0, 0, 0, 0);
    disposition->setSpacing(0);
    disposition->addWidget(pnBottom);
    disposition->addWidget(rvpp, 1);
    disposition->addWidget(LabelInfo);

    connect(rvpp, &QPrintPreviewWidget::paintRequested, this, &TfrmPreview::Dessiner);
    // Scrolling changes the page shown, a fitted zoom follows the window's size.
    connect(rvpp, &QPrintPreviewWidget::previewChanged, this, [this] {
        EcrireStatut();
        if (rvpp->zoomMode() != QPrintPreviewWidget::CustomZoom)
            rvppZoomChanged();
    });
    connect(cmb, &QComboBox::activated, this, Commande(this, &TfrmPreview::cmbExit));
    connect(bnPremiere, &QPushButton::clicked, this, Commande(this, &TfrmPreview::bnPremiereClick));
    connect(bnPrior, &QPushButton::clicked, this, Commande(this, &TfrmPreview::bnPriorClick));
    connect(bnNext, &QPushButton::clicked, this, Commande(this, &TfrmPreview::bnNextClick));
    connect(bnDerniere, &QPushButton::clicked, this, Commande(this, &TfrmPreview::bnDerniereClick));
    connect(bnPrint, &QPushButton::clicked, this, Commande(this, &TfrmPreview::bnPrintClick));
    connect(bnClose, &QPushButton::clicked, this, Commande(this, &TfrmPreview::bnCloseClick));
}

TfrmPreview::~TfrmPreview()
{
    // The zoom box reports its focus leaving while the window is taken down: nothing to apply then.
    cmb->disconnect(this);
    cmb->removeEventFilter(this);
    cmb->lineEdit()->removeEventFilter(this);
}

void TfrmPreview::Dessiner(QPrinter* imprimante)
{
    m_dessin = m_apercu.Imprimer(*imprimante);
}

Resultat TfrmPreview::Paginer()
{
    m_dessin = Resultat::Succes();
    rvpp->updatePreview();
    // An open preview would be left with nothing to show.
    if (!m_dessin || rvpp->pageCount() <= 0)
        close();
    if (!m_dessin)
        return m_dessin;
    if (rvpp->pageCount() <= 0)
        return Resultat::Echec(QStringLiteral("Le document à imprimer n'a aucune page."));
    TracerMarges();
    bnPremiereClick();
    return Resultat::Succes();
}

Resultat TfrmPreview::Afficher()
{
    const Resultat r = Paginer();
    if (!r)
        return r;
    setModal(false);
    Agrandir();
    showMaximized();
    raise();
    activateWindow();
    return r;
}

Resultat TfrmPreview::AfficherModal()
{
    const Resultat r = Paginer();
    if (!r)
        return r;
    // Shown afresh, so that the modality takes effect even when the sheet's preview was open.
    hide();
    setModal(true);
    Agrandir();
    showMaximized();
    raise();
    activateWindow();
    exec();
    setModal(false);
    return r;
}

void TfrmPreview::TracerMarges()
{
    // The pages are the scene's top-level items, in paper pixels; the printable area is drawn on each.
    auto* vue = rvpp->findChild<QGraphicsView*>();
    if (vue == nullptr || vue->scene() == nullptr)
        return;
    const QRectF zone = m_imprimante.pageLayout().paintRectPixels(m_imprimante.resolution());
    QPen crayon(QColor(160, 160, 160));
    crayon.setCosmetic(true);
    crayon.setStyle(Qt::DotLine);
    for (QGraphicsItem* page : vue->scene()->items()) {
        if (page->parentItem() != nullptr)
            continue;
        auto* marges = new QGraphicsRectItem(zone, page);
        marges->setPen(crayon);
        marges->setBrush(Qt::NoBrush);
    }
}

void TfrmPreview::Agrandir()
{
    // The whole work area even where no window manager maximises windows.
    if (const QScreen* ecran = screen() != nullptr ? screen() : QGuiApplication::primaryScreen())
        setGeometry(ecran->availableGeometry());
}

void TfrmPreview::EcrireStatut()
{
    LabelInfo->showMessage(QStringLiteral("%1 sur %2").arg(rvpp->currentPage()).arg(rvpp->pageCount()));
}

void TfrmPreview::bnPremiereClick()
{
    rvpp->setCurrentPage(1);
    EcrireStatut();
}

void TfrmPreview::bnPriorClick()
{
    if (rvpp->currentPage() > 1)
        rvpp->setCurrentPage(rvpp->currentPage() - 1);
    EcrireStatut();
}

void TfrmPreview::bnNextClick()
{
    if (rvpp->currentPage() < rvpp->pageCount())
        rvpp->setCurrentPage(rvpp->currentPage() + 1);
    EcrireStatut();
}

void TfrmPreview::bnDerniereClick()
{
    rvpp->setCurrentPage(rvpp->pageCount());
    EcrireStatut();
}

int TfrmPreview::Pourcentage() const
{
    return qRound(rvpp->zoomFactor() * 100);
}

void TfrmPreview::cmbExit()
{
    AppliquerZoom();
}

void TfrmPreview::AppliquerZoom()
{
    QString texte = cmb->currentText().trimmed();
    if (texte == LargeurPage) {
        rvpp->fitToWidth();
        return;
    }
    if (texte == PageEntiere) {
        rvpp->fitInView();
        return;
    }
    if (texte.endsWith(u'%'))
        texte.chop(1);
    bool nombre = false;
    int valeur = texte.toInt(&nombre);
    if (!nombre)
        valeur = 0;
    if (valeur < 10 || valeur > 500) {
        BoiteMessage::Afficher(this, BoiteMessage::Type::Erreur,
                               QStringLiteral("Veuillez entrer un nombre de 10 à 500"),
                               QStringLiteral("Agrandissement"));
        return;
    }
    // The percentage a fitted zoom wrote back keeps the fitting.
    if (valeur == Pourcentage())
        return;
    rvpp->setZoomFactor(valeur / 100.0);
    rvppZoomChanged();
}

void TfrmPreview::rvppZoomChanged()
{
    cmb->setEditText(QStringLiteral("%1%").arg(Pourcentage()));
}

void TfrmPreview::bnPrintClick()
{
    if (!DialogueImpression::Demander(m_imprimante, this))
        return;
    m_imprimante.setDocName(QStringLiteral("Kinobral 2005"));
    m_imprimante.setCopyCount(1);
    m_imprimante.setCollateCopies(false);
    if (!SignalerEchec(m_apercu.Imprimer(m_imprimante)))
        return;
    close();
}

void TfrmPreview::bnCloseClick()
{
    close();
}

bool TfrmPreview::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet == cmb || objet == cmb->lineEdit()) {
        if (evenement->type() == QEvent::KeyPress) {
            const int touche = static_cast<QKeyEvent*>(evenement)->key();
            if (touche == Qt::Key_Return || touche == Qt::Key_Enter) {
                ExecuterCommande([this] { AppliquerZoom(); });
                return true;
            }
        } else if (evenement->type() == QEvent::FocusOut) {
            ExecuterCommande([this] { cmbExit(); });
        } else if (objet == cmb->lineEdit() && (evenement->type() == QEvent::MouseButtonPress ||
                                                evenement->type() == QEvent::MouseButtonDblClick)) {
            return true;
        } else if (objet == cmb->lineEdit() && evenement->type() == QEvent::MouseButtonRelease) {
            // The box is a list: a click on its text opens it.
            cmb->showPopup();
            return true;
        }
        return QDialog::eventFilter(objet, evenement);
    }
    // A click on the page (not a drag) switches between 100 % and the whole page.
    if (evenement->type() == QEvent::MouseButtonPress) {
        m_appui = static_cast<QMouseEvent*>(evenement)->position().toPoint();
    } else if (evenement->type() == QEvent::MouseButtonRelease) {
        auto* souris = static_cast<QMouseEvent*>(evenement);
        if (souris->button() == Qt::LeftButton &&
            (souris->position().toPoint() - m_appui).manhattanLength() < QApplication::startDragDistance()) {
            if (Pourcentage() == 100) {
                rvpp->fitInView();
            } else {
                rvpp->setZoomFactor(1.0);
                rvppZoomChanged();
            }
        }
    }
    return QDialog::eventFilter(objet, evenement);
}

void TfrmPreview::showEvent(QShowEvent* evenement)
{
    QDialog::showEvent(evenement);
    EcrireStatut();
}

void TfrmPreview::changeEvent(QEvent* evenement)
{
    QDialog::changeEvent(evenement);
    if (evenement->type() == QEvent::ActivationChange && isActiveWindow())
        EcrireStatut();
}
