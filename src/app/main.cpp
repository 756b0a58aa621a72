// Kinobral 2005: a catalogue of a private film collection.
#include "app/applicationkinobral.h"
#include "app/demarrage.h"
#include "system/verrouinstance.h"

int main(int argc, char* argv[])
{
    // One copy per desktop: a second one ends at once, silently, before any window exists. The
    // kernel frees the lock if the first copy dies.
    VerrouInstance verrou(QStringLiteral("Kinobral 2005"));
    if (!verrou.estAcquis())
        return 0;

    ApplicationKinobral application(argc, argv);
    return LancerKinobral(application);
}
