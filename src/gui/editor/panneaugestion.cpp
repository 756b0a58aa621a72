#include "panneaugestion.h"

#include "app/erreurs.h"
#include "app/habillage.h"
#include "catalogue/schema.h"
#include "champssaisie.h"
#include "exchange/lignes.h"
#include "imaging/jpeg.h"
#include "reference/pays.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDate>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpressionValidator>

namespace {

constexpr QRect CadreImage(25, 2, 233, 320);

// The longest text the store keeps in the field.
int TailleChamp(const char* champ)
{
    const DescriptionChamp* c = SchemaFilms().Champ(QString::fromLatin1(champ));
    return c != nullptr ? c->taille : 0;
}

QLineEdit* Ligne(QWidget* parent, const char* nom, const char* champ, const QRect& bornes)
{
    auto* ligne = new QLineEdit(parent);
    ligne->setObjectName(QString::fromLatin1(nom));
    ligne->setGeometry(bornes);
    ligne->setMaxLength(TailleChamp(champ));
    return ligne;
}

ZoneTexte* Zone(QWidget* parent, const char* nom, const QRect& bornes, int taille = 0)
{
    auto* zone = new ZoneTexte(parent);
    zone->setObjectName(QString::fromLatin1(nom));
    zone->setGeometry(bornes);
    zone->setMaxLength(taille);
    return zone;
}

QComboBox* Liste(QWidget* parent, const char* nom, const QRect& bornes, const QStringList& entrees)
{
    auto* liste = new QComboBox(parent);
    liste->setObjectName(QString::fromLatin1(nom));
    liste->setGeometry(bornes);
    liste->addItems(entrees);
    liste->setMaxVisibleItems(12);
    return liste;
}

// The captions painted on the panel, where the editors leave room for them.
struct Legende
{
    QRect bornes;
    const char* texte;
    Qt::Alignment alignement;
};

const Legende Legendes[] = {
    {{262, 32, 70, 17}, "Genre", Qt::AlignRight},
    {{262, 51, 70, 17}, "Réalisateur", Qt::AlignRight},
    {{262, 70, 70, 17}, "Scénario", Qt::AlignRight},
    {{262, 89, 70, 17}, "Musique", Qt::AlignRight},
    {{262, 108, 70, 17}, "Durée", Qt::AlignRight},
    {{262, 127, 70, 17}, "Site Internet", Qt::AlignRight},
    {{262, 146, 70, 17}, "Éditeur", Qt::AlignRight},
    {{25, 330, 222, 16}, "Notes personnelles", Qt::AlignLeft},
    {{284, 347, 212, 15}, "Format cinéma", Qt::AlignLeft},
    {{284, 379, 212, 15}, "Format vidéo", Qt::AlignLeft},
    {{284, 411, 212, 15}, "Support", Qt::AlignLeft},
    {{284, 443, 212, 15}, "Zone", Qt::AlignLeft},
    {{284, 475, 212, 15}, "Standard", Qt::AlignLeft},
    {{284, 509, 40, 17}, "Prix", Qt::AlignLeft},
    {{529, 348, 262, 15}, "Date de sortie en DVD", Qt::AlignLeft},
    {{529, 382, 262, 15}, "Son", Qt::AlignLeft},
    {{529, 415, 262, 15}, "Langues audio", Qt::AlignLeft},
    {{529, 463, 262, 15}, "Sous-titres", Qt::AlignLeft},
};

// The two tall boxes carry their caption on a band along their left side.
const Legende LegendesVerticales[] = {
    {{262, 166, 13, 56}, "Acteurs", Qt::AlignCenter},
    {{262, 226, 13, 119}, "Résumé", Qt::AlignCenter},
};

} // namespace

PanneauGestion::PanneauGestion(ListeFilms& liste, TFicheFilm& fiche, QWidget* parent)
    : QWidget(parent), m_liste(liste), m_fiche(fiche)
{
    setObjectName(QStringLiteral("pnGestion"));
    setGeometry(0, 55, 800, 544);
    setAutoFillBackground(true);
    QPalette fond = palette();
    fond.setColor(QPalette::Window, Habillage::Creme);
    setPalette(fond);
    CreerComposants();
    CreerListes();
    CreerCommandes();
    OrdonnerTabulation();
    ViderSaisie();
    hide();
}

void PanneauGestion::AttacherDataModule(Tdm& dm)
{
    m_dm = &dm;
}

