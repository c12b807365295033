#pragma once
// PreviewPanel: the panel a document page is shown in. Every paint fills a fresh surface
// with the panel's window colour, lets the drawer paint a page over it and shows the
// result; nothing is kept between paints, so uncovering or resizing draws the page again
// at the panel's current size. It decides nothing about which page. UI thread only.

#include <QWidget>

#include <functional>

class QImage;

class PreviewPanel : public QWidget {
    Q_OBJECT

public:
    // Draws over the surface (RGB32, the panel's size); may leave it untouched.
    using Drawer = std::function<void(QImage& surface)>;

    explicit PreviewPanel(QWidget* parent = nullptr);

    void setDrawer(Drawer drawer);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Drawer m_drawer;
};
