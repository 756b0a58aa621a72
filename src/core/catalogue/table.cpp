#include "table.h"

#include "formes.h"

#include <QDebug>
#include <algorithm>
#include <sqlite3.h>

namespace {

const QString PasEnEdition = QStringLiteral("La table n'est pas en mode édition ou insertion.");

} // namespace

Resultat Table::Ouvrir(const QString& dossier, const DescriptionTable& schema)
{
    Fermer();
    std::shared_ptr<Connexion> connexion;
    Resultat r = Connexion::Ouvrir(dossier, schema, connexion);
    if (!r) {
        return r;
    }
    // The row numbers come from the smallest index that holds them, not from the rows (which hold covers).
    Instruction st;
    r = st.Preparer(connexion->db(), QStringLiteral("SELECT rowid FROM %1").arg(schema.nom).toUtf8());
    if (!r) {
        return r;
    }
    std::vector<qint64> ids;
    int rc;
    while ((rc = sqlite3_step(st.get())) == SQLITE_ROW) {
        ids.push_back(sqlite3_column_int64(st.get(), 0));
    }
    if (rc != SQLITE_DONE) {
        return connexion->Erreur();
    }
    std::sort(ids.begin(), ids.end());

    m_connexion = std::move(connexion);
    m_schema = &schema;
    m_ids = std::move(ids);
    m_etat = Etat::Navigation;
    m_ligne.clear();
    m_idLigne = -1;
    First();
    return Resultat::Succes();
}

void Table::Fermer()
{
    m_lireLigne.Finaliser();
    m_connexion.reset();
    m_etat = Etat::Fermee;
    m_ids.clear();
    m_position = -1;
    m_eof = m_bof = true;
    m_ligne.clear();
    m_idLigne = -1;
    m_tampon.clear();
    m_modifie.clear();
}

bool Table::VerifierNavigation()
{
    if (m_etat == Etat::Edition || m_etat == Etat::Insertion) {
        if (!MettreAJour()) {
            return false;
        }
        // A record in which nothing was written is dropped rather than posted: an empty new record
        // would only be refused for its missing key.
        if (!Modifie()) {
            Cancel();
        } else if (!PosterTampon()) {
            return false;
        }
    }
    return m_etat == Etat::Navigation;
}

Resultat Table::MettreAJour()
{
    return surMiseAJour ? surMiseAJour() : Resultat::Succes();
}

bool Table::Modifie() const
{
    return std::find(m_modifie.begin(), m_modifie.end(), true) != m_modifie.end();
}

void Table::Aller(int position)
{
    m_position = m_ids.empty() ? -1 : std::clamp(position, 0, static_cast<int>(m_ids.size()) - 1);
    Notifier();
}

void Table::First()
{
    if (!VerifierNavigation()) {
        return;
    }
    Aller(0);
    m_bof = true;
    m_eof = m_ids.empty();
}

void Table::Last()
{
    if (!VerifierNavigation()) {
        return;
    }
    Aller(static_cast<int>(m_ids.size()) - 1);
    m_eof = true;
    m_bof = m_ids.empty();
}

void Table::Next()
{
    if (!VerifierNavigation()) {
        return;
    }
    if (m_position + 1 >= static_cast<int>(m_ids.size())) {
        m_eof = true;
        return;
    }
    Aller(m_position + 1);
    m_eof = m_bof = false;
}

void Table::Prior()
{
    if (!VerifierNavigation()) {
        return;
    }
    if (m_position <= 0) {
        m_bof = true;
        return;
    }
    Aller(m_position - 1);
    m_eof = m_bof = false;
}

bool Table::Locate(const QString& champ, const QString& valeur)
{
    if (!VerifierNavigation()) {
        return false;
    }
    int indice = -1;
    const DescriptionChamp* c = ChampNomme(champ, indice);
    if (!c) {
        return false;
    }
    QVariant stockee;
    if (!Formes::ConvertirTexte(*c, valeur, stockee)) {
        return false;
    }
    const bool nul = !stockee.isValid();
    const QString sql =
        QStringLiteral("SELECT rowid FROM %1 WHERE %2 %3 ORDER BY rowid LIMIT 1")
            .arg(m_schema->nom, c->nom, nul ? QStringLiteral("IS NULL") : QStringLiteral("= ?1"));
    Instruction st;
    if (!st.Preparer(m_connexion->db(), sql.toUtf8())) {
        return false;
    }
    if (!nul) {
        LierValeur(st.get(), 1, stockee);
    }
    if (sqlite3_step(st.get()) != SQLITE_ROW) {
        return false;
    }
    const qint64 id = sqlite3_column_int64(st.get(), 0);
    const auto it = std::lower_bound(m_ids.begin(), m_ids.end(), id);
    if (it == m_ids.end() || *it != id) {
        return false;
    }
    Aller(static_cast<int>(it - m_ids.begin()));
    m_eof = m_bof = false;
    return true;
}

