#include <QCoreApplication>

int ExecuterTestsSauvegarde(int argc, char** argv);
int ExecuterTestsRestauration(int argc, char** argv);
int ExecuterTestsGlossaire(int argc, char** argv);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    int echecs = 0;
    echecs += ExecuterTestsSauvegarde(argc, argv);
    echecs += ExecuterTestsRestauration(argc, argv);
    echecs += ExecuterTestsGlossaire(argc, argv);
    return echecs;
}
