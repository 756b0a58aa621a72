#pragma once

#include <QAbstractItemModel>
#include <QString>
#include <vector>

// One node of the film list: a heading or group at level 0, a title at level 1. The text is the
// node's own copy; the lowered text is kept beside it so that the quick search does not lower
// every title at every keystroke.
struct NoeudListe
{
    QString texte;
    QString minuscule;
    int groupe = 0; // row of the level-0 node it belongs to (its own row at level 0)
    int rang = 0;   // row under its parent
    int niveau = 0;
};

// The list's two-level tree as a model: every node lives in one vector in depth-first order
// (heading or group, then its titles), so walking the nodes in order is walking the vector and a
// rebuild is one reset. Level-0 indexes carry 0 as internal id, level-1 indexes their group's row
// plus one.
class ModeleListeFilms : public QAbstractItemModel
{
    Q_OBJECT

public:
    explicit ModeleListeFilms(QObject* parent = nullptr);

    // Builds the next content node by node, then shows it in one reset.
    void AjouterRacine(const QString& texte);
    void AjouterEnfant(const QString& texte); // under the last root added
    void Publier();
    // Drops every node (and any content being built).
    void Vider();

    const std::vector<NoeudListe>& Noeuds() const { return m_noeuds; }
    int NombreGroupes() const { return static_cast<int>(m_debuts.size()); }
    int NombreEnfants(int groupe) const;
    const NoeudListe* NoeudDe(const QModelIndex& index) const;
    QModelIndex IndexDe(const NoeudListe* noeud) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    bool hasChildren(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    void Ajouter(std::vector<NoeudListe>& noeuds, std::vector<int>& debuts, const QString& texte, int niveau);

    std::vector<NoeudListe> m_noeuds;
    std::vector<int> m_debuts; // position of each level-0 node in m_noeuds
    std::vector<NoeudListe> m_suivants;
    std::vector<int> m_debutsSuivants;
};
