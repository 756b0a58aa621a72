#pragma once

#include "resultat.h"

#include <QDialog>
#include <QStringList>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QThread;

// "Envoyer vers un destinataire": sends the mail page export/courriel.htm to the typed addresses through
// the SMTP server of the edits, and keeps the recipients in Config.ini. The exchange runs on a thread of
// its own, so the program stays usable while a slow server answers; the status line tells how it went.
class TFormMail : public QDialog
{
    Q_OBJECT

public:
    // Reads the default mail account (`dossierThunderbird`, default ~/.thunderbird) and the address
    // history of `dossierProgramme` + Config.ini.
    explicit TFormMail(const QString& dossierProgramme, QWidget* parent = nullptr,
                       const QString& dossierThunderbird = QString());
    ~TFormMail() override;

    // The mail page: `dossierProgramme` + export/courriel.htm.
    QString CheminPage() const;
    // Shows the window without blocking, centred on its parent the first time.
    void Afficher();
    bool EnvoiEnCours() const { return m_envoi != nullptr; }

    // Limit, in milliseconds, for connecting and for each reply of the server.
    int delaiMs = 60000;

    QWidget* pnBottom = nullptr;
    QLabel* Label1 = nullptr;
    QComboBox* edAdresseMail = nullptr;
    QPushButton* bnEnvoyer = nullptr;
    QLabel* lbStatus = nullptr;
    QGroupBox* gpMail = nullptr;
    QLineEdit* EditSMTP = nullptr;
    QLineEdit* EditCompte = nullptr;
    QLineEdit* EditPort = nullptr;
    QLineEdit* EditUser = nullptr;

signals:
    // A send has ended, with its outcome (after the status line and the history are written).
    void EnvoiTermine(bool reussi);

public slots:
    void bnEnvoyerClick();
    // Starts sending the page; the outcome comes to the status line.
    void EnvoyerCourriel(const QString& cheminPage);

protected:
    void showEvent(QShowEvent* evenement) override;

private:
    void FormCreate(const QString& dossierThunderbird);
    void FinEnvoi(const Resultat& resultat, const QString& adresse);
    QString CheminConfig() const;

    QString m_dossierProgramme;
    QStringList m_historique;
    QThread* m_envoi = nullptr;
    bool m_place = false;
};
