#pragma once

#include <QObject>

// The loan register panel and the glossary window, run in turn by main.cpp.
QObject* CreerTestPanneauPrets();
QObject* CreerTestFormGlossaire();
