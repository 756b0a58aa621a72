#include "formmail.h"

#include "app/erreurs.h"
#include "app/habillage.h"
#include "exchange/courriel.h"
#include "exchange/courrielcompte.h"

#include <QComboBox>
#include <QCompleter>
#include <QDir>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QThread>
#include <memory>

namespace {

void Colorer(QWidget* w, const QColor& couleur)
{
    w->setAutoFillBackground(true);
    QPalette palette = w->palette();
    palette.setColor(QPalette::Window, couleur);
    w->setPalette(palette);
}

} // namespace

TFormMail::TFormMail(const QString& dossierProgramme, QWidget* parent, const QString& dossierThunderbird)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint),
      m_dossierProgramme(dossierProgramme)
{
    setObjectName(QStringLiteral("FormMail"));
    setWindowTitle(QStringLiteral("Envoyer vers un destinataire"));
    setModal(false);
    setFixedSize(369, 241);

    pnBottom = new QWidget(this);
    pnBottom->setObjectName(QStringLiteral("pnBottom"));
    pnBottom->setGeometry(0, 0, 369, 72);
    Colorer(pnBottom, QColor(216, 175, 114));

    Label1 = new QLabel(QStringLiteral("Adresse courriel destinataire"), pnBottom);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setStyleSheet(QStringLiteral("color: rgb(64, 0, 0);"));
    Label1->setGeometry(8, 3, 270, 14);

    edAdresseMail = new QComboBox(pnBottom);
    edAdresseMail->setObjectName(QStringLiteral("edAdresseMail"));
    edAdresseMail->setEditable(true);
    edAdresseMail->setInsertPolicy(QComboBox::NoInsert);
    edAdresseMail->completer()->setCompletionMode(QCompleter::InlineCompletion);
    edAdresseMail->completer()->setCaseSensitivity(Qt::CaseInsensitive);
    edAdresseMail->setGeometry(8, 18, 272, 22);

    bnEnvoyer = new QPushButton(QStringLiteral("Envoyer"), pnBottom);
    bnEnvoyer->setObjectName(QStringLiteral("bnEnvoyer"));
    bnEnvoyer->setAutoDefault(false);
    bnEnvoyer->setGeometry(286, 17, 75, 24);

    lbStatus = new QLabel(pnBottom);
    lbStatus->setObjectName(QStringLiteral("lbStatus"));
    lbStatus->setAlignment(Qt::AlignCenter);
    lbStatus->setWordWrap(true);
    lbStatus->setTextFormat(Qt::PlainText);
    lbStatus->setGeometry(8, 43, 353, 27);
    Colorer(lbStatus, Habillage::Creme);

    gpMail = new QGroupBox(QStringLiteral("Informations du serveur mail"), this);
    gpMail->setObjectName(QStringLiteral("gpMail"));
    gpMail->setGeometry(4, 74, 361, 163);
    auto* champs = new QFormLayout(gpMail);
    champs->setContentsMargins(10, 14, 10, 8);
    champs->setVerticalSpacing(8);
    auto edit = [](const char* nom) {
        auto* e = new QLineEdit;
        e->setObjectName(QString::fromLatin1(nom));
        return e;
    };
    EditSMTP = edit("EditSMTP");
    EditCompte = edit("EditCompte");
    EditPort = edit("EditPort");
    EditUser = edit("EditUser");
    champs->addRow(QStringLiteral("Serveur mail"), EditSMTP);
    champs->addRow(QStringLiteral("Compte"), EditCompte);
    champs->addRow(QStringLiteral("Port"), EditPort);
    champs->addRow(QStringLiteral("Utilisateur"), EditUser);

    connect(bnEnvoyer, &QPushButton::clicked, this, Commande(this, &TFormMail::bnEnvoyerClick));

    FormCreate(dossierThunderbird);
}

TFormMail::~TFormMail()
{
    // A send still under way ends within its time limits; the thread must not outlive the window.
    if (m_envoi) {
        m_envoi->disconnect(this);
        m_envoi->wait();
        delete m_envoi;
    }
}

void TFormMail::FormCreate(const QString& dossierThunderbird)
{
    const CompteMessagerie compte = LireCompteMessagerie(dossierThunderbird);
    if (!compte.serveur.isEmpty()) {
        edAdresseMail->clearEditText();
        EditPort->setText(QStringLiteral("25"));
        EditSMTP->setText(compte.serveur);
        EditCompte->setText(compte.adresse);
        EditUser->setText(compte.nomCompte);
        lbStatus->clear();
    }
    m_historique = LireHistoriqueAdresses(CheminConfig());
    edAdresseMail->addItems(m_historique);
    edAdresseMail->setCurrentIndex(-1);
    edAdresseMail->clearEditText();
}

QString TFormMail::CheminPage() const
{
    return QDir(m_dossierProgramme).filePath(QStringLiteral("export/courriel.htm"));
}

QString TFormMail::CheminConfig() const
{
    return QDir(m_dossierProgramme).filePath(QStringLiteral("Config.ini"));
}

void TFormMail::Afficher()
{
    show();
    raise();
    activateWindow();
}

void TFormMail::showEvent(QShowEvent* evenement)
{
    QDialog::showEvent(evenement);
    if (!m_envoi)
        lbStatus->clear();
    if (m_place)
        return;
    m_place = true;
    if (const QWidget* principale = parentWidget()) {
        QRect cadre(QPoint(0, 0), frameGeometry().size());
        cadre.moveCenter(principale->frameGeometry().center());
        move(cadre.topLeft());
    }
}

void TFormMail::bnEnvoyerClick()
{
    EnvoyerCourriel(CheminPage());
}

void TFormMail::EnvoyerCourriel(const QString& cheminPage)
{
    if (m_envoi)
        return;
    lbStatus->setText(StatutEnvoiEnCours);
    ParametresCourriel parametres;
    parametres.serveur = EditSMTP->text();
    parametres.port = EditPort->text();
    parametres.expediteur = EditCompte->text();
    parametres.utilisateur = EditUser->text();
    parametres.destinataires = edAdresseMail->currentText();
    parametres.delaiConnexionMs = delaiMs;
    parametres.delaiReponseMs = delaiMs;

    auto resultat = std::make_shared<Resultat>();
    m_envoi = QThread::create(
        [cheminPage, parametres, resultat] { *resultat = ::EnvoyerCourriel(cheminPage, parametres); });
    connect(m_envoi, &QThread::finished, this, [this, resultat, adresse = parametres.destinataires] {
        m_envoi->deleteLater();
        m_envoi = nullptr;
        bnEnvoyer->setEnabled(true);
        ExecuterCommande([&] { FinEnvoi(*resultat, adresse); });
    });
    bnEnvoyer->setEnabled(false);
    m_envoi->start();
}

void TFormMail::FinEnvoi(const Resultat& resultat, const QString& adresse)
{
    if (!resultat) {
        lbStatus->setText(resultat.message());
        emit EnvoiTermine(false);
        return;
    }
    lbStatus->setText(StatutEnvoiTermine);
    hide();
    bool ajoutee = false;
    const Resultat memoire = MemoriserAdresse(CheminConfig(), m_historique, adresse, &ajoutee);
    if (ajoutee) {
        edAdresseMail->clear();
        edAdresseMail->addItems(m_historique);
    }
    edAdresseMail->setCurrentIndex(-1);
    edAdresseMail->clearEditText();
    emit EnvoiTermine(true);
    SignalerEchec(memoire);
}
