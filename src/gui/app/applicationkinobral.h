#pragma once

#include <QApplication>

// The application object. Every event, and so every command, passes through notify: an exception
// that escapes a handler stops that command, is shown in the application's error box with its own
// text, and the program goes on.
class ApplicationKinobral : public QApplication
{
    Q_OBJECT

public:
    ApplicationKinobral(int& argc, char** argv);

    bool notify(QObject* destinataire, QEvent* evenement) override;
};
