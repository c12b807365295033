#pragma once
// TssSkinButton: a skinned push button drawn from a horizontal strip of DivNum equally wide
// cells: 0 normal, 1 mouse over, 2 pressed, 3 disabled. A state whose cell the strip lacks
// shows cell 0. The control always has the size of one cell; its outline (with Mask on) is
// cut from cell 0 and serves every state. Without a skin it is 50 x 30 and shows its
// object name. UI thread only.

#include "pagepress/skin/tsscustombutton.h"

#include <QImage>

namespace skin {

class TssSkinButton : public TssCustomButton {
    Q_OBJECT
public:
    explicit TssSkinButton(QWidget* parent = nullptr);
    // The usual setup of the application's buttons: strip of three cells, Mask on,
    // MaskColor fuchsia, with the given accessible caption.
    TssSkinButton(const QImage& strip, const QString& caption, QWidget* parent = nullptr);

    const QImage& Skin() const { return m_skin; }
    // Copies the strip, then sizes, cuts the outline and repaints.
    void SetSkin(const QImage& strip);

    int DivNum() const { return m_divNum; }
    // Values outside 1 to 4 are ignored.
    void SetDivNum(int cells);

    QSize cellSize() const;

protected:
    void MaskChanged() override;
    void PaintButtonNormal(QImage& image) override;
    void PaintButtonMouseOn(QImage& image) override;
    void PaintButtonMouseDown(QImage& image) override;
    void PaintButtonDisabled(QImage& image) override;
    void AdjustSize() override;

private:
    void SkinChanged();
    void copyCell(QImage& image, int cell) const;

    QImage m_skin;
    int m_divNum = 3;
};

} // namespace skin
