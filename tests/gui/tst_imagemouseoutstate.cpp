#include "tests.h"
#include "widgets/imagemouseoutstate.h"

#include <QEnterEvent>
#include <QSignalSpy>
#include <QTest>

namespace {

QPixmap Pastille(const QColor& couleur, QSize taille = QSize(40, 20))
{
    QPixmap image(taille);
    image.fill(couleur);
    return image;
}

bool MemeImage(const QPixmap& a, const QPixmap& b)
{
    return a.isNull() == b.isNull() && a.toImage() == b.toImage();
}

void Entrer(QWidget* w)
{
    const QPointF local(w->width() / 2.0, w->height() / 2.0);
    QEnterEvent entree(local, local, w->mapToGlobal(local));
    QApplication::sendEvent(w, &entree);
}

void Quitter(QWidget* w)
{
    QEvent sortie(QEvent::Leave);
    QApplication::sendEvent(w, &sortie);
}

} // namespace

class TestImageMouseOutState : public QObject
{
    Q_OBJECT

private:
    QPixmap normale = Pastille(Qt::white);
    QPixmap survol = Pastille(Qt::yellow);
    QPixmap enfoncee = Pastille(Qt::red);
    QPixmap inactive = Pastille(Qt::gray);

    void Equiper(TImageMouseOutState& bouton)
    {
        bouton.setNormalPicture(normale);
        bouton.setEnterPicture(survol);
        bouton.setDownPicture(enfoncee);
        bouton.setDisablePicture(inactive);
        bouton.setPicture(normale);
    }

private slots:
    void nouveauBouton()
    {
        TImageMouseOutState bouton;
        QCOMPARE(bouton.size(), QSize(64, 64));
        QCOMPARE(bouton.cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(bouton.NormalPicture().isNull());
        QVERIFY(bouton.EnterPicture().isNull());
        QVERIFY(bouton.DownPicture().isNull());
        QVERIFY(bouton.DisablePicture().isNull());
        bouton.setHint(QStringLiteral("Précédent"));
        QCOMPARE(bouton.toolTip(), QStringLiteral("Précédent"));
    }

    // The button shows each state's picture as the mouse moves over it and presses it; the
    // notification comes before the picture changes.
    void etatsSouris()
    {
        TImageMouseOutState bouton;
        Equiper(bouton);
        QSignalSpy entrees(&bouton, &TImageMouseOutState::OnMouseEnter);
        QSignalSpy sorties(&bouton, &TImageMouseOutState::OnMouseLeave);
        QSignalSpy clics(&bouton, &TImageMouseOutState::OnClick);
        QPixmap vueALEntree, vueALaSortie, vueALaPression;
        connect(&bouton, &TImageMouseOutState::OnMouseEnter, this, [&] { vueALEntree = bouton.Picture(); });
        connect(&bouton, &TImageMouseOutState::OnMouseLeave, this, [&] { vueALaSortie = bouton.Picture(); });
        connect(&bouton, &TImageMouseOutState::OnMouseDown, this, [&] { vueALaPression = bouton.Picture(); });

        Entrer(&bouton);
        QCOMPARE(entrees.count(), 1);
        QVERIFY(MemeImage(vueALEntree, normale));
        QVERIFY(MemeImage(bouton.Picture(), survol));
        QVERIFY(MemeImage(bouton.pixmap(), survol));

        QTest::mousePress(&bouton, Qt::LeftButton);
        QVERIFY(MemeImage(vueALaPression, survol));
        QVERIFY(MemeImage(bouton.Picture(), enfoncee));
        QCOMPARE(clics.count(), 0);

        QTest::mouseRelease(&bouton, Qt::LeftButton);
        QVERIFY(MemeImage(bouton.Picture(), normale));
        QCOMPARE(clics.count(), 1);

        Entrer(&bouton);
        Quitter(&bouton);
        QCOMPARE(sorties.count(), 1);
        QVERIFY(MemeImage(vueALaSortie, survol));
        QVERIFY(MemeImage(bouton.Picture(), normale));
    }

    void sortieBoutonInactif()
    {
        TImageMouseOutState bouton;
        Equiper(bouton);
        Entrer(&bouton);
        bouton.setEnabled(false);
        Quitter(&bouton);
        QVERIFY(MemeImage(bouton.Picture(), inactive));
    }

    // Any button shows the pressed picture; only the left one released over the button clicks.
    void clic_data()
    {
        QTest::addColumn<Qt::MouseButton>("bouton");
        QTest::addColumn<bool>("relacheDessus");
        QTest::addColumn<bool>("clic");
        QTest::newRow("gauche, dessus") << Qt::LeftButton << true << true;
        QTest::newRow("gauche, relâché ailleurs") << Qt::LeftButton << false << false;
        QTest::newRow("droit, dessus") << Qt::RightButton << true << false;
        QTest::newRow("milieu, dessus") << Qt::MiddleButton << true << false;
    }

    void clic()
    {
        QFETCH(Qt::MouseButton, bouton);
        QFETCH(bool, relacheDessus);
        QFETCH(bool, clic);
        TImageMouseOutState image;
        Equiper(image);
        int pressions = 0;
        connect(&image, &TImageMouseOutState::OnMouseDown, this, [&] { ++pressions; });
        QSignalSpy clics(&image, &TImageMouseOutState::OnClick);
        QTest::mousePress(&image, bouton, {}, QPoint(5, 5));
        QCOMPARE(pressions, 1);
        QVERIFY(MemeImage(image.Picture(), enfoncee));
        QTest::mouseRelease(&image, bouton, {}, relacheDessus ? QPoint(6, 6) : QPoint(-30, 90));
        QVERIFY(MemeImage(image.Picture(), normale));
        QCOMPARE(clics.count(), clic ? 1 : 0);
    }

    // Setting a state picture stores a copy and leaves the shown picture alone.
    void changerImageEtat_data()
    {
        QTest::addColumn<int>("etat");
        QTest::newRow("NormalPicture") << 0;
        QTest::newRow("DownPicture") << 1;
        QTest::newRow("DisablePicture") << 2;
        QTest::newRow("EnterPicture") << 3;
    }

    void changerImageEtat()
    {
        QFETCH(int, etat);
        TImageMouseOutState bouton;
        Equiper(bouton);
        QPixmap nouvelle = Pastille(Qt::blue);
        switch (etat) {
        case 0:
            bouton.setNormalPicture(nouvelle);
            break;
        case 1:
            bouton.setDownPicture(nouvelle);
            break;
        case 2:
            bouton.setDisablePicture(nouvelle);
            break;
        default:
            bouton.setEnterPicture(nouvelle);
        }
        QVERIFY(MemeImage(bouton.Picture(), normale));
        // Drawing on the caller's picture afterwards does not reach the button's copy.
        nouvelle.fill(Qt::green);
        const QPixmap& stockee = etat == 0   ? bouton.NormalPicture()
                                 : etat == 1 ? bouton.DownPicture()
                                 : etat == 2 ? bouton.DisablePicture()
                                             : bouton.EnterPicture();
        QVERIFY(MemeImage(stockee, Pastille(Qt::blue)));
    }

    void tailleAutomatique()
    {
        TImageMouseOutState bouton;
        bouton.setDownPicture(Pastille(Qt::red, QSize(53, 26)));
        QCOMPARE(bouton.size(), QSize(64, 64));
        bouton.setAutoSize(true);
        bouton.setPicture(Pastille(Qt::white, QSize(61, 18)));
        QCOMPARE(bouton.size(), QSize(61, 18));
        QTest::mousePress(&bouton, Qt::LeftButton);
        QCOMPARE(bouton.size(), QSize(53, 26));
        // No normal picture: the release shows an empty picture and the size stays.
        QTest::mouseRelease(&bouton, Qt::LeftButton);
        QVERIFY(bouton.Picture().isNull());
        QCOMPARE(bouton.size(), QSize(53, 26));
    }
};

QObject* CreerTestImageMouseOutState()
{
    return new TestImageMouseOutState;
}

#include "tst_imagemouseoutstate.moc"