void PanneauGestion::CreerComposants()
{
    edTitre = Zone(this, "edTitre", {262, 2, 535, 28}, TailleChamp("Titre"));
    edTitre->setPlaceholderText(QStringLiteral("Titre du film"));
    edTitre->setStyleSheet(QStringLiteral("QPlainTextEdit { font-weight: bold; }"));
    edGenre = Ligne(this, "edGenre", "Genre", {336, 32, 462, 17});
    edRealisateur = Ligne(this, "edRealisateur", "Realisateur", {336, 51, 462, 17});
    edScenario = Ligne(this, "edScenario", "Scenario", {336, 70, 329, 17});
    edMusique = Ligne(this, "edMusique", "Musique", {336, 89, 329, 17});
    edDuree = new ChampMasque(QStringLiteral("09:99:99"), this);
    edDuree->setObjectName(QStringLiteral("edDuree"));
    edDuree->setGeometry(336, 108, 329, 17);
    edSite = Ligne(this, "edSite", "Site", {336, 127, 329, 17});
    edEditeur = Ligne(this, "edEditeur", "Editeur", {336, 146, 329, 17});

    edDateSortie = new ChampDate(this);
    edDateSortie->setObjectName(QStringLiteral("edDateSortie"));
    edDateSortie->setGeometry(676, 117, 120, 17);
    edDateSortie->setToolTip(QStringLiteral("Date de la sortie"));

    // A price typed with a full stop; shown, so that what is stored is what the user sees.
    edPrix = new QLineEdit(this);
    edPrix->setObjectName(QStringLiteral("edPrix"));
    edPrix->setGeometry(320, 509, 176, 17);
    edPrix->setToolTip(QStringLiteral("Prix"));
    edPrix->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("\\d{0,14}(\\.\\d{0,4})?")), edPrix));

    edActeurs = Zone(this, "edActeurs", {277, 166, 506, 56});
    edResume = Zone(this, "edResume", {277, 226, 506, 119});
    edLangueG = Zone(this, "edLangueG", {529, 430, 262, 32});
    edSousTitreG = Zone(this, "edSousTitreG", {529, 478, 262, 32});
    edNotes = Zone(this, "edNotes", {25, 348, 222, 171});
    edNotes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    edDejaVu = new QCheckBox(QStringLiteral("Déja vu"), this);
    edDejaVu->setObjectName(QStringLiteral("edDejaVu"));
    edDejaVu->setGeometry(25, 521, 233, 22);

    edDateSortieDVD = new ChampDate(this);
    edDateSortieDVD->setObjectName(QStringLiteral("edDateSortieDVD"));
    edDateSortieDVD->setGeometry(529, 363, 262, 17);

    // The cover, stretched to its box; a click or the context menu offers pmImg.
    edImg = new QLabel(this);
    edImg->setObjectName(QStringLiteral("edImg"));
    edImg->setGeometry(CadreImage);
    edImg->setScaledContents(true);
    edImg->setAlignment(Qt::AlignCenter);
    edImg->setWordWrap(true);
    edImg->setCursor(Qt::PointingHandCursor);
    edImg->setStyleSheet(
        QStringLiteral("QLabel { border: 1px solid %1; background-color: #f1e0b8; color: %2; }")
            .arg(Habillage::Caramel.name(), Habillage::BrunEncre.name()));
    edImg->installEventFilter(this);

    bnAnnuler = new QPushButton(this);
    bnAnnuler->setObjectName(QStringLiteral("bnAnnuler"));
    bnAnnuler->setGeometry(586, 517, 65, 25);
    bnValider = new QPushButton(this);
    bnValider->setObjectName(QStringLiteral("bnValider"));
    bnValider->setGeometry(655, 517, 136, 25);
    for (QPushButton* bouton : {bnAnnuler, bnValider}) {
        bouton->setStyleSheet(QStringLiteral("QPushButton { padding: 2px 6px; min-height: 0; }"));
        bouton->setCursor(Qt::PointingHandCursor);
    }
}