void Table::Positionner(int position)
{
    if (position < 0 || position >= static_cast<int>(m_ids.size()) || !VerifierNavigation()) {
        return;
    }
    Aller(position);
    m_eof = m_bof = false;
}

Resultat Table::ListerTextes(const QString& champ, QStringList& textes) const
{
    textes.clear();
    int indice = -1;
    const DescriptionChamp* c = ChampNomme(champ, indice);
    if (!c || !m_connexion) {
        return Resultat::Echec(QStringLiteral("Champ '%1' non trouvé.").arg(champ));
    }
    Instruction st;
    Resultat r =
        st.Preparer(m_connexion->db(),
                    QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid").arg(c->nom, m_schema->nom).toUtf8());
    if (!r) {
        return r;
    }
    int rc;
    while ((rc = sqlite3_step(st.get())) == SQLITE_ROW) {
        textes << Formes::TexteStocke(c->type, LireColonne(st.get(), 0));
    }
    if (rc != SQLITE_DONE) {
        return m_connexion->Erreur();
    }
    return Resultat::Succes();
}

Resultat Table::Append()
{
    if (m_etat == Etat::Fermee) {
        return Resultat::Echec(QStringLiteral("La table est fermée."));
    }
    if (m_etat != Etat::Navigation) {
        const Resultat r = Post();
        if (!r) {
            return r;
        }
    }
    m_tampon.assign(m_schema->champs.size(), QVariant());
    m_modifie.assign(m_schema->champs.size(), false);
    m_etat = Etat::Insertion;
    m_eof = true;
    Notifier();
    return Resultat::Succes();
}

Resultat Table::Edit()
{
    if (m_etat == Etat::Fermee) {
        return Resultat::Echec(QStringLiteral("La table est fermée."));
    }
    if (m_etat != Etat::Navigation) {
        return Resultat::Succes();
    }
    if (m_ids.empty()) {
        return Append();
    }
    ChargerLigne();
    m_tampon = m_ligne;
    m_modifie.assign(m_schema->champs.size(), false);
    for (size_t i = 0; i < m_schema->champs.size(); ++i) {
        if (m_schema->champs[i].type == TypeChamp::Binaire) {
            m_tampon[i] = QVariant(); // read from the file only when asked for
        }
    }
    m_etat = Etat::Edition;
    Notifier();
    return Resultat::Succes();
}

void Table::Cancel()
{
    if (m_etat != Etat::Edition && m_etat != Etat::Insertion) {
        return;
    }
    m_etat = Etat::Navigation;
    m_tampon.clear();
    m_modifie.clear();
    m_eof = m_ids.empty();
    Notifier();
}

Resultat Table::Refuser(const Resultat& erreur)
{
    if (surErreurPoster) {
        return surErreurPoster(erreur);
    }
    return erreur;
}

Resultat Table::Post()
{
    if (m_etat != Etat::Edition && m_etat != Etat::Insertion) {
        return Resultat::Echec(PasEnEdition);
    }
    const Resultat r = MettreAJour();
    if (!r) {
        return r;
    }
    return PosterTampon();
}

Resultat Table::PosterTampon()
{
    if (m_etat != Etat::Edition && m_etat != Etat::Insertion) {
        return Resultat::Echec(PasEnEdition);
    }
    for (size_t i = 0; i < m_schema->champs.size(); ++i) {
        const DescriptionChamp& c = m_schema->champs[i];
        if (c.requis && Formes::EstVide(m_tampon[i])) {
            return Refuser(Resultat::Echec(QStringLiteral("Le champ '%1' doit avoir une valeur").arg(c.nom)));
        }
    }

    // The columns written: all but the record number, and a binary field only when it was written
    // (an edit does not read the cover just to write it back).
    QStringList colonnes;
    std::vector<size_t> indices;
    for (size_t i = 0; i < m_schema->champs.size(); ++i) {
        const DescriptionChamp& c = m_schema->champs[i];
        if (c.autoIncrement || (c.type == TypeChamp::Binaire && !m_modifie[i])) {
            continue;
        }
        colonnes << c.nom;
        indices.push_back(i);
    }
    QString sql;
    if (m_etat == Etat::Insertion) {
        QStringList marques;
        for (size_t k = 0; k < indices.size(); ++k) {
            marques << QStringLiteral("?%1").arg(k + 1);
        }
        sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                  .arg(m_schema->nom, colonnes.join(QLatin1Char(',')), marques.join(QLatin1Char(',')));
    } else {
        QStringList affectations;
        for (size_t k = 0; k < indices.size(); ++k) {
            affectations << QStringLiteral("%1=?%2").arg(colonnes[static_cast<qsizetype>(k)]).arg(k + 1);
        }
        sql = QStringLiteral("UPDATE %1 SET %2 WHERE rowid=?%3")
                  .arg(m_schema->nom, affectations.join(QLatin1Char(',')))
                  .arg(indices.size() + 1);
    }
    Instruction st;
    Resultat r = st.Preparer(m_connexion->db(), sql.toUtf8());
    if (!r) {
        return Refuser(r);
    }
    for (size_t k = 0; k < indices.size(); ++k) {
        LierValeur(st.get(), static_cast<int>(k + 1), m_tampon[indices[k]]);
    }
    if (m_etat == Etat::Edition) {
        sqlite3_bind_int64(st.get(), static_cast<int>(indices.size() + 1), IdCourant());
    }
    // One statement in autocommit mode: one transaction, synced to the disk before step returns.
    const int rc = sqlite3_step(st.get());
    if (rc != SQLITE_DONE) {
        return Refuser(ErreurEcriture(m_connexion->db(), sqlite3_extended_errcode(m_connexion->db())));
    }
    m_connexion->Modifiee();
    if (m_etat == Etat::Insertion) {
        const qint64 id = sqlite3_last_insert_rowid(m_connexion->db());
        const auto it = std::lower_bound(m_ids.begin(), m_ids.end(), id);
        const auto place = m_ids.insert(it, id); // may reallocate: begin() only after it
        m_position = static_cast<int>(place - m_ids.begin());
    }
    m_etat = Etat::Navigation;
    m_tampon.clear();
    m_modifie.clear();
    m_eof = m_bof = false;
    Notifier();
    return Resultat::Succes();
}

Resultat Table::Delete()
{
    if (m_etat == Etat::Fermee) {
        return Resultat::Echec(QStringLiteral("La table est fermée."));
    }
    if (m_etat == Etat::Insertion) {
        Cancel();
        return Resultat::Succes();
    }
    if (m_etat == Etat::Edition) {
        Cancel();
    }
    if (m_ids.empty()) {
        return Resultat::Echec(QStringLiteral("Impossible de supprimer : la table est vide."));
    }
    Instruction st;
    Resultat r = st.Preparer(m_connexion->db(),
                             QStringLiteral("DELETE FROM %1 WHERE rowid=?1").arg(m_schema->nom).toUtf8());
    if (!r) {
        return r;
    }
    sqlite3_bind_int64(st.get(), 1, IdCourant());
    if (sqlite3_step(st.get()) != SQLITE_DONE) {
        return m_connexion->Erreur();
    }
    m_connexion->Modifiee();
    m_ids.erase(m_ids.begin() + m_position);
    m_eof = m_bof = m_ids.empty();
    Aller(m_position);
    return Resultat::Succes();
}

qint64 Table::IdCourant() const
{
    return (m_position >= 0 && m_position < static_cast<int>(m_ids.size()))
               ? m_ids[static_cast<size_t>(m_position)]
               : -1;
}

void Table::Notifier() const
{
    if (surChangement) {
        surChangement();
    }
}

const DescriptionChamp* Table::ChampNomme(const QString& champ, int& indice) const
{
    indice = m_schema ? m_schema->IndiceChamp(champ) : -1;
    if (indice < 0) {
        qWarning("Champ '%s' non trouvé", qUtf8Printable(champ));
        return nullptr;
    }
    return &m_schema->champs[static_cast<size_t>(indice)];
}

void Table::ChargerLigne() const
{
    const qint64 id = IdCourant();
    if (id < 0) {
        m_ligne.assign(m_schema ? m_schema->champs.size() : 0, QVariant());
        m_idLigne = -1;
        return;
    }
    // A change through the query (the loan register shares the connection) makes the row read again.
    if (id == m_idLigne && m_generationLigne == m_connexion->generation()) {
        return;
    }
    if (!m_lireLigne) {
        QStringList colonnes;
        for (const DescriptionChamp& c : m_schema->champs) {
            colonnes << (c.type == TypeChamp::Binaire ? QStringLiteral("length(%1)").arg(c.nom) : c.nom);
        }
        const QString sql = QStringLiteral("SELECT %1 FROM %2 WHERE rowid=?1")
                                .arg(colonnes.join(QLatin1Char(',')), m_schema->nom);
        if (!m_lireLigne.Preparer(m_connexion->db(), sql.toUtf8())) {
            m_ligne.assign(m_schema->champs.size(), QVariant());
            return;
        }
    }
    sqlite3_stmt* st = m_lireLigne.get();
    sqlite3_bind_int64(st, 1, id);
    m_ligne.assign(m_schema->champs.size(), QVariant());
    if (sqlite3_step(st) == SQLITE_ROW) {
        for (size_t i = 0; i < m_ligne.size(); ++i) {
            m_ligne[i] = LireColonne(st, static_cast<int>(i));
        }
    }
    sqlite3_reset(st);
    m_idLigne = id;
    m_generationLigne = m_connexion->generation();
}

QVariant Table::Valeur(int indice) const
{
    const size_t i = static_cast<size_t>(indice);
    if (m_etat == Etat::Edition || m_etat == Etat::Insertion) {
        if (m_schema->champs[i].type == TypeChamp::Binaire && !m_modifie[i]) {
            return m_etat == Etat::Edition ? QVariant(LireBlob(indice)) : QVariant();
        }
        return m_tampon[i];
    }
    if (m_etat != Etat::Navigation) {
        return QVariant();
    }
    if (m_schema->champs[i].type == TypeChamp::Binaire) {
        return LireBlob(indice);
    }
    ChargerLigne();
    return m_ligne[i];
}

QByteArray Table::LireBlob(int indice) const
{
    const qint64 id = IdCourant();
    if (id < 0) {
        return QByteArray();
    }
    Instruction st;
    const QString sql = QStringLiteral("SELECT %1 FROM %2 WHERE rowid=?1")
                            .arg(m_schema->champs[static_cast<size_t>(indice)].nom, m_schema->nom);
    if (!st.Preparer(m_connexion->db(), sql.toUtf8())) {
        return QByteArray();
    }
    sqlite3_bind_int64(st.get(), 1, id);
    if (sqlite3_step(st.get()) != SQLITE_ROW || sqlite3_column_type(st.get(), 0) == SQLITE_NULL) {
        return QByteArray();
    }
    const void* octets = sqlite3_column_blob(st.get(), 0);
    return QByteArray(static_cast<const char*>(octets), sqlite3_column_bytes(st.get(), 0));
}

QString Table::Texte(const QString& champ) const
{
    int i = -1;
    const DescriptionChamp* c = ChampNomme(champ, i);
    return c ? Formes::TexteStocke(c->type, Valeur(i)) : QString();
}

bool Table::Logique(const QString& champ) const
{
    int i = -1;
    return ChampNomme(champ, i) && Formes::LogiqueStocke(Valeur(i));
}

qint64 Table::Monnaie(const QString& champ) const
{
    int i = -1;
    return ChampNomme(champ, i) ? Formes::MonnaieStockee(Valeur(i)) : 0;
}

qint64 Table::Entier(const QString& champ) const
{
    int i = -1;
    return ChampNomme(champ, i) ? Valeur(i).toLongLong() : 0;
}

QDate Table::Date(const QString& champ) const
{
    int i = -1;
    const DescriptionChamp* c = ChampNomme(champ, i);
    return c ? Formes::DateStockee(c->type, Valeur(i)) : QDate();
}

QByteArray Table::Blob(const QString& champ) const
{
    int i = -1;
    const DescriptionChamp* c = ChampNomme(champ, i);
    if (!c) {
        return QByteArray();
    }
    const QVariant v = Valeur(i);
    return v.typeId() == QMetaType::QString ? v.toString().toUtf8() : v.toByteArray();
}

bool Table::EstNul(const QString& champ) const
{
    int i = -1;
    const DescriptionChamp* c = ChampNomme(champ, i);
    if (!c) {
        return true;
    }
    if (c->type == TypeChamp::Binaire && m_etat == Etat::Navigation) {
        ChargerLigne(); // holds the size, so the cover is not read to test it
        const QVariant taille = m_ligne[static_cast<size_t>(i)];
        return !taille.isValid() || taille.toLongLong() == 0;
    }
    return Formes::EstVide(Valeur(i));
}

Resultat Table::Ecrire(const QString& champ,
                       const std::function<Resultat(const DescriptionChamp&, QVariant&)>& valeur)
{
    if (m_etat != Etat::Edition && m_etat != Etat::Insertion) {
        return Resultat::Echec(PasEnEdition);
    }
    const int i = m_schema->IndiceChamp(champ);
    if (i < 0) {
        return Resultat::Echec(QStringLiteral("Champ '%1' non trouvé.").arg(champ));
    }
    const DescriptionChamp& c = m_schema->champs[static_cast<size_t>(i)];
    if (c.autoIncrement) {
        return Resultat::Echec(QStringLiteral("Le champ '%1' ne peut pas être modifié.").arg(c.nom));
    }
    QVariant nouvelle;
    const Resultat r = valeur(c, nouvelle);
    if (!r) {
        return r;
    }
    m_tampon[static_cast<size_t>(i)] = nouvelle;
    m_modifie[static_cast<size_t>(i)] = true;
    Notifier();
    return Resultat::Succes();
}

Resultat Table::EcrireTexte(const QString& champ, const QString& texte)
{
    return Ecrire(
        champ, [&](const DescriptionChamp& c, QVariant& v) { return Formes::ConvertirTexte(c, texte, v); });
}

Resultat Table::EcrireLogique(const QString& champ, bool valeur)
{
    return Ecrire(champ, [&](const DescriptionChamp& c, QVariant& v) {
        if (c.type != TypeChamp::Logique) {
            return Resultat::Echec(QStringLiteral("Le champ '%1' n'est pas un champ logique.").arg(c.nom));
        }
        v = qint64(valeur ? 1 : 0);
        return Resultat::Succes();
    });
}

Resultat Table::EcrireMonnaie(const QString& champ, qint64 dixMilliemes)
{
    return Ecrire(champ, [&](const DescriptionChamp& c, QVariant& v) {
        if (c.type != TypeChamp::Monnaie) {
            return Resultat::Echec(QStringLiteral("Le champ '%1' n'est pas un montant.").arg(c.nom));
        }
        v = dixMilliemes;
        return Resultat::Succes();
    });
}

Resultat Table::EcrireDate(const QString& champ, const QDate& date)
{
    return Ecrire(champ, [&](const DescriptionChamp& c, QVariant& v) {
        if (c.type != TypeChamp::Date) {
            return Resultat::Echec(QStringLiteral("Le champ '%1' n'est pas une date.").arg(c.nom));
        }
        v = date.isValid() ? QVariant(Formes::DateIso(date)) : QVariant();
        return Resultat::Succes();
    });
}

Resultat Table::EcrireBlob(const QString& champ, const QByteArray& octets)
{
    return Ecrire(champ, [&](const DescriptionChamp& c, QVariant& v) {
        if (c.type != TypeChamp::Binaire && c.type != TypeChamp::Memo) {
            return Resultat::Echec(QStringLiteral("Le champ '%1' n'est pas un champ binaire.").arg(c.nom));
        }
        v = c.type == TypeChamp::Binaire ? QVariant(octets) : QVariant(QString::fromUtf8(octets));
        return Resultat::Succes();
    });
}

Resultat Table::Effacer(const QString& champ)
{
    return Ecrire(champ, [](const DescriptionChamp&, QVariant& v) {
        v = QVariant();
        return Resultat::Succes();
    });
}
