#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWidget>

class QCalendarWidget;
class QToolButton;

// The editor's own kinds of text box.

// A multi-line box: Enter inserts a line break, Tab moves on to the next editor. With a maximum
// length, typing or pasting past it is refused (what does not fit is not inserted), so the store
// never has to cut the text; line breaks count as the two characters CR LF that are stored.
class ZoneTexte : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit ZoneTexte(QWidget* parent = nullptr);

    // 0: no limit.
    void setMaxLength(int longueur) { m_maxLength = longueur; }
    int maxLength() const { return m_maxLength; }

private:
    void Limiter(int position, int retires, int ajoutes);

    int m_maxLength = 0;
    bool m_limitation = false;
};

// A masked text box whose blank positions read as spaces, so that an empty one reads as its mask
// ("  :  :  ", "  /  /    ").
class ChampMasque : public QLineEdit
{
    Q_OBJECT

public:
    // `masque` in the toolkit's notation, e.g. "09:99:99".
    ChampMasque(const QString& masque, QWidget* parent = nullptr);

    // What the box shows, blanks as spaces.
    QString texte() const { return displayText(); }
    // Whether only the blanks and the separators are left.
    bool estVide() const;
};

// A masked date box "jj/mm/aaaa" with a calendar button: the day and month digits may be left out,
// the year takes four. The calendar starts its weeks on Sunday.
class ChampDate : public QWidget
{
    Q_OBJECT

public:
    explicit ChampDate(QWidget* parent = nullptr);

    QString texte() const { return edition->texte(); }
    void setTexte(const QString& texte);

    ChampMasque* edition = nullptr;
    QToolButton* bnCalendrier = nullptr;
    QCalendarWidget* calendrier = nullptr; // inside its pop-up frame, made on first use

public slots:
    void bnCalendrierClick();

protected:
    void resizeEvent(QResizeEvent* evenement) override;

private:
    QWidget* m_popup = nullptr;
};
