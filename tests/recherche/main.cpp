#include "tests.h"

#include <QCoreApplication>
#include <QTest>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    int echecs = 0;
    {
        TestRecherche t;
        echecs += QTest::qExec(&t, argc, argv);
    }
    {
        TestStatistiques t;
        echecs += QTest::qExec(&t, argc, argv);
    }
    {
        TestPrets t;
        echecs += QTest::qExec(&t, argc, argv);
    }
    {
        TestCliRecherche t;
        echecs += QTest::qExec(&t, argc, argv);
    }
    return echecs;
}
