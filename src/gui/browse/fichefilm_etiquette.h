#pragma once

#include <QColor>
#include <QLabel>

// A label of the sheet view: one font, one colour, no background of its own. By default a single
// '&' marks the next letter as a keyboard accelerator: it is not drawn and that letter is underlined,
// while "&&" draws one '&'. Without accelerator the text is drawn exactly as it is.
class TEtiquetteFiche : public QLabel
{
    Q_OBJECT

public:
    explicit TEtiquetteFiche(QWidget* parent = nullptr);

    bool accelerateur() const { return m_accelerateur; }
    void definirAccelerateur(bool accelerateur);
    QColor couleur() const { return m_couleur; }
    void definirCouleur(const QColor& couleur);

signals:
    void doubleClic();

protected:
    void paintEvent(QPaintEvent* evenement) override;
    void mouseDoubleClickEvent(QMouseEvent* evenement) override;

private:
    bool m_accelerateur = true;
    QColor m_couleur;
};
