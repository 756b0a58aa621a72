#pragma once
// Timing and raw-store helpers shared by the benchmarks.

#include "catalogue/collation.h"

#include <QElapsedTimer>
#include <QFile>
#include <QString>
#include <algorithm>
#include <functional>
#include <sqlite3.h>
#include <vector>

// The median of several runs of an operation, in milliseconds.
inline double Mediane(int repetitions, const std::function<void()>& operation)
{
    std::vector<double> temps;
    for (int i = 0; i < repetitions; ++i) {
        QElapsedTimer chrono;
        chrono.start();
        operation();
        temps.push_back(chrono.nsecsElapsed() / 1e6);
    }
    std::sort(temps.begin(), temps.end());
    return temps[temps.size() / 2];
}

// The catalogue of a program folder opened straight through SQLite: the floor the program is measured
// against.
inline sqlite3* OuvrirCatalogueBrut(const QString& dossier, int drapeaux)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(dossier + QStringLiteral("data/donnees.db")).constData(), &db, drapeaux,
                    nullptr);
    Collation::EnregistrerCollationFrancaise(db);
    return db;
}
