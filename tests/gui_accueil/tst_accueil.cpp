// The home page: the covers of the latest films, lit under the pointer and opening the film on a
// click, the iris animations, and the download link.
#include "app/erreurs.h"
#include "banc.h"
#include "browse/fichefilm.h"
#include "browse/fichefilm_etiquette.h"
#include "browse/listefilms.h"
#include "home/couverturesaccueil.h"
#include "home/imgaccueil.h"
#include "home/pageaccueil.h"
#include "system/programme.h"
#include "tests.h"
#include "widgets/boitemessage.h"
#include "widgets/imagemouseoutstate.h"
#include "widgets/panneauimage.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>

Q_DECLARE_METATYPE(QList<FilmAccueil>)

namespace {

using C = FilmAccueil::Couverture;

const QList<FilmAccueil> TroisFilms{{"Deux mille quatre", "01/01/2004"},
                                    {"Deux mille cinq", "01/01/2005"},
                                    {"Deux mille trois", "01/01/2003"}};

void Souris(QWidget* w, QEvent::Type type, QPoint point, Qt::MouseButton bouton = Qt::NoButton)
{
    QMouseEvent evenement(type, point, w->mapToGlobal(point), bouton,
                          type == QEvent::MouseButtonPress ? Qt::MouseButtons(bouton) : Qt::NoButton, {});
    QApplication::sendEvent(w, &evenement);
}

QPoint CentreCouverture(int k)
{
    return EmplacementCouvertureAccueil(k).center();
}

} // namespace

// Records the addresses the desktop is asked to open.
class OuvreurLiens : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> adresses;

public slots:
    void ouvrir(const QUrl& adresse) { adresses << adresse; }
};

