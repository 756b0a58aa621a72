#include "outils_catalogue.h"

#include <sqlite3.h>

Resultat AjouterFiche(Table& table, const Champs& champs, const QByteArray& couverture,
                      const QString& champCouverture)
{
    Resultat r = table.Append();
    if (!r) {
        return r;
    }
    for (const auto& [champ, texte] : champs) {
        r = table.EcrireTexte(champ, texte);
        if (!r) {
            table.Cancel();
            return r;
        }
    }
    if (!couverture.isNull()) {
        r = table.EcrireBlob(champCouverture, couverture);
        if (!r) {
            table.Cancel();
            return r;
        }
    }
    return table.Post();
}

QByteArray Octets(int taille, int graine)
{
    QByteArray octets(taille, Qt::Uninitialized);
    quint32 x = 2463534242u + static_cast<quint32>(graine) * 7919u;
    for (int i = 0; i < taille; ++i) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        octets[i] = static_cast<char>(x & 0xFF);
    }
    return octets;
}

QStringList Colonne(Query& query, const QString& champ)
{
    QStringList lignes;
    while (!query.Eof()) {
        lignes << query.Texte(champ);
        query.Next();
    }
    return lignes;
}

QString Executer(sqlite3* db, const QString& sql)
{
    QStringList lignes;
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &st, nullptr) != SQLITE_OK) {
        return QStringLiteral("ERREUR: ") + QString::fromUtf8(sqlite3_errmsg(db));
    }
    while (sqlite3_step(st) == SQLITE_ROW) {
        QStringList valeurs;
        for (int i = 0; i < sqlite3_column_count(st); ++i) {
            valeurs << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, i)));
        }
        lignes << valeurs.join(QLatin1Char('|'));
    }
    sqlite3_finalize(st);
    return lignes.join(QLatin1Char('\n'));
}
