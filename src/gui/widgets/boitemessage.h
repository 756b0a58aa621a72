#pragma once

#include <QDialog>
#include <functional>

class QLabel;

// The program's own skinned message box: a frameless dialog with its caption band, a warning with
// "OK" or a confirmation with "Oui" and "Non" (only "Oui" lets the command go on).
class BoiteMessage : public QDialog
{
    Q_OBJECT

public:
    enum class Type
    {
        Avertissement,
        Confirmation,
        Erreur // the error icon and an OK button
    };
    enum class Reponse
    {
        Ok,
        Oui,
        Non
    };

    // Answers instead of the user: called with the kind and the text of each box, returns the
    // button pressed; nothing is shown. Tests set it; an empty function restores the real box.
    using Repondeur = std::function<Reponse(Type, const QString& texte)>;
    static void definirRepondeur(Repondeur repondeur);

    // `titre` replaces the caption "Kinobral 2005" when given.
    static Reponse Afficher(QWidget* parent, Type type, const QString& texte,
                            const QString& titre = QString());
    static void Avertir(QWidget* parent, const QString& texte);
    // True when the user answers "Oui".
    static bool Confirmer(QWidget* parent, const QString& texte);

    BoiteMessage(QWidget* parent, Type type, const QString& texte, const QString& titre = QString());

    Reponse reponse() const { return m_reponse; }

protected:
    void mousePressEvent(QMouseEvent* evenement) override;
    void paintEvent(QPaintEvent* evenement) override;
    void reject() override;

private:
    void repondre(Reponse reponse);

    Type m_type;
    Reponse m_reponse;
    QString m_titre;
};
