#pragma once

#include "resultat.h"

#include <QObject>
#include <QString>
#include <vector>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QWidget;
class SourceDonnees;
class Table;

// Editors bound to the current record of a table through its data source: each shows its field, the
// first keystroke while browsing puts the table into Edit (into a new record on an empty table), and
// the editors' texts are written into the fields only when the record is posted. A picture shows its
// field as it stands, the commands that change it writing straight into the table.
class LiaisonChamps : public QObject
{
    Q_OBJECT

public:
    explicit LiaisonChamps(SourceDonnees& source, QObject* parent = nullptr);
    ~LiaisonChamps() override;

    void LierLigne(QLineEdit* editeur, const QString& champ);
    void LierMemo(QPlainTextEdit* editeur, const QString& champ);
    void LierImage(QLabel* image, const QString& champ);

    Table& table() const;
    bool EnEdition() const; // editing or inserting

    // Puts the record into Edit (a command about to write a field itself, like the photo).
    Resultat Editer();
    // Writes the texts the user typed into the edit buffer (the data source calls it before every post).
    Resultat EcrireEditeurs();
    // Writes the editors' texts into the fields, then posts. Nothing to do while browsing. A value that
    // does not convert, or a refused post, leaves the record in its edit state with the texts typed.
    Resultat Poster();
    // Before a move: a record in which nothing was typed is dropped (a new one too), any other pending
    // change posted.
    Resultat EcrireEnAttente();
    // Drops the pending changes and shows the record as stored.
    void Annuler();
    // Shows the current record again (editors the user is typing in keep their text).
    void Afficher();

signals:
    // After every refresh, so that the window can follow the record (lookup list, buttons).
    void affiche();

private:
    struct Lien
    {
        QWidget* editeur = nullptr;
        QString champ;
        enum class Sorte
        {
            Ligne,
            Memo,
            Image
        } sorte = Sorte::Ligne;
        bool modifie = false;
    };

    void Saisie(Lien& lien);
    QString TexteEditeur(const Lien& lien) const;
    void MontrerChamp(Lien& lien);

    SourceDonnees& m_source;
    std::vector<Lien> m_liens;
    // Set while this layer writes into the table or the editors, whose notifications it then ignores
    // (the editors would otherwise be reset from the fields in the middle of the writing).
    bool m_occupe = false;
};
