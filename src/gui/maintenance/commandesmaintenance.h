#pragma once

#include <QObject>
#include <QString>

class Tdm;
class QWidget;

// The management menu's "Sauvegarder la base" and "Restaurer la base": the file dialogs, the
// confirmation, the progress window and the messages around the core's backup and restore. The
// catalogue is reopened by the core (OuvrirBase), which also refreshes the list, the sheet and the
// home page.
class CommandesMaintenance : public QObject
{
    Q_OBJECT

public:
    // `fenetre` is the main window: it owns the dialogs and the message boxes.
    CommandesMaintenance(QWidget* fenetre, Tdm& dm);

    // The archive chosen last (empty before the first choice): the dialogs open in its folder and the
    // save dialog proposes its name.
    QString derniereArchive() const { return m_derniereArchive; }

public slots:
    void Sauvegarderlabase1Click();
    void Restaurerlabase1Click();

private:
    QString DossierDepart() const;

    QWidget* m_fenetre;
    Tdm& m_dm;
    QString m_derniereArchive;
};
