#include "exportweb.h"

#include "app/erreurs.h"
#include "catalogue/table.h"
#include "exchange/pageweb.h"
#include "formmail.h"
#include "print/formapercu.h"
#include "system/programme.h"
#include "widgets/dialoguesfichier.h"

void ExporterPageWeb(QWidget* parent, const Table& films, TFormApercu& apercu)
{
    if (films.RecordCount() == 0)
        return;
    DialoguesFichier::Demande demande;
    demande.sens = DialoguesFichier::Sens::Enregistrer;
    demande.titre = QStringLiteral("Enregistrer sous...");
    demande.filtre = QStringLiteral("Fichier Web(*.htm)|*.htm");
    demande.nomPropose = QStringLiteral("Kinobral 2005");
    QString chemin = DialoguesFichier::Choisir(parent, demande);
    if (chemin.isEmpty())
        return;
    if (!chemin.endsWith(QStringLiteral(".htm"), Qt::CaseInsensitive) &&
        !chemin.endsWith(QStringLiteral(".html"), Qt::CaseInsensitive))
        chemin += QStringLiteral(".htm");
    if (!SignalerEchec(apercu.ConstruireImpression(films)))
        return;
    SignalerEchec(EnregistrerPageWeb(apercu.RichView, chemin));
}

void PreparerCourriel(const Table& films, TFormApercu& apercu, TFormMail& formMail)
{
    if (formMail.EnvoiEnCours()) {
        formMail.Afficher();
        return;
    }
    if (films.RecordCount() == 0)
        return;
    if (!SignalerEchec(apercu.ConstruireImpression(films)))
        return;
    if (!SignalerEchec(EnregistrerPageWeb(apercu.RichView, formMail.CheminPage())))
        return;
    formMail.Afficher();
}
