#include "query.h"

#include "formes.h"

#include <QDebug>
#include <QRegularExpression>
#include <sqlite3.h>

namespace {

// A plain selection from one table: its columns named one by one, the table, and what follows.
struct Selection
{
    const DescriptionTable* table = nullptr;
    QStringList colonnes;
    QString suite;
};

bool AnalyserSelection(const QString& sql, const DescriptionTable& schema, Selection& selection)
{
    static const QRegularExpression forme(
        QStringLiteral("^\\s*SELECT\\s+(.+?)\\s+FROM\\s+([A-Za-z_][A-Za-z0-9_]*)\\s*(.*)$"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression identifiant(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    static const QRegularExpression suiteSimple(QStringLiteral("^(WHERE|ORDER\\s+BY)\\b"),
                                                QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression regroupement(
        QStringLiteral("\\b(GROUP|UNION|JOIN|HAVING|INTERSECT|EXCEPT|DISTINCT)\\b"),
        QRegularExpression::CaseInsensitiveOption);

    const QRegularExpressionMatch m = forme.match(sql);
    if (!m.hasMatch() || m.captured(2).compare(schema.nom, Qt::CaseInsensitive) != 0) {
        return false;
    }
    const QString suite = m.captured(3).trimmed();
    if ((!suite.isEmpty() && !suiteSimple.match(suite).hasMatch()) || regroupement.match(suite).hasMatch()) {
        return false;
    }
    QStringList colonnes;
    for (const QString& morceau : m.captured(1).split(QLatin1Char(','))) {
        const QString nom = morceau.trimmed();
        if (!identifiant.match(nom).hasMatch() || !schema.Champ(nom) ||
            nom.compare(QLatin1String("DISTINCT"), Qt::CaseInsensitive) == 0) {
            return false;
        }
        colonnes << nom;
    }
    selection.table = &schema;
    selection.colonnes = colonnes;
    selection.suite = suite;
    return true;
}

QString TexteSansType(const QVariant& v)
{
    if (v.typeId() == QMetaType::Double) {
        return QString::number(v.toDouble(), 'g', 15);
    }
    if (v.typeId() == QMetaType::QByteArray) {
        return QString::fromUtf8(v.toByteArray());
    }
    return v.toString();
}

} // namespace

void LignesSql::Clear()
{
    m_query.Oublier();
    m_lignes.clear();
}

void LignesSql::Add(const QString& ligne)
{
    m_query.Oublier();
    m_lignes << ligne;
}

void LignesSql::Delete(int indice)
{
    m_query.Oublier();
    if (indice >= 0 && indice < m_lignes.size()) {
        m_lignes.removeAt(indice);
    }
}

void Parametre::DefinirTexte(const QString& texte)
{
    m_defini = true;
    m_erreur.clear();
    m_valeur = texte;
}

void Parametre::DefinirDate(const QDate& date)
{
    m_defini = true;
    m_erreur.clear();
    m_valeur = date.isValid() ? QVariant(Formes::DateIso(date)) : QVariant();
}

void Parametre::DefinirDate(const QString& texte)
{
    QDate date;
    if (!texte.isEmpty() && !Formes::LireDate(texte, date)) {
        m_defini = true;
        m_valeur = QVariant();
        m_erreur = QStringLiteral("'%1' n'est pas une date correcte pour le paramètre '%2' (jj/mm/aaaa).")
                       .arg(texte, m_nom);
        return;
    }
    DefinirDate(date);
}

void Parametre::DefinirValeur(const QVariant& valeur)
{
    switch (valeur.typeId()) {
    case QMetaType::QDate:
        DefinirDate(valeur.toDate());
        return;
    case QMetaType::Bool:
        m_valeur = qint64(valeur.toBool() ? 1 : 0);
        break;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
        m_valeur = valeur.toLongLong();
        break;
    default:
        m_valeur = valeur;
        break;
    }
    m_defini = true;
    m_erreur.clear();
}

void Parametre::Effacer()
{
    m_defini = true;
    m_erreur.clear();
    m_valeur = QVariant();
}

Query::Query() : m_sql(*this) {}

Query::~Query()
{
    Close();
}

void Query::Attacher(std::shared_ptr<Connexion> connexion)
{
    Close();
    m_connexion = std::move(connexion);
}

void Query::Oublier()
{
    Close();
    m_parametres.clear();
}

Parametre& Query::ParamByName(const QString& nom)
{
    Parametre& p = m_parametres[nom.toLower()];
    if (p.m_nom.isEmpty()) {
        p.m_nom = nom;
    }
    return p;
}

Resultat Query::Lier(sqlite3_stmt* st)
{
    const int n = sqlite3_bind_parameter_count(st);
    std::vector<QString> presents;
    for (int i = 1; i <= n; ++i) {
        const char* nomBrut = sqlite3_bind_parameter_name(st, i);
        if (!nomBrut || !*nomBrut) {
            return Resultat::Echec(QStringLiteral("La requête contient un paramètre sans nom."));
        }
        const QString nom = QString::fromUtf8(nomBrut + 1);
        const auto it = m_parametres.find(nom.toLower());
        if (it == m_parametres.end() || !it->second.m_defini) {
            return Resultat::Echec(QStringLiteral("Pas de valeur pour le paramètre '%1'").arg(nom));
        }
        if (!it->second.m_erreur.isEmpty()) {
            return Resultat::Echec(it->second.m_erreur);
        }
        if (LierValeur(st, i, it->second.m_valeur) != SQLITE_OK) {
            return m_connexion->Erreur();
        }
        presents.push_back(nom.toLower());
    }
    for (const auto& [cle, parametre] : m_parametres) {
        if (parametre.m_defini && std::find(presents.begin(), presents.end(), cle) == presents.end()) {
            return Resultat::Echec(
                QStringLiteral("Paramètre '%1' non trouvé dans la requête.").arg(parametre.m_nom));
        }
    }
    return Resultat::Succes();
}

Resultat Query::Open()
{
    Close();
    if (!m_connexion) {
        return Resultat::Echec(QStringLiteral("La requête n'est reliée à aucun catalogue."));
    }
    const QString texte = m_sql.Texte();
    Selection selection;
    const bool modifiable = AnalyserSelection(texte, m_connexion->schema(), selection);
    if (modifiable) {
        // The row number comes first, to post edits to the right row; binary columns are replaced by
        // their size, so stepping never reads a cover: it is read by row number when asked for.
        QStringList colonnes{QStringLiteral("rowid")};
        for (const QString& nom : selection.colonnes) {
            colonnes << (selection.table->Champ(nom)->type == TypeChamp::Binaire
                             ? QStringLiteral("length(%1)").arg(nom)
                             : nom);
        }
        m_texteExecute =
            QStringLiteral("SELECT %1 FROM %2").arg(colonnes.join(QLatin1Char(',')), selection.table->nom);
        if (!selection.suite.isEmpty()) {
            m_texteExecute += QLatin1Char('\n') + selection.suite;
        }
    } else {
        m_texteExecute = texte;
    }

    Resultat r = m_st.Preparer(m_connexion->db(), m_texteExecute.toUtf8());
    if (!r) {
        return r;
    }
    r = Lier(m_st.get());
    if (!r) {
        Close();
        return r;
    }
    m_decalage = modifiable ? 1 : 0;
    m_table = modifiable ? selection.table : nullptr;
    const int n = sqlite3_column_count(m_st.get());
    for (int i = m_decalage; i < n; ++i) {
        Colonne c;
        if (modifiable) {
            c.nom = selection.colonnes[i - 1];
            c.champ = selection.table->Champ(c.nom);
            c.type = c.champ->type;
        } else {
            c.nom = QString::fromUtf8(sqlite3_column_name(m_st.get(), i));
            TypeChamp type;
            int taille = 0;
            if (TypeDepuisDeclaration(sqlite3_column_decltype(m_st.get(), i), type, taille)) {
                c.type = type;
            }
        }
        m_colonnes.push_back(c);
    }
    m_etat = Etat::Navigation;
    Avancer();
    if (!m_erreurLecture) {
        const Resultat erreur = m_erreurLecture;
        Close();
        return erreur;
    }
    return Resultat::Succes();
}

void Query::Close()
{
    m_st.Finaliser();
    m_etat = Etat::Fermee;
    m_eof = true;
    m_decalage = 0;
    m_table = nullptr;
    m_colonnes.clear();
    m_nombre.reset();
    m_erreurLecture = Resultat::Succes();
    m_tampon.clear();
    m_modifie.clear();
    m_ligneRemplacee = false;
    m_idLigne = -1;
}

void Query::Avancer()
{
    m_tampon.clear();
    m_modifie.clear();
    m_ligneRemplacee = false;
    m_idLigne = -1;
    const int rc = sqlite3_step(m_st.get());
    if (rc == SQLITE_ROW) {
        m_eof = false;
        return;
    }
    m_eof = true;
    if (rc != SQLITE_DONE) {
        m_erreurLecture = m_connexion->Erreur();
    }
}

void Query::Next()
{
    if (m_etat == Etat::Edition && !Post()) {
        return;
    }
    if (m_etat != Etat::Navigation || m_eof) {
        return;
    }
    Avancer();
}

void Query::First()
{
    if (m_etat == Etat::Edition && !Post()) {
        return;
    }
    if (m_etat != Etat::Navigation) {
        return;
    }
    sqlite3_reset(m_st.get());
    m_erreurLecture = Resultat::Succes();
    Avancer();
}

int Query::RecordCount()
{
    if (m_etat == Etat::Fermee) {
        return 0;
    }
    if (!m_nombre) {
        Instruction compte;
        const QString sql = QStringLiteral("SELECT COUNT(*) FROM (\n%1\n)").arg(m_texteExecute);
        if (!compte.Preparer(m_connexion->db(), sql.toUtf8()) || !Lier(compte.get()) ||
            sqlite3_step(compte.get()) != SQLITE_ROW) {
            m_erreurLecture = m_connexion->Erreur();
            return 0;
        }
        m_nombre = sqlite3_column_int(compte.get(), 0);
    }
    return *m_nombre;
}

QString Query::NomChamp(int colonne) const
{
    return (colonne >= 0 && colonne < FieldCount()) ? m_colonnes[static_cast<size_t>(colonne)].nom
                                                    : QString();
}

int Query::IndiceChamp(const QString& champ) const
{
    for (size_t i = 0; i < m_colonnes.size(); ++i) {
        if (m_colonnes[i].nom.compare(champ, Qt::CaseInsensitive) == 0) {
            return static_cast<int>(i);
        }
    }
    if (m_etat != Etat::Fermee) {
        qWarning("Champ '%s' non trouvé dans le résultat de la requête", qUtf8Printable(champ));
    }
    return -1;
}

QVariant Query::Valeur(int colonne) const
{
    if (colonne < 0 || colonne >= FieldCount() || m_etat == Etat::Fermee || m_eof) {
        return QVariant();
    }
    const Colonne& c = m_colonnes[static_cast<size_t>(colonne)];
    const bool binaire = c.champ && c.type == TypeChamp::Binaire;
    if (m_etat == Etat::Edition || m_ligneRemplacee) {
        if (binaire && !m_modifie[static_cast<size_t>(colonne)]) {
            return LireBlob(colonne);
        }
        return m_tampon[static_cast<size_t>(colonne)];
    }
    if (binaire) {
        return LireBlob(colonne);
    }
    return LireColonne(m_st.get(), colonne + m_decalage);
}

QByteArray Query::LireBlob(int colonne) const
{
    const Colonne& c = m_colonnes[static_cast<size_t>(colonne)];
    if (!c.champ) {
        return Valeur(colonne).toByteArray();
    }
    const qint64 id = m_idLigne >= 0 ? m_idLigne : sqlite3_column_int64(m_st.get(), 0);
    Instruction st;
    const QString sql = QStringLiteral("SELECT %1 FROM %2 WHERE rowid=?1").arg(c.champ->nom, m_table->nom);
    if (!st.Preparer(m_connexion->db(), sql.toUtf8())) {
        return QByteArray();
    }
    sqlite3_bind_int64(st.get(), 1, id);
    if (sqlite3_step(st.get()) != SQLITE_ROW || sqlite3_column_type(st.get(), 0) == SQLITE_NULL) {
        return QByteArray();
    }
    return QByteArray(static_cast<const char*>(sqlite3_column_blob(st.get(), 0)),
                      sqlite3_column_bytes(st.get(), 0));
}

QString Query::Texte(int colonne) const
{
    if (colonne < 0 || colonne >= FieldCount() || m_etat == Etat::Fermee || m_eof) {
        return QString();
    }
    const Colonne& c = m_colonnes[static_cast<size_t>(colonne)];
    const bool direct = m_etat == Etat::Navigation && !m_ligneRemplacee;
    // The common case, a text column while stepping, goes straight from SQLite's UTF-8 to the QString.
    if (direct && (!c.type || *c.type == TypeChamp::Texte || *c.type == TypeChamp::Memo ||
                   *c.type == TypeChamp::Heure)) {
        sqlite3_stmt* st = m_st.get();
        const int i = colonne + m_decalage;
        if (sqlite3_column_type(st, i) == SQLITE_TEXT) {
            return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, i)),
                                     sqlite3_column_bytes(st, i));
        }
    }
    if (direct && c.type == TypeChamp::Date) {
        sqlite3_stmt* st = m_st.get();
        const int i = colonne + m_decalage;
        QString texte;
        if (sqlite3_column_type(st, i) == SQLITE_NULL) {
            return texte;
        }
        if (sqlite3_column_type(st, i) == SQLITE_TEXT &&
            Formes::TexteDepuisIso(reinterpret_cast<const char*>(sqlite3_column_text(st, i)),
                                   sqlite3_column_bytes(st, i), texte)) {
            return texte;
        }
    }
    const QVariant v = Valeur(colonne);
    return c.type ? Formes::TexteStocke(*c.type, v) : TexteSansType(v);
}

qint64 Query::Entier(const QString& champ) const
{
    return Valeur(IndiceChamp(champ)).toLongLong();
}

bool Query::Logique(const QString& champ) const
{
    return Formes::LogiqueStocke(Valeur(IndiceChamp(champ)));
}

qint64 Query::Monnaie(const QString& champ) const
{
    return Formes::MonnaieStockee(Valeur(IndiceChamp(champ)));
}

QDate Query::Date(const QString& champ) const
{
    const QVariant v = Valeur(IndiceChamp(champ));
    return v.isValid() ? Formes::DepuisIso(v.toString()) : QDate();
}

QByteArray Query::Blob(const QString& champ) const
{
    const QVariant v = Valeur(IndiceChamp(champ));
    return v.typeId() == QMetaType::QString ? v.toString().toUtf8() : v.toByteArray();
}

bool Query::EstNul(const QString& champ) const
{
    const int colonne = IndiceChamp(champ);
    if (colonne < 0 || m_etat == Etat::Fermee || m_eof) {
        return true;
    }
    const Colonne& c = m_colonnes[static_cast<size_t>(colonne)];
    if (c.champ && c.type == TypeChamp::Binaire && m_etat == Etat::Navigation && !m_ligneRemplacee) {
        // The column holds the cover's size: testing it reads no cover.
        sqlite3_stmt* st = m_st.get();
        return sqlite3_column_type(st, colonne + 1) == SQLITE_NULL ||
               sqlite3_column_int64(st, colonne + 1) == 0;
    }
    return Formes::EstVide(Valeur(colonne));
}

Resultat Query::Edit()
{
    if (m_etat == Etat::Edition) {
        return Resultat::Succes();
    }
    if (m_etat != Etat::Navigation || !EstModifiable()) {
        return Resultat::Echec(
            QStringLiteral("Impossible de modifier le résultat de cette requête : il ne provient "
                           "pas d'une sélection simple dans une table."));
    }
    if (m_eof) {
        return Resultat::Echec(QStringLiteral("Aucune ligne à modifier."));
    }
    // The row is copied now: once the file changes, the statement's copy of it may no longer be read.
    std::vector<QVariant> valeurs(m_colonnes.size());
    if (!m_ligneRemplacee) {
        for (size_t i = 0; i < m_colonnes.size(); ++i) {
            if (m_colonnes[i].type != TypeChamp::Binaire) {
                valeurs[i] = LireColonne(m_st.get(), static_cast<int>(i) + 1);
            }
        }
        m_idLigne = sqlite3_column_int64(m_st.get(), 0);
        m_tampon = std::move(valeurs);
        m_modifie.assign(m_colonnes.size(), false);
    }
    m_etat = Etat::Edition;
    return Resultat::Succes();
}

void Query::Cancel()
{
    if (m_etat != Etat::Edition) {
        return;
    }
    m_etat = Etat::Navigation;
    if (!m_ligneRemplacee) {
        m_tampon.clear();
        m_modifie.clear();
        m_idLigne = -1;
    }
}

Resultat Query::Post()
{
    if (m_etat != Etat::Edition) {
        return Resultat::Echec(QStringLiteral("La requête n'est pas en mode édition."));
    }
    QStringList affectations;
    std::vector<size_t> indices;
    for (size_t i = 0; i < m_colonnes.size(); ++i) {
        const DescriptionChamp* c = m_colonnes[i].champ;
        if (c->requis && Formes::EstVide(m_tampon[i]) && m_colonnes[i].type != TypeChamp::Binaire) {
            return Resultat::Echec(QStringLiteral("Le champ '%1' doit avoir une valeur").arg(c->nom));
        }
        if (m_modifie[i]) {
            affectations << QStringLiteral("%1=?%2").arg(c->nom).arg(indices.size() + 1);
            indices.push_back(i);
        }
    }
    if (!indices.empty()) {
        const QString sql = QStringLiteral("UPDATE %1 SET %2 WHERE rowid=?%3")
                                .arg(m_table->nom, affectations.join(QLatin1Char(',')))
                                .arg(indices.size() + 1);
        Instruction st;
        Resultat r = st.Preparer(m_connexion->db(), sql.toUtf8());
        if (!r) {
            return r;
        }
        for (size_t k = 0; k < indices.size(); ++k) {
            LierValeur(st.get(), static_cast<int>(k + 1), m_tampon[indices[k]]);
        }
        sqlite3_bind_int64(st.get(), static_cast<int>(indices.size() + 1), m_idLigne);
        if (sqlite3_step(st.get()) != SQLITE_DONE) {
            return ErreurEcriture(m_connexion->db(), sqlite3_extended_errcode(m_connexion->db()));
        }
        m_connexion->Modifiee();
    }
    // The row now reads back the posted values until the result moves on.
    m_ligneRemplacee = true;
    m_etat = Etat::Navigation;
    return Resultat::Succes();
}

Resultat Query::EcrireValeur(const QString& champ, const QVariant& valeur, bool depuisTexte,
                             const QString& texte)
{
    if (m_etat != Etat::Edition) {
        return Resultat::Echec(QStringLiteral("La requête n'est pas en mode édition."));
    }
    const int colonne = IndiceChamp(champ);
    if (colonne < 0) {
        return Resultat::Echec(QStringLiteral("Champ '%1' non trouvé.").arg(champ));
    }
    const DescriptionChamp& c = *m_colonnes[static_cast<size_t>(colonne)].champ;
    if (c.autoIncrement) {
        return Resultat::Echec(QStringLiteral("Le champ '%1' ne peut pas être modifié.").arg(c.nom));
    }
    QVariant nouvelle = valeur;
    if (depuisTexte) {
        const Resultat r = Formes::ConvertirTexte(c, texte, nouvelle);
        if (!r) {
            return r;
        }
    }
    m_tampon[static_cast<size_t>(colonne)] = nouvelle;
    m_modifie[static_cast<size_t>(colonne)] = true;
    return Resultat::Succes();
}

Resultat Query::EcrireTexte(const QString& champ, const QString& texte)
{
    return EcrireValeur(champ, QVariant(), true, texte);
}

Resultat Query::EcrireLogique(const QString& champ, bool valeur)
{
    const int colonne = IndiceChamp(champ);
    if (colonne >= 0 && m_colonnes[static_cast<size_t>(colonne)].type != TypeChamp::Logique) {
        return Resultat::Echec(QStringLiteral("Le champ '%1' n'est pas un champ logique.").arg(champ));
    }
    return EcrireValeur(champ, qint64(valeur ? 1 : 0), false, QString());
}

Resultat Query::EcrireDate(const QString& champ, const QDate& date)
{
    const int colonne = IndiceChamp(champ);
    if (colonne >= 0 && m_colonnes[static_cast<size_t>(colonne)].type != TypeChamp::Date) {
        return Resultat::Echec(QStringLiteral("Le champ '%1' n'est pas une date.").arg(champ));
    }
    return EcrireValeur(champ, date.isValid() ? QVariant(Formes::DateIso(date)) : QVariant(), false,
                        QString());
}

Resultat Query::Effacer(const QString& champ)
{
    return EcrireValeur(champ, QVariant(), false, QString());
}
