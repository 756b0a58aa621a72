#include "outils_liste.h"

#include "system/programme.h"

#include <QMenu>
#include <QTest>

bool BancListe::Preparer(const QList<Champs>& films)
{
    if (!dossier.isValid())
        return false;
    ListeTitres().clear();
    dm = std::make_unique<Tdm>(dossier.path() + QLatin1Char('/'));
    if (!dm->OuvrirBase())
        return false;
    for (const Champs& film : films)
        if (!AjouterFiche(dm->tbFilms(), film))
            return false;
    dm->tbFilms().First();

    fenetre = std::make_unique<QWidget>();
    fenetre->resize(800, 600);
    liste = new ListeFilms(fenetre.get());
    liste->AttacherDataModule(*dm);
    liste->afficherFiche = [this] {
        ++fichesAffichees;
        derniereFiche = dm->tbFilms().Texte(QStringLiteral("Titre"));
    };
    fenetre->show();
    return QTest::qWaitForWindowExposed(fenetre.get());
}

QList<Champs> FilmsExemple()
{
    auto film = [](const char* titre, const char* realisateur, const char* sortie) {
        return Champs{{QStringLiteral("Titre"), QString::fromUtf8(titre)},
                      {QStringLiteral("Realisateur"), QString::fromUtf8(realisateur)},
                      {QStringLiteral("Sortie"), QString::fromUtf8(sortie)}};
    };
    return {
        film("Zazie dans le métro", "Malle", "28/10/1960"),
        film("Amélie", "Jeunet", "25/04/2001"),
        film("Alien", "Scott", "25/05/1979"),
        film("Brazil", "Gilliam", "20/02/1985"),
        film("Delicatessen", "Jeunet", "17/04/1991"),
        film("Été violent", "", "25/04/2001"),
        film("la Haine", "Kassovitz", ""),
        film("Un titre bien trop long pour tenir sur les deux lignes de sa rangée dans la liste", "", ""),
    };
}

QStringList Arbre(const ListeFilms& liste)
{
    QStringList lignes;
    for (const NoeudListe& n : liste.modele()->Noeuds())
        lignes << QString::number(n.niveau) + QLatin1Char(':') + n.texte;
    return lignes;
}

QStringList Groupes(const ListeFilms& liste)
{
    QStringList groupes;
    QStringList titres;
    QString groupe;
    auto clore = [&] {
        if (groupe.isNull())
            return;
        titres.sort();
        groupes << groupe + QStringLiteral(": ") + titres.join(QLatin1Char('|'));
        titres.clear();
    };
    for (const NoeudListe& n : liste.modele()->Noeuds()) {
        if (n.niveau == 0) {
            clore();
            groupe = n.texte;
        } else {
            titres << n.texte;
        }
    }
    clore();
    return groupes;
}

QString Selection(const ListeFilms& liste)
{
    const ListeFilms::Noeud n = liste.PremierSelectionne();
    return n ? QString::number(liste.Niveau(n)) + QLatin1Char(':') + liste.Texte(n) : QString();
}

QAction* EntreeAffichage(const ListeFilms& liste, int tag)
{
    for (QAction* a : liste.Afficherpar1->actions())
        if (a->data().toInt() == tag)
            return a;
    return nullptr;
}
