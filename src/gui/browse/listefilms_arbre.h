#pragma once

#include <QFont>
#include <QStringList>
#include <QStyledItemDelegate>
#include <QTreeView>

class QKeyEvent;
class QMouseEvent;

// The film list's tree control: one owner-drawn column, 29-pixel rows selected whole, no header,
// no expand buttons or lines, no scroll bars of its own. It reports the mouse presses, key releases
// and resizes that the list panel handles.
class ArbreFilms : public QTreeView
{
    Q_OBJECT

public:
    static constexpr int HauteurLigne = 29;

    explicit ArbreFilms(QWidget* parent = nullptr);

signals:
    void SourisEnfoncee(QMouseEvent* evenement); // after the tree's own handling (selection)
    void ToucheRelachee(QKeyEvent* evenement);   // auto-repeat releases left out
    void Redimensionne();

protected:
    void mousePressEvent(QMouseEvent* evenement) override;
    void keyReleaseEvent(QKeyEvent* evenement) override;
    void resizeEvent(QResizeEvent* evenement) override;
};

// Paints each row over its whole rectangle: background and text by state, a 1-pixel outline, the
// text wrapped inside its margins with an ellipsis, and the bullet.
class DelegueListeFilms : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit DelegueListeFilms(QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // Tahoma 8 points, or the closest font the system has.
    static QFont PoliceListe();
    // The lines drawn for a text in a rectangle of that size: wrapped at word boundaries, the last
    // line that fits ending with an ellipsis when the text goes on.
    static QStringList LignesAffichees(const QString& texte, const QFont& police, int largeur, int hauteur);
};
