#pragma once
// TSkinProcess: a bitmap bar that shows a percentage, and serves as a slider once it has a
// thumb. The bar itself only marks the area (and may show a picture); the visible parts are
// two companions it places on its own parent: the fill (Image2), stretched from the start
// of the track to the position, and the optional thumb (Image3), a skinned button. Their
// coordinates are the parent's. Positions are percentages of a track given in pixels.
// Setprocess never announces anything; only mouse input raises processChanged.
// Order of use: SetImage2 (the bar must have its parent), SetImage3 if a thumb is wanted,
// SetBaseLine, SetExtRange. UI thread only; the bar owns both companions.

#include "pagepress/skin/tssskinbutton.h"

#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QWidget>

namespace skin {

// Whether the fill stays a fixed span (range mode) or follows the position.
enum class ThumbTravel { FillSpan, WholeTrack };
enum class DragNotify { OnRelease, OnEveryMove };

class TSkinProcess : public QWidget {
    Q_OBJECT
public:
    explicit TSkinProcess(QWidget* parent = nullptr);
    ~TSkinProcess() override;

    // The bar's own picture (drawn at its top-left); none by default.
    void setPicture(const QImage& picture);

    // Reads a Windows bitmap file; a null image when it cannot be read.
    static QImage LoadImageA(const QString& path, QString* error = nullptr);

    // Creates the fill from a bitmap file. Returns false when the file cannot be read; the
    // fill then exists, empty. Pixels of the bitmap's bottom-left colour are transparent.
    bool SetImage2(const QString& path);
    void SetImage2(const QImage& picture);
    // Creates the thumb from a three-cell strip and wires the mouse; needs the fill.
    bool SetImage3(const QString& path);
    void SetImage3(const QImage& strip);

    void SetBaseLine(int y);
    void SetExtRange(int start, int length);
    // Range mode: the fill is a fixed span from start (bar coordinates) and no longer
    // follows the position.
    void SetImage2Range(int start, int width);
    void SetFreeMode(ThumbTravel travel) { m_freeMode = travel == ThumbTravel::WholeTrack; }
    void SetMoveChangeNotify(DragNotify notify) { m_moveChangeNotify = notify == DragNotify::OnEveryMove; }

    // The position in percent: the thumb's centre on the track, 0 without a thumb.
    int Getprocess() const;
    // Moves fill and thumb to pos percent. Not clamped: above 100 the fill runs past the
    // track's end (the thumb stays on the track).
    void Setprocess(int pos);
    int process() const { return Getprocess(); }

    // x clamped to the span allowed for the thumb's left edge (parent coordinates).
    int ControlImage3Left(int x) const;

    QLabel* Image2() const { return m_image2; }
    TssSkinButton* Image3() const { return m_image3; }
    int BaseLine() const { return m_baseLine; }
    int ExtStart() const { return m_extStart; }
    int ExtWidth() const { return m_extWidth; }
    bool isRangeMode() const { return m_rangeMode; }
    bool isDragging() const { return m_dragging; }

signals:
    // OnProcessChange: the position after the user's mouse input.
    void processChanged(int pos);
    // The bar itself was pressed (x, y in bar coordinates), after the thumb followed it.
    void pressed(QPoint pos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void MyOnMouseDown(int x);
    void Image3OnMouseDown(int x);
    void Image3OnMouseMove(int x);
    void Image3OnMouseUp();
    void fillTo(int rightEdge);
    int thumbHalf() const;
    void discard(QWidget* image);

    QImage m_picture;
    QPointer<QLabel> m_image2;
    QPointer<TssSkinButton> m_image3;
    bool m_dragging = false;
    int m_dragOffset = 0;
    int m_baseLine = 0;
    int m_extStart = 0;
    int m_extWidth = 0;
    bool m_freeMode = false;
    bool m_rangeMode = false;
    bool m_moveChangeNotify = false;
};

} // namespace skin
