#pragma once

#include "saisieenregistrement.h"

#include <QByteArray>
#include <QString>
#include <QWidget>
#include <functional>

class ChampDate;
class ChampMasque;
class ListeFilms;
class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class TFicheFilm;
class Tdm;
class ZoneTexte;

// The film sheet editor pnGestion: one editor per field of the film, the cover picture and two
// buttons. The same panel adds a new film and changes the current one; only the action behind its
// confirm button differs. Until the user confirms, the editors are its only state. It also deletes
// the current film and carries sheet files in and out, since importing one fills the editor.
class PanneauGestion : public QWidget
{
    Q_OBJECT

public:
    // The film list and the sheet view are refreshed after every write.
    PanneauGestion(ListeFilms& liste, TFicheFilm& fiche, QWidget* parent = nullptr);

    // The data module arrives after the main window; opening the editor and importing a sheet work
    // before it, writing does not.
    void AttacherDataModule(Tdm& dm);
    // Shows or hides the main window's five navigation buttons.
    std::function<void(bool visibles)> afficherBoutons;

    void ViderSaisie();
    void ChargerSaisie();
    // Checks, writes the editors into the current record and posts it (see EnregistrerFilm).
    Resultat EnregistrerSaisie();

    // The editors' content, and filling them from values.
    ValeursSaisie Saisie() const;
    void AfficherSaisie(const ValeursSaisie& saisie);
    // The picture's bytes as they will be stored (empty: no picture).
    const QByteArray& image() const { return m_image; }
    // Whether bnValider adds a new film (otherwise it saves the changes of the current one).
    bool modeNouveauFilm() const { return m_nouveauFilm; }

    ZoneTexte* edTitre = nullptr;
    QLineEdit* edGenre = nullptr;
    QLineEdit* edRealisateur = nullptr;
    QLineEdit* edScenario = nullptr;
    QLineEdit* edMusique = nullptr;
    ChampMasque* edDuree = nullptr;
    QLineEdit* edSite = nullptr;
    QLineEdit* edEditeur = nullptr;
    QComboBox* edEtoiles = nullptr;
    ChampDate* edDateSortie = nullptr;
    QComboBox* edPublic = nullptr;
    QLineEdit* edPrix = nullptr;
    ZoneTexte* edActeurs = nullptr;
    ZoneTexte* edResume = nullptr;
    QComboBox* edCinema = nullptr;
    QComboBox* edFormat = nullptr;
    QComboBox* edZone = nullptr;
    QComboBox* edSupport = nullptr;
    QComboBox* edSon = nullptr;
    ZoneTexte* edLangueG = nullptr;
    ZoneTexte* edSousTitreG = nullptr;
    ZoneTexte* edNotes = nullptr;
    QComboBox* edStandard = nullptr;
    QComboBox* edPays = nullptr;
    QCheckBox* edDejaVu = nullptr;
    ChampDate* edDateSortieDVD = nullptr;
    QLabel* edImg = nullptr;
    QPushButton* bnAnnuler = nullptr;
    QPushButton* bnValider = nullptr;

    QMenu* pmImg = nullptr;
    QAction* Ajouterunephoto1 = nullptr;
    QAction* Supprimerlaphoto1 = nullptr;
    QAction* AnnulerGestion = nullptr;
    QAction* ValiderModficationsGestion = nullptr;
    QAction* ValiderNouvelleFiche = nullptr;

public slots:
    void Ajouterunnouveaufilm1Click();
    void Modifiercettefiche1Click();
    void Supprimercettefiche1Click();
    void Importerunefiche1Click();
    void Exportercettefiche1Click();
    // Opens the editor for a new film and fills it from the sheet file; touches no table.
    void ImporterFiche(const QString& chemin);
    void Ajouterunephoto1Click();
    void Supprimerlaphoto1Click();
    void AnnulerGestionExecute();
    void ValiderModficationsGestionExecute();
    void ValiderNouvelleFicheExecute();

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;
    void paintEvent(QPaintEvent* evenement) override;

private:
    void CreerComposants();
    void CreerListes();
    void CreerCommandes();
    void OrdonnerTabulation();
    void OuvrirEditeur(bool nouveauFilm);
    void FermerEditeur();
    void DefinirImage(const QByteArray& octets);
    // The checks before a write; false (after a warning) when the user has to correct something.
    bool Verifier(ValeursSaisie& saisie);
    // Names the fields whose values from a sheet file did not fit their editor.
    void SignalerValeursRaccourcies(const ValeursSaisie& lues);

    ListeFilms& m_liste;
    TFicheFilm& m_fiche;
    Tdm* m_dm = nullptr;
    bool m_nouveauFilm = true;
    QByteArray m_image;
    ValeursConservees m_conservees;
    QString m_dernierExport;
};
