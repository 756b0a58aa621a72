#pragma once

#include <QObject>

// Each test class of the editor area, run in turn by main.cpp under one ApplicationKinobral.
QObject* CreerTestEditeur();
QObject* CreerTestFicheFilm();
QObject* CreerTestDemarrageFiche();
