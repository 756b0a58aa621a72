#include "formes.h"

namespace Formes {
namespace {

QString DeuxChiffres(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

// Splits "a<sep>b<sep>c" into whole numbers made of ASCII digits only.
bool LireNombres(const QString& texte, QChar separateur, int attendus, int* nombres, int* chiffres)
{
    const QStringList parties = texte.trimmed().split(separateur);
    if (parties.size() != attendus) {
        return false;
    }
    for (int i = 0; i < attendus; ++i) {
        const QString& p = parties[i];
        if (p.isEmpty() || p.size() > 4) {
            return false;
        }
        int n = 0;
        for (QChar c : p) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
                return false;
            }
            n = n * 10 + (c.unicode() - '0');
        }
        nombres[i] = n;
        chiffres[i] = static_cast<int>(p.size());
    }
    return true;
}

int Longueur(const QString& texte)
{
    int n = 0;
    for (QChar c : texte) {
        if (!c.isLowSurrogate()) {
            ++n;
        }
    }
    return n;
}

} // namespace

QString TexteDate(const QDate& date)
{
    if (!date.isValid()) {
        return QString();
    }
    return DeuxChiffres(date.day()) + QLatin1Char('/') + DeuxChiffres(date.month()) + QLatin1Char('/') +
           QStringLiteral("%1").arg(date.year(), 4, 10, QLatin1Char('0'));
}

bool LireDate(const QString& texte, QDate& date)
{
    int n[3];
    int chiffres[3];
    if (!LireNombres(texte, QLatin1Char('/'), 3, n, chiffres) || chiffres[0] > 2 || chiffres[1] > 2 ||
        chiffres[2] != 4) {
        return false;
    }
    const QDate d(n[2], n[1], n[0]);
    if (!d.isValid()) {
        return false;
    }
    date = d;
    return true;
}

QString TexteHeure(const QTime& heure)
{
    if (!heure.isValid()) {
        return QString();
    }
    return DeuxChiffres(heure.hour()) + QLatin1Char(':') + DeuxChiffres(heure.minute()) + QLatin1Char(':') +
           DeuxChiffres(heure.second());
}

bool LireHeure(const QString& texte, QTime& heure)
{
    int n[3] = {0, 0, 0};
    int chiffres[3];
    const int parties = static_cast<int>(texte.count(QLatin1Char(':'))) + 1;
    if ((parties != 2 && parties != 3) || !LireNombres(texte, QLatin1Char(':'), parties, n, chiffres)) {
        return false;
    }
    for (int i = 0; i < parties; ++i) {
        if (chiffres[i] > 2) {
            return false;
        }
    }
    const QTime t(n[0], n[1], n[2]);
    if (!t.isValid()) {
        return false;
    }
    heure = t;
    return true;
}

QString TexteLogique(bool valeur)
{
    return QString::fromLatin1(valeur ? Vrai : Faux);
}

bool LireLogique(const QString& texte, bool& valeur)
{
    const QString t = texte.trimmed();
    if (t.compare(QLatin1String(Vrai), Qt::CaseInsensitive) == 0) {
        valeur = true;
        return true;
    }
    if (t.compare(QLatin1String(Faux), Qt::CaseInsensitive) == 0) {
        valeur = false;
        return true;
    }
    return false;
}

QString TexteMonnaie(qint64 dixMilliemes)
{
    const bool negatif = dixMilliemes < 0;
    // Work on the magnitude as unsigned, so that the lowest value has one too.
    const quint64 m = negatif ? quint64(0) - quint64(dixMilliemes) : quint64(dixMilliemes);
    QString texte = QString::number(m / 10000);
    quint64 reste = m % 10000;
    if (reste != 0) {
        QString decimales = QStringLiteral("%1").arg(reste, 4, 10, QLatin1Char('0'));
        while (decimales.endsWith(QLatin1Char('0'))) {
            decimales.chop(1);
        }
        texte += QLatin1Char('.') + decimales;
    }
    return negatif ? QLatin1Char('-') + texte : texte;
}

