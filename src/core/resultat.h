#pragma once

#include <QString>

// Outcome of a core operation. The core never shows anything: a failure carries the French text
// the user is to read, and the GUI (or the command-line tool) decides how to show it.
class [[nodiscard]] Resultat
{
public:
    // A failure already reported to the user (the data module's own post-error warning, for
    // instance): the command stops without a second message.
    enum class Gravite
    {
        Erreur,
        Silencieuse
    };

    Resultat() = default;
    static Resultat Succes() { return Resultat(); }
    static Resultat Echec(const QString& message, int code = 0)
    {
        Resultat r;
        r.m_ok = false;
        r.m_message = message;
        r.m_code = code;
        return r;
    }
    static Resultat Silencieux(const QString& message, int code = 0)
    {
        Resultat r = Echec(message, code);
        r.m_gravite = Gravite::Silencieuse;
        return r;
    }

    bool estSucces() const { return m_ok; }
    explicit operator bool() const { return m_ok; }
    const QString& message() const { return m_message; }
    int code() const { return m_code; }
    bool estSilencieux() const { return !m_ok && m_gravite == Gravite::Silencieuse; }

private:
    bool m_ok = true;
    QString m_message;
    int m_code = 0;
    Gravite m_gravite = Gravite::Erreur;
};
