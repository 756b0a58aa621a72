#pragma once

#include "reference/glossaire.h"

#include <QWidget>
#include <memory>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;

// The glossary of film terms: a small tool window where a term is picked or typed and its definition
// read. The glossary file is read once, when the window is created at start-up; the window is then
// only shown and hidden.
class TFormGlossaire : public QWidget
{
    Q_OBJECT

public:
    explicit TFormGlossaire(QWidget* parent = nullptr);

    // Creates the window and reads the program folder's glossary file. A file that cannot be read is
    // reported in the application's error box; the window is made all the same, without terms.
    static std::unique_ptr<TFormGlossaire> Creer(QWidget* parent = nullptr);

    // Reads the glossary file of the program folder and fills the term list; the first term's
    // definition is shown. On failure the list stays empty and the file's error is returned.
    Resultat FormCreate();

    // Shows the window (centred on the desktop the first time), not modal.
    void Afficher();

    const Glossaire& glossaire() const { return m_glossaire; }

    static constexpr int HauteurLegende = 20;
    static constexpr int HauteurBandeau = 38;

    QLabel* lbTerme = nullptr;
    QComboBox* cbGlossaire = nullptr;
    QPushButton* bnFermer = nullptr;
    QPlainTextEdit* memoDef = nullptr;
    QScrollBar* sbMemoResume = nullptr;

public slots:
    void cbGlossaireChange(const QString& texte);
    void bnFermerClick();

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;
    void mousePressEvent(QMouseEvent* evenement) override;
    void paintEvent(QPaintEvent* evenement) override;
    void showEvent(QShowEvent* evenement) override;

private:
    void CreerComposants();
    void memoDefEnter();
    void Centrer();

    Glossaire m_glossaire;
    bool m_centree = false;
};
