#pragma once

#include "animationaccueil.h"
#include "resultat.h"

#include <QObject>
#include <QString>
#include <QUrl>
#include <array>

class CoucheImage;
class ImgAccueil;
class ListeFilms;
class QMouseEvent;
class QWidget;
class Tdm;

// The address of the maker's site, and the download page on it that the home page links to.
inline const QString AdresseSiteEditeur = QStringLiteral("https://www.kinobral.fr/");
inline const QString PageTelechargement =
    QStringLiteral("catalogues_logiciels/kinobral_2005/telechargement.htm");
QUrl AdresseTelechargement();

// The home page pnAccueil: the strip of the latest films' covers, lit under the pointer and opening
// the film on a click, and the iris animations that show and hide the page.
class PageAccueil : public QObject
{
    Q_OBJECT

public:
    // `pnAccueil` is the panel, already made; `client` the window whose client area it covers.
    PageAccueil(QWidget* pnAccueil, QWidget* client);

    void AttacherDataModule(Tdm& dm) { m_dm = &dm; }
    void AttacherListe(ListeFilms* liste) { m_liste = liste; }
    // The strip's picture, from the program folder (known once the window's creation has set it).
    void ChargerImages();

    // One slot per cover position: its layer on the strip, or none, and the title of its film.
    struct CouvertureAccueil
    {
        CoucheImage* couche = nullptr;
        QString titre;
    };
    std::array<CouvertureAccueil, 4> CouverturesAccueil;

    // Rebuilds the covers from the catalogue (the three latest films with a cover).
    Resultat ChargerAccueil();
    // Shows the page with its opening animation; the covers are not reloaded.
    void OuvrirAccueil();
    // Hides the page with its closing animation.
    void FermerAccueil();

    ImgAccueil* imgAccueil = nullptr;
    AnimationAccueil* animation = nullptr;

public slots:
    void ImgAccueilMouseMove(QMouseEvent* evenement, CoucheImage* couche);
    void ImgAccueilMouseDown(QMouseEvent* evenement, CoucheImage* couche);
    void bnLienTelechargerClick();

private:
    void ViderCouvertures();

    QWidget* m_pnAccueil;
    Tdm* m_dm = nullptr;
    ListeFilms* m_liste = nullptr;
};
