// The sheet view's elements and AfficherFiche, which fills them from the current film.
#include "fichefilm.h"

#include "app/erreurs.h"
#include "app/habillage.h"
#include "catalogue/tdm.h"
#include "fichefilm_etiquette.h"
#include "imaging/couverture.h"
#include "print/formagrandissement.h"
#include "reference/acteurs.h"
#include "reference/pays.h"
#include "widgets/diaporama.h"
#include "windows/formnotes.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTimer>

namespace {

QFont PoliceFiche(int pixels, bool gras = false)
{
    QFont police(QStringLiteral("Tahoma"));
    police.setPixelSize(pixels);
    police.setBold(gras);
    return police;
}

// Height of one entry of the actor list, and its four columns.
constexpr int HauteurActeur = 13;
constexpr int ColonnesActeurs = 4;

} // namespace

TFicheFilm::TFicheFilm(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FicheFilm"));
    setGeometry(0, 0, 800, 600);
    CreerComposants();
    // Under everything else that lies on the base panel.
    lower();
}

TFicheFilm::~TFicheFilm() = default;

TEtiquetteFiche* TFicheFilm::Etiquette(const char* nom, int gauche, int haut, int largeur, int hauteur)
{
    auto* etiquette = new TEtiquetteFiche(this);
    etiquette->setObjectName(QString::fromLatin1(nom));
    etiquette->setGeometry(gauche, haut, largeur, hauteur);
    etiquette->setFont(PoliceFiche(11));
    return etiquette;
}

QPlainTextEdit* TFicheFilm::Memo(const char* nom, int gauche, int haut, int largeur, int hauteur)
{
    auto* memo = new QPlainTextEdit(this);
    memo->setObjectName(QString::fromLatin1(nom));
    memo->setGeometry(gauche, haut, largeur, hauteur);
    memo->setReadOnly(true);
    memo->setFont(PoliceFiche(11));
    QPalette creme = memo->palette();
    creme.setColor(QPalette::Base, Habillage::Creme);
    creme.setColor(QPalette::Text, Habillage::BrunEncre);
    memo->setPalette(creme);
    return memo;
}

QLabel* TFicheFilm::Image(const char* nom, int gauche, int haut)
{
    auto* image = new QLabel(this);
    image->setObjectName(QString::fromLatin1(nom));
    image->move(gauche, haut);
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return image;
}

