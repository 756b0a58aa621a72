#include "fichierscles.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <algorithm>

namespace {

QByteArray EchapperValeur(const QString& valeur)
{
    QString e;
    e.reserve(valeur.size());
    for (qsizetype i = 0; i < valeur.size(); ++i) {
        const QChar c = valeur.at(i);
        if (c == u'\\')
            e += QStringLiteral("\\\\");
        else if (c == u'\n')
            e += QStringLiteral("\\n");
        else if (c == u'\t')
            e += QStringLiteral("\\t");
        else if (c == u'\r')
            e += QStringLiteral("\\r");
        else if (c == u' ' && i == 0)
            e += QStringLiteral("\\s");
        else
            e += c;
    }
    return e.toUtf8();
}

QString DeschapperValeur(const QByteArray& brut)
{
    const QString v = QString::fromUtf8(brut);
    QString r;
    r.reserve(v.size());
    for (qsizetype i = 0; i < v.size(); ++i) {
        if (v.at(i) != u'\\' || i + 1 == v.size()) {
            r += v.at(i);
            continue;
        }
        const QChar c = v.at(++i);
        if (c == u'n')
            r += u'\n';
        else if (c == u't')
            r += u'\t';
        else if (c == u'r')
            r += u'\r';
        else if (c == u's')
            r += u' ';
        else if (c == u'\\')
            r += u'\\';
        else
            r += QString(u'\\') + c; // list escapes like "\;" belong to the reader of the list
    }
    return r;
}

bool EstEnTeteGroupe(const QByteArray& ligne)
{
    const QByteArray t = ligne.trimmed();
    return t.startsWith('[') && t.endsWith(']');
}

// The key of a "key=value" line, or an empty array for blank lines, comments and headers.
QByteArray NomCle(const QByteArray& ligne)
{
    const QByteArray t = ligne.trimmed();
    if (t.isEmpty() || t.startsWith('#') || t.startsWith('['))
        return {};
    const qsizetype egal = t.indexOf('=');
    return egal < 0 ? QByteArray() : t.left(egal).trimmed();
}

struct Lignes
{
    QList<QByteArray> lignes;
    bool finDeLigne = true;

    explicit Lignes(const QByteArray& fichier)
    {
        if (fichier.isEmpty())
            return;
        lignes = fichier.split('\n');
        finDeLigne = fichier.endsWith('\n');
        if (finDeLigne)
            lignes.removeLast();
    }

    // [debut, fin): the group's header line and the lines up to the next header; -1 when absent.
    std::pair<qsizetype, qsizetype> Groupe(const QString& groupe) const
    {
        const QByteArray entete = '[' + groupe.toUtf8() + ']';
        for (qsizetype i = 0; i < lignes.size(); ++i) {
            if (lignes.at(i).trimmed() != entete)
                continue;
            qsizetype fin = i + 1;
            while (fin < lignes.size() && !EstEnTeteGroupe(lignes.at(fin)))
                ++fin;
            return {i, fin};
        }
        return {-1, -1};
    }

    QByteArray Assembler() const
    {
        QByteArray r = lignes.join('\n');
        if (finDeLigne || !lignes.isEmpty())
            r += '\n';
        return r;
    }
};

} // namespace

QByteArray FixerCles(const QByteArray& fichier, const QString& groupe, const ValeursCles& valeurs)
{
    Lignes l(fichier);
    auto [debut, fin] = l.Groupe(groupe);
    bool modifie = false;
    if (debut < 0) {
        if (!l.lignes.isEmpty() && !l.lignes.constLast().trimmed().isEmpty())
            l.lignes.append(QByteArray());
        debut = l.lignes.size();
        l.lignes.append('[' + groupe.toUtf8() + ']');
        fin = l.lignes.size();
        modifie = true;
    }
    for (const auto& [nom, valeur] : valeurs) {
        const QByteArray ligne = nom.toUtf8() + '=' + EchapperValeur(valeur);
        qsizetype trouvee = -1;
        for (qsizetype i = debut + 1; i < fin && trouvee < 0; ++i) {
            if (NomCle(l.lignes.at(i)) == nom.toUtf8())
                trouvee = i;
        }
        if (trouvee >= 0) {
            if (l.lignes.at(trouvee) != ligne) {
                l.lignes[trouvee] = ligne;
                modifie = true;
            }
            continue;
        }
        // After the group's last non-blank line, so the blank line before the next group stays.
        qsizetype ou = fin;
        while (ou > debut + 1 && l.lignes.at(ou - 1).trimmed().isEmpty())
            --ou;
        l.lignes.insert(ou, ligne);
        ++fin;
        modifie = true;
    }
    return modifie ? l.Assembler() : fichier;
}

