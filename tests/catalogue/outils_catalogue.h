#pragma once

#include "catalogue/tdm.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

// Helpers shared by the store's tests.

using Champs = QList<QPair<QString, QString>>;

// Appends a film (or an actor) with these fields written as text, and an optional cover, then posts it.
Resultat AjouterFiche(Table& table, const Champs& champs, const QByteArray& couverture = QByteArray(),
                      const QString& champCouverture = QStringLiteral("BlobPicture"));

// A cover-like block of bytes, different for every seed.
QByteArray Octets(int taille, int graine);

// The lines of a query's first column from the current row to the end.
QStringList Colonne(Query& query, const QString& champ);

// Runs sql and returns "a|b|c" rows joined by "\n" (for plans and checks on a raw connection).
QString Executer(sqlite3* db, const QString& sql);
