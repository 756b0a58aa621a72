#pragma once

#include "app/formmain.h"
#include "catalogue/tdm.h"
#include "outils_fiche.h"

#include <QTemporaryDir>
#include <memory>

// A film to put in the catalogue: its release date and its cover, if any.
struct FilmAccueil
{
    enum class Couverture
    {
        Aucune,
        Jpeg,
        Illisible
    };
    QString titre;
    QString sortie; // dd/mm/yyyy, or empty
    Couverture couverture = Couverture::Jpeg;
    QString realisateur = QStringLiteral("Roy");
};

// The colour of a film's cover picture, one per title.
QRgb CouleurCouverture(const QString& titre);

// A program folder in a temporary folder, holding these films, and the main window on it with its
// data module, shown. The temporary folder, the desktop's data folder and the configuration folder
// point into `environnement` (the staging folder and the trash go there).
class Banc
{
public:
    explicit Banc(const QList<FilmAccueil>& films);
    ~Banc();
    bool estPret() const { return m_pret; }

    QString programme() const { return AvecSeparateur(m_programme.path()); }
    QString data() const { return programme() + QStringLiteral("data/"); }
    TFormMain& f() { return *m_f; }
    Tdm& dm() { return *m_dm; }

private:
    QTemporaryDir m_programme;
    std::unique_ptr<TFormMain> m_f;
    std::unique_ptr<Tdm> m_dm;
    bool m_pret = false;
};
