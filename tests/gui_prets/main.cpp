// Runs under the program's own application object, font and skin, so that the panels are painted
// and laid out as the user sees them. KINOBRAL_TEST_CLASSE=TestFormGlossaire runs one class only.
#include "app/applicationkinobral.h"
#include "app/demarrage.h"
#include "tests.h"

#include <QTest>
#include <memory>

int main(int argc, char* argv[])
{
    ApplicationKinobral application(argc, argv);
    PreparerApplication(application);
    QTEST_SET_MAIN_SOURCE_PATH
    const QByteArray seule = qgetenv("KINOBRAL_TEST_CLASSE");
    int echecs = 0;
    for (auto creer : {&CreerTestPanneauPrets, &CreerTestFormGlossaire}) {
        std::unique_ptr<QObject> test(creer());
        if (!seule.isEmpty() && seule != test->metaObject()->className())
            continue;
        echecs += QTest::qExec(test.get(), argc, argv);
    }
    return echecs == 0 ? 0 : 1;
}
