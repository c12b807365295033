#include "pagepress/skin/tskinprocess.h"

#include "pagepress/skin/skinaccessibility.h"
#include "pagepress/skin/tssskinbutton.h"

#include <QImageReader>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace skin {

namespace {

// Pixels of the bottom-left colour become transparent, as a transparent picture shows.
QPixmap transparentFill(const QImage& picture)
{
    QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    if (image.isNull())
        return {};
    const QRgb key = image.pixel(0, image.height() - 1) | 0xff000000u;
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((row[x] | 0xff000000u) == key)
                row[x] = 0;
        }
    }
    return QPixmap::fromImage(image);
}

} // namespace

TSkinProcess::TSkinProcess(QWidget* parent)
    : QWidget(parent)
{
    installSkinAccessibility();
    setAccessibleName(tr("Progress"));
}

TSkinProcess::~TSkinProcess()
{
    discard(m_image3.data());
    discard(m_image2.data());
}

void TSkinProcess::discard(QWidget* image)
{
    if (!image)
        return;
    // A widget being destroyed still sends events; the filter must not see it half gone.
    image->removeEventFilter(this);
    delete image;
}

void TSkinProcess::setPicture(const QImage& picture)
{
    m_picture = picture;
    update();
}

QImage TSkinProcess::LoadImageA(const QString& path, QString* error)
{
    QImageReader reader(path, "bmp");
    QImage image = reader.read();
    if (image.isNull() && error)
        *error = reader.errorString();
    return image;
}

bool TSkinProcess::SetImage2(const QString& path)
{
    const QImage picture = LoadImageA(path);
    SetImage2(picture);
    return !picture.isNull();
}

void TSkinProcess::SetImage2(const QImage& picture)
{
    Q_ASSERT(parentWidget());
    discard(m_image2.data());
    m_image2 = new QLabel(parentWidget());
    m_image2->setObjectName(QStringLiteral("Image2"));
    m_image2->setPixmap(transparentFill(picture));
    m_image2->resize(picture.size()); // auto-size once, then stretch to whatever width it gets
    m_image2->setScaledContents(true);
    m_image2->move(pos());
    m_image2->setVisible(!isHidden() || !testAttribute(Qt::WA_WState_ExplicitShowHide));
}

bool TSkinProcess::SetImage3(const QString& path)
{
    const QImage strip = LoadImageA(path);
    SetImage3(strip);
    return !strip.isNull();
}

void TSkinProcess::SetImage3(const QImage& strip)
{
    Q_ASSERT(parentWidget() && m_image2);
    discard(m_image3.data());
    m_image3 = new TssSkinButton(parentWidget());
    m_image3->setObjectName(QStringLiteral("Image3"));
    m_image3->setCaption(tr("Position"));
    m_image3->SetSkin(strip);
    m_image3->SetMask(ButtonMask::On);
    m_image3->installEventFilter(this);
    m_image2->installEventFilter(this);
    m_image3->setVisible(!isHidden() || !testAttribute(Qt::WA_WState_ExplicitShowHide));
}

int TSkinProcess::thumbHalf() const
{
    return m_image3 ? m_image3->width() / 2 : 0;
}

void TSkinProcess::SetBaseLine(int y)
{
    m_baseLine = y;
    if (m_image2)
        m_image2->move(m_image2->x(), this->y() + y - m_image2->height() / 2);
    if (m_image3)
        m_image3->move(m_image3->x(), this->y() + y - m_image3->height() / 2);
}

void TSkinProcess::SetExtRange(int start, int length)
{
    Q_ASSERT(m_image2);
    m_extStart = start;
    m_extWidth = length;
    m_image2->setGeometry(x() + start, m_image2->y(), 0, m_image2->height());
    if (m_image3)
        m_image3->move(m_image2->x() - thumbHalf(), m_image3->y());
}

void TSkinProcess::SetImage2Range(int start, int width)
{
    Q_ASSERT(m_image2);
    m_rangeMode = true;
    m_image2->setGeometry(x() + start, m_image2->y(), width, m_image2->height());
    if (m_image3)
        m_image3->move(ControlImage3Left(m_image3->x()), m_image3->y());
}

