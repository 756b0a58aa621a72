#pragma once

#include "catalogue/tdm.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QPair>
#include <QString>
#include <QTemporaryDir>

// Helpers of the sheet view's tests: program folders with the real artwork, films in a real catalogue.

using Champs = QList<QPair<QString, QString>>;

// Makes `dossier` a program folder whose images/ holds the built artwork; the files named in
// `sansFichiers` are left out (a copy is made then, instead of a link).
bool PreparerDossierProgramme(const QString& dossier, const QStringList& sansFichiers = {});

// The program folder's path with its trailing separator.
QString AvecSeparateur(const QString& dossier);

// Appends a film with these fields (written as text) and an optional cover, and posts it.
bool AjouterFilm(Table& films, const Champs& champs, const QByteArray& couverture = QByteArray());
bool AjouterActeur(Table& acteurs, const QString& nomPrenom);

// A JPEG of a plain picture of that size and colour (a corner mark makes each one distinct).
QByteArray Jpeg(QSize taille, QRgb couleur);

// The picture file of the built artwork, read as the sheet reads it.
QImage ImageArtwork(const QString& relatif);

// Pixel-exact comparison of two pictures as 32-bit RGB.
bool MemeImage(const QImage& a, const QImage& b);
