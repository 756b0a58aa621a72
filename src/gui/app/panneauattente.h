#pragma once

#include <QWidget>

// Stands in for a panel whose content comes with its own feature: the panel's colours, a caption
// band and a "Fermer" button, so that the shell's opening and closing can be used already.
class PanneauAttente : public QWidget
{
    Q_OBJECT

public:
    PanneauAttente(const QString& titre, QWidget* parent);

signals:
    void Fermer();
};
