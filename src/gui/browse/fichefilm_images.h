#pragma once

#include <QHash>
#include <QPixmap>
#include <QString>
#include <array>

// The fixed pictures of the sheet view, read from the program folder's images/ once and kept: rating
// pictures, the six indicators and the country flags. Showing a film never reads a file again. A
// picture that is missing or unreadable comes back empty with its French message, every time it is
// asked for; the sheet decides how often to tell the user.
class ImagesFiche
{
public:
    explicit ImagesFiche(const QString& dossierProgramme = QString());

    const QString& dossierProgramme() const { return m_dossier; }

    // The rating picture: images/<valeur>.bmp, the name matched without regard to letter case; an
    // empty value, or one without a picture, gives images/pas d'étoile.bmp.
    QPixmap Etoiles(const QString& valeur, QString* erreur = nullptr);
    // One of the fixed pictures of images/ by file name (case ignored): "DejavuN.bmp", "NotesF.bmp"...
    QPixmap Image(const QString& nomFichier, QString* erreur = nullptr);
    // The 32 × 20 flag of country entry `index` (an index outside the list gives entry 0).
    QPixmap Drapeau(int index, QString* erreur = nullptr);

private:
    struct Entree
    {
        QPixmap image;
        QString erreur;
    };
    // Real path of a file of images/ whose name matches without regard to case; empty when none.
    QString Trouver(const QString& nomFichier);
    const Entree& Charger(const QString& chemin, const QString& nomAffiche);

    QString m_dossier;
    bool m_liste = false;
    QHash<QString, QString> m_fichiers; // case-folded name -> path
    QHash<QString, Entree> m_images;    // path -> picture
    std::array<Entree, 137> m_drapeaux;
    std::array<bool, 137> m_drapeauLu{};
};

// The rating shown when the film has none, or one without a picture.
inline const QString FichierSansEtoile = QStringLiteral("pas d'étoile.bmp");