int TSkinProcess::ControlImage3Left(int x) const
{
    const int t = thumbHalf();
    int low;
    int high;
    if (!m_rangeMode || m_freeMode || !m_image2) {
        low = this->x() + m_extStart - t;
        high = this->x() + m_extStart + m_extWidth - t;
    } else {
        low = m_image2->x() - t;
        high = m_image2->x() + m_image2->width() - t;
    }
    return std::min(high, std::max(low, x));
}

void TSkinProcess::Setprocess(int pos)
{
    // The product is formed in integers, the scaling keeps the fraction.
    const double fill = static_cast<double>(static_cast<long long>(pos) * m_extWidth) * 0.01;
    if (m_image3) {
        const double left = x() + m_extStart - thumbHalf() + fill;
        m_image3->move(ControlImage3Left(static_cast<int>(left)), m_image3->y());
    }
    if (!m_rangeMode && m_image2)
        m_image2->resize(std::max(0, static_cast<int>(fill)), m_image2->height());
}

int TSkinProcess::Getprocess() const
{
    // A track of no length has no percentages; 0 rather than a division by zero.
    if (!m_image3 || m_extWidth <= 0)
        return 0;
    const double centre = m_image3->x() + thumbHalf() - x() - m_extStart;
    return static_cast<int>(centre * 100.0 / m_extWidth);
}

void TSkinProcess::fillTo(int rightEdge)
{
    if (!m_rangeMode && m_image2)
        m_image2->resize(std::max(0, rightEdge - m_image2->x()), m_image2->height());
}

void TSkinProcess::MyOnMouseDown(int x)
{
    m_image3->move(ControlImage3Left(this->x() + x - thumbHalf()), m_image3->y());
    fillTo(m_image3->x() + thumbHalf());
}

void TSkinProcess::Image3OnMouseDown(int x)
{
    m_dragOffset = x;
    m_dragging = true;
}

void TSkinProcess::Image3OnMouseMove(int x)
{
    if (!m_dragging)
        return;
    m_image3->move(ControlImage3Left(m_image3->x() + x - m_dragOffset), m_image3->y());
    fillTo(m_image3->x() + thumbHalf());
    if (m_moveChangeNotify)
        emit processChanged(Getprocess());
}

void TSkinProcess::Image3OnMouseUp()
{
    m_dragging = false;
    emit processChanged(Getprocess());
}

void TSkinProcess::paintEvent(QPaintEvent*)
{
    if (!m_picture.isNull())
        QPainter(this).drawImage(0, 0, m_picture);
}

void TSkinProcess::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    const QPoint at = event->position().toPoint();
    const bool slider = m_image3 && m_image2;
    if (slider)
        MyOnMouseDown(at.x());
    emit pressed(at);
    if (slider)
        emit processChanged(Getprocess());
}

bool TSkinProcess::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_image3 || !m_image2)
        return false;
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)
        return false;
    // Only mouse events get here, so the cast is safe.
    const auto* mouse = static_cast<const QMouseEvent*>(event);
    if (watched == m_image3.data()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            Image3OnMouseDown(mouse->position().toPoint().x());
            break;
        case QEvent::MouseMove:
            Image3OnMouseMove(mouse->position().toPoint().x());
            break;
        case QEvent::MouseButtonRelease:
            Image3OnMouseUp();
            break;
        default:
            break;
        }
        return false; // the thumb keeps its own pressed and hover states
    }
    if (watched == m_image2.data() && event->type() == QEvent::MouseButtonPress) {
        // The same as a press on the bar at that point of the screen.
        const int x = mouse->position().toPoint().x() + m_image2->x() - this->x();
        MyOnMouseDown(x);
        emit pressed(QPoint(x, mouse->position().toPoint().y() + m_image2->y() - y()));
        emit processChanged(Getprocess());
        return true;
    }
    return false;
}

} // namespace skin
