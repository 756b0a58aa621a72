#pragma once

#include <QObject>

// Each test class of the search and statistics panels, run in turn by main.cpp.
QObject* CreerTestPanneauRecherche();
QObject* CreerTestPanneauStatistiques();
