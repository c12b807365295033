#pragma once
// LinkLabel: a label that reads as a link (underlined, hand cursor) and reports a click of
// the left button released over it. What the click opens is the owner's business.
// UI thread only.

#include <QLabel>

class LinkLabel : public QLabel {
    Q_OBJECT

public:
    explicit LinkLabel(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};
