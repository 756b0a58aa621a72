#pragma once

#include <QString>
#include <functional>

class Resultat;

// The application's error box: errors that no command handles (a file that cannot be opened, a
// picture that does not decode, a store error) are shown with their own text, the command stops and
// the program goes on.
void AfficherErreurApplication(const QString& texte);

// Runs one command: an exception it raises stops it and is shown with its own text in the error
// box. Commands are bound through Commande (below) so that an error never unwinds through the
// toolkit's frames, which are built without exception cleanup; the application's notify remains
// the net for anything else.
void ExecuterCommande(const std::function<void()>& commande) noexcept;

// A slot for connect that runs objet->methode(arguments...) as a command.
template <typename Objet, typename... Arguments>
auto Commande(Objet* objet, void (Objet::*methode)(Arguments...))
{
    return [objet, methode](Arguments... arguments) {
        ExecuterCommande([&] { (objet->*methode)(arguments...); });
    };
}

// Shows the error box for a failure, unless it was already reported (a silent failure). Returns true
// when the result is a success, so a command reads: if (!SignalerEchec(r)) return;
bool SignalerEchec(const Resultat& resultat);

// Replaces the error box (tests record the text instead of showing a blocking box); an empty
// function restores the box.
using AfficheurErreur = std::function<void(const QString& texte)>;
void DefinirAfficheurErreur(AfficheurErreur afficheur);

// The toolkit's plain message box, with an OK button and no skin of our own (the file-type
// registration reports its failures there).
void AfficherMessageSimple(const QString& texte);
void DefinirAfficheurMessageSimple(AfficheurErreur afficheur);
