// What the sheet view opens: the film's site, the actors window on a clicked actor, the enlargement
// window with the full-size cover, and the notes window.
#include "app/erreurs.h"
#include "catalogue/tdm.h"
#include "fichefilm.h"
#include "fichefilm_etiquette.h"
#include "imaging/jpeg.h"
#include "print/formagrandissement.h"
#include "reference/acteurs.h"
#include "windows/formnotes.h"

#include <QDesktopServices>
#include <QHelpEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QToolTip>
#include <QUrl>

void TFicheFilm::lbSiteDblClick()
{
    const QString site = lbSite->text();
    if (site.isEmpty())
        return;
    // A web address opens in the browser, a file in its own program.
    QDesktopServices::openUrl(QUrl::fromUserInput(site));
}

void TFicheFilm::lbActeursListBoxClick()
{
    if (m_dm == nullptr)
        return;
    const QListWidgetItem* entree = lbActeurs->currentItem();
    if (entree == nullptr || !entree->isSelected())
        return;
    const QString nom = RognerTexte(entree->text());
    if (m_dm->tbActeurs().Locate(QStringLiteral("NomPrenom"), nom) && afficherActeurs)
        afficherActeurs();
}

void TFicheFilm::PicShowClick()
{
    if (m_dm == nullptr || m_agrandissement == nullptr)
        return;
    const Table& film = m_dm->tbFilms();
    // The default picture is never enlarged.
    if (film.EstNul(QStringLiteral("BlobPicture")))
        return;
    QString erreur;
    const QImage image = DecoderJpeg(film.Blob(QStringLiteral("BlobPicture")), QSize(), &erreur);
    if (image.isNull()) {
        AfficherErreurApplication(erreur);
        return;
    }
    m_agrandissement->setWindowTitle(film.Texte(QStringLiteral("Titre")));
    m_agrandissement->definirImage(image);
    m_agrandissement->show();
    m_agrandissement->raise();
}

void TFicheFilm::imgNotesClick()
{
    if (m_dm == nullptr || m_notes == nullptr)
        return;
    m_notes->memoNotes->clear();
    const QString notes = m_dm->tbFilms().Texte(QStringLiteral("Notes"));
    if (notes.isEmpty())
        return;
    m_notes->memoNotes->setPlainText(notes);
    m_notes->show();
}

bool TFicheFilm::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet == imgNotes && evenement->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(evenement)->button() == Qt::LeftButton &&
        imgNotes->rect().contains(static_cast<QMouseEvent*>(evenement)->position().toPoint())) {
        ExecuterCommande([this] { imgNotesClick(); });
        return true;
    }
    // The notes and the country are the user's own text: shown as plain text, never read as markup.
    if ((objet == imgNotes || objet == imgFlag) && evenement->type() == QEvent::ToolTip) {
        auto* image = static_cast<QWidget*>(objet);
        const QString bulle = image->toolTip();
        if (bulle.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(static_cast<QHelpEvent*>(evenement)->globalPos(),
                               Qt::convertFromPlainText(bulle, Qt::WhiteSpaceNormal), image);
        return true;
    }
    return QWidget::eventFilter(objet, evenement);
}
