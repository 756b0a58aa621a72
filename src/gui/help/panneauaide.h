#pragma once

#include <QFrame>
#include <functional>

class QPrinter;
class QPushButton;
class QScrollBar;
class QTextBrowser;

// The help panel: the program's HTML help page over the whole main window, with its own skinned
// scroll bar on the right and a strip holding "Imprimer" and "Fermer" along the bottom. The page is
// read again at every opening, so it always starts at its top.
class PanneauAide : public QFrame
{
    Q_OBJECT

public:
    explicit PanneauAide(QWidget* parent);

    // Shows the panel over its siblings, loading aide_html/aide.html of the program folder when it
    // exists; a missing page leaves whatever the viewer showed before.
    void Ouvrir();

    // Fits the scroll bar to the document laid out in the viewer: position 0, maximum the document's
    // height, page the viewer's height + 1; visible only when the document is taller than the viewer.
    static void SynchroniserBarreAide(QTextBrowser& viewer, QScrollBar& barre);

    // The page shown: aide_html/aide.html in the program folder.
    static QString CheminAide();

    QTextBrowser* htmlAides = nullptr;
    QScrollBar* sbAides = nullptr;
    QWidget* pnBas = nullptr;
    QPushButton* bnImprimerAide = nullptr;
    QPushButton* bnFermer = nullptr;

signals:
    // "Fermer": the main window hides the panel.
    void Fermer();

public slots:
    void bnImprimerAideClick();
    void sbAidesChange(int position);

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void htmlAidesMouseMove();
    void DefilementViewer(int position);

    // Set while the scroll bar drives the viewer, so that the viewer's clamped answer does not pull
    // the scroll bar back under the user's mouse.
    bool m_depuisBarre = false;
};
