#pragma once

#include <QPixmap>
#include <QWidget>

// A panel with a background colour and an optional picture drawn at its top-left corner.
class PanneauImage : public QWidget
{
    Q_OBJECT

public:
    explicit PanneauImage(QWidget* parent = nullptr, const QColor& fond = Qt::white);

    const QPixmap& image() const { return m_image; }
    void setImage(const QPixmap& image);
    void setCouleurFond(const QColor& fond);

protected:
    void paintEvent(QPaintEvent* evenement) override;

private:
    QPixmap m_image;
    QColor m_fond;
};
