#include "tests_catalogue.h"

#include <QCoreApplication>
#include <QTest>
#include <cstring>

// One executable for the store; started again with an argument it plays a child process of a test.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "--enfant-ecrire") == 0) {
        return EnfantEcrire(QString::fromLocal8Bit(argv[2]));
    }
    if (argc == 3 && std::strcmp(argv[1], "--enfant-formes") == 0) {
        return EnfantFormes(QString::fromLocal8Bit(argv[2]));
    }
    int echecs = 0;
    TestFormes formes;
    echecs += QTest::qExec(&formes, argc, argv);
    TestTable table;
    echecs += QTest::qExec(&table, argc, argv);
    TestQuery query;
    echecs += QTest::qExec(&query, argc, argv);
    return echecs == 0 ? 0 : 1;
}
