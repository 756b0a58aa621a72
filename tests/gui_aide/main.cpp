// The help panel and the shipped content, under the program's own application object so that its
// event handling (errors caught at the end of every command) is the one being tested.
#include "app/applicationkinobral.h"
#include "tests.h"

#include <QTest>
#include <memory>

int main(int argc, char* argv[])
{
    ApplicationKinobral application(argc, argv);
    QTEST_SET_MAIN_SOURCE_PATH
    int echecs = 0;
    for (auto creer : {&CreerTestPanneauAide, &CreerTestContenu}) {
        std::unique_ptr<QObject> test(creer());
        echecs += QTest::qExec(test.get(), argc, argv);
    }
    return echecs == 0 ? 0 : 1;
}
