#include "sourcedonnees.h"

#include "table.h"

SourceDonnees::SourceDonnees(Table& table, QObject* parent) : QObject(parent), m_table(table)
{
    m_table.surChangement = [this] { emit donneesChangees(); };
    m_table.surMiseAJour = [this] { return ecrireEditeurs ? ecrireEditeurs() : Resultat::Succes(); };
}

SourceDonnees::~SourceDonnees()
{
    m_table.surChangement = nullptr;
    m_table.surMiseAJour = nullptr;
}
