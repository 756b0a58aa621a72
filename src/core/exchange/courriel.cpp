#include "courriel.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QUuid>
#include <curl/curl.h>
#include <memory>
#include <mutex>

namespace {

const QString NomImage = QStringLiteral("img1.jpg");

Resultat EchecPreparation(const QString& message)
{
    return Resultat::Echec(QStringLiteral("Erreur d'envoi : [") + message + u']', ErreurPreparation);
}

Resultat EchecEchange(const QString& message)
{
    return Resultat::Echec(QStringLiteral("Erreur d'envoie : [") + message + u']', ErreurEchange);
}

// curl's messages are English; the common cases get the program's French.
QString MessageCurl(CURLcode code, const char* detail, const QString& serveur, int port)
{
    switch (code) {
    case CURLE_COULDNT_RESOLVE_HOST:
        return QStringLiteral("Le serveur « %1 » est introuvable.").arg(serveur);
    case CURLE_COULDNT_CONNECT:
        return QStringLiteral("Connexion impossible au serveur « %1 » sur le port %2.")
            .arg(serveur)
            .arg(port);
    case CURLE_OPERATION_TIMEDOUT:
        return QStringLiteral("Le serveur « %1 » ne répond pas.").arg(serveur);
    case CURLE_URL_MALFORMAT:
        return QStringLiteral("Le nom du serveur « %1 » n'est pas valide.").arg(serveur);
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
    case CURLE_GOT_NOTHING:
        return QStringLiteral("La connexion avec le serveur « %1 » a été interrompue.").arg(serveur);
    default:
        break;
    }
    const QString texte =
        detail && *detail ? QString::fromUtf8(detail) : QString::fromUtf8(curl_easy_strerror(code));
    return QStringLiteral("Le serveur a refusé le message : %1").arg(texte.trimmed());
}

void InitialiserCurl()
{
    static std::once_flag fait;
    std::call_once(fait, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct LibererCurl
{
    void operator()(CURL* c) const { curl_easy_cleanup(c); }
    void operator()(curl_mime* m) const { curl_mime_free(m); }
    void operator()(curl_slist* l) const { curl_slist_free_all(l); }
};

curl_slist* Ajouter(curl_slist* liste, const QByteArray& ligne)
{
    curl_slist* r = curl_slist_append(liste, ligne.constData());
    return r ? r : liste;
}

QByteArray EnTete(const char* nom, const QString& valeur)
{
    // Header values are single lines.
    QString v = valeur;
    v.replace(u'\r', u' ').replace(u'\n', u' ');
    return QByteArray(nom) + ": " + v.toUtf8();
}

} // namespace

QByteArray RemplacerSourcesParCid(const QByteArray& page)
{
    static const QByteArray source("src=\"");
    // Letter case ignored: the bytes are compared in lower case and copied as they are.
    const QByteArray minuscules = page.toLower();
    QByteArray r;
    r.reserve(page.size() + 64);
    qsizetype copie = 0;
    for (qsizetype i = minuscules.indexOf(source); i >= 0; i = minuscules.indexOf(source, copie)) {
        r += page.mid(copie, i + source.size() - copie);
        r += "cid:";
        copie = i + source.size();
    }
    r += page.mid(copie);
    return r;
}

Resultat EnvoyerCourriel(const QString& cheminPage, const ParametresCourriel& p)
{
    bool nombre = false;
    const int port = p.port.trimmed().toInt(&nombre);
    if (!nombre)
        return EchecPreparation(QStringLiteral("« %1 » n'est pas un nombre entier valide.").arg(p.port));
    if (port < 1 || port > 65535)
        return EchecPreparation(QStringLiteral("Le port %1 n'existe pas (1 à 65535).").arg(port));

    QFile fichierPage(cheminPage);
    if (!fichierPage.open(QIODevice::ReadOnly))
        return EchecPreparation(QStringLiteral("Impossible d'ouvrir le fichier « %1 » : %2")
                                    .arg(QDir::toNativeSeparators(cheminPage), fichierPage.errorString()));
    const QByteArray page = RemplacerSourcesParCid(fichierPage.readAll());
    fichierPage.close();

    QStringList destinataires;
    for (const QString& adresse : p.destinataires.split(u',')) {
        if (!adresse.trimmed().isEmpty())
            destinataires << adresse.trimmed();
    }
    if (destinataires.isEmpty())
        return EchecPreparation(QStringLiteral("Aucune adresse de destinataire."));

    // The picture part, when the page shows the cover.
    QByteArray image;
    const bool avecImage =
        QString::fromLatin1(page).contains(QStringLiteral("\"cid:") + NomImage + u'"', Qt::CaseInsensitive);
    if (avecImage) {
        QFile fichierImage(QFileInfo(cheminPage).absoluteDir().filePath(NomImage));
        if (!fichierImage.open(QIODevice::ReadOnly))
            return EchecEchange(
                QStringLiteral("Impossible de lire l'image « %1 » : %2")
                    .arg(QDir::toNativeSeparators(fichierImage.fileName()), fichierImage.errorString()));
        image = fichierImage.readAll();
    }

    InitialiserCurl();
    std::unique_ptr<CURL, LibererCurl> curl(curl_easy_init());
    if (!curl)
        return EchecEchange(QStringLiteral("La bibliothèque d'envoi n'a pas pu démarrer."));
    CURL* c = curl.get();

    // Host names go into the URL as they are; an IPv6 address needs its brackets.
    QString hote = p.serveur.trimmed();
    if (hote.contains(u':') && !hote.startsWith(u'['))
        hote = u'[' + hote + u']';
    const QByteArray url = QStringLiteral("smtp://%1:%2").arg(hote).arg(port).toUtf8();
    const QByteArray utilisateur = p.utilisateur.toUtf8();
    const QByteArray deOctets = (u'<' + p.expediteur.trimmed() + u'>').toUtf8();
    curl_easy_setopt(c, CURLOPT_URL, url.constData());
    curl_easy_setopt(c, CURLOPT_MAIL_FROM, deOctets.constData());
    if (!utilisateur.isEmpty())
        curl_easy_setopt(c, CURLOPT_USERNAME, utilisateur.constData());
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(qMax(1, p.delaiConnexionMs)));
    // Whole seconds only in this libcurl.
    curl_easy_setopt(c, CURLOPT_SERVER_RESPONSE_TIMEOUT,
                     static_cast<long>(qMax(1, (p.delaiReponseMs + 999) / 1000)));

    std::unique_ptr<curl_slist, LibererCurl> rcpt;
    QList<QByteArray> adresses;
    for (const QString& a : destinataires)
        adresses << (u'<' + a + u'>').toUtf8();
    for (const QByteArray& a : adresses)
        rcpt.reset(Ajouter(rcpt.release(), a));
    curl_easy_setopt(c, CURLOPT_MAIL_RCPT, rcpt.get());

    const QString domaine =
        QSysInfo::machineHostName().isEmpty() ? QStringLiteral("localhost") : QSysInfo::machineHostName();
    std::unique_ptr<curl_slist, LibererCurl> entetes;
    for (const QByteArray& ligne :
         {EnTete("Date", QDateTime::currentDateTime().toString(Qt::RFC2822Date)),
          EnTete("Message-ID",
                 QStringLiteral("<%1@%2>").arg(QUuid::createUuid().toString(QUuid::WithoutBraces), domaine)),
          EnTete("From", p.expediteur.trimmed()), EnTete("To", destinataires.join(QStringLiteral(", "))),
          EnTete("Subject", SujetCourriel)})
        entetes.reset(Ajouter(entetes.release(), ligne));
    curl_easy_setopt(c, CURLOPT_HTTPHEADER, entetes.get());

    std::unique_ptr<curl_mime, LibererCurl> message(curl_mime_init(c));
    curl_mime* alternative = curl_mime_init(c);
    curl_mimepart* texte = curl_mime_addpart(alternative);
    curl_mime_data(texte, "", 0);
    curl_mime_type(texte, "text/plain");
    curl_mime_encoder(texte, "quoted-printable");
    curl_mimepart* html = curl_mime_addpart(alternative);
    curl_mime_data(html, page.constData(), static_cast<size_t>(page.size()));
    curl_mime_type(html, "text/html");
    curl_mime_encoder(html, "quoted-printable");
    curl_mimepart* bloc = curl_mime_addpart(message.get());
    curl_mime_subparts(bloc, alternative); // the block owns the alternative from here
    curl_mime_type(bloc, "multipart/alternative");

    std::unique_ptr<curl_slist, LibererCurl> entetesImage;
    if (avecImage) {
        curl_mimepart* partie = curl_mime_addpart(message.get());
        curl_mime_data(partie, image.constData(), static_cast<size_t>(image.size()));
        curl_mime_type(partie, "image/jpeg; name=\"img1.jpg\"");
        curl_mime_encoder(partie, "base64");
        entetesImage.reset(
            Ajouter(entetesImage.release(), "Content-Disposition: inline; filename=\"img1.jpg\""));
        entetesImage.reset(Ajouter(entetesImage.release(), "Content-ID: <img1.jpg>"));
        curl_mime_headers(partie, entetesImage.release(), 1);
    }
    curl_easy_setopt(c, CURLOPT_MIMEPOST, message.get());

    char detail[CURL_ERROR_SIZE] = {};
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, detail);
    const CURLcode code = curl_easy_perform(c);
    if (code != CURLE_OK)
        return EchecEchange(MessageCurl(code, detail, p.serveur.trimmed(), port));
    return Resultat::Succes();
}
