#include "banc.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>

QByteArray Jpeg(QSize taille, QRgb couleur)
{
    QImage image(taille, QImage::Format_RGB32);
    image.fill(couleur);
    QPainter(&image).fillRect(0, 0, taille.width() / 4, taille.height() / 4, Qt::black);
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    image.save(&tampon, "JPG", 90);
    return octets;
}

QByteArray LireFichier(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

Execution Executer(const QString& programme, const QStringList& arguments)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(programme, arguments);
    Execution e;
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit)
        return e;
    e.code = p.exitCode();
    e.sortie = QString::fromUtf8(p.readAllStandardOutput());
    return e;
}

Banc::Banc()
{
    if (!m_dossier.isValid() || !QDir(m_dossier.path()).mkpath(QStringLiteral("export")))
        return;
    m_dm = std::make_unique<Tdm>(DossierProgramme());
    if (!m_dm->OuvrirBase())
        return;
    grandeJaquette = Jpeg({1200, 1800}, qRgb(30, 90, 160));
    petiteJaquette = Jpeg({160, 120}, qRgb(0, 128, 0));
    QString resume;
    for (int i = 1; i <= 120; ++i)
        resume += QStringLiteral("Ligne %1 du résumé\n").arg(i);
    m_pret = Ajouter({{"Titre", "Grande jaquette"}, {"Genre", "Drame"}, {"Realisateur", "Anne Roy"}},
                     grandeJaquette) &&
             Ajouter({{"Titre", "Petite jaquette"}, {"Genre", "Comédie"}}, petiteJaquette) &&
             Ajouter({{"Titre", "Long résumé"}, {"Resume", resume}}) &&
             Ajouter({{"Titre", "Jaquette abîmée"}}, QByteArray("\xFF\xD8\xFF pas une image", 17));
}

bool Banc::Ajouter(const QList<QPair<QString, QString>>& champs, const QByteArray& couverture)
{
    Table& films = Films();
    if (!films.Append())
        return false;
    for (const auto& [champ, texte] : champs)
        if (!films.EcrireTexte(champ, texte)) {
            films.Cancel();
            return false;
        }
    if (!couverture.isEmpty() && !films.EcrireBlob(QStringLiteral("BlobPicture"), couverture)) {
        films.Cancel();
        return false;
    }
    return films.Post().estSucces();
}
