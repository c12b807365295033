#pragma once
// PreviewBox: the page preview column of the main window: the panel a page is drawn into,
// its tip, the page buttons and the page labels. It only builds and lays out the controls;
// the window decides what they show. UI thread only.

#include "pagepress/mainwindow/previewpanel.h"

#include <QWidget>

class QLabel;

namespace skin {
class TssSkinButton;
} // namespace skin

class PreviewBox : public QWidget {
    Q_OBJECT

public:
    explicit PreviewBox(QWidget* parent = nullptr);

    PreviewPanel* PanelPreview() const { return m_panelPreview; }
    QLabel* lblPreviewTip() const { return m_lblPreviewTip; }
    skin::TssSkinButton* btnPrevPage() const { return m_btnPrevPage; }
    skin::TssSkinButton* btnNextPage() const { return m_btnNextPage; }
    QLabel* lblCurPage() const { return m_lblCurPage; }
    QLabel* lblTotal() const { return m_lblTotal; }

private:
    PreviewPanel* m_panelPreview;
    QLabel* m_lblPreviewTip;
    skin::TssSkinButton* m_btnPrevPage;
    skin::TssSkinButton* m_btnNextPage;
    QLabel* m_lblCurPage;
    QLabel* m_lblTotal;
};
