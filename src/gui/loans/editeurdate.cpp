#include "editeurdate.h"

#include "app/habillage.h"
#include "catalogue/formes.h"

#include <QAction>
#include <QCalendarWidget>
#include <QPainter>
#include <QPainterPath>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// A small triangle pointing down, left or right, in the skin's colours: the editor's drop-down button
// and the calendar's month arrows.
QIcon Fleche(Qt::ArrowType sens, const QColor& couleur)
{
    QPixmap image(12, 12);
    image.fill(Qt::transparent);
    QPainter peintre(&image);
    peintre.setRenderHint(QPainter::Antialiasing);
    QPainterPath fleche;
    if (sens == Qt::DownArrow) {
        fleche.moveTo(2, 4);
        fleche.lineTo(10, 4);
        fleche.lineTo(6, 9);
    } else if (sens == Qt::LeftArrow) {
        fleche.moveTo(8, 2);
        fleche.lineTo(8, 10);
        fleche.lineTo(3, 6);
    } else {
        fleche.moveTo(4, 2);
        fleche.lineTo(4, 10);
        fleche.lineTo(9, 6);
    }
    fleche.closeSubpath();
    peintre.fillPath(fleche, couleur);
    return QIcon(image);
}

} // namespace

EditeurDate::EditeurDate(QWidget* parent) : QLineEdit(parent)
{
    // Day and month may hold one digit, the year needs four; unfilled places read as nothing.
    setInputMask(QStringLiteral("00/00/9999; "));
    setMaxLength(10);
    QAction* deroulement = addAction(Fleche(Qt::DownArrow, Habillage::Brun), QLineEdit::TrailingPosition);
    deroulement->setObjectName(QStringLiteral("deroulement"));
    deroulement->setToolTip(QStringLiteral("Calendrier"));
    connect(deroulement, &QAction::triggered, this, &EditeurDate::DeroulerCalendrier);
}

QCalendarWidget* EditeurDate::calendrier()
{
    if (m_calendrier != nullptr)
        return m_calendrier;
    m_deroulant = new QWidget(this, Qt::Popup);
    m_deroulant->setObjectName(QStringLiteral("deroulantCalendrier"));
    m_calendrier = new QCalendarWidget(m_deroulant);
    m_calendrier->setObjectName(QStringLiteral("calendrier"));
    m_calendrier->setGridVisible(true);
    m_calendrier->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    m_calendrier->setFirstDayOfWeek(Qt::Monday);
    m_calendrier->setLocale(QLocale(QLocale::French, QLocale::France));
    // The month arrows in the colours of the calendar's dark band.
    if (auto* precedent = m_calendrier->findChild<QToolButton*>(QStringLiteral("qt_calendar_prevmonth")))
        precedent->setIcon(Fleche(Qt::LeftArrow, Habillage::Creme));
    if (auto* suivant = m_calendrier->findChild<QToolButton*>(QStringLiteral("qt_calendar_nextmonth")))
        suivant->setIcon(Fleche(Qt::RightArrow, Habillage::Creme));
    auto* disposition = new QVBoxLayout(m_deroulant);
    disposition->setContentsMargins(1, 1, 1, 1);
    disposition->addWidget(m_calendrier);
    connect(m_calendrier, &QCalendarWidget::clicked, this, &EditeurDate::ChoisirDate);
    connect(m_calendrier, &QCalendarWidget::activated, this, &EditeurDate::ChoisirDate);
    return m_calendrier;
}

void EditeurDate::DeroulerCalendrier()
{
    QCalendarWidget* mois = calendrier();
    QDate date;
    mois->setSelectedDate(Formes::LireDate(text(), date) ? date : QDate::currentDate());
    m_deroulant->adjustSize();
    m_deroulant->move(mapToGlobal(QPoint(0, height())));
    m_deroulant->show();
    mois->setFocus();
}

void EditeurDate::ChoisirDate(const QDate& date)
{
    m_deroulant->hide();
    setText(Formes::TexteDate(date));
    setFocus();
}
