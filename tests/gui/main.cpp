// The GUI tests run under the program's own application object, so that its event handling (errors
// caught at the end of every command) is the one being tested.
// KINOBRAL_TEST_CLASSE=TestSplash runs one class only.
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
    for (auto creer : {&CreerTestImageMouseOutState, &CreerTestBoiteMessage, &CreerTestErreurs,
                       &CreerTestSplash, &CreerTestFormMain, &CreerTestDemarrage}) {
        std::unique_ptr<QObject> test(creer());
        if (!seule.isEmpty() && seule != test->metaObject()->className())
            continue;
        echecs += QTest::qExec(test.get(), argc, argv);
    }
    return echecs == 0 ? 0 : 1;
}
