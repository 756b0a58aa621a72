#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// The test executable doubles as the second process of the lock tests and as the "program" that
// the desktop starts through the sheet-file association.

// Runs a child mode when the command line or the environment asks for one; -1 otherwise.
int ExecuterModeEnfant(int argc, char** argv);

// The environment variable naming the file where the launched "program" writes its arguments.
inline constexpr char VariableLancement[] = "KINOBRAL_TEST_LANCEMENT";

// "--attendre" waits until its input is closed, holding nothing of its own.
// Starts this executable as a child trying one lock ("instance" NAME or "catalogue" FOLDER) and
// waits for its first line: "acquis" (it then holds the lock until its input is closed) or
// "occupe".
QString LancerEnfantVerrou(QProcess& enfant, const QString& genre, const QString& cible);
