#include "enfant.h"

#include <QCoreApplication>
#include <QTest>

int ExecuterTestsVerrous(int argc, char** argv);
int ExecuterTestsDossiers(int argc, char** argv);
int ExecuterTestsAssociation(int argc, char** argv);

int main(int argc, char** argv)
{
    const int enfant = ExecuterModeEnfant(argc, argv);
    if (enfant >= 0)
        return enfant;
    QCoreApplication app(argc, argv);
    int echecs = 0;
    echecs += ExecuterTestsVerrous(argc, argv);
    echecs += ExecuterTestsDossiers(argc, argv);
    echecs += ExecuterTestsAssociation(argc, argv);
    return echecs;
}
