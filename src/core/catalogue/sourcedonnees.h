#pragma once

#include <QObject>

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

signals:
    void donneesChangees();

private:
    Table& m_table;
};
