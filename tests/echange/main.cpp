#include "tests_echange.h"

#include <QCoreApplication>
#include <QTest>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    int echecs = 0;
    TestFichier fichier;
    echecs += QTest::qExec(&fichier, argc, argv);
    TestSaisie saisie;
    echecs += QTest::qExec(&saisie, argc, argv);
    TestCommandesEchange commandes;
    echecs += QTest::qExec(&commandes, argc, argv);
    return echecs == 0 ? 0 : 1;
}