void TFicheFilm::CreerComposants()
{
    lbTitre = Etiquette("lbTitre", 263, 58, 449, 26);
    lbTitre->setFont(PoliceFiche(13, true));
    lbTitre->setAlignment(Qt::AlignCenter);
    lbGenre = Etiquette("lbGenre", 336, 89, 425, 13);
    lbRealisateur = Etiquette("lbRealisateur", 336, 108, 463, 13);
    lbScenario = Etiquette("lbScenario", 336, 127, 463, 13);
    lbMusique = Etiquette("lbMusique", 336, 146, 335, 13);
    lbDuree = Etiquette("lbDuree", 336, 165, 335, 13);
    lbSite = Etiquette("lbSite", 336, 184, 335, 13);
    lbSite->definirCouleur(Qt::blue);
    lbSite->setCursor(Qt::PointingHandCursor);
    connect(lbSite, &TEtiquetteFiche::doubleClic, this, Commande(this, &TFicheFilm::lbSiteDblClick));
    lbEditeur = Etiquette("lbEditeur", 336, 203, 335, 13);
    lbEditeur->definirAccelerateur(false);
    lbDateSortie = Etiquette("lbDateSortie", 679, 180, 113, 14);
    lbDateSortie->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lbPublic = Etiquette("lbPublic", 679, 198, 113, 14);
    lbPublic->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    // The price is kept on the sheet but never shown.
    lbPrix = Etiquette("lbPrix", 679, 141, 113, 14);
    lbPrix->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lbPrix->hide();

    imgEtoiles = Image("imgEtoiles", 679, 162);
    imgEtoiles->resize(115, 14);
    imgPrete = Image("imgPrete", 719, 64);
    imgVu = Image("imgVu", 748, 64);
    imgNotes = Image("imgNotes", 782, 64);
    imgNotes->setCursor(Qt::PointingHandCursor);
    imgNotes->installEventFilter(this);
    imgFlag = Image("imgFlag", 764, 89);
    imgFlag->resize(32, 20);
    imgFlag->installEventFilter(this);

    lbActeurs = new QListWidget(this);
    lbActeurs->setObjectName(QStringLiteral("lbActeurs"));
    lbActeurs->setGeometry(276, 220, 522, 58);
    lbActeurs->setFont(PoliceFiche(11));
    lbActeurs->setFrameShape(QFrame::NoFrame);
    QPalette creme = lbActeurs->palette();
    creme.setColor(QPalette::Base, Habillage::Creme);
    creme.setColor(QPalette::Text, Habillage::BrunEncre);
    lbActeurs->setPalette(creme);
    // Four columns filled top to bottom, then left to right, as a multi-column list box.
    lbActeurs->setViewMode(QListView::ListMode);
    lbActeurs->setFlow(QListView::TopToBottom);
    lbActeurs->setWrapping(true);
    lbActeurs->setResizeMode(QListView::Adjust);
    lbActeurs->setUniformItemSizes(true);
    lbActeurs->setGridSize(QSize(522 / ColonnesActeurs, HauteurActeur));
    lbActeurs->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lbActeurs->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    lbActeurs->setSelectionMode(QAbstractItemView::SingleSelection);
    lbActeurs->setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(lbActeurs, &QListWidget::itemClicked, this,
            [this](QListWidgetItem*) { ExecuterCommande([this] { lbActeursListBoxClick(); }); });

    memoResume = Memo("memoResume", 277, 280, 507, 120);
    memoResume->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memoResume->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memoResume->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    sbMemoResume = memoResume->verticalScrollBar();
    sbMemoResume->setObjectName(QStringLiteral("sbMemoResume"));

    lbCinema = Etiquette("lbCinema", 287, 418, 206, 17);
    lbFormat = Etiquette("lbFormat", 287, 450, 206, 17);
    lbSupport = Etiquette("lbSupport", 287, 482, 206, 17);
    lbZone = Etiquette("lbZone", 287, 514, 206, 17);
    lbStandard = Etiquette("lbStandard", 286, 546, 208, 17);
    lbDateSortieDVD = Etiquette("lbDateSortieDVD", 531, 418, 258, 17);
    lbSon = Etiquette("lbSon", 531, 450, 258, 17);
    lbLangue = Memo("lbLangue", 530, 483, 260, 32);
    lbSousTitres = Memo("lbSousTitres", 530, 532, 260, 32);
    for (QPlainTextEdit* memo : {lbLangue, lbSousTitres}) {
        memo->setLineWrapMode(QPlainTextEdit::NoWrap);
        memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        memo->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    }

    PicShow = new Diaporama(this);
    PicShow->setObjectName(QStringLiteral("PicShow"));
    PicShow->setGeometry(24, 56, LargeurCouverture, HauteurCouverture);
    PicShow->setCursor(Qt::PointingHandCursor);
    connect(PicShow, &Diaporama::clique, this, Commande(this, &TFicheFilm::PicShowClick));
}

void TFicheFilm::AttacherDataModule(Tdm& dm)
{
    m_dm = &dm;
    if (m_images.dossierProgramme() != dm.dossierProgramme())
        m_images = ImagesFiche(dm.dossierProgramme());
}

void TFicheFilm::AttacherFenetres(TFormAgrandissement* agrandissement, TFormNotes* notes)
{
    m_agrandissement = agrandissement;
    m_notes = notes;
    if (m_notes)
        m_notes->definirIndicateur(imgNotes);
}

void TFicheFilm::RemplirListeActeurs(const QString& texte, QListWidget* liste)
{
    liste->clear();
    liste->addItems(SeparerActeurs(texte));
}

void TFicheFilm::AfficherImage(QLabel* image, const QPixmap& pixmap)
{
    image->setPixmap(pixmap);
    if (!pixmap.isNull())
        image->resize(pixmap.size());
}

