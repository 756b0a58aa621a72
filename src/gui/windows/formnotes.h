#pragma once

#include "widgets/deplacementfenetre.h"

#include <QPoint>
#include <QPointer>
#include <QWidget>

class QGroupBox;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;

// The floating box that shows the current film's personal notes. Each time it goes from hidden to
// shown it hangs just below the notes indicator of the main window; the user can drag it by its
// surface and hides it with "Fermer".
class TFormNotes : public QWidget
{
    Q_OBJECT

public:
    explicit TFormNotes(QWidget* parent = nullptr);

    // The indicator the window is placed under when shown (the sheet view's imgNotes).
    void definirIndicateur(QWidget* indicateur) { m_indicateur = indicateur; }

    QGroupBox* bsSkinGroupBox1 = nullptr;
    QPlainTextEdit* memoNotes = nullptr;
    QScrollBar* sbMemoResume = nullptr;
    QPushButton* bnFermer = nullptr;

public slots:
    void bnFermerClick();

protected:
    void showEvent(QShowEvent* evenement) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void FormShow();
    void bsSkinGroupBox1MouseDown(QMouseEvent* evenement);

    QPointer<QWidget> m_indicateur;
    DeplacementFenetre m_deplacement{this};
};
