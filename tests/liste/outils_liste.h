#pragma once

#include "browse/listefilms.h"
#include "catalogue/tdm.h"
#include "outils_catalogue.h"

#include <QTemporaryDir>
#include <QWidget>
#include <memory>

// A catalogue in a program folder of its own, with a film list over it on a shown window.
class BancListe
{
public:
    // Opens the tables (created empty), appends the films in this order and goes back to the first.
    bool Preparer(const QList<Champs>& films);

    QTemporaryDir dossier;
    std::unique_ptr<Tdm> dm;
    std::unique_ptr<QWidget> fenetre;
    ListeFilms* liste = nullptr;
    int fichesAffichees = 0;
    QString derniereFiche; // the current film's title when the sheet was last shown
};

// The films every test works on, appended in this order (the table's own order).
QList<Champs> FilmsExemple();

// The nodes in depth-first order, "0:text" or "1:text".
QStringList Arbre(const ListeFilms& liste);
// Grouped content, each group as "value: title|title" with its titles sorted (the order inside a
// group is the store's).
QStringList Groupes(const ListeFilms& liste);
// The selected node as "level:text", empty when none.
QString Selection(const ListeFilms& liste);
// The action of the display menu with that tag.
QAction* EntreeAffichage(const ListeFilms& liste, int tag);
