#include "listefilms_modele.h"

ModeleListeFilms::ModeleListeFilms(QObject* parent) : QAbstractItemModel(parent) {}

void ModeleListeFilms::Ajouter(std::vector<NoeudListe>& noeuds, std::vector<int>& debuts,
                               const QString& texte, int niveau)
{
    NoeudListe noeud;
    noeud.texte = texte;
    noeud.minuscule = texte.toLower();
    noeud.niveau = niveau;
    if (niveau == 0) {
        noeud.groupe = static_cast<int>(debuts.size());
        noeud.rang = noeud.groupe;
        debuts.push_back(static_cast<int>(noeuds.size()));
    } else {
        noeud.groupe = static_cast<int>(debuts.size()) - 1;
        noeud.rang = static_cast<int>(noeuds.size()) - debuts.back() - 1;
    }
    noeuds.push_back(std::move(noeud));
}

void ModeleListeFilms::AjouterRacine(const QString& texte)
{
    Ajouter(m_suivants, m_debutsSuivants, texte, 0);
}

void ModeleListeFilms::AjouterEnfant(const QString& texte)
{
    if (m_debutsSuivants.empty())
        return;
    Ajouter(m_suivants, m_debutsSuivants, texte, 1);
}

void ModeleListeFilms::Publier()
{
    beginResetModel();
    m_noeuds = std::move(m_suivants);
    m_debuts = std::move(m_debutsSuivants);
    m_suivants = {};
    m_debutsSuivants = {};
    endResetModel();
}

void ModeleListeFilms::Vider()
{
    m_suivants = {};
    m_debutsSuivants = {};
    Publier();
}

int ModeleListeFilms::NombreEnfants(int groupe) const
{
    if (groupe < 0 || groupe >= NombreGroupes())
        return 0;
    const int fin = groupe + 1 < NombreGroupes() ? m_debuts[groupe + 1] : static_cast<int>(m_noeuds.size());
    return fin - m_debuts[groupe] - 1;
}

const NoeudListe* ModeleListeFilms::NoeudDe(const QModelIndex& index) const
{
    if (!index.isValid() || index.model() != this)
        return nullptr;
    if (index.internalId() == 0)
        return index.row() < NombreGroupes() ? &m_noeuds[m_debuts[index.row()]] : nullptr;
    const int groupe = static_cast<int>(index.internalId()) - 1;
    if (index.row() >= NombreEnfants(groupe))
        return nullptr;
    return &m_noeuds[m_debuts[groupe] + 1 + index.row()];
}

QModelIndex ModeleListeFilms::IndexDe(const NoeudListe* noeud) const
{
    if (noeud == nullptr || m_noeuds.empty() || noeud < m_noeuds.data() ||
        noeud >= m_noeuds.data() + m_noeuds.size())
        return {};
    if (noeud->niveau == 0)
        return createIndex(noeud->rang, 0, quintptr(0));
    return createIndex(noeud->rang, 0, quintptr(noeud->groupe + 1));
}

QModelIndex ModeleListeFilms::index(int row, int column, const QModelIndex& parent) const
{
    if (column != 0 || row < 0)
        return {};
    if (!parent.isValid())
        return row < NombreGroupes() ? createIndex(row, 0, quintptr(0)) : QModelIndex();
    if (parent.internalId() != 0 || row >= NombreEnfants(parent.row()))
        return {};
    return createIndex(row, 0, quintptr(parent.row() + 1));
}

QModelIndex ModeleListeFilms::parent(const QModelIndex& child) const
{
    if (!child.isValid() || child.internalId() == 0)
        return {};
    return createIndex(static_cast<int>(child.internalId()) - 1, 0, quintptr(0));
}

int ModeleListeFilms::rowCount(const QModelIndex& parent) const
{
    if (!parent.isValid())
        return NombreGroupes();
    if (parent.internalId() != 0 || parent.column() != 0)
        return 0;
    return NombreEnfants(parent.row());
}

int ModeleListeFilms::columnCount(const QModelIndex&) const
{
    return 1;
}

bool ModeleListeFilms::hasChildren(const QModelIndex& parent) const
{
    return rowCount(parent) > 0;
}

QVariant ModeleListeFilms::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    const NoeudListe* noeud = NoeudDe(index);
    return noeud ? QVariant(noeud->texte) : QVariant();
}

Qt::ItemFlags ModeleListeFilms::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}
