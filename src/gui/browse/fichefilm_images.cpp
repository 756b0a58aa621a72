#include "fichefilm_images.h"

#include "reference/pays.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

static_assert(NombrePays == 137, "one flag per country of the list");

namespace {

QString MessageIllisible(const QString& chemin)
{
    return QStringLiteral("L'image « %1 » est introuvable ou illisible.")
        .arg(QDir::toNativeSeparators(chemin));
}

} // namespace

ImagesFiche::ImagesFiche(const QString& dossierProgramme) : m_dossier(dossierProgramme) {}

QString ImagesFiche::Trouver(const QString& nomFichier)
{
    if (!m_liste) {
        // One listing of images/ per program folder; names are then looked up in memory.
        m_liste = true;
        const QDir images(QDir(m_dossier).filePath(QStringLiteral("images")));
        for (const QString& nom : images.entryList(QDir::Files))
            m_fichiers.insert(nom.toCaseFolded(), images.filePath(nom));
    }
    return m_fichiers.value(nomFichier.toCaseFolded());
}

const ImagesFiche::Entree& ImagesFiche::Charger(const QString& chemin, const QString& nomAffiche)
{
    auto trouve = m_images.constFind(chemin);
    if (trouve != m_images.constEnd())
        return *trouve;
    Entree entree;
    QImageReader lecteur(chemin);
    const QImage image = lecteur.read();
    if (image.isNull())
        entree.erreur = MessageIllisible(nomAffiche);
    else
        entree.image = QPixmap::fromImage(image);
    return *m_images.insert(chemin, entree);
}

QPixmap ImagesFiche::Image(const QString& nomFichier, QString* erreur)
{
    const QString chemin = Trouver(nomFichier);
    const QString affiche = QDir(m_dossier).filePath(QStringLiteral("images/") + nomFichier);
    const Entree& entree = chemin.isEmpty() ? Charger(affiche, affiche) : Charger(chemin, chemin);
    if (erreur)
        *erreur = entree.erreur;
    return entree.image;
}

QPixmap ImagesFiche::Etoiles(const QString& valeur, QString* erreur)
{
    if (!valeur.isEmpty()) {
        const QString chemin = Trouver(valeur + QStringLiteral(".bmp"));
        if (!chemin.isEmpty()) {
            const Entree& entree = Charger(chemin, chemin);
            if (!entree.image.isNull()) {
                if (erreur)
                    erreur->clear();
                return entree.image;
            }
        }
    }
    return Image(FichierSansEtoile, erreur);
}

QPixmap ImagesFiche::Drapeau(int index, QString* erreur)
{
    if (index < 0 || index >= NombrePays)
        index = 0;
    const auto i = static_cast<std::size_t>(index);
    Entree& entree = m_drapeaux[i];
    if (!m_drapeauLu[i]) {
        m_drapeauLu[i] = true;
        const QString chemin = CheminDrapeau(m_dossier, index);
        QImageReader lecteur(chemin);
        const QImage image = lecteur.read();
        // Drawn into a fresh 32 × 20 picture, whatever the file's own size.
        QPixmap drapeau(32, 20);
        drapeau.fill(Qt::transparent);
        if (image.isNull()) {
            entree.erreur = MessageIllisible(chemin);
        } else {
            QPainter peintre(&drapeau);
            peintre.drawImage(0, 0, image);
        }
        entree.image = drapeau;
    }
    if (erreur)
        *erreur = entree.erreur;
    return entree.image;
}
