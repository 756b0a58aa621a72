#include "acteurs.h"

namespace {

bool EstBlanc(QChar c)
{
    return c.unicode() <= 0x20;
}

} // namespace

QString RognerTexte(const QString& texte)
{
    qsizetype debut = 0;
    qsizetype fin = texte.size();
    while (debut < fin && EstBlanc(texte.at(debut)))
        ++debut;
    while (fin > debut && EstBlanc(texte.at(fin - 1)))
        --fin;
    return texte.mid(debut, fin - debut);
}

QStringList SeparerActeurs(const QString& texte)
{
    QString t = texte;
    t.replace(QLatin1Char(';'), QLatin1Char(','));
    t.replace(QLatin1Char('.'), QLatin1Char(','));
    t.replace(QLatin1Char(','), QLatin1Char('\r'));
    t = RognerTexte(t);

    // Line by line: CR, LF or CR LF ends an entry; a break at the very end opens no new one.
    QStringList entrees;
    qsizetype i = 0;
    const qsizetype n = t.size();
    while (i < n) {
        qsizetype fin = i;
        while (fin < n && t.at(fin) != QLatin1Char('\r') && t.at(fin) != QLatin1Char('\n'))
            ++fin;
        entrees << t.mid(i, fin - i);
        i = fin;
        if (i < n && t.at(i) == QLatin1Char('\r'))
            ++i;
        if (i < n && t.at(i) == QLatin1Char('\n'))
            ++i;
    }
    return entrees;
}
