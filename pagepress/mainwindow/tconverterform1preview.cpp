// TConverterForm1: the page preview. The focused document is opened in the engine at the
// first Next and closed at every selection change; every paint of the panel draws the page
// again at the panel's size.

#include "pagepress/mainwindow/tconverterform1.h"

#include "pagepress/documents/pdfengine.h"
#include "pagepress/mainwindow/filelistview.h"
#include "pagepress/mainwindow/previewbox.h"

#include <QImage>
#include <QLabel>

void TConverterForm1::PreviewWndProc(QImage& surface)
{
    if (const TItemInfo* record = FocusedRecord())
        RenderPreview(*record, surface);
}

void TConverterForm1::RenderPreview(const TItemInfo& record, QImage& surface)
{
    const RasterDC dc{surface.bits(), surface.width(), surface.height(),
                      static_cast<int32_t>(surface.bytesPerLine())};
    const QWidget* panel = m_preview->PanelPreview();
    // With no document or page 0 the engine draws nothing and the panel stays blank.
    pdfEngine().render(dc, m_previewDoc, record.currentPage, panel->width(), panel->height());
}

void TConverterForm1::RefreshPreview()
{
    TItemInfo* record = FocusedRecord();
    if (!record)
        return;
    // Without an open document there is no page to show, except the page chosen for
    // conversion in the current-page mode.
    if (m_previewDoc == 0 && record->pageMode != 1)
        record->currentPage = 0;
    m_preview->lblPreviewTip()->setVisible(record->currentPage == 0);
    m_preview->lblCurPage()->setText(QString::number(record->currentPage));
    PreviewPanel* panel = m_preview->PanelPreview();
    panel->show();
    // Painting is drawing: the page appears now, before the user's next click is handled.
    panel->repaint();
}

void TConverterForm1::TntLVSelectItem(int row, bool selected)
{
    ClosePreviewDocument();
    if (!selected)
        return;
    const TItemInfo* record = m_TntLV->record(row);
    if (!record)
        return;
    RefreshPreview();
    m_preview->lblTotal()->setText(QString::number(record->pageCount));
    ShowPageMode(*record);
    ShowOptions(*record);
}

void TConverterForm1::NextPageActExecute()
{
    TItemInfo* record = FocusedRecord();
    if (!record)
        return;
    if (m_previewDoc == 0) {
        m_previewDoc = pdfEngine().open(record->path);
        if (m_previewDoc < 0) {
            pdfEngine().close(m_previewDoc);
            m_previewDoc = 0;
        }
    }
    ++record->currentPage;
    RefreshPreview();
    // In the current-page mode the page shown is the page converted.
    UpdatePagesColumn(*record);
    ShowPageMode(*record);
}

void TConverterForm1::PrevPageActExecute()
{
    TItemInfo* record = FocusedRecord();
    if (!record)
        return;
    --record->currentPage;
    RefreshPreview();
    UpdatePagesColumn(*record);
    ShowPageMode(*record);
}