bool LireMonnaie(const QString& texte, qint64& dixMilliemes)
{
    QString t = texte.trimmed();
    bool negatif = false;
    if (t.startsWith(QLatin1Char('-')) || t.startsWith(QLatin1Char('+'))) {
        negatif = t.startsWith(QLatin1Char('-'));
        t.remove(0, 1);
    }
    const qsizetype point = t.indexOf(QLatin1Char('.'));
    const QString entiere = point < 0 ? t : t.left(point);
    const QString decimales = point < 0 ? QString() : t.mid(point + 1);
    if ((entiere.isEmpty() && decimales.isEmpty()) || entiere.size() > 14 || decimales.size() > 4 ||
        (point >= 0 && decimales.isEmpty() && entiere.isEmpty())) {
        return false;
    }
    qint64 valeur = 0;
    for (QChar c : entiere) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return false;
        }
        valeur = valeur * 10 + (c.unicode() - '0');
    }
    qint64 fraction = 0;
    for (int i = 0; i < 4; ++i) {
        fraction *= 10;
        if (i < decimales.size()) {
            const QChar c = decimales[i];
            if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
                return false;
            }
            fraction += c.unicode() - '0';
        }
    }
    valeur = valeur * 10000 + fraction;
    dixMilliemes = negatif ? -valeur : valeur;
    return true;
}

QString DateIso(const QDate& date)
{
    return QStringLiteral("%1-%2-%3")
        .arg(date.year(), 4, 10, QLatin1Char('0'))
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.day(), 2, 10, QLatin1Char('0'));
}

bool TexteDepuisIso(const char* iso, int longueur, QString& texte)
{
    if (longueur != 10 || iso[4] != '-' || iso[7] != '-') {
        return false;
    }
    for (int i : {0, 1, 2, 3, 5, 6, 8, 9}) {
        if (iso[i] < '0' || iso[i] > '9') {
            return false;
        }
    }
    const char forme[10] = {iso[8], iso[9], '/', iso[5], iso[6], '/', iso[0], iso[1], iso[2], iso[3]};
    texte = QString::fromLatin1(forme, 10);
    return true;
}

QDate DepuisIso(const QString& iso)
{
    int n[3];
    int chiffres[3];
    if (!LireNombres(iso, QLatin1Char('-'), 3, n, chiffres) || chiffres[0] != 4) {
        return QDate();
    }
    return QDate(n[0], n[1], n[2]);
}

QString TexteStocke(TypeChamp type, const QVariant& stockee)
{
    if (!stockee.isValid() || stockee.isNull()) {
        return QString();
    }
    switch (type) {
    case TypeChamp::Date: {
        const QDate d = DepuisIso(stockee.toString());
        return d.isValid() ? TexteDate(d) : stockee.toString();
    }
    case TypeChamp::Logique:
        return TexteLogique(LogiqueStocke(stockee));
    case TypeChamp::Monnaie:
        if (stockee.typeId() == QMetaType::Double) {
            return QString::number(stockee.toDouble(), 'g', 17);
        }
        return TexteMonnaie(stockee.toLongLong());
    case TypeChamp::Binaire:
        return QString::fromUtf8(stockee.toByteArray());
    case TypeChamp::Entier:
    case TypeChamp::Texte:
    case TypeChamp::Memo:
    case TypeChamp::Heure:
        break;
    }
    return stockee.toString();
}

bool LogiqueStocke(const QVariant& stockee)
{
    if (stockee.typeId() == QMetaType::QString) {
        bool v = false;
        return LireLogique(stockee.toString(), v) ? v : stockee.toString() == QLatin1String("1");
    }
    return stockee.isValid() && !stockee.isNull() && stockee.toLongLong() != 0;
}

