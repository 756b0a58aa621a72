#include "banc.h"

#include "app/demarrage.h"

#include <QCryptographicHash>
#include <QTest>

QRgb CouleurCouverture(const QString& titre)
{
    const QByteArray h = QCryptographicHash::hash(titre.toUtf8(), QCryptographicHash::Md5);
    // Bright enough that the corner mark of the test picture stands apart from it.
    return qRgb(64 + static_cast<uchar>(h[0]) % 192, 64 + static_cast<uchar>(h[1]) % 192,
                64 + static_cast<uchar>(h[2]) % 192);
}

Banc::Banc(const QList<FilmAccueil>& films)
{
    if (!m_programme.isValid() || !PreparerDossierProgramme(m_programme.path()))
        return;
    {
        Tdm ecriture(programme());
        if (!ecriture.OuvrirBase())
            return;
        for (const FilmAccueil& film : films) {
            Champs champs{{"Titre", film.titre}, {"Realisateur", film.realisateur}};
            if (!film.sortie.isEmpty())
                champs << qMakePair(QStringLiteral("Sortie"), film.sortie);
            QByteArray couverture;
            if (film.couverture == FilmAccueil::Couverture::Jpeg)
                couverture = Jpeg(QSize(410, 546), CouleurCouverture(film.titre));
            else if (film.couverture == FilmAccueil::Couverture::Illisible)
                couverture = QByteArray("\xFF\xD8\xFF\xE0 ce n'est pas une image");
            if (!AjouterFilm(ecriture.tbFilms(), champs, couverture))
                return;
        }
        ecriture.FermerBase();
    }
    m_f = std::make_unique<TFormMain>(QStringList{QStringLiteral("kinobral")}, programme());
    m_dm = std::make_unique<Tdm>(programme());
    OuvrirCatalogue(*m_f, *m_dm);
    m_f->show();
    m_pret = QTest::qWaitForWindowExposed(m_f.get());
}

Banc::~Banc()
{
    m_f.reset();
    m_dm.reset();
}
