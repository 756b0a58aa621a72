#include "documentfiche.h"

#include "catalogue/table.h"
#include "imaging/jpeg.h"

#include <QBuffer>
#include <QImageReader>
#include <QStringList>

namespace {

StyleTexte Texte(const char* nom, int taille, bool gras, bool souligne = false, bool majuscules = false,
                 QColor couleur = Qt::black)
{
    StyleTexte s;
    s.nom = QString::fromUtf8(nom);
    s.police = QStringLiteral("Verdana");
    s.taillePoints = taille;
    s.gras = gras;
    s.souligne = souligne;
    s.majuscules = majuscules;
    s.couleur = couleur;
    return s;
}

StyleParagraphe Para(const char* nom, Qt::Alignment alignement)
{
    StyleParagraphe s;
    s.nom = QString::fromUtf8(nom);
    s.alignement = alignement;
    return s;
}

// Rounds a / b to the nearest integer, halves away from zero (a, b > 0).
int DiviserArrondi(qint64 a, qint64 b)
{
    return static_cast<int>((2 * a + b) / (2 * b));
}

void AjouterParagraphe(std::vector<BlocFiche>& blocs, const QString& texte, int styleTexte,
                       int styleParagraphe)
{
    blocs.emplace_back(Paragraphe{texte, styleTexte, styleParagraphe});
}

// Text that may hold line breaks, one paragraph per line.
void AjouterLignes(std::vector<Paragraphe>& paragraphes, const QString& texte, int styleTexte,
                   int styleParagraphe)
{
    QString t = texte;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(u'\r', u'\n');
    const QStringList lignes = t.split(u'\n');
    for (const QString& ligne : lignes)
        paragraphes.push_back(Paragraphe{ligne, styleTexte, styleParagraphe});
}

void AjouterEncadre(DocumentFiche& document, const QString& titre, const QString& texte)
{
    AjouterParagraphe(document.blocs, titre, StyleGrasSouligne, ParaGauche);
    TableauFiche encadre = CreerTableau(Qt::white, 1, 1);
    encadre.Cellule(0, 0).largeurPreferee = LargeurFiche;
    AjouterLignes(encadre.Cellule(0, 0).paragraphes, texte, StyleNormal, ParaGauche);
    document.blocs.emplace_back(std::move(encadre));
    AjouterParagraphe(document.blocs, QString(), StyleTitre, ParaBordure);
}

struct Ligne
{
    const char* etiquette;
    const char* champ;
};

void RemplirEtiquettes(TableauFiche& tableau, const Table& films, const Ligne* lignes, int nombre)
{
    for (int i = 0; i < nombre; ++i) {
        tableau.Cellule(i, 0).paragraphes.push_back(
            Paragraphe{QString::fromUtf8(lignes[i].etiquette), StyleGras, ParaGauche});
        tableau.Cellule(i, 1).paragraphes.push_back(
            Paragraphe{films.Texte(QString::fromLatin1(lignes[i].champ)), StyleNormal, ParaGauche});
    }
}

const Ligne LignesPrincipales[] = {
    {"Genre", "Genre"},        {"Réalisateur", "Realisateur"},
    {"Pays", "Langue"},        {"Scénario", "Scenario"},
    {"Musique", "Musique"},    {"Durée", "Duree"},
    {"Site", "Site"},          {"Editeur", "Editeur"},
    {"Préférence", "Etoiles"}, {"Date de sortie", "Sortie"},
    {"Public", "Public"},
};

const Ligne LignesDvd[] = {
    {"Format cinéma", "FormatCinema"},
    {"Format vidéo", "FormatVideo"},
    {"Support", "Support"},
    {"Zone DVD", "ZoneDvd"},
    {"Standard", "Standard"},
    {"Date de sortie DVD", "DateSortieDvd"},
    {"Son", "Son"},
    {"Langue", "Audio"},
    {"Sous-titres", "SousTitres"},
};

// The cover's pixel size from its JPEG header; the whole picture is not decoded for this.
Resultat LireTailleCouverture(const QByteArray& octets, QSize& taille)
{
    const QString message = QStringLiteral("L'image de la jaquette de ce film n'est pas une image JPEG "
                                           "lisible : la fiche ne peut pas être construite.");
    if (!EstJpeg(octets))
        return Resultat::Echec(message);
    QBuffer tampon;
    tampon.setData(octets);
    tampon.open(QIODevice::ReadOnly);
    QImageReader lecteur(&tampon, "jpeg");
    taille = lecteur.size();
    if (!taille.isValid() || taille.isEmpty())
        return Resultat::Echec(message);
    return Resultat::Succes();
}

} // namespace

void TableauFiche::Fusionner(int ligne, int colonne, int largeur, int hauteur)
{
    for (int l = ligne; l < ligne + hauteur; ++l)
        for (int c = colonne; c < colonne + largeur; ++c)
            Cellule(l, c).couverte = true;
    CelluleFiche& coin = Cellule(ligne, colonne);
    coin.couverte = false;
    coin.lignesFusion = hauteur;
    coin.colonnesFusion = largeur;
}

