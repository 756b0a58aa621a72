#pragma once

#include "catalogue/tdm.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QTemporaryDir>
#include <memory>

// Helpers shared by the sheet file's tests.

using Champs = QList<QPair<QString, QString>>;

// A real catalogue in a temporary program folder.
class CatalogueTemporaire
{
public:
    CatalogueTemporaire();
    bool Ouvrir();
    Table& films() { return m_dm->tbFilms(); }
    QString dossier() const { return m_dossier.path(); }
    QString Chemin(const QString& nom) const { return m_dossier.filePath(nom); }

private:
    QTemporaryDir m_dossier;
    std::unique_ptr<Tdm> m_dm;
};

// Appends a film with these fields written as text, and an optional cover, then posts it.
Resultat AjouterFilm(Table& films, const Champs& champs, const QByteArray& couverture = QByteArray());

// A film with every field of the sheet filled, accents and multi-line memos included.
Champs FilmComplet(const QString& titre);

QByteArray LireOctets(const QString& chemin);
bool EcrireOctets(const QString& chemin, const QByteArray& octets);
QByteArray Entier32(qint32 valeur);
QString Fixture(const QString& nom);
QByteArray Couverture(); // a small real JPEG
