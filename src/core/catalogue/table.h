#pragma once

#include "connexion.h"
#include "resultat.h"
#include "schema.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <memory>
#include <vector>

// A catalogue table as the program uses it: one current record, moved through in the table's own order
// (record number order), read field by field, and changed through an edit buffer that Post writes in one
// transaction. Only the row numbers are kept in memory; the current record's fields are read when first
// needed, and a binary field only when it is asked for.
class Table
{
public:
    enum class Etat
    {
        Fermee,
        Navigation,
        Edition,
        Insertion
    };

    Table() = default;
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    // Opens the table's file in the folder (created empty when missing) and goes to the first record.
    Resultat Ouvrir(const QString& dossier, const DescriptionTable& schema);
    void Fermer();
    bool EstOuverte() const { return m_etat != Etat::Fermee; }
    std::shared_ptr<Connexion> connexion() const { return m_connexion; }
    const DescriptionTable* schema() const { return m_schema; }

    // Moving. A pending edit is posted first (dropped when no field was written); when that post is
    // refused the table stays where it is.
    void First();
    void Prior();
    void Next();
    void Last();
    bool Eof() const { return m_eof; }
    bool Bof() const { return m_bof; }
    // Makes current the first record whose field equals the value exactly (case and accents count).
    bool Locate(const QString& champ, const QString& valeur);
    int RecordCount() const { return static_cast<int>(m_ids.size()); }
    // The current record's place in the table's order (-1 on an empty table), and a move to a place
    // (pending changes are posted first, as for every move). A lookup list picks records by place,
    // so that two records with the same name stay apart.
    int Position() const { return m_position; }
    void Positionner(int position);
    // The text of one field for every record, in the table's order (the lookup list of names).
    Resultat ListerTextes(const QString& champ, QStringList& textes) const;
    Etat EtatTable() const { return m_etat; }

    Resultat Append();
    Resultat Edit(); // on an empty table, starts a new record
    Resultat Post();
    void Cancel();
    Resultat Delete(); // the next record (or the new last one) becomes current

    // Reading the current record (or the edit buffer). A null field reads as empty text, false, 0.
    QString Texte(const QString& champ) const;
    bool Logique(const QString& champ) const;
    qint64 Monnaie(const QString& champ) const; // in ten-thousandths
    qint64 Entier(const QString& champ) const;
    QDate Date(const QString& champ) const;
    QByteArray Blob(const QString& champ) const;
    bool EstNul(const QString& champ) const; // null, empty text or empty binary

    // Writing into the edit buffer; only while editing or inserting. A refused value writes nothing.
    Resultat EcrireTexte(const QString& champ, const QString& texte);
    Resultat EcrireLogique(const QString& champ, bool valeur);
    Resultat EcrireMonnaie(const QString& champ, qint64 dixMilliemes);
    Resultat EcrireDate(const QString& champ, const QDate& date);
    Resultat EcrireBlob(const QString& champ, const QByteArray& octets);
    Resultat Effacer(const QString& champ);

    // Called with a refused post's failure; may turn it into a silent one (the data module's warning).
    std::function<Resultat(const Resultat&)> surErreurPoster;
    // Called when the current record, the state or a field value changes (bound editors listen to it).
    std::function<void()> surChangement;
    // Called before every post, also the one a move makes: bound editors write what the user typed
    // into the edit buffer. A failure stops the post (the record stays in its edit state).
    std::function<Resultat()> surMiseAJour;
    // A field of the edit buffer was written since Edit or Append.
    bool Modifie() const;

private:
    bool VerifierNavigation();
    void Aller(int position);
    void Notifier() const;
    const DescriptionChamp* ChampNomme(const QString& champ, int& indice) const;
    void ChargerLigne() const;
    QVariant Valeur(int indice) const;
    QByteArray LireBlob(int indice) const;
    Resultat Ecrire(const QString& champ,
                    const std::function<Resultat(const DescriptionChamp&, QVariant&)>& valeur);
    Resultat Refuser(const Resultat& erreur);
    Resultat MettreAJour();
    Resultat PosterTampon();
    qint64 IdCourant() const;

    std::shared_ptr<Connexion> m_connexion;
    const DescriptionTable* m_schema = nullptr;
    Etat m_etat = Etat::Fermee;
    std::vector<qint64> m_ids; // row numbers in table order
    int m_position = -1;
    bool m_eof = true;
    bool m_bof = true;

    // The current record's fields, binary ones replaced by their size.
    mutable std::vector<QVariant> m_ligne;
    mutable qint64 m_idLigne = -1;
    mutable quint64 m_generationLigne = 0;
    mutable Instruction m_lireLigne;

    std::vector<QVariant> m_tampon;
    std::vector<bool> m_modifie;
};
