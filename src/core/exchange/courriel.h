#pragma once

#include "resultat.h"

#include <QByteArray>
#include <QString>

inline const QString StatutEnvoiEnCours = QStringLiteral("Envoi en cours ...");
inline const QString StatutEnvoiTermine = QStringLiteral("Envoi terminé !");
inline const QString SujetCourriel = QStringLiteral("Kinobral 2005");

// What the mail window holds when "Envoyer" is pressed.
struct ParametresCourriel
{
    QString serveur;       // SMTP host
    QString port;          // as typed; must be a whole number
    QString expediteur;    // From and MAIL FROM
    QString utilisateur;   // user name given to the server; no password, no authentication
    QString destinataires; // comma-separated addresses
    // Limits for connecting (greeting included) and for each server reply, so that a silent server
    // cannot hold the program.
    int delaiConnexionMs = 60000;
    int delaiReponseMs = 60000;
};

// Failure codes of EnvoyerCourriel.
enum CodeEnvoi
{
    ErreurPreparation = 1, // "Erreur d'envoi : [...]": bad port, page missing
    ErreurEchange = 2,     // "Erreur d'envoie : [...]": the SMTP exchange failed
};

// The page with "cid:" inserted after every src=" (any letter case), so its pictures point at the parts.
QByteArray RemplacerSourcesParCid(const QByteArray& page);

// Sends the page (and img1.jpg beside it, when the page refers to it) as the sheet's e-mail:
// multipart/mixed holding multipart/alternative (an empty text/plain and the HTML, both quoted-printable)
// and the inline picture with Content-ID <img1.jpg>. On failure the message is the status line's whole text.
// Blocking, and safe to run off the user-interface thread.
Resultat EnvoyerCourriel(const QString& cheminPage, const ParametresCourriel& parametres);
