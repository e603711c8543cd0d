#include "spin_control.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>

namespace qv {

namespace {
constexpr int kDefaultHeight = 21;
}

SpinControl::SpinControl(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    repeatTimer_.setSingleShot(false);
    connect(&repeatTimer_, &QTimer::timeout, this, &SpinControl::repeat);
}

QSize SpinControl::sizeHint() const { return {kWidth, kDefaultHeight}; }

QRect SpinControl::arrowRect(Arrow arrow) const
{
    const int half = height() / 2;
    return arrow == Arrow::Up ? QRect(0, 0, width(), half) : QRect(0, half, width(), height() - half);
}

SpinControl::Arrow SpinControl::arrowAt(QPoint pos) const
{
    if (arrowRect(Arrow::Up).contains(pos)) return Arrow::Up;
    if (arrowRect(Arrow::Down).contains(pos)) return Arrow::Down;
    return Arrow::None;
}

void SpinControl::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    for (const Arrow arrow : {Arrow::Up, Arrow::Down}) {
        QStyleOptionButton button;
        button.initFrom(this);
        button.rect = arrowRect(arrow);
        const bool sunken = held_ == arrow && pointerOnHeld_;
        button.state |= sunken ? QStyle::State_Sunken : QStyle::State_Raised;
        style()->drawPrimitive(QStyle::PE_PanelButtonBevel, &button, &painter, this);
        QStyleOption glyph = button;
        glyph.rect = button.rect.adjusted(3, 2, -3, -2);
        style()->drawPrimitive(arrow == Arrow::Up ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown,
                               &glyph, &painter, this);
    }
}

void SpinControl::fire(Arrow arrow)
{
    if (arrow == Arrow::Up) emit upClicked();
    if (arrow == Arrow::Down) emit downClicked();
}

void SpinControl::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return;
    held_ = arrowAt(event->position().toPoint());
    pointerOnHeld_ = held_ != Arrow::None;
    if (!pointerOnHeld_) return;
    update();
    repeatTimer_.start(kFirstRepeatMs);
    fire(held_);
}

void SpinControl::mouseMoveEvent(QMouseEvent* event)
{
    if (held_ == Arrow::None) return;
    const bool on = arrowAt(event->position().toPoint()) == held_;
    if (on != pointerOnHeld_) {
        pointerOnHeld_ = on;
        update();
    }
}

void SpinControl::repeat()
{
    repeatTimer_.setInterval(kRepeatMs);
    // The pointer may come back onto the arrow while the button is still held.
    if (pointerOnHeld_) fire(held_);
}

void SpinControl::release()
{
    repeatTimer_.stop();
    held_ = Arrow::None;
    pointerOnHeld_ = false;
    update();
}

void SpinControl::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) release();
}

void SpinControl::changeEvent(QEvent* event)
{
    // A control hidden or disabled while held must not go on stepping.
    if (event->type() == QEvent::EnabledChange && !isEnabled()) release();
    QWidget::changeEvent(event);
}

void SpinControl::hideEvent(QHideEvent* event)
{
    release();
    QWidget::hideEvent(event);
}

} // namespace qv
