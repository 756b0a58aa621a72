#pragma once

// A real SMTP server for the mail tests: aiosmtpd on 127.0.0.1, storing what it receives in a maildir.
// Tests that include this link Qt6::Network.

#include <QHostAddress>
#include <QProcess>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

// A port nobody listens on at the time of the call.
inline quint16 PortLibre()
{
    QTcpServer serveur;
    serveur.listen(QHostAddress::LocalHost, 0);
    return serveur.serverPort();
}

class ServeurSmtp
{
public:
    explicit ServeurSmtp(const QString& boite) : m_boite(boite), m_port(PortLibre())
    {
        m_processus.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_processus.start(QStringLiteral("/usr/bin/python3"),
                          {"-m", "aiosmtpd", "-n", "-l", QStringLiteral("127.0.0.1:%1").arg(m_port), "-c",
                           "aiosmtpd.handlers.Mailbox", boite});
    }
    ~ServeurSmtp()
    {
        m_processus.kill();
        m_processus.waitForFinished();
    }
    ServeurSmtp(const ServeurSmtp&) = delete;
    ServeurSmtp& operator=(const ServeurSmtp&) = delete;

    // Waits until the server greets a client.
    bool Pret()
    {
        if (!m_processus.waitForStarted())
            return false;
        for (int essai = 0; essai < 200; ++essai) {
            QTcpSocket s;
            s.connectToHost(QHostAddress::LocalHost, m_port);
            if (s.waitForConnected(200) && s.waitForReadyRead(2000))
                return true;
            QThread::msleep(50);
        }
        return false;
    }
    quint16 Port() const { return m_port; }
    const QString& Boite() const { return m_boite; }

private:
    QString m_boite;
    quint16 m_port;
    QProcess m_processus;
};
