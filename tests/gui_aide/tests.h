#pragma once

#include <QObject>

// The help panel's tests and the checks of the content shipped with the program, run in turn by
// main.cpp under one ApplicationKinobral.
QObject* CreerTestPanneauAide();
QObject* CreerTestContenu();
