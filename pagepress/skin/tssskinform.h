#pragma once
// TssSkinForm: the skin background of a borderless window. Placed at (0, 0) of its form,
// it paints the skin bitmap, sizes itself and the form to it, cuts the transparent colour
// out of the form with a window region, and lets the user move the form by pressing any
// mouse button on the background. It holds no application logic. UI thread only; the form
// (the constructor's argument) owns it.

#include <QColor>
#include <QImage>
#include <QWidget>

namespace skin {

class TssSkinForm : public QWidget {
    Q_OBJECT
public:
    // form: the top-level window the skin belongs to; it is made frameless here.
    explicit TssSkinForm(QWidget* form);

    const QImage& Glyph() const { return m_glyph; }
    QColor TransparentColor() const { return m_transparentColor; }

    // Copies the skin, rebuilds region and sizes, repaints. No comparison with the old value.
    void SetPicture(const QImage& glyph);
    // Stores the colour, rebuilds region and sizes, repaints. No comparison with the old value.
    void SetColor(QColor transparentColor);

    // Rebuilds the form's region, this control's size and the form's client size from the
    // skin. Does nothing while the skin is empty.
    void ReSetWndRgn();

    QWidget* form() const { return m_form; }

signals:
    // After every rebuild of the region (OnRegionChanged).
    void regionChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    // Hands the move over to the window system; returns whether it took it.
    virtual bool startWindowMove();

private:
    QWidget* m_form = nullptr;
    QImage m_glyph;
    QColor m_transparentColor = QColor(255, 0, 255);
};

} // namespace skin
