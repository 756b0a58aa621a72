// kinobral-cli: the catalogue of Kinobral 2005 without windows, for scripts and tests.
// kinobral-cli [--dossier DOSSIER] COMMANDE [ARGUMENTS...]

#include "commandes.h"
#include "contexte.h"
#include "system/dossiers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <memory>

namespace {

QString TexteUsage()
{
    QString texte = QStringLiteral("Usage : kinobral-cli [--dossier DOSSIER] COMMANDE [ARGUMENTS...]\n"
                                   "DOSSIER : le dossier du programme (par défaut, celui de kinobral-cli).\n"
                                   "Commandes :");
    for (const Commande& c : Commandes()) {
        const QString ligne = QString::fromUtf8(c.nom) + u' ' + QString::fromUtf8(c.arguments);
        texte += QStringLiteral("\n  %1 %2").arg(ligne, -36).arg(QString::fromUtf8(c.description));
    }
    return texte;
}

} // namespace

const QList<Commande>& Commandes()
{
    static const QList<Commande> commandes = {
        {"titres", "", "les titres dans l'ordre de la liste alphabétique", 0, 0, CommandeTitres},
        {"fiche", "TITRE", "tous les champs du film, Champ=texte", 1, 1, CommandeFiche},
        {"ajouter", "Champ=valeur...", "ajoute un film (BlobPicture=@fichier.jpg lit un fichier)", 1, -1,
         CommandeAjouter},
        {"supprimer", "TITRE", "supprime le film", 1, 1, CommandeSupprimer},
        {"exporter-fiche", "TITRE FICHIER", "exporte la fiche du film (.kbx)", 2, 2, CommandeExporterFiche},
        {"importer-fiche", "FICHIER...", "ajoute les films des fiches (.kbx)", 1, -1, CommandeImporterFiche},
        {"rechercher", "[--et] [Champ=valeur...] [--deja-vu] [--prete] [--periode JJ/MM/AAAA JJ/MM/AAAA]",
         "les titres trouvés par la recherche (OU sauf --et)", 0, -1, CommandeRechercher},
        {"statistiques", "CATEGORIE", "valeur, nombre et pourcentage de chaque barre", 1, 1,
         CommandeStatistiques},
        {"prets", "", "le registre des prêts, en colonnes séparées par des tabulations", 0, 0, CommandePrets},
        {"preter", "TITRE EMPRUNTEUR DATE Vrai|Faux", "valide le prêt d'un film", 4, 4, CommandePreter},
        {"imprimer", "TITRE FICHIER.pdf", "la fiche imprimée, dans un PDF", 2, 2, CommandeImprimer},
        {"exporter-web", "TITRE FICHIER.htm", "la page web de la fiche et son image", 2, 2,
         CommandeExporterWeb},
        {"envoyer", "TITRE ADRESSES --serveur HOTE [--port N] [--de ADRESSE] [--utilisateur NOM] [--delai S]",
         "la fiche par courriel", 4, -1, CommandeEnvoyer},
        {"sauvegarder", "ARCHIVE", "sauvegarde la base dans l'archive zip", 1, 1, CommandeSauvegarder},
        {"restaurer", "ARCHIVE", "remplace la base par celle de l'archive zip", 1, 1, CommandeRestaurer},
        {"glossaire", "TERME", "la définition du terme", 1, 1, CommandeGlossaire},
    };
    return commandes;
}

int MauvaisArguments(const QString& message, const Commande* commande)
{
    if (!message.isEmpty())
        Contexte::Erreur(message);
    if (commande)
        Contexte::Erreur(QStringLiteral("Usage : kinobral-cli [--dossier DOSSIER] %1 %2")
                             .arg(QString::fromUtf8(commande->nom), QString::fromUtf8(commande->arguments))
                             .trimmed());
    else
        Contexte::Erreur(TexteUsage());
    return MauvaisUsage;
}

int main(int argc, char** argv)
{
    // Printing lays text out with fonts, which takes the GUI application; no screen is needed for it.
    bool imprimer = false;
    for (int i = 1; i < argc; ++i)
        imprimer = imprimer || qstrcmp(argv[i], "imprimer") == 0;
    if (imprimer && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> app = imprimer ? std::make_unique<QGuiApplication>(argc, argv)
                                                     : std::make_unique<QCoreApplication>(argc, argv);
    QStringList arguments = app->arguments().mid(1);

    QString dossier;
    while (!arguments.isEmpty() && arguments.constFirst().startsWith(QLatin1String("--"))) {
        const QString option = arguments.takeFirst();
        if (option == QLatin1String("--aide") || option == QLatin1String("--help")) {
            Contexte::Sortie(TexteUsage());
            return Fait;
        }
        if (option != QLatin1String("--dossier"))
            return MauvaisArguments(QStringLiteral("Option inconnue : %1").arg(option));
        if (arguments.isEmpty() || arguments.constFirst().isEmpty())
            return MauvaisArguments(QStringLiteral("L'option --dossier attend un dossier."));
        dossier = arguments.takeFirst();
    }
    if (arguments.isEmpty())
        return MauvaisArguments(QStringLiteral("Aucune commande."));

    const QString nom = arguments.takeFirst();
    const Commande* commande = nullptr;
    for (const Commande& c : Commandes()) {
        if (nom == QLatin1String(c.nom))
            commande = &c;
    }
    if (!commande)
        return MauvaisArguments(QStringLiteral("Commande inconnue : %1").arg(nom));
    if (arguments.size() < commande->argumentsMin ||
        (commande->argumentsMax >= 0 && arguments.size() > commande->argumentsMax))
        return MauvaisArguments(QString(), commande);

    if (dossier.isEmpty()) {
        dossier = DossierExecutable();
    } else {
        // A mistyped folder must not become a new, empty catalogue.
        if (!QFileInfo(dossier).isDir())
            return Contexte(QString()).Refuser(
                QStringLiteral("Le dossier « %1 » n'existe pas.").arg(QDir::toNativeSeparators(dossier)));
        dossier = QDir(dossier).absolutePath() + u'/';
    }
    Contexte contexte(dossier);
    return commande->executer(contexte, arguments);
}
