#include "formglossaire.h"

#include "app/erreurs.h"
#include "app/habillage.h"
#include "system/programme.h"
#include "widgets/bandeaulegende.h"
#include "widgets/placementfenetre.h"

#include <QComboBox>
#include <QCompleter>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QWindow>

namespace {

const QString Legende = QStringLiteral(" - Glossaire - ");
constexpr int Largeur = 429;
constexpr int Hauteur = 198;

} // namespace

TFormGlossaire::TFormGlossaire(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("FormGlossaire"));
    setWindowTitle(Legende);
    setFixedSize(Largeur, Hauteur);
    // Without a parent there is no program window to stay above: keep it above the desktop instead.
    if (parent == nullptr)
        setWindowFlag(Qt::WindowStaysOnTopHint);
    CreerComposants();
}

std::unique_ptr<TFormGlossaire> TFormGlossaire::Creer(QWidget* parent)
{
    auto fenetre = std::make_unique<TFormGlossaire>(parent);
    SignalerEchec(fenetre->FormCreate());
    return fenetre;
}

void TFormGlossaire::CreerComposants()
{
    const int bandeau = HauteurLegende;

    lbTerme = new QLabel(QStringLiteral("Terme à rechercher"), this);
    lbTerme->setObjectName(QStringLiteral("lbTerme"));
    lbTerme->setGeometry(6, bandeau + 1, 216, 14);

    cbGlossaire = new QComboBox(this);
    cbGlossaire->setObjectName(QStringLiteral("cbGlossaire"));
    cbGlossaire->setGeometry(6, bandeau + 15, 216, 20);
    cbGlossaire->setEditable(true);
    cbGlossaire->setInsertPolicy(QComboBox::NoInsert);
    cbGlossaire->setMaxVisibleItems(12);
    // Typing completes with the first term that starts with the letters typed; terms are told apart
    // by case, so the completion is too.
    cbGlossaire->completer()->setCompletionMode(QCompleter::InlineCompletion);
    cbGlossaire->completer()->setCaseSensitivity(Qt::CaseSensitive);
    connect(cbGlossaire, &QComboBox::editTextChanged, this,
            Commande(this, &TFormGlossaire::cbGlossaireChange));

    bnFermer = new QPushButton(QStringLiteral("Fermer"), this);
    bnFermer->setObjectName(QStringLiteral("bnFermer"));
    bnFermer->setGeometry(Largeur - 86, bandeau + 8, 80, 23);
    bnFermer->setAutoDefault(false);
    connect(bnFermer, &QPushButton::clicked, this, Commande(this, &TFormGlossaire::bnFermerClick));

    memoDef = new QPlainTextEdit(this);
    memoDef->setObjectName(QStringLiteral("memoDef"));
    // One pixel in from the window's edges, which the frame takes.
    memoDef->setGeometry(1, bandeau + HauteurBandeau, Largeur - 2, Hauteur - bandeau - HauteurBandeau - 1);
    memoDef->setReadOnly(true);
    memoDef->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memoDef->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memoDef->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette creme = memoDef->palette();
    creme.setColor(QPalette::Base, Habillage::Creme);
    memoDef->setPalette(creme);
    memoDef->installEventFilter(this);
    sbMemoResume = memoDef->verticalScrollBar();
    sbMemoResume->setObjectName(QStringLiteral("sbMemoResume"));
}

Resultat TFormGlossaire::FormCreate()
{
    const Resultat lecture = m_glossaire.Charger(Glossaire::Chemin(DossierProgramme()));
    cbGlossaire->clear();
    cbGlossaire->addItems(m_glossaire.Termes());
    // Selecting the first term shows its definition for the first opening.
    if (cbGlossaire->count() > 0)
        cbGlossaire->setCurrentIndex(0);
    return lecture;
}

void TFormGlossaire::cbGlossaireChange(const QString& texte)
{
    memoDef->clear();
    QString definition;
    if (m_glossaire.Chercher(texte, definition))
        memoDef->setPlainText(definition);
}

void TFormGlossaire::memoDefEnter()
{
    // Typing always goes to the term.
    cbGlossaire->setFocus();
}

void TFormGlossaire::bnFermerClick()
{
    hide();
}

void TFormGlossaire::Afficher()
{
    show();
    raise();
    activateWindow();
}

void TFormGlossaire::showEvent(QShowEvent* evenement)
{
    QWidget::showEvent(evenement);
    if (!m_centree) {
        m_centree = true;
        Centrer();
    }
}

void TFormGlossaire::Centrer()
{
    CentrerSurEcran(*this, size());
}

bool TFormGlossaire::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet == memoDef && evenement->type() == QEvent::FocusIn)
        ExecuterCommande([this] { memoDefEnter(); });
    return QWidget::eventFilter(objet, evenement);
}

void TFormGlossaire::mousePressEvent(QMouseEvent* evenement)
{
    if (BandeauLegende::Deplacer(*this, evenement, HauteurLegende))
        return;
    QWidget::mousePressEvent(evenement);
}

void TFormGlossaire::paintEvent(QPaintEvent*)
{
    QPainter peintre(this);
    BandeauLegende::Peindre(peintre, *this, Legende, HauteurLegende);
    // The band that holds the term, and the frame that sets the window apart from what lies behind.
    peintre.fillRect(QRect(0, HauteurLegende, width(), HauteurBandeau), Habillage::Caramel);
    peintre.setPen(Habillage::BrunBarre);
    peintre.drawRect(rect().adjusted(0, 0, -1, -1));
}
