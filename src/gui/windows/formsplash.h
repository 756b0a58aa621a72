#pragma once

#include <QDialog>

class QLabel;
class QTimer;

// The picture shown at start-up: it closes itself after four seconds or when its picture is
// clicked, whichever comes first.
class TFormSplash : public QDialog
{
    Q_OBJECT

public:
    // The picture is images/interface/splash.png of the program folder; a missing file leaves the
    // window blank.
    explicit TFormSplash(QWidget* parent = nullptr);

    QLabel* Image1 = nullptr;
    QTimer* Timer1 = nullptr;

public slots:
    void Timer1Timer();

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;
    void showEvent(QShowEvent* evenement) override;
};
