#pragma once

#include "catalogue/tdm.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

// A program folder with a small catalogue, in a folder of its own that is also the temporary folder
// (where a restore stages the archive) and the desktop's data folder (where the trash is).
class Bac
{
public:
    Bac();
    ~Bac();
    bool estValide() const { return m_racine.isValid(); }

    QString racine() const { return m_racine.path() + u'/'; }
    QString programme() const { return racine() + QStringLiteral("programme/"); }
    QString data() const { return programme() + QStringLiteral("data/"); }
    QString attente() const { return racine() + QStringLiteral("tmp/kinobral/data/"); }
    QString corbeille() const { return racine() + QStringLiteral("xdg/Trash/files/"); }
    Tdm& dm() { return *m_dm; }

    // Two films (one with a cover), one actor, the glossary, a file in a subfolder, a hidden file and
    // the catalogue's lock file.
    void Remplir();
    // Every file below the data folder (relative path -> bytes).
    QMap<QString, QByteArray> Contenu() const;
    QStringList Titres();

private:
    QTemporaryDir m_racine;
    QByteArray m_tmpdir, m_xdg;
    std::unique_ptr<Tdm> m_dm;
};

struct Execution
{
    int code = -1;
    QByteArray sortie;
    QByteArray erreur;
};

// Runs a program to its end (Info-ZIP, 7-Zip, Python, the tool).
Execution Executer(const QString& programme, const QStringList& arguments, const QString& dossier = {});
Execution Python(const QString& script, const QStringList& arguments);

QByteArray LireFichier(const QString& chemin);
bool EcrireFichier(const QString& chemin, const QByteArray& octets);
