#pragma once

#include "catalogue/tdm.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QTemporaryDir>
#include <memory>

using Champs = QList<QPair<QString, QString>>;

// A program folder in a temporary directory with its real catalogue files, opened by a data module.
class CatalogueEssai
{
public:
    CatalogueEssai();
    bool Valide() const { return m_dossier.isValid() && m_ouvert; }
    QString Dossier() const { return m_dossier.path() + u'/'; }
    Tdm& dm() { return *m_dm; }
    Query& query() { return m_dm->query(); }

    // Appends a film with these fields written as text, and an optional cover; false when refused.
    bool Ajouter(const Champs& champs, const QByteArray& couverture = QByteArray());
    // The small collection most tests search, count and lend.
    bool RemplirCollection();
    // Closes the files, so that another process can use them.
    void Fermer() { m_dm.reset(); }

private:
    QTemporaryDir m_dossier;
    std::unique_ptr<Tdm> m_dm;
    bool m_ouvert = false;
};

// Titles of the collection.
inline const QString Alien = QStringLiteral("Alien");
inline const QString BladeRunner = QStringLiteral("Blade Runner");
inline const QString Brazil = QStringLiteral("Brazil");
inline const QString Gladiator = QStringLiteral("Gladiator");
inline const QString SansRien = QStringLiteral("Sans rien");
inline const QString TitreNu = QStringLiteral("Titre à blancs");
inline const QString TitreABlancs = QStringLiteral("  Titre à blancs ");
