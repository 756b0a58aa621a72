#pragma once

#include "resultat.h"

#include <QObject>
#include <functional>

class Table;

// Tells the editors bound to a table (the actors window) that its current record, its state or a field
// value changed, so that they show the record again.
class SourceDonnees : public QObject
{
    Q_OBJECT
public:
    explicit SourceDonnees(Table& table, QObject* parent = nullptr);
    ~SourceDonnees() override;
    Table& table() const { return m_table; }

    // Set by the bound editors: writes what the user typed into the table's edit buffer; the table
    // calls it before every post, also the one a move makes.
    std::function<Resultat()> ecrireEditeurs;

signals:
    void donneesChangees();

private:
    Table& m_table;
};
