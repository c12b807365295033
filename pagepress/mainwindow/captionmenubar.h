#pragma once
// CaptionMenuBar: the main window's menu shown as a bar of flat caption buttons over the
// cool-bar picture (CoolBar1 holding ToolBar1). Each button drops down one menu and takes
// the menu's title, blanks included, as its caption. UI thread only.

#include <QImage>
#include <QWidget>

class QMenu;
class QToolButton;

class CaptionMenuBar : public QWidget {
    Q_OBJECT

public:
    explicit CaptionMenuBar(QWidget* parent = nullptr);

    // Adds a button at the right of the last one; the menu stays owned by its owner.
    QToolButton* addMenu(QMenu* menu);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_picture;
    int m_nextLeft = 2;
};
