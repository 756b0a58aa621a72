#include "verroufichier.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

VerrouFichier::~VerrouFichier()
{
    Relacher();
}

VerrouFichier::Etat VerrouFichier::Prendre(const QString& chemin, int mode)
{
    Relacher();
    // O_CLOEXEC: helpers the program starts (cache refresh, a browser) must not inherit the lock
    // and keep it after the program has ended. O_NOFOLLOW: the file may sit in a shared /tmp.
    const QByteArray nom = QFile::encodeName(chemin);
    int fd;
    do {
        fd = ::open(nom.constData(), O_RDONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW, static_cast<mode_t>(mode));
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        m_erreur = QString::fromLocal8Bit(std::strerror(errno));
        m_etat = Etat::Erreur;
        return m_etat;
    }
    int r;
    do {
        r = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (r < 0 && errno == EINTR);
    if (r < 0) {
        const int e = errno;
        ::close(fd);
        m_erreur = QString::fromLocal8Bit(std::strerror(e));
        m_etat = e == EWOULDBLOCK ? Etat::Occupe : Etat::Erreur;
        return m_etat;
    }
    m_fd = fd;
    m_erreur.clear();
    m_etat = Etat::Acquis;
    return m_etat;
}

void VerrouFichier::Relacher()
{
    if (m_fd >= 0) {
        // The file stays: removing it would let a third process lock a fresh inode while a second
        // one still holds the old one.
        ::close(m_fd);
        m_fd = -1;
    }
    m_etat = Etat::Libre;
}
