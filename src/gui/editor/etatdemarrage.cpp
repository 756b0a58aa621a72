#include "etatdemarrage.h"

#include "app/formmain.h"
#include "champssaisie.h"
#include "panneaugestion.h"
#include "system/programme.h"
#include "widgets/panneauimage.h"

#include <QPushButton>
#include <QSaveFile>

void EcrireEtatDemarrage(const TFormMain& formMain)
{
    const QString chemin = qEnvironmentVariable("KINOBRAL_ETAT_DEMARRAGE");
    if (chemin.isEmpty()) {
        return;
    }
    const auto visible = [](const QWidget* w) {
        return w->isVisible() ? QStringLiteral("1") : QStringLiteral("0");
    };
    const PanneauGestion& editeur = *formMain.pnGestion;
    QStringList lignes;
    lignes << QStringLiteral("pnAccueil=") + visible(formMain.pnAccueil)
           << QStringLiteral("pnGestion=") + visible(&editeur)
           << QStringLiteral("bnValider=") + editeur.bnValider->text()
           << QStringLiteral("edTitre=") + editeur.edTitre->toPlainText()
           << QStringLiteral("titres=") + QString::number(ListeTitres().size());
    // Written whole, so that a reader never sees half of it.
    QSaveFile fichier(chemin);
    if (fichier.open(QIODevice::WriteOnly)) {
        fichier.write((lignes.join(u'\n') + u'\n').toUtf8());
        fichier.commit();
    }
}
