#include "panneauaide.h"

#include "app/erreurs.h"
#include "app/habillage.h"
#include "impressionaide.h"
#include "system/programme.h"
#include "widgets/dialogueimpression.h"

#include <QEvent>
#include <QFileInfo>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QUrl>
#include <QtMath>

namespace {

constexpr int Largeur = 800;
constexpr int Hauteur = 600;
constexpr int Bord = 1;
constexpr int LargeurBarre = 19;
constexpr int HauteurBande = 35;

} // namespace

PanneauAide::PanneauAide(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("pnAide"));
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(Bord);
    setAutoFillBackground(true);
    QPalette blanc = palette();
    blanc.setColor(QPalette::Window, Qt::white);
    blanc.setColor(QPalette::WindowText, Habillage::BrunEncre);
    setPalette(blanc);
    setGeometry(0, 0, Largeur, Hauteur);

    const int hauteurVue = Hauteur - 2 * Bord - HauteurBande;
    htmlAides = new QTextBrowser(this);
    htmlAides->setObjectName(QStringLiteral("htmlAides"));
    htmlAides->setGeometry(Bord, Bord, Largeur - 2 * Bord - LargeurBarre, hauteurVue);
    // White page, black text and links, whatever the skin gives text boxes.
    htmlAides->setStyleSheet(QStringLiteral(
        "#htmlAides { background-color: white; color: black; border: none; padding: 0; margin: 0; }"));
    QFont police(QStringLiteral("Arial"));
    police.setStyleHint(QFont::SansSerif);
    police.setPointSize(11);
    htmlAides->setFont(police);
    QPalette encre = htmlAides->palette();
    encre.setColor(QPalette::Base, Qt::white);
    encre.setColor(QPalette::Text, Qt::black);
    encre.setColor(QPalette::Link, Qt::black);
    encre.setColor(QPalette::LinkVisited, Qt::black);
    htmlAides->setPalette(encre);
    htmlAides->document()->setDefaultStyleSheet(QStringLiteral("a { color: black; }"));
    htmlAides->document()->setDocumentMargin(10);
    // Links work, text cannot be selected; the panel's own bar does the scrolling.
    htmlAides->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    htmlAides->setOpenExternalLinks(true);
    htmlAides->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    htmlAides->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Focus only for the keys that scroll (arrows, page up and down), since text cannot be selected.
    htmlAides->setFocusPolicy(Qt::StrongFocus);
    htmlAides->viewport()->setMouseTracking(true);
    htmlAides->viewport()->installEventFilter(this);
    // The viewer scrolls by itself on the wheel, on links to anchors and on keys: the bar follows.
    connect(htmlAides->verticalScrollBar(), &QScrollBar::valueChanged, this, &PanneauAide::DefilementViewer);
    // A linked page opens in the same viewer: the bar is fitted to it.
    connect(htmlAides, &QTextBrowser::sourceChanged, this, [this] {
        htmlAides->clearHistory();
        SynchroniserBarreAide(*htmlAides, *sbAides);
        sbAides->setValue(htmlAides->verticalScrollBar()->value());
    });

    sbAides = new QScrollBar(Qt::Vertical, this);
    sbAides->setObjectName(QStringLiteral("sbAides"));
    sbAides->setGeometry(Largeur - Bord - LargeurBarre, Bord, LargeurBarre, hauteurVue);
    sbAides->setSingleStep(10);
    sbAides->setPageStep(10);
    sbAides->hide();
    connect(sbAides, &QScrollBar::valueChanged, this, &PanneauAide::sbAidesChange);

    pnBas = new QWidget(this);
    pnBas->setObjectName(QStringLiteral("pnBasAide"));
    pnBas->setGeometry(Bord, Hauteur - Bord - HauteurBande, Largeur - 2 * Bord, HauteurBande);
    pnBas->setAutoFillBackground(true);
    QPalette caramel = pnBas->palette();
    caramel.setColor(QPalette::Window, Habillage::Caramel);
    pnBas->setPalette(caramel);

    bnFermer = new QPushButton(QStringLiteral("Fermer"), pnBas);
    bnFermer->setObjectName(QStringLiteral("bnFermer"));
    bnFermer->setGeometry(pnBas->width() - 90 - 8, 6, 90, 23);
    bnImprimerAide = new QPushButton(QStringLiteral("Imprimer"), pnBas);
    bnImprimerAide->setObjectName(QStringLiteral("bnImprimerAide"));
    bnImprimerAide->setToolTip(QStringLiteral("Imprimer le fichier d'aide"));
    bnImprimerAide->setGeometry(bnFermer->x() - 90 - 8, 6, 90, 23);
    connect(bnFermer, &QPushButton::clicked, this, &PanneauAide::Fermer);
    connect(bnImprimerAide, &QPushButton::clicked, this, Commande(this, &PanneauAide::bnImprimerAideClick));

    hide();
}

