#pragma once

#include <QString>
#include <functional>

class QWidget;

// The program's open and save dialogs. Filters are written the way the program states them,
// "Description|*.ext" (several pairs joined by '|'), and turned into the toolkit's form here.
// Tests replace the dialogs with a function that answers at once.
namespace DialoguesFichier {

enum class Sens
{
    Ouvrir,
    Enregistrer
};

struct Demande
{
    Sens sens = Sens::Ouvrir;
    QString titre;      // the dialog's caption, e.g. "Ouvrir..."
    QString filtre;     // "Fichier Kinobral (*.kbx)|*.kbx"
    QString dossier;    // folder shown first (empty: the last one used)
    QString nomPropose; // name proposed in a save dialog
};

// Returns the chosen path, or an empty string when the user cancelled.
QString Choisir(QWidget* parent, const Demande& demande);

// Turns "Desc|*.a|Desc2|*.b" into the toolkit's "Desc (*.a);;Desc2 (*.b)"; a description that
// already names its pattern keeps it as it is.
QString FiltreBoiteDialogue(const QString& filtre);

using Repondeur = std::function<QString(const Demande& demande)>;
// Replaces the dialogs (an empty function restores them).
void DefinirRepondeur(Repondeur repondeur);

} // namespace DialoguesFichier
