#pragma once

#include "contexte.h"

#include <QStringList>

// One command of the tool. A new command is one function and one line in Commandes().
struct Commande
{
    const char* nom;
    const char* arguments;   // shown in the usage text
    const char* description; // one line of the usage text
    int argumentsMin;        // number of arguments accepted
    int argumentsMax;        // -1: no limit
    int (*executer)(Contexte& contexte, const QStringList& arguments);
};

// The commands in the order the usage text lists them.
const QList<Commande>& Commandes();

// Film sheets: commandes_fiches.cpp.
int CommandeTitres(Contexte& contexte, const QStringList& arguments);
int CommandeFiche(Contexte& contexte, const QStringList& arguments);
int CommandeAjouter(Contexte& contexte, const QStringList& arguments);
int CommandeSupprimer(Contexte& contexte, const QStringList& arguments);

// Search, statistics and loans: commandes_recherche.cpp.
int CommandeRechercher(Contexte& contexte, const QStringList& arguments);
int CommandeStatistiques(Contexte& contexte, const QStringList& arguments);
int CommandePrets(Contexte& contexte, const QStringList& arguments);
int CommandePreter(Contexte& contexte, const QStringList& arguments);

// Sheet files: commandes_echange.cpp.
int CommandeExporterFiche(Contexte& contexte, const QStringList& arguments);
int CommandeImporterFiche(Contexte& contexte, const QStringList& arguments);

// Backup, restore and the glossary: commandes_maintenance.cpp.
int CommandeSauvegarder(Contexte& contexte, const QStringList& arguments);
int CommandeRestaurer(Contexte& contexte, const QStringList& arguments);
int CommandeGlossaire(Contexte& contexte, const QStringList& arguments);

// The sheet leaving the program: commandes_export.cpp.
int CommandeExporterWeb(Contexte& contexte, const QStringList& arguments);
int CommandeEnvoyer(Contexte& contexte, const QStringList& arguments);
int CommandeImprimer(Contexte& contexte, const QStringList& arguments);

// Prints the usage text (of one command, or of the tool) on stderr; returns MauvaisUsage.
int MauvaisArguments(const QString& message, const Commande* commande = nullptr);
