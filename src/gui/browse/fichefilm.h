#pragma once

#include "fichefilm_images.h"

#include <QPointer>
#include <QSet>
#include <QStringList>
#include <QWidget>
#include <functional>

class Diaporama;
class ListeFilms;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QScrollBar;
class TEtiquetteFiche;
class TFormAgrandissement;
class TFormNotes;
class Tdm;

// The film sheet view: every field of the current film over the base panel's background, which
// carries the captions. It lies at the bottom of pnFond, under the film list, the buttons and every
// panel stacked there. It never writes to the catalogue: AfficherFiche refills it from the film
// table's current record whenever that record changes.
class TFicheFilm : public QWidget
{
    Q_OBJECT

public:
    explicit TFicheFilm(QWidget* parent = nullptr);
    ~TFicheFilm() override;

    // The data module whose film and actor tables the view reads; before it, AfficherFiche does nothing.
    void AttacherDataModule(Tdm& dm);
    // The secondary windows the cover and the notes indicator open (created later in start-up).
    void AttacherFenetres(TFormAgrandissement* agrandissement, TFormNotes* notes);
    // The film list that previous and next walk through.
    void AttacherListe(ListeFilms* liste);

    // Shows the film table's current record in every element (an empty table empties them).
    void AfficherFiche();
    // Replaces the entries of the list by the actors found in a free text.
    static void RemplirListeActeurs(const QString& texte, QListWidget* liste);

    // Asked to show the actors window once a clicked actor has become the actor table's current record.
    std::function<void()> afficherActeurs;

    TEtiquetteFiche* lbTitre = nullptr;
    TEtiquetteFiche* lbGenre = nullptr;
    TEtiquetteFiche* lbRealisateur = nullptr;
    TEtiquetteFiche* lbScenario = nullptr;
    TEtiquetteFiche* lbMusique = nullptr;
    TEtiquetteFiche* lbDuree = nullptr;
    TEtiquetteFiche* lbSite = nullptr;
    TEtiquetteFiche* lbEditeur = nullptr;
    TEtiquetteFiche* lbDateSortie = nullptr;
    TEtiquetteFiche* lbPublic = nullptr;
    TEtiquetteFiche* lbPrix = nullptr;
    QLabel* imgEtoiles = nullptr;
    QLabel* imgPrete = nullptr;
    QLabel* imgVu = nullptr;
    QLabel* imgNotes = nullptr;
    QLabel* imgFlag = nullptr;
    QListWidget* lbActeurs = nullptr;
    QPlainTextEdit* memoResume = nullptr;
    QScrollBar* sbMemoResume = nullptr;
    TEtiquetteFiche* lbCinema = nullptr;
    TEtiquetteFiche* lbFormat = nullptr;
    TEtiquetteFiche* lbSupport = nullptr;
    TEtiquetteFiche* lbZone = nullptr;
    TEtiquetteFiche* lbStandard = nullptr;
    TEtiquetteFiche* lbDateSortieDVD = nullptr;
    TEtiquetteFiche* lbSon = nullptr;
    QPlainTextEdit* lbLangue = nullptr;
    QPlainTextEdit* lbSousTitres = nullptr;
    Diaporama* PicShow = nullptr;

    // The index in the country list of the flag shown now (0: unknown).
    int indexDrapeau() const { return m_indexDrapeau; }

public slots:
    void bnPrecedentClick();
    void bnSuivantClick();
    void lbSiteDblClick();
    void lbActeursListBoxClick();
    void PicShowClick();
    void imgNotesClick();

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void CreerComposants();
    TEtiquetteFiche* Etiquette(const char* nom, int gauche, int haut, int largeur, int hauteur);
    QPlainTextEdit* Memo(const char* nom, int gauche, int haut, int largeur, int hauteur);
    QLabel* Image(const char* nom, int gauche, int haut);
    void AfficherImage(QLabel* image, const QPixmap& pixmap);
    void AfficherPhoto();
    void PasserAuFilm(bool suivant);
    // Missing or unreadable artwork is told once per run, after the sheet is fully refreshed.
    void Noter(const QString& probleme);
    void SignalerProblemes();

    Tdm* m_dm = nullptr;
    QPointer<ListeFilms> m_liste;
    ImagesFiche m_images;
    int m_indexDrapeau = 0;
    QStringList m_problemes;
    QSet<QString> m_problemesSignales;
    QPointer<TFormAgrandissement> m_agrandissement;
    QPointer<TFormNotes> m_notes;
};
