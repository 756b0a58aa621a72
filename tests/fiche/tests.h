#pragma once

#include <QObject>

// Each test class of the sheet view, run in turn by main.cpp under one ApplicationKinobral.
QObject* CreerTestActeurs();
QObject* CreerTestFiche();
QObject* CreerTestFenetres();
QObject* CreerTestNavigation();