class TestAccueil : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir environnement;
    QStringList erreurs;

    static PageAccueil& Page(Banc& b) { return *b.f().pageAccueil; }
    static QStringList TitresAffiches(Banc& b)
    {
        QStringList titres;
        for (const auto& c : Page(b).CouverturesAccueil)
            if (c.couche != nullptr)
                titres << c.titre;
        return titres;
    }
    static QList<int> Opacites(Banc& b)
    {
        QList<int> opacites;
        for (const auto& c : Page(b).CouverturesAccueil)
            if (c.couche != nullptr)
                opacites << c.couche->Opacite();
        return opacites;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(environnement.isValid());
        for (const char* variable : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "TMPDIR"}) {
            const QString dossier = environnement.filePath(QString::fromLatin1(variable));
            QVERIFY(QDir().mkpath(dossier));
            qputenv(variable, QFile::encodeName(dossier));
        }
        BoiteMessage::definirRepondeur(
            [](BoiteMessage::Type, const QString&) { return BoiteMessage::Reponse::Non; });
        DefinirAfficheurErreur([this](const QString& texte) { erreurs << texte; });
    }

    void cleanupTestCase()
    {
        BoiteMessage::definirRepondeur({});
        DefinirAfficheurErreur({});
    }

    void init() { erreurs.clear(); }

    // The latest release on the left; films without a readable cover take no frame.
    void ordre_data()
    {
        QTest::addColumn<QList<FilmAccueil>>("films");
        QTest::addColumn<QStringList>("attendus");
        QTest::newRow("trois films") << TroisFilms
                                     << QStringList{"Deux mille cinq", "Deux mille quatre",
                                                    "Deux mille trois"};
        QTest::newRow("le quatrième laissé de côté")
            << (TroisFilms + QList<FilmAccueil>{{"Deux mille un", "01/01/2001"}})
            << QStringList{"Deux mille cinq", "Deux mille quatre", "Deux mille trois"};
        QTest::newRow("le plus récent sans couverture")
            << (TroisFilms + QList<FilmAccueil>{{"Sans image", "01/01/2006", C::Aucune}})
            << QStringList{"Deux mille cinq", "Deux mille quatre", "Deux mille trois"};
        QTest::newRow("une couverture illisible")
            << (TroisFilms + QList<FilmAccueil>{{"Illisible", "15/06/2004", C::Illisible},
                                                {"Deux mille deux", "01/01/2002"}})
            << QStringList{"Deux mille cinq", "Deux mille quatre", "Deux mille trois"};
        QTest::newRow("deux couvertures seulement") << QList<FilmAccueil>{{"Ancien", "02/02/1950"},
                                                                          {"Nu", "01/01/2010", C::Aucune},
                                                                          {"Récent", "03/03/2003"}}
                                                    << QStringList{"Récent", "Ancien"};
        QTest::newRow("aucune couverture")
            << QList<FilmAccueil>{{"Nu", "01/01/2010", C::Aucune}} << QStringList{};
        QTest::newRow("catalogue vide") << QList<FilmAccueil>{} << QStringList{};
    }

    void ordre()
    {
        QFETCH(QList<FilmAccueil>, films);
        QFETCH(QStringList, attendus);
        Banc b(films);
        QVERIFY(b.estPret());
        QCOMPARE(erreurs, QStringList());
        QCOMPARE(TitresAffiches(b), attendus);
        // Filled from the left; the fourth slot never used.
        for (int k = 0; k < 4; ++k)
            QCOMPARE(Page(b).CouverturesAccueil[k].couche != nullptr, k < attendus.size());
        QCOMPARE(Page(b).imgAccueil->NombreCouches(), attendus.size());
        QCOMPARE(Page(b).imgAccueil->geometry(), QRect(44, 153, 734, 315));
        QVERIFY(!Page(b).imgAccueil->Image().isNull());
        for (int k = 0; k < attendus.size(); ++k) {
            const CoucheImage* couche = Page(b).CouverturesAccueil[k].couche;
            QCOMPARE(couche->Emplacement(), QRect(24 + 240 * k, 21, 205, 273));
            QCOMPARE(couche->Opacite(), 180);
            // Decoded once, at the size it is shown, from that film's own picture.
            QCOMPARE(couche->Bitmap().size(), QSize(205, 273));
            const QColor centre = couche->Bitmap().pixelColor(150, 200);
            const QColor attendu(CouleurCouverture(attendus[k]));
            QVERIFY2(qAbs(centre.red() - attendu.red()) < 8 && qAbs(centre.green() - attendu.green()) < 8 &&
                         qAbs(centre.blue() - attendu.blue()) < 8,
                     qPrintable(attendus[k]));
            // Blended over the strip: what the surface paints there is neither the cover nor the frame.
            const QImage rendu = Page(b).imgAccueil->grab().toImage();
            const QColor peint = rendu.pixelColor(couche->Emplacement().topLeft() + QPoint(150, 200));
            QVERIFY(peint != centre);
        }
        // The hit test finds each cover in its frame, none in the dark space between them.
        for (int k = 0; k < attendus.size(); ++k)
            QCOMPARE(Page(b).imgAccueil->CoucheSous(CentreCouverture(k)),
                     Page(b).CouverturesAccueil[k].couche);
        QCOMPARE(Page(b).imgAccueil->CoucheSous(QPoint(24 + 205 + 5, 150)), nullptr);
    }

    // Reopening the catalogue reloads the covers: a newer film with a cover becomes the leftmost one;
    // a deleted film keeps its cover until then.
    void rechargement()
    {
        Banc b(TroisFilms);
        QVERIFY(b.estPret());
        QVERIFY(b.dm().tbFilms().Locate(QStringLiteral("Titre"), QStringLiteral("Deux mille quatre")));
        QVERIFY(b.dm().tbFilms().Delete());
        QVERIFY(AjouterFilm(b.dm().tbFilms(), {{"Titre", "Nouveau"}, {"Sortie", "01/01/2007"}},
                            Jpeg(QSize(100, 140), CouleurCouverture(QStringLiteral("Nouveau")))));
        QCOMPARE(TitresAffiches(b),
                 (QStringList{"Deux mille cinq", "Deux mille quatre", "Deux mille trois"}));
        QVERIFY(b.dm().OuvrirBase());
        QCOMPARE(TitresAffiches(b), (QStringList{"Nouveau", "Deux mille cinq", "Deux mille trois"}));
        QCOMPARE(Page(b).imgAccueil->NombreCouches(), 3);
        QCOMPARE(erreurs, QStringList());
    }

    // The cover under the pointer is fully opaque, the others pale; between covers all are pale.
    void survol()
    {
        Banc b(TroisFilms);
        QVERIFY(b.estPret());
        ImgAccueil* img = Page(b).imgAccueil;
        Souris(img, QEvent::MouseMove, CentreCouverture(0));
        QCOMPARE(Opacites(b), (QList<int>{255, 180, 180}));
        Souris(img, QEvent::MouseMove, CentreCouverture(1));
        QCOMPARE(Opacites(b), (QList<int>{180, 255, 180}));
        Souris(img, QEvent::MouseMove, EmplacementCouvertureAccueil(2).bottomRight());
        QCOMPARE(Opacites(b), (QList<int>{180, 180, 255}));
        Souris(img, QEvent::MouseMove, QPoint(24 + 240 + 205 + 10, 150));
        QCOMPARE(Opacites(b), (QList<int>{180, 180, 180}));
        // The painted strip follows: the lit cover shows brighter than when pale.
        const QPoint dans = CentreCouverture(1);
        const QColor pale = img->grab().toImage().pixelColor(dans);
        Souris(img, QEvent::MouseMove, dans);
        const QColor vive = img->grab().toImage().pixelColor(dans);
        const CoucheImage* couche = Page(b).CouverturesAccueil[1].couche;
        QCOMPARE(vive, couche->Bitmap().pixelColor(dans - couche->Emplacement().topLeft()));
        QVERIFY(pale != vive);
    }

    // Any button on a cover: the list back to its titles, the film selected and shown, the home page
    // hidden at once. The cover stays lit until the pointer moves over the strip again.
    void clic_data()
    {
        QTest::addColumn<Qt::MouseButton>("bouton");
        QTest::newRow("gauche") << Qt::LeftButton;
        QTest::newRow("droit") << Qt::RightButton;
    }

    void clic()
    {
        QFETCH(Qt::MouseButton, bouton);
        Banc b(TroisFilms + QList<FilmAccueil>{{"Autre", "01/01/1990", C::Jpeg, "Vidal"}});
        QVERIFY(b.estPret());
        ListeFilms* liste = b.f().listeFilms;
        QVERIFY(liste->RemplirListeGroupee(QStringLiteral("Realisateur"), QStringLiteral("Titre")));
        QCOMPARE(liste->modele()->NombreGroupes(), 2);

        Souris(Page(b).imgAccueil, QEvent::MouseButtonPress, CentreCouverture(1), bouton);
        QVERIFY(!b.f().pnAccueil->isVisible());
        QCOMPARE(Page(b).animation->EnCours(), AnimationAccueil::Sens::Aucun);
        QCOMPARE(b.dm().tbFilms().Texte(QStringLiteral("Titre")), QStringLiteral("Deux mille quatre"));
        QCOMPARE(b.f().FicheFilm->lbTitre->text(), QStringLiteral("Deux mille quatre"));
        QCOMPARE(liste->Texte(liste->PremierSelectionne()), QStringLiteral("Deux mille quatre"));
        // Alphabetical again: one heading over every title.
        QCOMPARE(liste->modele()->NombreGroupes(), 1);
        QCOMPARE(liste->modele()->NombreEnfants(0), 4);
        QCOMPARE(ListeTitres(),
                 (QStringList{"Autre", "Deux mille cinq", "Deux mille quatre", "Deux mille trois"}));

        b.f().bnAccueilClick();
        QTRY_COMPARE(Page(b).animation->EnCours(), AnimationAccueil::Sens::Aucun);
        QCOMPARE(TitresAffiches(b).at(1), QStringLiteral("Deux mille quatre"));
        QCOMPARE(Opacites(b), (QList<int>{180, 255, 180}));
        QCOMPARE(erreurs, QStringList());
    }

    // A press outside the covers, or on a strip without covers, changes nothing.
    void clicHorsCouverture()
    {
        Banc b(TroisFilms);
        QVERIFY(b.estPret());
        b.dm().tbFilms().First();
        const QString courant = b.dm().tbFilms().Texte(QStringLiteral("Titre"));
        Souris(Page(b).imgAccueil, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton);
        QVERIFY(b.f().pnAccueil->isVisible());
        QCOMPARE(b.dm().tbFilms().Texte(QStringLiteral("Titre")), courant);
        QCOMPARE(Opacites(b), (QList<int>{180, 180, 180}));
    }

    // Circles of radius 8 to 504, then the whole panel; 50 ellipses from 800 × 600 down to 16 × 208.
    void etapes()
    {
        const auto ouverture = AnimationAccueil::EtapesOuverture(QSize(800, 600));
        QCOMPARE(ouverture.size(), std::size_t(63));
        QCOMPARE(ouverture.front(), QRect(QPoint(392, 292), QPoint(408, 308)));
        QCOMPARE(ouverture.back(), QRect(QPoint(400 - 504, 300 - 504), QPoint(400 + 504, 300 + 504)));
        const auto fermeture = AnimationAccueil::EtapesFermeture(QSize(800, 600));
        QCOMPARE(fermeture.size(), std::size_t(50));
        QCOMPARE(fermeture.front(), QRect(QPoint(-400, -300), QPoint(1200, 900)));
        QCOMPARE(fermeture.back(), QRect(QPoint(400 - 16, 300 - 208), QPoint(400 + 16, 300 + 208)));
    }

    // Step by step: each step clips the panel to its ellipse; the end leaves it whole, or hidden.
    void animationsPasAPas()
    {
        Banc b(TroisFilms);
        QVERIFY(b.estPret());
        AnimationAccueil& a = *Page(b).animation;
        QWidget* pn = b.f().pnAccueil;

        b.f().bnPrincipalClick();
        QCOMPARE(a.EnCours(), AnimationAccueil::Sens::Fermeture);
        QCOMPARE(pn->mask(), QRegion(QRect(QPoint(-400, -300), QPoint(1200, 900)), QRegion::Ellipse));
        // Clicks already go to what it uncovers.
        QCOMPARE(b.f().pnFond->childAt(400, 70), static_cast<QWidget*>(b.f().FicheFilm->lbTitre));
        int pas = 1;
        while (a.Avancer())
            ++pas;
        QCOMPARE(pas, 50);
        QVERIFY(!pn->isVisible());
        QCOMPARE(pn->size(), QSize(0, 0));

        b.f().bnAccueilClick();
        QCOMPARE(a.EnCours(), AnimationAccueil::Sens::Ouverture);
        QVERIFY(pn->isVisible());
        QCOMPARE(pn->geometry(), QRect(0, 0, 800, 600));
        QCOMPARE(pn->mask(), QRegion(QRect(QPoint(392, 292), QPoint(408, 308)), QRegion::Ellipse));
        QVERIFY(!pn->mask().contains(QPoint(10, 10)));
        pas = 1;
        while (a.Avancer())
            ++pas;
        QCOMPARE(pas, 63);
        QVERIFY(pn->mask().isEmpty());
        QCOMPARE(b.f().pnFond->childAt(10, 300), pn);
    }

    // Driven by the timer, each step painted; a command arriving meanwhile takes over and the
    // panel still ends whole or hidden, never half clipped.
    void animationsMinuterie_data()
    {
        QTest::addColumn<QStringList>("commandes");
        QTest::addColumn<bool>("visible");
        QTest::newRow("fermer") << QStringList{"fermer"} << false;
        QTest::newRow("fermer puis ouvrir") << QStringList{"fermer", "ouvrir"} << true;
        QTest::newRow("ouvrir puis fermer") << QStringList{"fermer", "attendre", "ouvrir", "fermer"} << false;
        QTest::newRow("fermer deux fois") << QStringList{"fermer", "fermer"} << false;
        QTest::newRow("ouvrir deux fois") << QStringList{"fermer", "attendre", "ouvrir", "ouvrir"} << true;
        QTest::newRow("recherche") << QStringList{"recherche"} << false;
        QTest::newRow("clic pendant l'ouverture")
            << QStringList{"fermer", "attendre", "ouvrir", "clic"} << false;
    }

    void animationsMinuterie()
    {
        QFETCH(QStringList, commandes);
        QFETCH(bool, visible);
        Banc b(TroisFilms);
        QVERIFY(b.estPret());
        AnimationAccueil& a = *Page(b).animation;
        QWidget* pn = b.f().pnAccueil;
        for (const QString& c : commandes) {
            if (c == QLatin1String("fermer"))
                QTest::mouseClick(b.f().bnPrincipal, Qt::LeftButton, {}, QPoint(3, 3));
            else if (c == QLatin1String("ouvrir"))
                QTest::mouseClick(b.f().bnAccueil, Qt::LeftButton, {}, QPoint(3, 3));
            else if (c == QLatin1String("recherche"))
                QTest::mouseClick(b.f().bnAccueilRecherche, Qt::LeftButton, {}, QPoint(3, 3));
            else if (c == QLatin1String("clic"))
                Souris(Page(b).imgAccueil, QEvent::MouseButtonPress, CentreCouverture(0), Qt::LeftButton);
            else
                QTRY_COMPARE(a.EnCours(), AnimationAccueil::Sens::Aucun);
            QTest::qWait(AnimationAccueil::IntervalleMs * 3);
        }
        QTRY_COMPARE(a.EnCours(), AnimationAccueil::Sens::Aucun);
        // Some more ticks: nothing is left running that could change it afterwards.
        QTest::qWait(AnimationAccueil::IntervalleMs * 5);
        QCOMPARE(pn->isVisible(), visible);
        QVERIFY(pn->mask().isEmpty());
        QVERIFY(!pn->testAttribute(Qt::WA_TransparentForMouseEvents));
        if (visible)
            QCOMPARE(pn->geometry(), QRect(0, 0, 800, 600));
        if (commandes.contains(QStringLiteral("recherche")))
            QVERIFY(b.f().findChild<QWidget*>(QStringLiteral("pnRechercher"))->isVisible());
        QCOMPARE(erreurs, QStringList());
    }

    // What an animation uncovers is painted on screen as it really is (the sheet view's scroll areas
    // and cover show, the strip of covers), not left with the pixels that were there before.
    void decouvertRepeint_data()
    {
        QTest::addColumn<bool>("rouvrir");
        QTest::addColumn<bool>("attendre");
        QTest::newRow("fermeture") << false << true;
        QTest::newRow("ouverture") << true << true;
        QTest::newRow("ouverture pendant la fermeture") << true << false;
    }

    void decouvertRepeint()
    {
        QFETCH(bool, rouvrir);
        QFETCH(bool, attendre);
        Banc b(TroisFilms);
        QVERIFY(b.estPret());
        b.f().bnPrincipalClick();
        if (attendre)
            QTRY_COMPARE(Page(b).animation->EnCours(), AnimationAccueil::Sens::Aucun);
        else
            QTest::qWait(AnimationAccueil::IntervalleMs * 20);
        if (rouvrir) {
            b.f().bnAccueilClick();
            QTRY_COMPARE(Page(b).animation->EnCours(), AnimationAccueil::Sens::Aucun);
        }
        QTest::qWait(50);
        const QImage ecran =
            b.f().screen()->grabWindow(b.f().winId()).toImage().convertToFormat(QImage::Format_RGB32);
        const QImage reel = b.f().grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(ecran.size(), reel.size());
        int differents = 0;
        for (int y = 0; y < reel.height(); ++y)
            for (int x = 0; x < reel.width(); ++x)
                differents += ecran.pixel(x, y) != reel.pixel(x, y) ? 1 : 0;
        // A text cursor may blink in between; stale areas are whole widgets.
        QVERIFY2(differents < 400, qPrintable(QString::number(differents)));
    }

    // The download page of the maker's site, opened by the desktop.
    void lienTelecharger()
    {
        Banc b({});
        QVERIFY(b.estPret());
        OuvreurLiens ouvreur;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &ouvreur, "ouvrir");
        QTest::mouseClick(b.f().bnLienTelecharger, Qt::LeftButton, {}, QPoint(3, 3));
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QCOMPARE(ouvreur.adresses,
                 QList<QUrl>{QUrl(QStringLiteral("https://www.kinobral.fr/catalogues_logiciels/kinobral_2005/"
                                                 "telechargement.htm"))});
        QVERIFY(b.f().pnAccueil->isVisible());
    }
};

QObject* CreerTestAccueil()
{
    return new TestAccueil;
}

#include "tst_accueil.moc"