QString PanneauAide::CheminAide()
{
    return DossierProgramme() + QStringLiteral("aide_html/aide.html");
}

void PanneauAide::Ouvrir()
{
    // Shown first, so that the page is laid out at the viewer's real width before the bar is fitted.
    show();
    raise();
    const QString chemin = CheminAide();
    if (QFileInfo(chemin).isFile()) {
        const QUrl adresse = QUrl::fromLocalFile(chemin);
        // The same address is not read again by setSource: reload() does, for a page changed on disk.
        if (htmlAides->source() == adresse)
            htmlAides->reload();
        else
            htmlAides->setSource(adresse);
        htmlAides->clearHistory();
        htmlAides->verticalScrollBar()->setValue(0);
    }
    SynchroniserBarreAide(*htmlAides, *sbAides);
    htmlAides->setFocus();
}

void PanneauAide::SynchroniserBarreAide(QTextBrowser& viewer, QScrollBar& barre)
{
    const QSignalBlocker silence(barre);
    barre.setValue(0);
    barre.setPageStep(0);
    const int hauteurDocument = qCeil(viewer.document()->size().height());
    const int hauteurVue = viewer.viewport()->height();
    if (hauteurDocument > 0) {
        barre.setRange(0, hauteurDocument);
        barre.setPageStep(qMax(0, hauteurVue + 1));
    } else {
        barre.setRange(0, 0);
    }
    barre.setVisible(hauteurVue < barre.maximum());
}

void PanneauAide::sbAidesChange(int position)
{
    // Clamped to the page here: the viewer fits its own range to a new page only once its events have
    // run, and the bar goes the page's whole height.
    const int hauteurDocument = qCeil(htmlAides->document()->size().height());
    const int fin = qMax(0, hauteurDocument - htmlAides->viewport()->height());
    m_depuisBarre = true;
    htmlAides->verticalScrollBar()->setValue(qBound(0, position, fin));
    m_depuisBarre = false;
}

void PanneauAide::DefilementViewer(int position)
{
    if (m_depuisBarre || sbAides->isSliderDown())
        return;
    sbAides->setValue(position);
}

void PanneauAide::htmlAidesMouseMove()
{
    if (!sbAides->isSliderDown())
        sbAides->setValue(htmlAides->verticalScrollBar()->value());
}

bool PanneauAide::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet == htmlAides->viewport() && evenement->type() == QEvent::MouseMove)
        htmlAidesMouseMove();
    return QFrame::eventFilter(objet, evenement);
}

void PanneauAide::bnImprimerAideClick()
{
    QPrinter imprimante(QPrinter::HighResolution);
    PreparerImprimanteAide(imprimante);
    if (!DialogueImpression::Demander(imprimante, this, QStringLiteral("Imprimer le fichier d'aide")))
        return;
    SignalerEchec(ImprimerDocumentAide(*htmlAides->document(), imprimante));
}
