#include "erreurs.h"

#include "resultat.h"

#include <QApplication>
#include <QMessageBox>
#include <exception>

namespace {

AfficheurErreur& afficheur()
{
    static AfficheurErreur a;
    return a;
}

AfficheurErreur& afficheurSimple()
{
    static AfficheurErreur a;
    return a;
}

} // namespace

void DefinirAfficheurErreur(AfficheurErreur a)
{
    afficheur() = std::move(a);
}

void AfficherErreurApplication(const QString& texte)
{
    if (afficheur()) {
        afficheur()(texte);
        return;
    }
    QMessageBox::critical(QApplication::activeWindow(), QStringLiteral("Kinobral 2005"), texte);
}

void ExecuterCommande(const std::function<void()>& commande) noexcept
{
    try {
        commande();
    } catch (const std::exception& erreur) {
        AfficherErreurApplication(QString::fromUtf8(erreur.what()));
    } catch (...) {
        AfficherErreurApplication(QStringLiteral("Erreur inattendue."));
    }
}

bool SignalerEchec(const Resultat& resultat)
{
    if (resultat.estSucces())
        return true;
    if (!resultat.estSilencieux())
        AfficherErreurApplication(resultat.message());
    return false;
}

void DefinirAfficheurMessageSimple(AfficheurErreur a)
{
    afficheurSimple() = std::move(a);
}

void AfficherMessageSimple(const QString& texte)
{
    if (afficheurSimple()) {
        afficheurSimple()(texte);
        return;
    }
    QMessageBox boite(QMessageBox::NoIcon, QStringLiteral("Kinobral 2005"), texte, QMessageBox::Ok,
                      QApplication::activeWindow());
    boite.exec();
}
