#pragma once

#include "catalogue/tdm.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QRgb>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

QObject* CreerTestApercu();
QObject* CreerTestCourriel();

// A program folder in a temporary directory with a real catalogue, its export/ folder, and the films
// the tests print and send.
class Banc
{
public:
    Banc();
    bool Pret() const { return m_pret; }
    QString Chemin(const QString& relatif) const { return m_dossier.filePath(relatif); }
    QString DossierProgramme() const { return m_dossier.path() + u'/'; }
    Table& Films() { return m_dm->tbFilms(); }
    // Makes that film current.
    bool Aller(const QString& titre) { return Films().Locate(QStringLiteral("Titre"), titre); }

    // The stored cover of "Grande jaquette" (1200 × 1800) and "Petite jaquette" (160 × 120).
    QByteArray grandeJaquette;
    QByteArray petiteJaquette;

private:
    bool Ajouter(const QList<QPair<QString, QString>>& champs, const QByteArray& couverture = {});

    QTemporaryDir m_dossier;
    std::unique_ptr<Tdm> m_dm;
    bool m_pret = false;
};

QByteArray Jpeg(QSize taille, QRgb couleur);
QByteArray LireFichier(const QString& chemin);

struct Execution
{
    int code = -1;
    QString sortie;
};
Execution Executer(const QString& programme, const QStringList& arguments);
