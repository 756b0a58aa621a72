#include "verrouinstance.h"

#include <QDir>
#include <QFileInfo>
#include <unistd.h>

namespace {

QString NomFichier(const QString& nom)
{
    QString n = nom;
    n.replace(u'/', u'_');
    return n;
}

} // namespace

VerrouInstance::VerrouInstance(const QString& nom) : m_chemin(CheminVerrou(nom))
{
    // Private to the user: in a shared temporary folder nobody else may hold our lock.
    m_verrou.Prendre(m_chemin, 0600);
}

QString VerrouInstance::CheminVerrou(const QString& nom)
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return QDir(runtime).filePath(NomFichier(nom) + QStringLiteral(".lock"));
    return QDir(QDir::tempPath())
        .filePath(NomFichier(nom) + u'-' + QString::number(::getuid()) + QStringLiteral(".lock"));
}