void PanneauGestion::CreerListes()
{
    edEtoiles = Liste(this, "edEtoiles", {676, 97, 120, 17}, EntreesEtoiles());
    edEtoiles->setToolTip(QStringLiteral("Préférence"));
    edPublic = Liste(this, "edPublic", {676, 140, 120, 17}, EntreesPublic());
    edPublic->setToolTip(QStringLiteral("Public"));
    edCinema = Liste(this, "edCinema", {284, 362, 212, 17}, EntreesCinema());
    // The first entry starts with a carriage return, which a stored film keeps.
    edFormat = Liste(this, "edFormat", {284, 394, 212, 17}, EntreesFormat());
    edZone = Liste(this, "edZone", {284, 458, 212, 17}, EntreesZone());
    // Support and sound lists are kept sorted: their entries come in order already, and the index
    // of an entry is what the editor's values hold.
    edSupport = Liste(this, "edSupport", {284, 426, 212, 17}, EntreesSupport());
    edSon = Liste(this, "edSon", {528, 397, 264, 17}, EntreesSon());
    edStandard = Liste(this, "edStandard", {284, 490, 212, 17}, EntreesStandard());

    edPays = Liste(this, "edPays", {676, 77, 120, 17}, ListePays());
    edPays->setToolTip(QStringLiteral("Pays"));
    edPays->setEditable(true);
    edPays->setInsertPolicy(QComboBox::NoInsert);
    edPays->lineEdit()->setMaxLength(TailleChamp("Langue"));
    edPays->lineEdit()->setPlaceholderText(QStringLiteral("Pays"));
    edPays->completer()->setCompletionMode(QCompleter::InlineCompletion);
    edPays->completer()->setCaseSensitivity(Qt::CaseInsensitive);
}

void PanneauGestion::CreerCommandes()
{
    pmImg = new QMenu(this);
    pmImg->setObjectName(QStringLiteral("pmImg"));
    Ajouterunephoto1 = pmImg->addAction(QStringLiteral("Ajouter/Modifier une photo"));
    Supprimerlaphoto1 = pmImg->addAction(QStringLiteral("Supprimer la photo"));
    connect(Ajouterunephoto1, &QAction::triggered, this,
            Commande(this, &PanneauGestion::Ajouterunephoto1Click));
    connect(Supprimerlaphoto1, &QAction::triggered, this,
            Commande(this, &PanneauGestion::Supprimerlaphoto1Click));

    AnnulerGestion = new QAction(QStringLiteral("Annuler"), this);
    ValiderModficationsGestion = new QAction(QStringLiteral("Valider les modifications"), this);
    ValiderNouvelleFiche = new QAction(QStringLiteral("Ajouter ce nouveau film"), this);
    connect(AnnulerGestion, &QAction::triggered, this,
            Commande(this, &PanneauGestion::AnnulerGestionExecute));
    connect(ValiderModficationsGestion, &QAction::triggered, this,
            Commande(this, &PanneauGestion::ValiderModficationsGestionExecute));
    connect(ValiderNouvelleFiche, &QAction::triggered, this,
            Commande(this, &PanneauGestion::ValiderNouvelleFicheExecute));

    bnAnnuler->setText(AnnulerGestion->text());
    connect(bnAnnuler, &QPushButton::clicked, AnnulerGestion, &QAction::trigger);
    // bnValider runs whichever action the opening bound it to.
    connect(bnValider, &QPushButton::clicked, this,
            [this] { (m_nouveauFilm ? ValiderNouvelleFiche : ValiderModficationsGestion)->trigger(); });
}

void PanneauGestion::OrdonnerTabulation()
{
    const QList<QWidget*> ordre = {edTitre,       edGenre,
                                   edRealisateur, edScenario,
                                   edMusique,     edDuree,
                                   edSite,        edEditeur,
                                   edEtoiles,     edDateSortie,
                                   edPublic,      edPrix,
                                   edActeurs,     edResume,
                                   edCinema,      edFormat,
                                   edZone,        edSupport,
                                   edSon,         edLangueG,
                                   edSousTitreG,  edNotes,
                                   edStandard,    edPays,
                                   edDejaVu,      edDateSortieDVD->edition,
                                   bnAnnuler,     bnValider};
    for (int i = 1; i < ordre.size(); ++i) {
        setTabOrder(ordre.at(i - 1), ordre.at(i));
    }
}

void PanneauGestion::paintEvent(QPaintEvent* evenement)
{
    QWidget::paintEvent(evenement);
    QPainter peintre(this);
    QFont police = font();
    police.setBold(true);
    peintre.setFont(police);
    peintre.setPen(Habillage::BrunEncre);
    for (const Legende& l : Legendes) {
        peintre.drawText(l.bornes, static_cast<int>(l.alignement | Qt::AlignVCenter),
                         QString::fromUtf8(l.texte));
    }
    // Caramel bands with the caption read upwards.
    for (const Legende& l : LegendesVerticales) {
        peintre.fillRect(l.bornes, Habillage::Caramel);
        peintre.save();
        peintre.translate(l.bornes.left(), l.bornes.bottom() + 1);
        peintre.rotate(-90);
        peintre.setPen(Habillage::Creme);
        peintre.drawText(QRect(0, 0, l.bornes.height(), l.bornes.width()), Qt::AlignCenter,
                         QString::fromUtf8(l.texte));
        peintre.restore();
    }
    // A thin rule between the sheet's text and its technical part.
    peintre.setPen(Habillage::Caramel);
    peintre.drawLine(262, 346, 797, 346);
}

