#include "formsplash.h"

#include "system/programme.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

TFormSplash::TFormSplash(QWidget* parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("FormSplash"));
    setWindowTitle(QStringLiteral("Kinobral 2005"));
    setFixedSize(412, 313);
    setModal(true);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, 412, 313);
    Image1->setPixmap(QPixmap(DossierProgramme() + QStringLiteral("images/interface/splash.png")));
    Image1->installEventFilter(this);

    // Runs from the window's creation, as the splash is meant to last four seconds of start-up.
    Timer1 = new QTimer(this);
    Timer1->setInterval(4000);
    connect(Timer1, &QTimer::timeout, this, &TFormSplash::Timer1Timer);
    Timer1->start();
}

void TFormSplash::Timer1Timer()
{
    // Stopped first, so that the timer never fires again once the splash is closed.
    Timer1->stop();
    close();
}

bool TFormSplash::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet == Image1 && evenement->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(evenement)->button() == Qt::LeftButton) {
        Timer1Timer();
        return true;
    }
    return QDialog::eventFilter(objet, evenement);
}

void TFormSplash::showEvent(QShowEvent* evenement)
{
    QDialog::showEvent(evenement);
    const QScreen* ecran = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    if (ecran != nullptr) {
        QRect cadre(QPoint(0, 0), size());
        cadre.moveCenter(ecran->geometry().center());
        move(cadre.topLeft());
    }
}
