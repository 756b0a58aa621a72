#pragma once

#include <QLabel>
#include <QPixmap>

class QMouseEvent;

// The image button of every navigation control: a picture control that shows one of four state
// pictures (normal, entered, pressed, disabled) as the mouse moves over it and presses it.
class TImageMouseOutState : public QLabel
{
    Q_OBJECT

public:
    explicit TImageMouseOutState(QWidget* parent = nullptr);

    // State pictures. Setting one stores a copy; what the button shows does not change until the
    // next mouse event.
    const QPixmap& DisablePicture() const { return m_disablePicture; }
    void setDisablePicture(const QPixmap& image) { m_disablePicture = image; }
    const QPixmap& NormalPicture() const { return m_normalPicture; }
    void setNormalPicture(const QPixmap& image) { m_normalPicture = image; }
    const QPixmap& EnterPicture() const { return m_enterPicture; }
    void setEnterPicture(const QPixmap& image) { m_enterPicture = image; }
    const QPixmap& DownPicture() const { return m_downPicture; }
    void setDownPicture(const QPixmap& image) { m_downPicture = image; }

    // The picture shown now.
    const QPixmap& Picture() const { return m_picture; }
    void setPicture(const QPixmap& image);

    // With automatic sizing the button takes the size of each picture it shows (an empty picture
    // leaves the size alone).
    bool AutoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize);

    void setHint(const QString& hint) { setToolTip(hint); }
    QString Hint() const { return toolTip(); }

signals:
    void OnMouseEnter();
    void OnMouseLeave();
    // Any mouse button pressed on the button, before the pressed picture is shown.
    void OnMouseDown(QMouseEvent* evenement);
    // Left button released over the button.
    void OnClick();

protected:
    void enterEvent(QEnterEvent* evenement) override;
    void leaveEvent(QEvent* evenement) override;
    void mousePressEvent(QMouseEvent* evenement) override;
    void mouseReleaseEvent(QMouseEvent* evenement) override;

private:
    void ajusterTaille();

    QPixmap m_enterPicture;
    QPixmap m_disablePicture;
    QPixmap m_downPicture;
    QPixmap m_normalPicture;
    QPixmap m_picture;
    bool m_autoSize = false;
    bool m_gaucheEnfonce = false;
};
