#pragma once

#include "maintenance/progression.h"

#include <QDialog>
#include <QElapsedTimer>
#include <atomic>

class QLabel;
class QProgressBar;
class QPushButton;

// The window that follows a backup or a restore: files and bytes done, and a button that stops the
// work. The work runs on the interface thread; each report lets the window repaint and answer its
// button, while the rest of the program waits (the window is modal).
class DialogueProgression : public QDialog
{
    Q_OBJECT

public:
    // The window shows only once the work has lasted this long, so that a small catalogue does not
    // flash it (tests set 0).
    static int delaiAffichageMs;

    DialogueProgression(QWidget* parent, const QString& titre);

    // What to hand to the core: reports update this window, the button stops the work.
    Progression progression();
    // Takes one report: updates the texts and the bar, shows the window when due, lets events through.
    void Rapporter(const Avancement& avancement);
    bool Annulee() const { return m_annulation.load(); }

    // "Fichier 2 sur 5" and "1,5 Mo sur 3,0 Mo", as the window writes them.
    static QString TexteFichiers(const Avancement& avancement);
    static QString TexteOctets(const Avancement& avancement);

    QLabel* lbFichiers = nullptr;
    QLabel* lbOctets = nullptr;
    QProgressBar* pbAvancement = nullptr;
    QPushButton* bnAnnuler = nullptr;

protected:
    void paintEvent(QPaintEvent* evenement) override;
    void reject() override;

private:
    QString m_titre;
    std::atomic<bool> m_annulation{false};
    QElapsedTimer m_chrono;
};