QString LireCle(const QByteArray& fichier, const QString& groupe, const QString& nom)
{
    const Lignes l(fichier);
    const auto [debut, fin] = l.Groupe(groupe);
    for (qsizetype i = debut + 1; debut >= 0 && i < fin; ++i) {
        const QByteArray& ligne = l.lignes.at(i);
        if (NomCle(ligne) != nom.toUtf8())
            continue;
        // Spaces around '=' are not part of the value.
        qsizetype debutValeur = ligne.indexOf('=') + 1;
        while (debutValeur < ligne.size() && (ligne.at(debutValeur) == ' ' || ligne.at(debutValeur) == '\t'))
            ++debutValeur;
        return DeschapperValeur(ligne.mid(debutValeur));
    }
    return QString();
}

QString GuillemeterArgumentExec(const QString& argument)
{
    QString r = QStringLiteral("\"");
    for (const QChar c : argument) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            r += u'\\';
        if (c == u'%')
            r += u'%'; // a lone '%' would start a field code
        r += c;
    }
    return r + u'"';
}

PaquetMime LirePaquetMime(const QByteArray& xml)
{
    PaquetMime p;
    QXmlStreamReader lecteur(xml);
    bool dansType = false;
    while (!lecteur.atEnd()) {
        const auto jeton = lecteur.readNext();
        if (jeton == QXmlStreamReader::EndElement && lecteur.name() == u"mime-type" && dansType)
            break;
        if (jeton != QXmlStreamReader::StartElement)
            continue;
        const auto attributs = lecteur.attributes();
        if (lecteur.name() == u"mime-type" && !dansType) {
            dansType = true;
            p.type = attributs.value(QLatin1String("type")).toString();
        } else if (dansType && lecteur.name() == u"glob" && p.motif.isEmpty()) {
            p.motif = attributs.value(QLatin1String("pattern")).toString();
        } else if (dansType && lecteur.name() == u"icon" && p.icone.isEmpty()) {
            p.icone = attributs.value(QLatin1String("name")).toString();
        }
    }
    return p;
}

QByteArray EcrirePaquetMime(const PaquetMime& paquet)
{
    QByteArray xml;
    QXmlStreamWriter ecrivain(&xml);
    ecrivain.setAutoFormatting(true);
    ecrivain.setAutoFormattingIndent(2);
    ecrivain.writeStartDocument();
    ecrivain.writeStartElement(QStringLiteral("mime-info"));
    ecrivain.writeDefaultNamespace(QStringLiteral("http://www.freedesktop.org/standards/shared-mime-info"));
    ecrivain.writeStartElement(QStringLiteral("mime-type"));
    ecrivain.writeAttribute(QStringLiteral("type"), paquet.type);
    ecrivain.writeEmptyElement(QStringLiteral("glob"));
    ecrivain.writeAttribute(QStringLiteral("pattern"), paquet.motif);
    if (!paquet.icone.isEmpty()) {
        ecrivain.writeEmptyElement(QStringLiteral("icon"));
        ecrivain.writeAttribute(QStringLiteral("name"), paquet.icone);
    }
    ecrivain.writeEndElement();
    ecrivain.writeEndElement();
    ecrivain.writeEndDocument();
    return xml;
}

namespace {

QStringList TrierParPoids(QList<QPair<int, QString>> types)
{
    std::stable_sort(types.begin(), types.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    QStringList r;
    for (const auto& t : types)
        r.append(t.second);
    return r;
}

} // namespace

QStringList TypesMimePourMotif(const QByteArray& xml, const QString& motif)
{
    QList<QPair<int, QString>> types;
    QXmlStreamReader lecteur(xml);
    QString type;
    while (!lecteur.atEnd()) {
        if (lecteur.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto attributs = lecteur.attributes();
        if (lecteur.name() == u"mime-type") {
            type = attributs.value(QLatin1String("type")).toString();
        } else if (lecteur.name() == u"glob" && !type.isEmpty() &&
                   attributs.value(QLatin1String("pattern")).compare(motif, Qt::CaseInsensitive) == 0) {
            bool ok = false;
            int poids = attributs.value(QLatin1String("weight")).toInt(&ok);
            types.append({ok ? poids : 50, type});
        }
    }
    return TrierParPoids(types);
}

QStringList TypesMimeGlobs2(const QByteArray& globs2, const QString& motif)
{
    QList<QPair<int, QString>> types;
    for (const QByteArray& ligne : globs2.split('\n')) {
        if (ligne.startsWith('#'))
            continue;
        const QList<QByteArray> champs = ligne.split(':');
        if (champs.size() < 3)
            continue;
        if (QString::fromUtf8(champs.at(2)).compare(motif, Qt::CaseInsensitive) == 0)
            types.append({champs.at(0).toInt(), QString::fromUtf8(champs.at(1))});
    }
    return TrierParPoids(types);
}
