#pragma once

#include <QDialog>
#include <QImage>
#include <functional>

class QLabel;
class QPushButton;
class QScrollArea;
class QScrollBar;
class QWidget;

// The cover at its full size, one screen pixel per picture pixel, with scroll bars only when it is
// larger than the visible area. Created once, hidden; shown without blocking the main window.
class TFormAgrandissement : public QDialog
{
    Q_OBJECT

public:
    explicit TFormAgrandissement(QWidget* parent = nullptr);

    // Puts a new picture in imgZoom (sized to it) and brings the view back to its top-left corner.
    void definirImage(const QImage& image);

    QWidget* pnTop = nullptr;
    QPushButton* bnPrint = nullptr;
    QPushButton* bnFermer = nullptr;
    QScrollArea* bsSkinScrollBox1 = nullptr;
    QLabel* imgZoom = nullptr;
    QScrollBar* sbH = nullptr;
    QScrollBar* sbv = nullptr;

    // What "Imprimer" does; set by the printing layer.
    std::function<void()> imprimer;

public slots:
    void bnPrintClick();
    void bnFermerClick();

protected:
    void showEvent(QShowEvent* evenement) override;

private:
    bool m_place = false;
};
