#include "sourcedonnees.h"

#include "table.h"

SourceDonnees::SourceDonnees(Table& table, QObject* parent) : QObject(parent), m_table(table)
{
    m_table.surChangement = [this] { emit donneesChangees(); };
}

SourceDonnees::~SourceDonnees()
{
    m_table.surChangement = nullptr;
}
