#include "enfant.h"

#include "system/verroucatalogue.h"
#include "system/verrouinstance.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>
#include <cstring>

namespace {

// Reports the lock's state, then holds it until the parent closes our input or kills us.
int TenirVerrou(bool acquis)
{
    std::puts(acquis ? "acquis" : "occupe");
    std::fflush(stdout);
    if (!acquis)
        return 1;
    while (std::getchar() != EOF) {
    }
    return 0;
}

} // namespace

int ExecuterModeEnfant(int argc, char** argv)
{
    const QByteArray sortie = qgetenv(VariableLancement);
    if (!sortie.isEmpty()) {
        QFile f(QString::fromLocal8Bit(sortie));
        if (!f.open(QIODevice::WriteOnly))
            return 3;
        for (int i = 1; i < argc; ++i)
            f.write(QByteArray(argv[i]) + '\n');
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--attendre") == 0) {
        while (std::getchar() != EOF) {
        }
        return 0;
    }
    if (argc == 4 && std::strcmp(argv[1], "--verrou") == 0) {
        const QString cible = QString::fromLocal8Bit(argv[3]);
        if (std::strcmp(argv[2], "instance") == 0)
            return TenirVerrou(VerrouInstance(cible).estAcquis());
        VerrouCatalogue verrou;
        return TenirVerrou(verrou.Prendre(cible).estSucces());
    }
    return -1;
}

QString LancerEnfantVerrou(QProcess& enfant, const QString& genre, const QString& cible)
{
    enfant.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    enfant.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--verrou"), genre, cible});
    if (!enfant.waitForStarted())
        return QStringLiteral("non démarré");
    while (!enfant.canReadLine()) {
        if (!enfant.waitForReadyRead(30000))
            return QStringLiteral("sans réponse");
    }
    return QString::fromLatin1(enfant.readLine()).trimmed();
}