qint64 MonnaieStockee(const QVariant& stockee)
{
    if (stockee.typeId() == QMetaType::Double) {
        return qRound64(stockee.toDouble() * 10000.0);
    }
    return stockee.toLongLong();
}

QDate DateStockee(TypeChamp type, const QVariant& stockee)
{
    if (type != TypeChamp::Date || !stockee.isValid() || stockee.isNull()) {
        return QDate();
    }
    return DepuisIso(stockee.toString());
}

Resultat VerifierTaille(const DescriptionChamp& champ, const QString& texte)
{
    if (champ.type == TypeChamp::Texte && Longueur(texte) > champ.taille) {
        return Resultat::Echec(
            QStringLiteral("Le texte du champ '%1' dépasse %2 caractères (il en compte %3).")
                .arg(champ.nom)
                .arg(champ.taille)
                .arg(Longueur(texte)));
    }
    return Resultat::Succes();
}

Resultat ConvertirTexte(const DescriptionChamp& champ, const QString& texte, QVariant& stockee)
{
    if (texte.isEmpty()) {
        stockee = QVariant();
        return Resultat::Succes();
    }
    switch (champ.type) {
    case TypeChamp::Texte:
    case TypeChamp::Memo: {
        const Resultat r = VerifierTaille(champ, texte);
        if (!r) {
            return r;
        }
        stockee = texte;
        return Resultat::Succes();
    }
    case TypeChamp::Date: {
        QDate d;
        if (!LireDate(texte, d)) {
            return Resultat::Echec(QStringLiteral("'%1' n'est pas une date correcte pour le champ '%2' "
                                                  "(jj/mm/aaaa).")
                                       .arg(texte, champ.nom));
        }
        stockee = DateIso(d);
        return Resultat::Succes();
    }
    case TypeChamp::Heure: {
        QTime t;
        if (!LireHeure(texte, t)) {
            return Resultat::Echec(QStringLiteral("'%1' n'est pas une heure correcte pour le champ '%2' "
                                                  "(hh:mm:ss).")
                                       .arg(texte, champ.nom));
        }
        stockee = TexteHeure(t);
        return Resultat::Succes();
    }
    case TypeChamp::Logique: {
        bool v = false;
        if (!LireLogique(texte, v)) {
            return Resultat::Echec(QStringLiteral("'%1' n'est pas une valeur correcte pour le champ '%2' "
                                                  "(Vrai ou Faux).")
                                       .arg(texte, champ.nom));
        }
        stockee = qint64(v ? 1 : 0);
        return Resultat::Succes();
    }
    case TypeChamp::Monnaie: {
        qint64 m = 0;
        if (!LireMonnaie(texte, m)) {
            return Resultat::Echec(QStringLiteral("'%1' n'est pas un montant correct pour le champ '%2' "
                                                  "(chiffres, point décimal, quatre décimales au plus).")
                                       .arg(texte, champ.nom));
        }
        stockee = m;
        return Resultat::Succes();
    }
    case TypeChamp::Entier: {
        bool ok = false;
        const qint64 n = texte.trimmed().toLongLong(&ok);
        if (!ok) {
            return Resultat::Echec(
                QStringLiteral("'%1' n'est pas un nombre entier correct pour le champ '%2'.")
                    .arg(texte, champ.nom));
        }
        stockee = n;
        return Resultat::Succes();
    }
    case TypeChamp::Binaire:
        stockee = texte.toUtf8();
        return Resultat::Succes();
    }
    return Resultat::Succes();
}

bool EstVide(const QVariant& stockee)
{
    if (!stockee.isValid() || stockee.isNull()) {
        return true;
    }
    if (stockee.typeId() == QMetaType::QString) {
        return stockee.toString().isEmpty();
    }
    if (stockee.typeId() == QMetaType::QByteArray) {
        return stockee.toByteArray().isEmpty();
    }
    return false;
}

} // namespace Formes