void TFicheFilm::AfficherFiche()
{
    if (m_dm == nullptr)
        return;
    const Table& film = m_dm->tbFilms();
    auto texte = [&film](const char* champ) { return film.Texte(QString::fromLatin1(champ)); };

    // 1. The labels of the top block; the price stays hidden.
    lbTitre->setText(texte("Titre"));
    lbGenre->setText(texte("Genre"));
    lbRealisateur->setText(texte("Realisateur"));
    lbScenario->setText(texte("Scenario"));
    lbMusique->setText(texte("Musique"));
    lbDuree->setText(texte("Duree"));
    lbSite->setText(texte("Site"));
    lbEditeur->setText(texte("Editeur"));
    lbDateSortie->setText(texte("Sortie"));
    lbPublic->setText(texte("Public"));
    lbPrix->clear();

    // 2. The actors.
    RemplirListeActeurs(texte("Acteur"), lbActeurs);

    // 3. The summary.
    memoResume->setPlainText(texte("Resume"));

    // 4. The technical block.
    lbCinema->setText(texte("FormatCinema"));
    lbFormat->setText(texte("FormatVideo"));
    lbSupport->setText(texte("Support"));
    lbZone->setText(texte("ZoneDvd"));
    lbStandard->setText(texte("Standard"));
    lbDateSortieDVD->setText(texte("DateSortieDvd"));
    lbSon->setText(texte("Son"));
    lbLangue->setPlainText(texte("Audio"));
    lbSousTitres->setPlainText(texte("SousTitres"));

    // 5. The rating picture.
    QString erreur;
    imgEtoiles->setPixmap(m_images.Etoiles(texte("Etoiles"), &erreur));
    Noter(erreur);

    // 6. The seen, lent and notes indicators.
    AfficherImage(imgVu,
                  m_images.Image(film.Logique(QStringLiteral("DejaVu")) ? QStringLiteral("DejavuN.bmp")
                                                                        : QStringLiteral("DejavuF.bmp"),
                                 &erreur));
    Noter(erreur);
    AfficherImage(imgPrete,
                  m_images.Image(film.Logique(QStringLiteral("Prete")) ? QStringLiteral("PreteN.bmp")
                                                                       : QStringLiteral("PreteF.bmp"),
                                 &erreur));
    Noter(erreur);
    const QString notes = texte("Notes");
    AfficherImage(imgNotes, m_images.Image(notes.isEmpty() ? QStringLiteral("NotesF.bmp")
                                                           : QStringLiteral("NotesN.bmp"),
                                           &erreur));
    Noter(erreur);
    imgNotes->setToolTip(notes);

    // 7. The country's flag; the tooltip keeps the stored text as it is.
    const QString pays = texte("Langue");
    imgFlag->setToolTip(pays);
    m_indexDrapeau = IndexPays(pays);
    imgFlag->setPixmap(m_images.Drapeau(m_indexDrapeau, &erreur));
    Noter(erreur);

    // 8. A transition still running ends here, before the pictures change.
    if (PicShow->estOccupe())
        PicShow->Arreter();

    // 9. The cover.
    AfficherPhoto();
    SignalerProblemes();
}

void TFicheFilm::AfficherPhoto()
{
    const QString dossier = m_dm->dossierProgramme();
    const QByteArray couverture = m_dm->tbFilms().Blob(QStringLiteral("BlobPicture"));
    QString erreur;
    const QImage image = ImageFiche(couverture, dossier, &erreur);

    // The artwork's own problems (mask, default picture) are told once; a cover that does not decode
    // only shows the default picture, with the reason as the cover's tooltip.
    QString erreurCouverture;
    if (!erreur.isEmpty()) {
        QString erreurIllustrations;
        (void)ImageFiche(QByteArray(), dossier, &erreurIllustrations);
        const QStringList illustrations = erreurIllustrations.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QStringList propres;
        for (const QString& ligne : erreur.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            if (illustrations.contains(ligne))
                Noter(ligne);
            else
                propres << ligne;
        }
        erreurCouverture = propres.join(QLatin1Char('\n'));
    }
    PicShow->setToolTip(erreurCouverture);

    PicShow->Arreter();
    PicShow->definirFond(PicShow->image());
    PicShow->definirImage(image);
    PicShow->definirEffet(EffetAuHasard());
    PicShow->Demarrer();
}

void TFicheFilm::Noter(const QString& probleme)
{
    if (!probleme.isEmpty() && !m_problemesSignales.contains(probleme) && !m_problemes.contains(probleme))
        m_problemes << probleme;
}

void TFicheFilm::SignalerProblemes()
{
    if (m_problemes.isEmpty())
        return;
    for (const QString& probleme : std::as_const(m_problemes))
        m_problemesSignales.insert(probleme);
    const QString texte = m_problemes.join(QLatin1Char('\n'));
    m_problemes.clear();
    // Told once the caller's command is over, so that the box never interrupts a refresh.
    QTimer::singleShot(0, this, [texte] { AfficherErreurApplication(texte); });
}
