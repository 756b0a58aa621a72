#pragma once

#include <QLineEdit>

class QCalendarWidget;

// A date typed in the program's form dd/mm/yyyy through an edit mask, with a month calendar that drops
// down from the button at its right. The text may stay empty or half typed: the caller decides what
// such a text means.
class EditeurDate : public QLineEdit
{
    Q_OBJECT

public:
    explicit EditeurDate(QWidget* parent = nullptr);

    // The drop-down calendar, created on first use.
    QCalendarWidget* calendrier();

public slots:
    // Drops the calendar down below the editor, on the date typed or else on today.
    void DeroulerCalendrier();

private:
    void ChoisirDate(const QDate& date);

    QWidget* m_deroulant = nullptr;
    QCalendarWidget* m_calendrier = nullptr;
};
