// The cover's picture show: transitions that run, end, stop, and 150 distinct effects.

#include "widgets/diaporama.h"
#include "widgets/transitions/catalogue.h"

#include <QCryptographicHash>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

namespace {

// Two pictures that differ at every pixel and have structure both ways, so that a picture that
// slides is told apart from one revealed in place.
QImage Ancienne()
{
    QImage image(235, 322, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 100 / 235, (y * 3) % 256, 40 + (x / 8 % 2) * 60));
    return image;
}

QImage Nouvelle()
{
    QImage image(235, 322, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(150 + (x * y) % 100, (x * 7) % 256, (y * 5) % 256));
    return image;
}

QByteArray Empreinte(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    return QCryptographicHash::hash(
        QByteArrayView(reinterpret_cast<const char*>(rgb.constBits()), rgb.sizeInBytes()),
        QCryptographicHash::Sha1);
}

QRgb Pixel(const QImage& image, int x, int y)
{
    return image.pixel(x, y) | 0xFF000000u;
}

} // namespace

class TestDiaporama : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void TransitionJusquAuBout_data();
    void TransitionJusquAuBout();
    void ArreterMontreLaNouvelle();
    void ChangerUneImageArrete();
    void EffetZeroGardeLAncienne();
    void ChaqueEffetEstUneVraieTransition();
    void EffetsDistincts();
    void EffetAuHasard();
    void Clic();

private:
    Diaporama* m_diaporama = nullptr;
};

void TestDiaporama::init()
{
    m_diaporama = new Diaporama;
    m_diaporama->definirFond(Ancienne());
    m_diaporama->definirImage(Nouvelle());
}

void TestDiaporama::cleanup()
{
    delete m_diaporama;
    m_diaporama = nullptr;
}

void TestDiaporama::TransitionJusquAuBout_data()
{
    QTest::addColumn<int>("effet");
    QTest::newRow("effet 0") << 0;
    QTest::newRow("balayage") << 1;
    QTest::newRow("blocs au hasard") << 50;
    QTest::newRow("horloge") << 90;
    QTest::newRow("poussée") << 113;
    QTest::newRow("dernier") << 149;
}

void TestDiaporama::TransitionJusquAuBout()
{
    QFETCH(int, effet);
    Diaporama& d = *m_diaporama;
    d.definirEffet(effet);
    QCOMPARE(d.effet(), effet);
    QSignalSpy terminee(&d, &Diaporama::transitionTerminee);
    d.show();
    d.Demarrer();
    QVERIFY(d.estOccupe());
    QCOMPARE(d.progression(), 0);
    QCOMPARE(Pixel(d.grab().toImage(), 117, 160), Ancienne().pixel(117, 160));

    QTRY_COMPARE_WITH_TIMEOUT(terminee.count(), 1, 20000);
    QVERIFY(!d.estOccupe());
    QCOMPARE(d.progression(), 100);
    const QImage ecran = d.grab().toImage();
    for (int x : {0, 117, 234})
        for (int y : {0, 160, 321})
            QCOMPARE(Pixel(ecran, x, y), Nouvelle().pixel(x, y));
}

void TestDiaporama::ArreterMontreLaNouvelle()
{
    Diaporama& d = *m_diaporama;
    d.definirEffet(0);
    QSignalSpy terminee(&d, &Diaporama::transitionTerminee);
    d.Demarrer();
    QVERIFY(d.estOccupe());
    d.Arreter();
    QVERIFY(!d.estOccupe());
    QCOMPARE(d.progression(), 100);
    QCOMPARE(Pixel(d.grab().toImage(), 117, 160), Nouvelle().pixel(117, 160));
    // Stopped is not finished: the sheet stops a transition to start the next one.
    QCOMPARE(terminee.count(), 0);
    d.Arreter(); // idle: nothing to do
    QVERIFY(!d.estOccupe());
}

