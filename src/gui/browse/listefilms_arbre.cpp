#include "listefilms_arbre.h"

#include <QFontDatabase>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTextLayout>
#include <vector>

namespace {

const QColor FondSelection(222, 186, 128);
const QColor FondGroupe(208, 154, 98);
const QColor FondTitre(246, 234, 200);
const QColor Contour(157, 119, 80);

} // namespace

ArbreFilms::ArbreFilms(QWidget* parent) : QTreeView(parent)
{
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setIndentation(0);
    setItemsExpandable(true);
    setExpandsOnDoubleClick(true);
    setAnimated(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setAllColumnsShowFocus(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    // The list panel's own scroll bar stands beside the tree instead.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::NoFrame);
    header()->setStretchLastSection(false);
    viewport()->setCursor(Qt::PointingHandCursor);
    setCursor(Qt::PointingHandCursor);
    QPalette creme = palette();
    creme.setColor(QPalette::Base, FondTitre);
    creme.setColor(QPalette::Window, FondTitre);
    setPalette(creme);
}

void ArbreFilms::mousePressEvent(QMouseEvent* evenement)
{
    QTreeView::mousePressEvent(evenement);
    emit SourisEnfoncee(evenement);
}

void ArbreFilms::keyReleaseEvent(QKeyEvent* evenement)
{
    QTreeView::keyReleaseEvent(evenement);
    // A held key repeats press and release: the film is shown once, when the key really comes up.
    if (!evenement->isAutoRepeat())
        emit ToucheRelachee(evenement);
}

void ArbreFilms::resizeEvent(QResizeEvent* evenement)
{
    QTreeView::resizeEvent(evenement);
    emit Redimensionne();
}

DelegueListeFilms::DelegueListeFilms(QObject* parent) : QStyledItemDelegate(parent) {}

QFont DelegueListeFilms::PoliceListe()
{
    // The Tahoma clone, when installed, gives the rows their intended metrics.
    static const bool chargee = [] {
        if (!QFontDatabase::families().contains(QStringLiteral("Tahoma"))) {
            QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/wine/fonts/tahoma.ttf"));
            QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/wine/fonts/tahomabd.ttf"));
        }
        return true;
    }();
    Q_UNUSED(chargee);
    QFont police(QStringLiteral("Tahoma"));
    police.setPointSize(8);
    return police;
}

QStringList DelegueListeFilms::LignesAffichees(const QString& texte, const QFont& police, int largeur,
                                               int hauteur)
{
    QStringList lignes;
    if (texte.isEmpty() || largeur <= 0)
        return lignes;
    const QFontMetrics mesures(police);
    QTextLayout mise(texte, police);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    mise.setTextOption(option);

    struct Morceau
    {
        int debut;
        int longueur;
    };
    std::vector<Morceau> morceaux;
    bool suite = false;
    int y = 0;
    mise.beginLayout();
    for (;;) {
        QTextLine ligne = mise.createLine();
        if (!ligne.isValid())
            break;
        ligne.setLineWidth(largeur);
        // The first line is always drawn; the next ones only when they fit whole.
        if (!morceaux.empty() && y + mesures.height() > hauteur) {
            suite = true;
            break;
        }
        morceaux.push_back({ligne.textStart(), ligne.textLength()});
        y += mesures.lineSpacing();
    }
    mise.endLayout();

    for (std::size_t i = 0; i < morceaux.size(); ++i) {
        const bool derniere = i + 1 == morceaux.size();
        const QString morceau = derniere && suite ? texte.mid(morceaux[i].debut)
                                                  : texte.mid(morceaux[i].debut, morceaux[i].longueur);
        // The last line drawn carries the rest of the text, cut with an ellipsis.
        lignes << mesures.elidedText(morceau.trimmed(), Qt::ElideRight, largeur);
    }
    return lignes;
}

QSize DelegueListeFilms::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const
{
    return QSize(option.rect.width(), ArbreFilms::HauteurLigne);
}

void DelegueListeFilms::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const
{
    const bool selectionne = option.state.testFlag(QStyle::State_Selected);
    const bool niveau0 = !index.parent().isValid();
    QColor fond = FondTitre;
    QColor encre = Qt::black;
    QFont police = PoliceListe();
    if (selectionne) {
        fond = FondSelection;
        police.setBold(true);
    } else if (niveau0) {
        fond = FondGroupe;
        encre = Qt::white;
        police.setBold(true);
        police.setUnderline(true);
    }

    const QRect r = option.rect;
    painter->save();
    painter->fillRect(r, fond);
    painter->setPen(Contour);
    painter->setBrush(fond);
    painter->drawRect(r.adjusted(0, 0, -1, -1));

    const int marge = niveau0 ? 12 : 20;
    const QRect zone = r.adjusted(marge, 1, -marge, -1);
    const QFontMetrics mesures(police);
    painter->setFont(police);
    painter->setPen(encre);
    painter->setClipRect(zone);
    int y = zone.top();
    const QString texte = index.data(Qt::DisplayRole).toString();
    for (const QString& ligne : LignesAffichees(texte, police, zone.width(), zone.height())) {
        painter->drawText(QRect(zone.left(), y, zone.width(), mesures.height()),
                          Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, ligne);
        y += mesures.lineSpacing();
    }
    painter->setClipping(false);

    // The bullet: a square for a heading or group, a disc for a title.
    const QRect puce(r.left() + (niveau0 ? 2 : 8), zone.top() + 4, 5, 5);
    if (niveau0) {
        painter->fillRect(puce, encre);
    } else {
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(Qt::NoPen);
        painter->setBrush(encre);
        painter->drawEllipse(QRectF(puce));
    }
    painter->restore();
}
