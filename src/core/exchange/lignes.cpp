#include "lignes.h"

namespace {

QString Remplacer(const QString& texte, const QString& saut)
{
    QString r;
    r.reserve(texte.size() + 16);
    for (qsizetype i = 0; i < texte.size(); ++i) {
        const QChar c = texte.at(i);
        if (c != u'\r' && c != u'\n') {
            r += c;
            continue;
        }
        r += saut;
        if (c == u'\r' && i + 1 < texte.size() && texte.at(i + 1) == u'\n') {
            ++i;
        }
    }
    return r;
}

} // namespace

QString LignesCrLf(const QString& texte)
{
    return Remplacer(texte, QStringLiteral("\r\n"));
}

QString LignesLf(const QString& texte)
{
    return Remplacer(texte, QStringLiteral("\n"));
}