bool PanneauGestion::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet == edImg && evenement->type() == QEvent::MouseButtonPress) {
        pmImg->popup(static_cast<QMouseEvent*>(evenement)->globalPosition().toPoint());
        return true;
    }
    return QWidget::eventFilter(objet, evenement);
}

// Editors and values

ValeursSaisie PanneauGestion::Saisie() const
{
    ValeursSaisie s;
    s.edTitre = LignesCrLf(edTitre->toPlainText());
    s.edGenre = edGenre->text();
    s.edRealisateur = edRealisateur->text();
    s.edScenario = edScenario->text();
    s.edMusique = edMusique->text();
    s.edDuree = edDuree->texte();
    s.edSite = edSite->text();
    s.edEditeur = edEditeur->text();
    s.edEtoiles = edEtoiles->currentIndex();
    s.edDateSortie = edDateSortie->texte();
    s.edPublic = edPublic->currentIndex();
    s.edPrix = edPrix->text();
    s.edActeurs = edActeurs->toPlainText();
    s.edResume = edResume->toPlainText();
    s.edNotes = edNotes->toPlainText();
    // The country box is typed in: the entry is the one its text names.
    s.edPays = EntreeEgale(ListePays(), edPays->currentText().trimmed());
    s.edCinema = edCinema->currentIndex();
    s.edFormat = edFormat->currentIndex();
    s.edSupport = edSupport->currentIndex();
    s.edZone = edZone->currentIndex();
    s.edStandard = edStandard->currentIndex();
    s.edDateSortieDVD = edDateSortieDVD->texte();
    s.edSon = edSon->currentIndex();
    s.edLangueG = edLangueG->toPlainText();
    s.edSousTitreG = edSousTitreG->toPlainText();
    s.edDejaVu = edDejaVu->isChecked();
    s.edImg = m_image;
    return s;
}

void PanneauGestion::AfficherSaisie(const ValeursSaisie& s)
{
    edTitre->setPlainText(LignesLf(s.edTitre));
    edGenre->setText(s.edGenre);
    edRealisateur->setText(s.edRealisateur);
    edScenario->setText(s.edScenario);
    edMusique->setText(s.edMusique);
    edDuree->setText(s.edDuree);
    edSite->setText(s.edSite);
    edEditeur->setText(s.edEditeur);
    edEtoiles->setCurrentIndex(s.edEtoiles);
    edDateSortie->setTexte(s.edDateSortie);
    edPublic->setCurrentIndex(s.edPublic);
    edPrix->setText(s.edPrix);
    edActeurs->setPlainText(s.edActeurs);
    edResume->setPlainText(s.edResume);
    edNotes->setPlainText(s.edNotes);
    edPays->setCurrentIndex(s.edPays);
    if (s.edPays < 0) {
        edPays->setEditText(m_conservees.value(QStringLiteral("Langue")));
    }
    edCinema->setCurrentIndex(s.edCinema);
    edFormat->setCurrentIndex(s.edFormat);
    edSupport->setCurrentIndex(s.edSupport);
    edZone->setCurrentIndex(s.edZone);
    edStandard->setCurrentIndex(s.edStandard);
    edDateSortieDVD->setTexte(s.edDateSortieDVD);
    edSon->setCurrentIndex(s.edSon);
    edLangueG->setPlainText(s.edLangueG);
    edSousTitreG->setPlainText(s.edSousTitreG);
    edDejaVu->setChecked(s.edDejaVu);
    DefinirImage(s.edImg);
}

void PanneauGestion::ViderSaisie()
{
    // A new film starts unseen, with nothing kept from the film edited before.
    m_conservees.clear();
    AfficherSaisie(SaisieVide(QDate::currentDate()));
}

void PanneauGestion::DefinirImage(const QByteArray& octets)
{
    m_image = octets;
    Supprimerlaphoto1->setEnabled(!octets.isEmpty());
    if (octets.isEmpty()) {
        edImg->setPixmap(QPixmap());
        edImg->setText(QStringLiteral("Aucune photo\n\nCliquez ici pour en ajouter une"));
        return;
    }
    // Decoded at the box's size, as the box stretches it anyway.
    const QImage image = DecoderJpeg(octets, CadreImage.size());
    if (image.isNull()) {
        edImg->setPixmap(QPixmap());
        edImg->setText(QStringLiteral("Photo illisible"));
        return;
    }
    edImg->setPixmap(QPixmap::fromImage(image));
}
