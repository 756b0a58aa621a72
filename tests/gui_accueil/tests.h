#pragma once

#include <QObject>

QObject* CreerTestAccueil();
QObject* CreerTestSauvegardeGui();
