#include "pageaccueil.h"

#include "app/erreurs.h"
#include "browse/listefilms.h"
#include "catalogue/tdm.h"
#include "couverturesaccueil.h"
#include "imgaccueil.h"
#include "system/programme.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QPixmap>
#include <QWidget>

namespace {

constexpr int OpacitePale = 180;
constexpr int OpaciteVive = 255;

} // namespace

QUrl AdresseTelechargement()
{
    return QUrl(AdresseSiteEditeur).resolved(QUrl(PageTelechargement));
}

PageAccueil::PageAccueil(QWidget* pnAccueil, QWidget* client) : QObject(pnAccueil), m_pnAccueil(pnAccueil)
{
    setObjectName(QStringLiteral("PageAccueil"));
    imgAccueil = new ImgAccueil(pnAccueil);
    imgAccueil->setGeometry(44, 153, 734, 315);
    connect(imgAccueil, &ImgAccueil::OnMouseMove, this, Commande(this, &PageAccueil::ImgAccueilMouseMove));
    connect(imgAccueil, &ImgAccueil::OnMouseDown, this, Commande(this, &PageAccueil::ImgAccueilMouseDown));
    animation = new AnimationAccueil(pnAccueil, client);
}

void PageAccueil::ChargerImages()
{
    imgAccueil->DefinirImage(
        QPixmap(DossierProgramme() + QStringLiteral("images/interface/bandeau_accueil.png")));
}

void PageAccueil::ViderCouvertures()
{
    for (CouvertureAccueil& c : CouverturesAccueil) {
        imgAccueil->DetruireCouche(c.couche);
        c = CouvertureAccueil();
    }
}

Resultat PageAccueil::ChargerAccueil()
{
    ViderCouvertures();
    if (m_dm == nullptr)
        return Resultat::Succes();
    std::vector<CouvertureLue> couvertures;
    const Resultat r = LireCouverturesAccueil(m_dm->query(), couvertures);
    // What was read before a failure still shows.
    for (int k = 0; k < static_cast<int>(couvertures.size()); ++k) {
        CoucheImage* couche = imgAccueil->AjouterCouche();
        CouverturesAccueil[k].couche = couche;
        CouverturesAccueil[k].titre = couvertures[k].titre;
        couche->DefinirBitmap(couvertures[k].image);
        couche->DefinirOpacite(OpacitePale);
        couche->DefinirEmplacement(EmplacementCouvertureAccueil(k));
    }
    return r;
}

void PageAccueil::ImgAccueilMouseMove(QMouseEvent*, CoucheImage* couche)
{
    for (CouvertureAccueil& c : CouverturesAccueil) {
        if (c.couche != nullptr)
            c.couche->DefinirOpacite(OpacitePale);
    }
    if (couche != nullptr)
        couche->DefinirOpacite(OpaciteVive);
    else if (QWidget::mouseGrabber() == imgAccueil)
        imgAccueil->releaseMouse();
}

void PageAccueil::ImgAccueilMouseDown(QMouseEvent*, CoucheImage* couche)
{
    if (couche == nullptr) {
        if (QWidget::mouseGrabber() == imgAccueil)
            imgAccueil->releaseMouse();
        return;
    }
    couche->DefinirOpacite(OpaciteVive);
    const CouvertureAccueil* choisie = nullptr;
    for (const CouvertureAccueil& c : CouverturesAccueil) {
        if (c.couche == couche) {
            choisie = &c;
            break;
        }
    }
    if (choisie == nullptr || m_liste == nullptr)
        return;
    const QString titre = choisie->titre;
    // The list back to its alphabetical titles, the film selected in it and shown.
    if (!SignalerEchec(m_liste->ChargerValeursDistinctes(QStringLiteral("Titre"), ListeTitres())))
        return;
    m_liste->RemplirListeFilms(ListeTitres(), QString());
    m_liste->SelectionnerTitre(titre, true);
    // At once, whatever animation was running.
    animation->Interrompre();
    m_pnAccueil->hide();
}

void PageAccueil::OuvrirAccueil()
{
    animation->Ouvrir();
}

void PageAccueil::FermerAccueil()
{
    animation->Fermer();
}

void PageAccueil::bnLienTelechargerClick()
{
    QDesktopServices::openUrl(AdresseTelechargement());
}
