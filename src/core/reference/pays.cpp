#include "pays.h"

const QStringList& ListePays()
{
    static const QStringList liste = {
        QStringLiteral("Inconnu"),       QStringLiteral("Afrique du sud"),
        QStringLiteral("Algérie"),       QStringLiteral("Allemagne"),
        QStringLiteral("Andorre"),       QStringLiteral("Angleterre"),
        QStringLiteral("Angola"),        QStringLiteral("Antartic"),
        QStringLiteral("Antigua"),       QStringLiteral("Argentine"),
        QStringLiteral("Armenie"),       QStringLiteral("Australie"),
        QStringLiteral("Autriche"),      QStringLiteral("Belgique"),
        QStringLiteral("Bernin"),        QStringLiteral("Bermudes"),
        QStringLiteral("Bolivie"),       QStringLiteral("Bosnie"),
        QStringLiteral("Botswana"),      QStringLiteral("Brésil"),
        QStringLiteral("Brunei"),        QStringLiteral("Bulgarie"),
        QStringLiteral("Burkina"),       QStringLiteral("Burundi"),
        QStringLiteral("Cambodge"),      QStringLiteral("Cameroun"),
        QStringLiteral("Canada"),        QStringLiteral("Cap Vert"),
        QStringLiteral("Chili"),         QStringLiteral("Chine"),
        QStringLiteral("Colombie"),      QStringLiteral("Congo"),
        QStringLiteral("Corée du Nord"), QStringLiteral("Corée du Sud"),
        QStringLiteral("Costa Rica"),    QStringLiteral("Côte d'Ivoire"),
        QStringLiteral("Croatie"),       QStringLiteral("Cuba"),
        QStringLiteral("Danemark"),      QStringLiteral("Egypte"),
        QStringLiteral("Espagne"),       QStringLiteral("Etats-Unis"),
        QStringLiteral("Europe"),        QStringLiteral("Finlande"),
        QStringLiteral("France"),        QStringLiteral("Gabon"),
        QStringLiteral("Ghana"),         QStringLiteral("Grèce"),
        QStringLiteral("Guatemala"),     QStringLiteral("Guinée"),
        QStringLiteral("Guyane"),        QStringLiteral("Haïti"),
        QStringLiteral("Hollande"),      QStringLiteral("Honduras"),
        QStringLiteral("Hong-Kong"),     QStringLiteral("Hongrie"),
        QStringLiteral("Iles Fidji"),    QStringLiteral("Inde"),
        QStringLiteral("Indonésie"),     QStringLiteral("Irak"),
        QStringLiteral("Iran"),          QStringLiteral("Irlande"),
        QStringLiteral("Islande"),       QStringLiteral("Israël"),
        QStringLiteral("Italie"),        QStringLiteral("Jamaïque"),
        QStringLiteral("Japon"),         QStringLiteral("Jordanie"),
        QStringLiteral("Kenya"),         QStringLiteral("Laos"),
        QStringLiteral("Les Maldives"),  QStringLiteral("Liberia"),
        QStringLiteral("Libye"),         QStringLiteral("Liechtentein"),
        QStringLiteral("Lithuanie"),     QStringLiteral("Luxembourd"),
        QStringLiteral("Madagascar"),    QStringLiteral("Malaysie"),
        QStringLiteral("Mali"),          QStringLiteral("Malte"),
        QStringLiteral("Maroc"),         QStringLiteral("Mauritanie"),
        QStringLiteral("Mexique"),       QStringLiteral("Monaco"),
        QStringLiteral("Mozambique"),    QStringLiteral("Namibie"),
        QStringLiteral("Népal"),         QStringLiteral("Nicaragua"),
        QStringLiteral("Niger"),         QStringLiteral("Nigeria"),
        QStringLiteral("Norvège"),       QStringLiteral("Nouvelle-Zelande"),
        QStringLiteral("Ouganda"),       QStringLiteral("Pakistan"),
        QStringLiteral("Panama"),        QStringLiteral("Paraguay"),
        QStringLiteral("Pérou"),         QStringLiteral("Philippine"),
        QStringLiteral("Pologne"),       QStringLiteral("Portugal"),
        QStringLiteral("Qatar"),         QStringLiteral("Roumanie"),
        QStringLiteral("Russie"),        QStringLiteral("Rwanda"),
        QStringLiteral("Sénégal"),       QStringLiteral("Seychelles"),
        QStringLiteral("Sierra Léon"),   QStringLiteral("Singapour"),
        QStringLiteral("Slovakie"),      QStringLiteral("Solomon"),
        QStringLiteral("Somalie"),       QStringLiteral("Soudan"),
        QStringLiteral("Srilanka"),      QStringLiteral("Suède"),
        QStringLiteral("Suisse"),        QStringLiteral("Sultana d'Oman"),
        QStringLiteral("Syrie"),         QStringLiteral("Taïwan"),
        QStringLiteral("Tajikistan"),    QStringLiteral("Tanzanie"),
        QStringLiteral("Tchad"),         QStringLiteral("Tchécoslovakie"),
        QStringLiteral("Thaïlande"),     QStringLiteral("Togo"),
        QStringLiteral("Tonga"),         QStringLiteral("Trinidad"),
        QStringLiteral("Tunisie"),       QStringLiteral("Turquie"),
        QStringLiteral("Ukraine"),       QStringLiteral("Vatican"),
        QStringLiteral("Vénézuela"),     QStringLiteral("Vietnam"),
        QStringLiteral("Yemen"),         QStringLiteral("Yougoslavie"),
        QStringLiteral("Zaïre"),         QStringLiteral("Zambie"),
        QStringLiteral("Zimbabwe"),
    };
    return liste;
}

int IndexPays(const QString& nom)
{
    if (nom.isEmpty())
        return 0;
    // A name typed or imported with decomposed accents ("e" + combining acute) is the same name.
    const QString compose = nom.normalized(QString::NormalizationForm_C);
    const QStringList& liste = ListePays();
    for (int i = 1; i < liste.size(); ++i) {
        if (liste.at(i).compare(compose, Qt::CaseInsensitive) == 0)
            return i;
    }
    return 0;
}

QString CheminDrapeau(const QString& dossierProgramme, int index)
{
    if (index < 0 || index >= NombrePays)
        index = 0;
    return dossierProgramme + QStringLiteral("images/drapeaux/%1.png").arg(index, 3, 10, QLatin1Char('0'));
}
