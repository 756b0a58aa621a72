#include "formacteurs_liaison.h"

#include "app/erreurs.h"
#include "catalogue/sourcedonnees.h"
#include "catalogue/table.h"
#include "formacteurs_photo.h"

#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>

namespace {

// Restores the flag even when a store call throws.
class Occupation
{
public:
    explicit Occupation(bool& drapeau) : m_drapeau(drapeau), m_avant(drapeau) { m_drapeau = true; }
    ~Occupation() { m_drapeau = m_avant; }
    Occupation(const Occupation&) = delete;
    Occupation& operator=(const Occupation&) = delete;

private:
    bool& m_drapeau;
    bool m_avant;
};

} // namespace

LiaisonChamps::LiaisonChamps(SourceDonnees& source, QObject* parent) : QObject(parent), m_source(source)
{
    connect(&m_source, &SourceDonnees::donneesChangees, this, [this] {
        if (!m_occupe)
            Afficher();
    });
    m_source.ecrireEditeurs = [this] { return EcrireEditeurs(); };
}

LiaisonChamps::~LiaisonChamps()
{
    m_source.ecrireEditeurs = nullptr;
}

Table& LiaisonChamps::table() const
{
    return m_source.table();
}

bool LiaisonChamps::EnEdition() const
{
    const Table::Etat etat = table().EtatTable();
    return etat == Table::Etat::Edition || etat == Table::Etat::Insertion;
}

void LiaisonChamps::LierLigne(QLineEdit* editeur, const QString& champ)
{
    const size_t indice = m_liens.size();
    m_liens.push_back({editeur, champ, Lien::Sorte::Ligne, false});
    // textEdited comes from the user only, never from setText.
    connect(editeur, &QLineEdit::textEdited, this,
            [this, indice] { ExecuterCommande([&] { Saisie(m_liens[indice]); }); });
    Occupation occupation(m_occupe);
    MontrerChamp(m_liens.back());
}

void LiaisonChamps::LierMemo(QPlainTextEdit* editeur, const QString& champ)
{
    const size_t indice = m_liens.size();
    m_liens.push_back({editeur, champ, Lien::Sorte::Memo, false});
    connect(editeur, &QPlainTextEdit::textChanged, this, [this, indice] {
        if (!m_occupe)
            ExecuterCommande([&] { Saisie(m_liens[indice]); });
    });
    Occupation occupation(m_occupe);
    MontrerChamp(m_liens.back());
}

void LiaisonChamps::LierImage(QLabel* image, const QString& champ)
{
    image->setScaledContents(true); // the photo is stretched to the frame
    m_liens.push_back({image, champ, Lien::Sorte::Image, false});
    Occupation occupation(m_occupe);
    MontrerChamp(m_liens.back());
}

void LiaisonChamps::Saisie(Lien& lien)
{
    lien.modifie = true;
    if (EnEdition())
        return;
    Resultat r;
    {
        Occupation occupation(m_occupe);
        r = table().Edit();
    }
    if (!SignalerEchec(r)) {
        // The keystroke cannot be kept: the editors show the record as it is.
        lien.modifie = false;
        Afficher();
        return;
    }
    emit affiche();
}

Resultat LiaisonChamps::Editer()
{
    if (EnEdition())
        return Resultat::Succes();
    Occupation occupation(m_occupe);
    return table().Edit();
}

QString LiaisonChamps::TexteEditeur(const Lien& lien) const
{
    switch (lien.sorte) {
    case Lien::Sorte::Ligne:
        return static_cast<QLineEdit*>(lien.editeur)->text();
    case Lien::Sorte::Memo:
        return static_cast<QPlainTextEdit*>(lien.editeur)->toPlainText();
    case Lien::Sorte::Image:
        break;
    }
    return QString();
}

Resultat LiaisonChamps::EcrireEditeurs()
{
    Occupation occupation(m_occupe);
    for (const Lien& lien : m_liens) {
        if (!lien.modifie || lien.sorte == Lien::Sorte::Image)
            continue;
        const Resultat r = table().EcrireTexte(lien.champ, TexteEditeur(lien));
        if (!r)
            return r;
    }
    return Resultat::Succes();
}

Resultat LiaisonChamps::Poster()
{
    if (!EnEdition())
        return Resultat::Succes();
    Resultat r;
    {
        Occupation occupation(m_occupe);
        r = table().Post(); // the table asks EcrireEditeurs first
    }
    // A refused post leaves the table where it was, and the editors with what was typed.
    Afficher();
    return r;
}

Resultat LiaisonChamps::EcrireEnAttente()
{
    if (!EnEdition())
        return Resultat::Succes();
    const Resultat r = EcrireEditeurs();
    if (!r)
        return r;
    // Nothing written since Edit or "Nouveau": dropped, as the table does on its own moves.
    if (!table().Modifie()) {
        Annuler();
        return Resultat::Succes();
    }
    return Poster();
}

void LiaisonChamps::Annuler()
{
    {
        Occupation occupation(m_occupe);
        table().Cancel();
    }
    Afficher();
}

void LiaisonChamps::MontrerChamp(Lien& lien)
{
    const Table& t = table();
    const bool ouverte = t.EstOuverte();
    lien.editeur->setEnabled(ouverte);
    switch (lien.sorte) {
    case Lien::Sorte::Ligne: {
        auto* editeur = static_cast<QLineEdit*>(lien.editeur);
        const QString texte = ouverte ? t.Texte(lien.champ) : QString();
        if (editeur->text() != texte) {
            editeur->setText(texte);
            editeur->setCursorPosition(0);
        }
        break;
    }
    case Lien::Sorte::Memo: {
        auto* editeur = static_cast<QPlainTextEdit*>(lien.editeur);
        const QString texte = ouverte ? t.Texte(lien.champ) : QString();
        if (editeur->toPlainText() != texte)
            editeur->setPlainText(texte);
        break;
    }
    case Lien::Sorte::Image: {
        auto* image = static_cast<QLabel*>(lien.editeur);
        const QImage photo = ouverte && !t.EstNul(lien.champ) ? DecoderPhoto(t.Blob(lien.champ)) : QImage();
        if (photo.isNull())
            image->clear();
        else
            image->setPixmap(QPixmap::fromImage(photo));
        break;
    }
    }
    lien.modifie = false;
}

void LiaisonChamps::Afficher()
{
    Occupation occupation(m_occupe);
    const bool edition = EnEdition();
    for (Lien& lien : m_liens) {
        // While editing, what the user typed stays until it is posted or dropped.
        if (edition && lien.modifie)
            continue;
        MontrerChamp(lien);
    }
    emit affiche();
}
