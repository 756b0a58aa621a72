// The film sheet commands: titres, fiche, ajouter, supprimer.

#include "catalogue/schema.h"
#include "commandes.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace {

const QString ChampTitre = QStringLiteral("Titre");
const QString ChampImage = QStringLiteral("BlobPicture");

const Commande* CommandeNommee(const char* nom)
{
    for (const Commande& c : Commandes()) {
        if (qstrcmp(c.nom, nom) == 0)
            return &c;
    }
    return nullptr;
}

QString FilmIntrouvable(const QString& titre)
{
    return QStringLiteral("Le film « %1 » n'existe pas dans le catalogue.").arg(titre);
}

// One "Champ=valeur" of ajouter, checked against the film record before the catalogue is touched.
struct Affectation
{
    const DescriptionChamp* champ = nullptr;
    QString valeur;
};

} // namespace

int CommandeTitres(Contexte& contexte, const QStringList&)
{
    if (!contexte.OuvrirCatalogue(false))
        return Refuse;
    QStringList titres;
    const Resultat r = ChargerValeursDistinctes(contexte.dm().query(), ChampTitre, titres);
    if (!r)
        return contexte.Refuser(r);
    for (const QString& titre : titres)
        Contexte::Sortie(EchapperLigne(titre));
    return Fait;
}

int CommandeFiche(Contexte& contexte, const QStringList& arguments)
{
    if (!contexte.OuvrirCatalogue(false))
        return Refuse;
    Table& films = contexte.dm().tbFilms();
    if (!films.Locate(ChampTitre, arguments.at(0)))
        return contexte.Refuser(FilmIntrouvable(arguments.at(0)));
    for (const DescriptionChamp& champ : SchemaFilms().champs) {
        const QString valeur = champ.type == TypeChamp::Binaire
                                   ? QString::number(films.Blob(champ.nom).size())
                                   : EchapperLigne(films.Texte(champ.nom));
        Contexte::Sortie(champ.nom + u'=' + valeur);
    }
    return Fait;
}

int CommandeAjouter(Contexte& contexte, const QStringList& arguments)
{
    const Commande* commande = CommandeNommee("ajouter");
    QList<Affectation> affectations;
    QSet<QString> vus;
    for (const QString& argument : arguments) {
        const qsizetype egal = argument.indexOf(u'=');
        if (egal <= 0)
            return MauvaisArguments(
                QStringLiteral("« %1 » n'est pas de la forme Champ=valeur.").arg(argument), commande);
        const QString nom = argument.left(egal);
        const DescriptionChamp* champ = SchemaFilms().Champ(nom);
        if (!champ)
            return MauvaisArguments(QStringLiteral("Champ inconnu : %1").arg(nom), commande);
        if (champ->autoIncrement)
            return MauvaisArguments(
                QStringLiteral("Le champ '%1' est numéroté par le catalogue.").arg(champ->nom), commande);
        if (vus.contains(champ->nom))
            return MauvaisArguments(QStringLiteral("Le champ '%1' est donné deux fois.").arg(champ->nom),
                                    commande);
        vus.insert(champ->nom);
        QString valeur = argument.mid(egal + 1);
        if (champ->type == TypeChamp::Binaire && !valeur.isEmpty() && !valeur.startsWith(u'@'))
            return MauvaisArguments(
                QStringLiteral("Le champ '%1' attend le nom d'un fichier après @.").arg(champ->nom),
                commande);
        affectations.append({champ, valeur});
    }

    // Files are read before anything is written, so that a bad one leaves no half-made film.
    QHash<QString, QByteArray> fichiers;
    for (const Affectation& a : affectations) {
        if (a.champ->type != TypeChamp::Binaire || a.valeur.isEmpty())
            continue;
        QFile f(a.valeur.mid(1));
        if (!f.open(QIODevice::ReadOnly))
            return contexte.Refuser(QStringLiteral("Impossible de lire le fichier « %1 » : %2")
                                        .arg(a.valeur.mid(1), f.errorString()));
        fichiers.insert(a.champ->nom, f.readAll());
    }

    if (!contexte.OuvrirCatalogue(true))
        return Refuse;
    Table& films = contexte.dm().tbFilms();
    Resultat r = films.Append();
    if (!r)
        return contexte.Refuser(r);
    for (const Affectation& a : affectations) {
        if (a.champ->type == TypeChamp::Binaire)
            r = a.valeur.isEmpty() ? films.Effacer(a.champ->nom)
                                   : films.EcrireBlob(a.champ->nom, fichiers.value(a.champ->nom));
        else
            r = films.EcrireTexte(a.champ->nom, DeschapperLigne(a.valeur));
        if (!r) {
            films.Cancel();
            return contexte.Refuser(r);
        }
    }
    r = films.Post();
    if (!r) {
        films.Cancel();
        return contexte.Refuser(r);
    }
    return Fait;
}

int CommandeSupprimer(Contexte& contexte, const QStringList& arguments)
{
    if (!contexte.OuvrirCatalogue(true))
        return Refuse;
    Table& films = contexte.dm().tbFilms();
    if (!films.Locate(ChampTitre, arguments.at(0)))
        return contexte.Refuser(FilmIntrouvable(arguments.at(0)));
    const Resultat r = films.Delete();
    return r ? Fait : contexte.Refuser(r);
}
