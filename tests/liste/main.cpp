// The film list's tests, under the program's own application object so that its event handling
// (errors caught at the end of every command) is the one being tested.
#include "app/applicationkinobral.h"

#include <QTest>
#include <memory>

QObject* CreerTestListeFilms();
QObject* CreerTestListeFenetre();

int main(int argc, char* argv[])
{
    ApplicationKinobral application(argc, argv);
    QTEST_SET_MAIN_SOURCE_PATH
    int echecs = 0;
    for (auto creer : {&CreerTestListeFilms, &CreerTestListeFenetre}) {
        std::unique_ptr<QObject> test(creer());
        echecs += QTest::qExec(test.get(), argc, argv);
    }
    return echecs == 0 ? 0 : 1;
}
