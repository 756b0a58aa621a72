#pragma once

#include <QString>
#include <functional>

class QPrinter;
class QWidget;

// The printer setup dialog shown before every print. Tests answer it at once (for instance by
// pointing the printer at a PDF file) instead of showing it.
namespace DialogueImpression {

// Sets up `imprimante`; false when the user cancelled. An empty `titre` keeps the dialog's own.
bool Demander(QPrinter& imprimante, QWidget* parent, const QString& titre = QString());

using Repondeur = std::function<bool(QPrinter& imprimante)>;
// Replaces the dialog (an empty function restores it).
void DefinirRepondeur(Repondeur repondeur);

} // namespace DialogueImpression
