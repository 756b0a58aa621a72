#pragma once

#include "resultat.h"

#include <QString>
#include <QStringList>

// The user's default mail account, the mail window's starting settings.
struct CompteMessagerie
{
    QString serveur;   // SMTP host
    QString adresse;   // sender address
    QString nomCompte; // user name for the SMTP server
};

// From the default profile of the user's Thunderbird (profiles.ini, then the profile's prefs.js): the default
// account's first identity, its SMTP server's host and user name. Empty fields when there is none.
// `dossierThunderbird` defaults to ~/.thunderbird.
CompteMessagerie LireCompteMessagerie(const QString& dossierThunderbird = QString());

// The recipient history of Config.ini: one address a line, alphabetical. An absent file is an empty history.
QStringList LireHistoriqueAdresses(const QString& cheminConfig);

// Adds the address to the history unless it is there already (letter case ignored), keeping the
// alphabetical order, and rewrites the file only then. `ajoutee` tells whether it was added.
Resultat MemoriserAdresse(const QString& cheminConfig, QStringList& historique, const QString& adresse,
                          bool* ajoutee = nullptr);
