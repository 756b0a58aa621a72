#include "system/programme.h"
#include "tests.h"
#include "windows/formsplash.h"

#include <QLabel>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

class TestSplash : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { DefinirDossierProgramme(QStringLiteral(KINOBRAL_DOSSIER_PROGRAMME)); }

    void fenetre()
    {
        TFormSplash splash;
        QCOMPARE(splash.size(), QSize(412, 313));
        QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(splash.windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(splash.Image1->geometry(), QRect(0, 0, 412, 313));
        QVERIFY(!splash.Image1->pixmap().isNull());
        // The timer runs from the window's creation.
        QVERIFY(splash.Timer1->isActive());
        QCOMPARE(splash.Timer1->interval(), 4000);
        splash.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splash));
        QCOMPARE(splash.frameGeometry().center(), splash.screen()->geometry().center());
        splash.close();
    }

    // The splash ends on a click on its picture; its timer is stopped for good.
    void clicSurLImage()
    {
        TFormSplash splash;
        QSignalSpy fin(&splash, &QDialog::finished);
        splash.open();
        QVERIFY(splash.isModal());
        QTest::mouseClick(splash.Image1, Qt::LeftButton);
        QVERIFY(!splash.isVisible());
        QCOMPARE(fin.count(), 1);
        QVERIFY(!splash.Timer1->isActive());
    }

    // The timer's own firing closes it the same way (shortened here: the wiring is what counts).
    void finDuTemps()
    {
        TFormSplash splash;
        QSignalSpy fin(&splash, &QDialog::finished);
        splash.open();
        splash.Timer1->setInterval(0);
        splash.Timer1->start();
        QTRY_COMPARE(fin.count(), 1);
        QVERIFY(!splash.isVisible());
        QVERIFY(!splash.Timer1->isActive());
    }
};

QObject* CreerTestSplash()
{
    return new TestSplash;
}

#include "tst_splash.moc"
