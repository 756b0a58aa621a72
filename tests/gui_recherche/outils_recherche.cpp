#include "outils_recherche.h"

#include "app/demarrage.h"
#include "app/erreurs.h"

#include <QDir>
#include <QTest>

FenetreEssai::FenetreEssai(const QList<Champs>& films, const QList<QByteArray>& couvertures)
{
    if (!m_programme.isValid() || !PreparerDossierProgramme(m_programme.path()))
        return;
    const QString dossier = AvecSeparateur(m_programme.path());
    {
        Tdm ecriture(dossier);
        if (!ecriture.OuvrirBase())
            return;
        for (int i = 0; i < films.size(); ++i) {
            if (!AjouterFilm(ecriture.tbFilms(), films[i], couvertures.value(i)))
                return;
        }
        ecriture.FermerBase();
    }
    m_f = std::make_unique<TFormMain>(QStringList{QStringLiteral("kinobral")}, dossier);
    m_dm = std::make_unique<Tdm>(dossier);
    OuvrirCatalogue(*m_f, *m_dm);
    m_f->show();
    m_prete = QTest::qWaitForWindowExposed(m_f.get());
}

FenetreEssai::~FenetreEssai()
{
    m_f.reset();
    m_dm.reset();
}

bool IsolerEnvironnement(const QTemporaryDir& environnement)
{
    if (!environnement.isValid())
        return false;
    for (const char* variable : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "TMPDIR"}) {
        const QString dossier = environnement.filePath(QString::fromLatin1(variable));
        if (!QDir().mkpath(dossier))
            return false;
        qputenv(variable, QFile::encodeName(dossier));
    }
    return true;
}

ErreursEnregistrees::ErreursEnregistrees()
{
    DefinirAfficheurErreur([this](const QString& texte) { textes << texte; });
}

ErreursEnregistrees::~ErreursEnregistrees()
{
    DefinirAfficheurErreur({});
}
