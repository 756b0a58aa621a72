#pragma once

#include <QStringList>
#include <QWidget>
#include <functional>

class LiaisonChamps;
class PanneauImage;
class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;
class Tdm;

// The actors register: a small tool window over the actor table's current record (name, birth date
// and place, photo, biography), with a lookup list of names, moves, new, delete, cancel and validate.
// Created hidden once at start-up, as a child of the main window (which keeps it above itself), and
// only shown and hidden afterwards.
class TFormActeurs : public QWidget
{
    Q_OBJECT

public:
    explicit TFormActeurs(Tdm& dm, QWidget* parent = nullptr);
    ~TFormActeurs() override;

    // Shows the window (centred the first time) without moving the actor table; not modal.
    void Afficher();

    // Picks the photo file instead of the file dialog (tests): called with the dialog's parent, title
    // and filter, returns the chosen path or an empty text for "cancelled". An empty function restores
    // the dialog.
    using ChoixFichier = std::function<QString(QWidget* parent, const QString& titre, const QString& filtre)>;
    static void definirChoixFichier(ChoixFichier choix);

    // The height of the caption band above the window's content (455 × 404).
    static constexpr int HauteurBandeau = 20;

    QLabel* Label1 = nullptr;
    QComboBox* bsSkinDBLookupComboBox1 = nullptr;
    QPushButton* bnFermer = nullptr;
    QLineEdit* bsSkinDBEdit1 = nullptr;          // NomPrenom
    QLineEdit* bsSkinDBEdit2 = nullptr;          // DateDeNaissance
    QLineEdit* bsSkinDBEdit3 = nullptr;          // LieuDeNaissance
    QLabel* dbImg = nullptr;                     // Photo
    QPlainTextEdit* bsSkinDBRichEdit1 = nullptr; // Bibliographie
    QScrollBar* sbMemoResume = nullptr;
    QPushButton* bnPrior = nullptr;
    QPushButton* bnNext = nullptr;
    QPushButton* bnNew = nullptr;
    QPushButton* bnDelete = nullptr;
    QPushButton* bnCancel = nullptr;
    QPushButton* bnValider = nullptr;
    QMenu* pmPhoto = nullptr;
    QAction* Ajouterunephoto1 = nullptr;
    QAction* Supprimerlaphoto1 = nullptr;

public slots:
    void bnPriorClick();
    void bnNextClick();
    void bnNewClick();
    void bnDeleteClick();
    void bnCancelClick();
    void bnValiderClick();
    void bnFermerClick();
    void Ajouterunephoto1Click();
    void Supprimerlaphoto1Click();
    // A name picked in the lookup list: that record becomes current, pending changes written first.
    void bsSkinDBLookupComboBox1Change(int indice);

protected:
    void mousePressEvent(QMouseEvent* evenement) override;
    void paintEvent(QPaintEvent* evenement) override;
    void showEvent(QShowEvent* evenement) override;

private:
    void CreerComposants();
    void Centrer();
    // Writes pending changes before a move; false (error shown) when they were refused.
    bool EcrireAvantDeplacement();
    // The lookup list follows the table: reloaded when names may have changed, positioned on the
    // current record.
    void SuivreEnregistrement();
    void ChargerListe();
    QString ChoisirPhoto();

    Tdm& m_dm;
    LiaisonChamps* m_liaison = nullptr;
    PanneauImage* pnFond = nullptr;
    bool m_centree = false;
    // What the lookup list was loaded from: the table's file connection and its record count.
    const void* m_connexionListe = nullptr;
    int m_nombreListe = -1;
};
