#include "contexte.h"

#include <QDir>
#include <cstdio>

Contexte::Contexte(const QString& dossierProgramme) : m_dossierProgramme(dossierProgramme) {}

bool Contexte::OuvrirCatalogue(bool pourModifier)
{
    m_dm = std::make_unique<Tdm>(m_dossierProgramme);
    m_dm->avertir = [](const QString& message) { Erreur(message); };
    if (pourModifier) {
        // The store would create the folder anyway; the lock file has to be in it first.
        QDir().mkpath(m_dm->dossierCatalogue());
        const Resultat verrou = m_verrou.Prendre(m_dm->dossierCatalogue());
        if (!verrou) {
            Refuser(verrou);
            return false;
        }
    }
    const Resultat r = m_dm->OuvrirBase();
    if (!r) {
        Refuser(r);
        return false;
    }
    return true;
}

int Contexte::Refuser(const Resultat& resultat)
{
    if (!resultat.estSilencieux())
        Erreur(resultat.message());
    return Refuse;
}

int Contexte::Refuser(const QString& message)
{
    Erreur(message);
    return Refuse;
}

void Contexte::Sortie(const QString& ligne)
{
    const QByteArray octets = ligne.toUtf8() + '\n';
    std::fwrite(octets.constData(), 1, static_cast<size_t>(octets.size()), stdout);
}

void Contexte::Erreur(const QString& ligne)
{
    const QByteArray octets = ligne.toUtf8() + '\n';
    std::fwrite(octets.constData(), 1, static_cast<size_t>(octets.size()), stderr);
}

QString EchapperLigne(const QString& texte)
{
    QString r;
    r.reserve(texte.size());
    for (const QChar c : texte) {
        if (c == u'\\')
            r += QStringLiteral("\\\\");
        else if (c == u'\n')
            r += QStringLiteral("\\n");
        else if (c == u'\r')
            r += QStringLiteral("\\r");
        else if (c == u'\t')
            r += QStringLiteral("\\t");
        else
            r += c;
    }
    return r;
}

QString DeschapperLigne(const QString& texte)
{
    QString r;
    r.reserve(texte.size());
    for (qsizetype i = 0; i < texte.size(); ++i) {
        const QChar c = texte.at(i);
        const QChar suivant = i + 1 < texte.size() ? texte.at(i + 1) : QChar();
        if (c != u'\\') {
            r += c;
        } else if (suivant == u'\\') {
            r += u'\\';
            ++i;
        } else if (suivant == u'n') {
            r += u'\n';
            ++i;
        } else if (suivant == u'r') {
            r += u'\r';
            ++i;
        } else if (suivant == u't') {
            r += u'\t';
            ++i;
        } else {
            r += c;
        }
    }
    return r;
}