void DocumentFiche::Vider()
{
    blocs.clear();
    stylesTexte = {
        Texte("Titre", 10, true),
        Texte("Normal text", 9, false),
        Texte("Gras+sousligne", 9, true, true, true),
        Texte("Gras", 9, true),
        Texte("Lien", 14, true, true, false, QColor(81, 0, 81)),
    };
    StyleParagraphe bordure = Para("Para bordure", Qt::AlignHCenter);
    bordure.bordure = true;
    bordure.decalageHaut = 10;
    bordure.decalageBas = 10;
    StyleParagraphe normale = Para("Normal border", Qt::AlignLeft);
    normale.bordure = true;
    normale.bordureVisible = true;
    stylesParagraphe = {
        Para("Paragraph Style", Qt::AlignLeft),
        Para("Centered", Qt::AlignHCenter),
        bordure,
        Para("Right", Qt::AlignRight),
        normale,
    };
}

const ImageFiche* DocumentFiche::Image() const
{
    for (const BlocFiche& bloc : blocs) {
        const auto* tableau = std::get_if<TableauFiche>(&bloc);
        if (!tableau)
            continue;
        for (const auto& ligne : tableau->cellules)
            for (const CelluleFiche& cellule : ligne)
                if (!cellule.images.empty())
                    return &cellule.images.front();
    }
    return nullptr;
}

TableauFiche CreerTableau(const QColor& couleurCellule, int lignes, int colonnes)
{
    TableauFiche t;
    t.lignes = lignes;
    t.colonnes = colonnes;
    t.couleurBordure = CouleurBordureFiche;
    t.largeurPreferee = LargeurFiche;
    t.cellules.assign(static_cast<size_t>(lignes), std::vector<CelluleFiche>(static_cast<size_t>(colonnes)));
    for (auto& ligne : t.cellules) {
        for (CelluleFiche& cellule : ligne)
            cellule.couleur = couleurCellule;
        ligne.front().hauteurPreferee = 20;
    }
    return t;
}

QSize TailleAffichageCouverture(const QSize& taille)
{
    const qint64 w = taille.width();
    const qint64 h = taille.height();
    if (w <= 0 || h <= 0)
        return {};
    // W / H <= 0.505, in whole numbers.
    if (w * 1000 <= h * 505)
        return {DiviserArrondi(w * 400, h), 400};
    return {202, DiviserArrondi(h * 202, w)};
}

Resultat ConstruireImpression(const Table& films, DocumentFiche& document)
{
    document.Vider();

    TableauFiche bandeau = CreerTableau(CouleurBandeau, 1, 1);
    bandeau.Cellule(0, 0).paragraphes.push_back(
        Paragraphe{films.Texte(QStringLiteral("Titre")), StyleTitre, ParaBordure});
    document.blocs.emplace_back(std::move(bandeau));
    AjouterParagraphe(document.blocs, QString(), StyleTitre, ParaBordure);

    TableauFiche principal = CreerTableau(Qt::white, 11, 3);
    principal.Cellule(0, 0).largeurPreferee = 100;
    principal.Cellule(0, 1).largeurPreferee = 400;
    principal.Cellule(0, 2).largeurPreferee = 206;
    for (auto& ligne : principal.cellules)
        ligne[0].couleur = CouleurBandeau;
    principal.Fusionner(0, 2, 1, 11);
    principal.Cellule(0, 2).alignementVertical = Qt::AlignTop;
    principal.Cellule(0, 2).couleur = QColor();
    RemplirEtiquettes(principal, films, LignesPrincipales, 11);

    if (!films.EstNul(QStringLiteral("BlobPicture"))) {
        ImageFiche image;
        image.nom = QStringLiteral("Picture");
        image.octets = films.Blob(QStringLiteral("BlobPicture"));
        QSize taille;
        const Resultat r = LireTailleCouverture(image.octets, taille);
        if (!r)
            return r;
        image.tailleAffichage = TailleAffichageCouverture(taille);
        image.styleParagraphe = ParaDroite;
        image.etiquette = 100;
        principal.Cellule(0, 2).images.push_back(std::move(image));
    }
    document.blocs.emplace_back(std::move(principal));
    AjouterParagraphe(document.blocs, QString(), StyleTitre, ParaBordure);

    AjouterEncadre(document, QStringLiteral("Acteurs principaux"), films.Texte(QStringLiteral("Acteur")));
    AjouterEncadre(document, QStringLiteral("Résumé du film"), films.Texte(QStringLiteral("Resume")));

    AjouterParagraphe(document.blocs, QStringLiteral("Informations DVD - Vidéo - Audio"), StyleGrasSouligne,
                      ParaGauche);
    TableauFiche dvd = CreerTableau(Qt::white, 9, 2);
    dvd.Cellule(0, 0).largeurPreferee = 142;
    dvd.Cellule(0, 1).largeurPreferee = 564;
    for (auto& ligne : dvd.cellules)
        ligne[0].couleur = CouleurBandeau;
    RemplirEtiquettes(dvd, films, LignesDvd, 9);
    document.blocs.emplace_back(std::move(dvd));
    AjouterParagraphe(document.blocs, QString(), StyleNormal, ParaGauche);

    const QString notes = films.Texte(QStringLiteral("Notes"));
    if (!notes.isEmpty())
        AjouterEncadre(document, QStringLiteral("Notes"), notes);
    return Resultat::Succes();
}
