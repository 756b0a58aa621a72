#include "dialogueimpression.h"

#include <QPrintDialog>
#include <QPrinter>

namespace DialogueImpression {

namespace {

Repondeur& repondeur()
{
    static Repondeur r;
    return r;
}

} // namespace

bool Demander(QPrinter& imprimante, QWidget* parent, const QString& titre)
{
    if (repondeur())
        return repondeur()(imprimante);
    QPrintDialog dialogue(&imprimante, parent);
    // One copy of a sheet is printed at a time; collating means nothing here.
    dialogue.setOption(QAbstractPrintDialog::PrintCollateCopies, false);
    if (!titre.isEmpty())
        dialogue.setWindowTitle(titre);
    return dialogue.exec() == QDialog::Accepted;
}

void DefinirRepondeur(Repondeur r)
{
    repondeur() = std::move(r);
}

} // namespace DialogueImpression
