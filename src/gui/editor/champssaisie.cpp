#include "champssaisie.h"

#include "catalogue/formes.h"

#include <QCalendarWidget>
#include <QTextBlock>
#include <QTextCursor>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The length the store will count: characters (a surrogate pair is one), each line break as CR LF.
int LongueurStockee(const QString& texte)
{
    int n = 0;
    for (const QChar c : texte) {
        if (c == u'\n') {
            n += 2;
        } else if (!c.isLowSurrogate()) {
            ++n;
        }
    }
    return n;
}

} // namespace

ZoneTexte::ZoneTexte(QWidget* parent) : QPlainTextEdit(parent)
{
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(document(), &QTextDocument::contentsChange, this, &ZoneTexte::Limiter);
}

void ZoneTexte::Limiter(int position, int /*retires*/, int ajoutes)
{
    if (m_maxLength <= 0 || m_limitation || ajoutes <= 0) {
        return;
    }
    const int exces = LongueurStockee(toPlainText()) - m_maxLength;
    if (exces <= 0) {
        return;
    }
    // Drop the end of what was just inserted, enough to fit; a line break dropped counts two.
    m_limitation = true;
    QTextCursor curseur(document());
    int fin = position + ajoutes;
    int retire = 0;
    while (retire < exces && fin > position) {
        const QChar c = document()->characterAt(fin - 1);
        const bool saut = c == QChar::ParagraphSeparator || c == u'\n';
        int largeur = 1;
        if (c.isLowSurrogate() && fin - 2 >= position) {
            largeur = 2;
        }
        curseur.setPosition(fin - largeur);
        curseur.setPosition(fin, QTextCursor::KeepAnchor);
        curseur.removeSelectedText();
        fin -= largeur;
        retire += saut ? 2 : 1;
    }
    m_limitation = false;
}

ChampMasque::ChampMasque(const QString& masque, QWidget* parent) : QLineEdit(parent)
{
    // "; " makes the blank positions spaces.
    setInputMask(masque + QStringLiteral("; "));
}

bool ChampMasque::estVide() const
{
    for (const QChar c : displayText()) {
        if (c != u' ' && c != u':' && c != u'/') {
            return false;
        }
    }
    return true;
}

ChampDate::ChampDate(QWidget* parent) : QWidget(parent)
{
    edition = new ChampMasque(QStringLiteral("00/00/9999"), this);
    edition->setObjectName(QStringLiteral("edition"));
    bnCalendrier = new QToolButton(this);
    bnCalendrier->setObjectName(QStringLiteral("bnCalendrier"));
    bnCalendrier->setText(QStringLiteral("…"));
    bnCalendrier->setFocusPolicy(Qt::NoFocus);
    bnCalendrier->setCursor(Qt::PointingHandCursor);
    // The box takes the focus itself; the panel orders the tab chain with it.
    setFocusPolicy(Qt::NoFocus);
    connect(bnCalendrier, &QToolButton::clicked, this, &ChampDate::bnCalendrierClick);
}

void ChampDate::setTexte(const QString& texte)
{
    edition->setText(texte);
}

void ChampDate::resizeEvent(QResizeEvent* evenement)
{
    QWidget::resizeEvent(evenement);
    const int cote = height();
    edition->setGeometry(0, 0, width() - cote, cote);
    bnCalendrier->setGeometry(width() - cote, 0, cote, cote);
}

void ChampDate::bnCalendrierClick()
{
    if (m_popup == nullptr) {
        m_popup = new QWidget(this, Qt::Popup);
        auto* disposition = new QVBoxLayout(m_popup);
        disposition->setContentsMargins(0, 0, 0, 0);
        calendrier = new QCalendarWidget(m_popup);
        calendrier->setObjectName(QStringLiteral("calendrier"));
        calendrier->setLocale(QLocale(QLocale::French, QLocale::France));
        calendrier->setFirstDayOfWeek(Qt::Sunday);
        calendrier->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
        disposition->addWidget(calendrier);
        m_popup->setFixedSize(200, 150);
        connect(calendrier, &QCalendarWidget::clicked, this, [this](QDate jour) {
            edition->setText(Formes::TexteDate(jour));
            m_popup->hide();
            edition->setFocus();
        });
    }
    // The calendar opens on the date shown, or today.
    QDate jour;
    QString contenu = texte();
    contenu.remove(u' ');
    if (!Formes::LireDate(contenu, jour)) {
        jour = QDate::currentDate();
    }
    calendrier->setSelectedDate(jour);
    m_popup->move(mapToGlobal(QPoint(width() - m_popup->width(), height())));
    m_popup->show();
}
