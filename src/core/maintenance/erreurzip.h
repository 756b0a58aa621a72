#pragma once

#include "resultat.h"

#include <QString>

struct zip_error;

// libzip's failures as the French texts the user reads; shared by the writing and the reading side.

QString Natif(const QString& chemin);
QString TexteSysteme(int erreur);
// A cancelled operation gives a silent failure with CodeAnnulation.
Resultat EchecZip(const zip_error* erreur, const QString& archive);
Resultat EchecOuverture(int code, const QString& archive);
