#pragma once

#include "app/formmain.h"
#include "catalogue/tdm.h"
#include "outils_fiche.h"

#include <QStringList>
#include <QTemporaryDir>
#include <memory>

// A main window over a real catalogue in its own program folder, as the program runs it.
class FenetreEssai
{
public:
    // The films are written before the window opens the catalogue.
    explicit FenetreEssai(const QList<Champs>& films, const QList<QByteArray>& couvertures = {});
    ~FenetreEssai();

    bool Prete() const { return m_prete; }
    TFormMain& f() { return *m_f; }
    Tdm& dm() { return *m_dm; }

private:
    QTemporaryDir m_programme;
    std::unique_ptr<TFormMain> m_f;
    std::unique_ptr<Tdm> m_dm;
    bool m_prete = false;
};

// Points the window's system folders (file-type registration, staging) at the test's own folder.
bool IsolerEnvironnement(const QTemporaryDir& environnement);

// Records the application's error box instead of showing it, for the lifetime of the object.
class ErreursEnregistrees
{
public:
    ErreursEnregistrees();
    ~ErreursEnregistrees();
    QStringList textes;
};
