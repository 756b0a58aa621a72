#include "commandesmaintenance.h"

#include "app/erreurs.h"
#include "catalogue/tdm.h"
#include "dialogueprogression.h"
#include "maintenance/sauvegarde.h"
#include "system/dossiers.h"
#include "widgets/boitemessage.h"
#include "widgets/dialoguesfichier.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString FiltreArchive = QStringLiteral("Fichier compressé (.zip)|*.zip");

} // namespace

CommandesMaintenance::CommandesMaintenance(QWidget* fenetre, Tdm& dm)
    : QObject(fenetre), m_fenetre(fenetre), m_dm(dm)
{
    setObjectName(QStringLiteral("CommandesMaintenance"));
}

QString CommandesMaintenance::DossierDepart() const
{
    if (!m_derniereArchive.isEmpty())
        return QFileInfo(m_derniereArchive).absolutePath();
    return m_dm.dossierProgramme();
}

void CommandesMaintenance::Sauvegarderlabase1Click()
{
    DialoguesFichier::Demande demande;
    demande.sens = DialoguesFichier::Sens::Enregistrer;
    demande.titre = QStringLiteral("Sauvergarder...");
    demande.filtre = FiltreArchive;
    demande.dossier = DossierDepart();
    demande.nomPropose = m_derniereArchive.isEmpty() ? QString() : QFileInfo(m_derniereArchive).fileName();
    const QString choix = DialoguesFichier::Choisir(m_fenetre, demande);
    if (choix.isEmpty())
        return;
    const QString archive = AvecExtensionZip(choix);
    m_derniereArchive = QFileInfo(archive).absoluteFilePath();

    QStringList laissesDeCote;
    Resultat r;
    {
        DialogueProgression progression(m_fenetre, QStringLiteral("Sauvegarde de la base"));
        r = SauvegarderBase(m_dm, archive, progression.progression(), &laissesDeCote);
    }
    if (!SignalerEchec(r))
        return;
    const QString avertissement = AvertissementSauvegarde(laissesDeCote);
    if (!avertissement.isEmpty())
        BoiteMessage::Avertir(m_fenetre, avertissement);
    BoiteMessage::Avertir(m_fenetre, MessageSauvegardeFaite);
}

void CommandesMaintenance::Restaurerlabase1Click()
{
    if (!BoiteMessage::Confirmer(m_fenetre, MessageConfirmationRestauration))
        return;
    DialoguesFichier::Demande demande;
    demande.sens = DialoguesFichier::Sens::Ouvrir;
    demande.titre = QStringLiteral("Ouvrir...");
    demande.filtre = FiltreArchive;
    demande.dossier = DossierDepart();
    const QString archive = DialoguesFichier::Choisir(m_fenetre, demande);
    if (archive.isEmpty())
        return;
    if (!QFileInfo(archive).isFile()) {
        BoiteMessage::Avertir(
            m_fenetre,
            QStringLiteral("Le fichier « %1 » n'existe pas.").arg(QDir::toNativeSeparators(archive)));
        return;
    }
    m_derniereArchive = QFileInfo(archive).absoluteFilePath();

    QStringList laissesDeCote;
    Resultat r;
    {
        DialogueProgression progression(m_fenetre, QStringLiteral("Restauration de la base"));
        // The core reopens the tables and makes the staging folder again, also when it fails.
        r = RestaurerBase(m_dm, archive, progression.progression(), &laissesDeCote);
    }
    if (!SignalerEchec(r))
        return;
    const QString avertissement = AvertissementRestauration(laissesDeCote);
    if (!avertissement.isEmpty())
        BoiteMessage::Avertir(m_fenetre, avertissement);
    BoiteMessage::Avertir(m_fenetre, MessageRestaurationFaite);
}