void TestDiaporama::ChangerUneImageArrete()
{
    // The pictures never change under a running transition: changing one ends it first.
    Diaporama& d = *m_diaporama;
    d.definirEffet(77);
    d.Demarrer();
    d.definirImage(Ancienne());
    QVERIFY(!d.estOccupe());
    d.Demarrer();
    d.definirFond(Nouvelle());
    QVERIFY(!d.estOccupe());
    QCOMPARE(Pixel(d.grab().toImage(), 117, 160), Ancienne().pixel(117, 160));
}

void TestDiaporama::EffetZeroGardeLAncienne()
{
    Diaporama& d = *m_diaporama;
    d.definirEffet(0);
    d.show();
    d.Demarrer();
    // Look at every step the event loop lets through until the end.
    int etapesVues = 0;
    while (d.estOccupe()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        if (d.estOccupe() && d.progression() > 0) {
            ++etapesVues;
            const QImage ecran = d.grab().toImage();
            QCOMPARE(Pixel(ecran, 117, 160), Ancienne().pixel(117, 160));
            QCOMPARE(Pixel(ecran, 5, 300), Ancienne().pixel(5, 300));
        }
    }
    QVERIFY(etapesVues > 0);
    QCOMPARE(Pixel(d.grab().toImage(), 117, 160), Nouvelle().pixel(117, 160));
}

void TestDiaporama::ChaqueEffetEstUneVraieTransition()
{
    Diaporama& d = *m_diaporama;
    const QByteArray ancienne = Empreinte(Ancienne()), nouvelle = Empreinte(Nouvelle());
    for (int effet = 0; effet < NombreEffets; ++effet) {
        d.definirEffet(effet);
        QCOMPARE(Empreinte(d.RendreEtape(0)), ancienne);
        QCOMPARE(Empreinte(d.RendreEtape(100)), nouvelle);
        for (int progression : {2, 26, 50, 74, 98}) {
            const QByteArray etape = Empreinte(d.RendreEtape(progression));
            const QString ou = QStringLiteral("effet %1 à %2 %").arg(effet).arg(progression);
            if (effet == 0) {
                QVERIFY2(etape == ancienne, qPrintable(ou));
            } else if (progression == 50) {
                // Halfway, every other effect shows something of both pictures.
                QVERIFY2(etape != ancienne && etape != nouvelle, qPrintable(ou));
            }
        }
    }
}

void TestDiaporama::EffetsDistincts()
{
    // Every number is its own effect: no two paint the same steps.
    Diaporama& d = *m_diaporama;
    QHash<QByteArray, int> vus;
    for (int effet = 0; effet < NombreEffets; ++effet) {
        d.definirEffet(effet);
        QByteArray signature;
        for (int progression : {26, 50, 74})
            signature += Empreinte(d.RendreEtape(progression));
        const int deja = vus.value(signature, -1);
        QVERIFY2(deja < 0, qPrintable(QStringLiteral("effets %1 et %2").arg(deja).arg(effet)));
        vus.insert(signature, effet);
    }
    d.definirEffet(NombreEffets);
    QCOMPARE(d.effet(), 0);
    d.definirEffet(-3);
    QCOMPARE(d.effet(), 0);
}

void TestDiaporama::EffetAuHasard()
{
    QSet<int> tires;
    for (int i = 0; i < 5000; ++i) {
        const int effet = ::EffetAuHasard();
        QVERIFY(effet >= 0 && effet < 150);
        tires.insert(effet);
    }
    QCOMPARE(tires.size(), 150);
}

void TestDiaporama::Clic()
{
    Diaporama& d = *m_diaporama;
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    QSignalSpy clique(&d, &Diaporama::clique);
    QTest::mouseClick(&d, Qt::LeftButton, {}, QPoint(100, 100));
    QCOMPARE(clique.count(), 1);
    QTest::mouseClick(&d, Qt::RightButton, {}, QPoint(100, 100));
    QCOMPARE(clique.count(), 1);
}

QTEST_MAIN(TestDiaporama)
#include "test_diaporama.moc"
