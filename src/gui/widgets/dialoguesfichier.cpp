#include "dialoguesfichier.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

namespace DialoguesFichier {

namespace {

Repondeur& repondeur()
{
    static Repondeur r;
    return r;
}

QString& dernierDossier()
{
    static QString dossier = QDir::homePath();
    return dossier;
}

} // namespace

QString FiltreBoiteDialogue(const QString& filtre)
{
    const QStringList morceaux = filtre.split(QLatin1Char('|'));
    QStringList filtres;
    for (int i = 0; i + 1 < morceaux.size(); i += 2) {
        const QString description = morceaux.at(i).trimmed();
        QString motifs = morceaux.at(i + 1).trimmed();
        motifs.replace(QLatin1Char(';'), QLatin1Char(' '));
        if (description.contains(QLatin1Char('(')))
            filtres << description.left(description.indexOf(QLatin1Char('('))).trimmed() +
                           QStringLiteral(" (") + motifs + QLatin1Char(')');
        else
            filtres << description + QStringLiteral(" (") + motifs + QLatin1Char(')');
    }
    if (filtres.isEmpty() && !filtre.isEmpty())
        filtres << filtre;
    return filtres.join(QStringLiteral(";;"));
}

QString Choisir(QWidget* parent, const Demande& demande)
{
    if (repondeur())
        return repondeur()(demande);

    // Non-native dialogs carry the program's skin.
    QFileDialog dialogue(parent, demande.titre);
    dialogue.setOption(QFileDialog::DontUseNativeDialog);
    dialogue.setNameFilter(FiltreBoiteDialogue(demande.filtre));
    dialogue.setDirectory(demande.dossier.isEmpty() ? dernierDossier() : demande.dossier);
    if (demande.sens == Sens::Enregistrer) {
        dialogue.setAcceptMode(QFileDialog::AcceptSave);
        dialogue.setFileMode(QFileDialog::AnyFile);
        // Overwriting is decided by the command itself (an archive is updated, a sheet replaced).
        dialogue.setOption(QFileDialog::DontConfirmOverwrite);
        if (!demande.nomPropose.isEmpty())
            dialogue.selectFile(demande.nomPropose);
    } else {
        dialogue.setAcceptMode(QFileDialog::AcceptOpen);
        dialogue.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty())
        return QString();
    const QString chemin = dialogue.selectedFiles().constFirst();
    dernierDossier() = QFileInfo(chemin).absolutePath();
    return chemin;
}

void DefinirRepondeur(Repondeur r)
{
    repondeur() = std::move(r);
}

} // namespace DialoguesFichier
