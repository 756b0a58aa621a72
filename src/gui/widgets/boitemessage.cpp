#include "boitemessage.h"

#include "bandeaulegende.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <QWindow>

namespace {

constexpr int HauteurBandeau = 22;
const QString Titre = QStringLiteral("Kinobral 2005");

BoiteMessage::Repondeur& repondeur()
{
    static BoiteMessage::Repondeur r;
    return r;
}

} // namespace

void BoiteMessage::definirRepondeur(Repondeur r)
{
    repondeur() = std::move(r);
}

BoiteMessage::Reponse BoiteMessage::Afficher(QWidget* parent, Type type, const QString& texte,
                                             const QString& titre)
{
    if (repondeur())
        return repondeur()(type, texte);
    BoiteMessage boite(parent, type, texte, titre);
    boite.exec();
    return boite.reponse();
}

void BoiteMessage::Avertir(QWidget* parent, const QString& texte)
{
    Afficher(parent, Type::Avertissement, texte);
}

bool BoiteMessage::Confirmer(QWidget* parent, const QString& texte)
{
    return Afficher(parent, Type::Confirmation, texte) == Reponse::Oui;
}

BoiteMessage::BoiteMessage(QWidget* parent, Type type, const QString& texte, const QString& titre)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_type(type),
      m_reponse(type == Type::Confirmation ? Reponse::Non : Reponse::Ok),
      m_titre(titre.isEmpty() ? Titre : titre)
{
    setObjectName(QStringLiteral("BoiteMessage"));
    setWindowTitle(m_titre);
    setModal(true);

    auto* icone = new QLabel(this);
    const auto pictogramme = type == Type::Confirmation ? QStyle::SP_MessageBoxQuestion
                             : type == Type::Erreur     ? QStyle::SP_MessageBoxCritical
                                                        : QStyle::SP_MessageBoxWarning;
    icone->setPixmap(style()->standardIcon(pictogramme).pixmap(32, 32));
    icone->setAlignment(Qt::AlignTop);

    auto* message = new QLabel(texte, this);
    message->setObjectName(QStringLiteral("texteBoiteMessage"));
    message->setWordWrap(true);
    message->setTextFormat(Qt::PlainText);
    message->setMinimumWidth(260);
    message->setMaximumWidth(420);

    auto* ligneTexte = new QHBoxLayout;
    ligneTexte->setSpacing(14);
    ligneTexte->addWidget(icone);
    ligneTexte->addWidget(message, 1);

    auto* boutons = new QHBoxLayout;
    boutons->addStretch(1);
    auto ajouterBouton = [&](const QString& texteBouton, Reponse reponse) {
        auto* bouton = new QPushButton(texteBouton, this);
        bouton->setMinimumWidth(75);
        connect(bouton, &QPushButton::clicked, this, [this, reponse] { repondre(reponse); });
        boutons->addWidget(bouton);
        return bouton;
    };
    if (type == Type::Confirmation) {
        ajouterBouton(QStringLiteral("Oui"), Reponse::Oui)->setDefault(true);
        ajouterBouton(QStringLiteral("Non"), Reponse::Non);
    } else {
        ajouterBouton(QStringLiteral("OK"), Reponse::Ok)->setDefault(true);
    }
    boutons->addStretch(1);

    auto* colonne = new QVBoxLayout(this);
    colonne->setContentsMargins(16, HauteurBandeau + 14, 16, 12);
    colonne->setSpacing(14);
    colonne->addLayout(ligneTexte);
    colonne->addLayout(boutons);
    colonne->setSizeConstraint(QLayout::SetFixedSize);
}

void BoiteMessage::repondre(Reponse reponse)
{
    m_reponse = reponse;
    done(reponse == Reponse::Non ? QDialog::Rejected : QDialog::Accepted);
}

void BoiteMessage::reject()
{
    // Escape or closing the box: a confirmation counts as "Non", a warning as "OK".
    m_reponse = m_type == Type::Confirmation ? Reponse::Non : Reponse::Ok;
    QDialog::reject();
}

void BoiteMessage::mousePressEvent(QMouseEvent* evenement)
{
    if (BandeauLegende::Deplacer(*this, evenement, HauteurBandeau + 2))
        return;
    QDialog::mousePressEvent(evenement);
}

void BoiteMessage::paintEvent(QPaintEvent*)
{
    QPainter peintre(this);
    peintre.fillRect(rect(), QColor(246, 234, 200));
    // The box's band sits above its own 2-pixel edge.
    BandeauLegende::Peindre(peintre, *this, m_titre, HauteurBandeau + 2);
    peintre.setPen(QColor(52, 21, 9));
    peintre.drawRect(rect().adjusted(0, 0, -1, -1));
}
