#include "impression.h"

#include "app/erreurs.h"
#include "catalogue/table.h"
#include "formapercu.h"
#include "formpreview.h"

void ImprimerFicheCourante(const Table& films, TFormApercu& apercu, TfrmPreview& preview)
{
    if (films.RecordCount() == 0)
        return;
    if (!SignalerEchec(apercu.ConstruireImpression(films)))
        return;
    SignalerEchec(preview.Afficher());
}

void ImprimerCouvertureCourante(const Table& films, TFormApercu& apercu, TfrmPreview& preview)
{
    if (films.RecordCount() == 0 || !apercu.ConstruireCouverture(films))
        return;
    SignalerEchec(preview.AfficherModal());
}
