#pragma once

#include <QObject>

// Each test class of the GUI area, run in turn by main.cpp under one ApplicationKinobral.
QObject* CreerTestImageMouseOutState();
QObject* CreerTestBoiteMessage();
QObject* CreerTestErreurs();
QObject* CreerTestSplash();
QObject* CreerTestFormMain();
QObject* CreerTestDemarrage();
