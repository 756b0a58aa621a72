// The home page and the backup and restore commands, under the program's own application object.
// KINOBRAL_TEST_CLASSE=TestAccueil runs one class only.
#include "app/applicationkinobral.h"
#include "tests.h"

#include <QTest>
#include <memory>

int main(int argc, char* argv[])
{
    ApplicationKinobral application(argc, argv);
    QTEST_SET_MAIN_SOURCE_PATH
    const QByteArray seule = qgetenv("KINOBRAL_TEST_CLASSE");
    int echecs = 0;
    for (auto creer : {&CreerTestAccueil, &CreerTestSauvegardeGui}) {
        std::unique_ptr<QObject> test(creer());
        if (!seule.isEmpty() && seule != test->metaObject()->className())
            continue;
        echecs += QTest::qExec(test.get(), argc, argv);
    }
    return echecs == 0 ? 0 : 1;
}
