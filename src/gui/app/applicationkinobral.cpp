#include "applicationkinobral.h"

#include "erreurs.h"

#include <exception>

ApplicationKinobral::ApplicationKinobral(int& argc, char** argv) : QApplication(argc, argv) {}

bool ApplicationKinobral::notify(QObject* destinataire, QEvent* evenement)
{
    try {
        return QApplication::notify(destinataire, evenement);
    } catch (const std::exception& erreur) {
        AfficherErreurApplication(QString::fromUtf8(erreur.what()));
    } catch (...) {
        AfficherErreurApplication(QStringLiteral("Erreur inattendue."));
    }
    return false;
}
