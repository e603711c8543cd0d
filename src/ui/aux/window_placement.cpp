#include "window_placement.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QWidget>

#include <algorithm>
#include <optional>

namespace qv {

namespace {
constexpr const char* kOrganisationName = "Quorvane";
constexpr const char* kApplicationName = "Quorvane";
// Between the main window's frame and the auxiliary window's.
constexpr int kSpacingPixels = 8;

// The global rectangle a widget covers.
QRect globalRect(const QWidget& widget) { return {widget.mapToGlobal(QPoint(0, 0)), widget.size()}; }

// The window flush with the screen's right edge and the anchor slid left until keepClear ends
// before the window; nothing when the anchor would leave the screen.
std::optional<Placement> slideAnchorLeft(const QRect& anchor, const QRect& keepClear, const QSize& frameSize,
                                         const QRect& screen, int top)
{
    const QRect frame = keptInside(QRect(QPoint(screen.right() + 1 - frameSize.width(), top), frameSize), screen);
    const int shift = std::min(0, frame.left() - kSpacingPixels - 1 - keepClear.right());
    if (anchor.left() + shift < screen.left()) return std::nullopt;
    return Placement{frame, anchor.topLeft() + QPoint(shift, 0)};
}
} // namespace

QRect keptInside(QRect frame, const QRect& screen)
{
    frame.moveLeft(std::clamp(frame.left(), screen.left(), std::max(screen.left(), screen.right() - frame.width() + 1)));
    frame.moveTop(std::clamp(frame.top(), screen.top(), std::max(screen.top(), screen.bottom() - frame.height() + 1)));
    return frame;
}

void setSettingsIdentity()
{
    QCoreApplication::setOrganizationName(kOrganisationName);
    QCoreApplication::setApplicationName(kApplicationName);
}

QRect placeBeside(const QRect& anchor, const QSize& frameSize, const QRect& screen)
{
    const QRect candidates[] = {
        QRect(QPoint(anchor.right() + 1 + kSpacingPixels, anchor.top()), frameSize),
        QRect(QPoint(anchor.left() - kSpacingPixels - frameSize.width(), anchor.top()), frameSize),
        QRect(QPoint(anchor.left(), anchor.bottom() + 1 + kSpacingPixels), frameSize),
    };
    for (QRect candidate : candidates) {
        // Level with the main window where it can be, higher where the screen ends below it.
        if (candidate.left() >= screen.left() && candidate.right() <= screen.right() &&
            candidate.top() >= screen.top() && frameSize.height() <= screen.height()) {
            candidate = keptInside(candidate, screen);
            if (!candidate.intersects(anchor)) return candidate;
        }
    }
    // No room beside it: flush with the screen's edge on the side with more room, so the window
    // covers as little of the main window as it can.
    const bool rightHasMore = screen.right() - anchor.right() >= anchor.left() - screen.left();
    const int x = rightHasMore ? screen.right() + 1 - frameSize.width() : screen.left();
    return keptInside(QRect(QPoint(x, anchor.top()), frameSize), screen);
}

Placement placeClearOf(const QRect& anchor, const QRect& keepClear, const QSize& frameSize, const QRect& screen)
{
    const QRect beside = placeBeside(anchor, frameSize, screen);
    if (!beside.intersects(keepClear)) return {beside, anchor.topLeft()};
    // Right of keepClear, over the rest of the anchor, where the screen has room for it.
    const QRect overTheRest =
        keptInside(QRect(QPoint(keepClear.right() + 1 + kSpacingPixels, anchor.top()), frameSize), screen);
    if (!overTheRest.intersects(keepClear)) return {overTheRest, anchor.topLeft()};
    if (const auto slid = slideAnchorLeft(anchor, keepClear, frameSize, screen, beside.top())) return *slid;
    return {beside, anchor.topLeft()};
}

QSize roomClearOf(const QRect& anchor, const QRect& keepClear, const QRect& screen)
{
    const int anchorToClearEnd = keepClear.right() + 1 - anchor.left();
    return {screen.width() - anchorToClearEnd - kSpacingPixels, screen.height()};
}

QSize fittedSize(const QSize& wanted, const QSize& minimum, const QSize& room)
{
    return wanted.boundedTo(room).expandedTo(minimum);
}

WindowPlacement::WindowPlacement(QWidget& window, QString name, QWidget* anchor, QWidget* keepClear)
    : QObject(&window), window_(window), name_(std::move(name)), anchor_(anchor), keepClear_(keepClear)
{
    window_.installEventFilter(this);
    // Every auxiliary window closes with the desktop's close key, as its close button does.
    auto* close = new QShortcut(QKeySequence::Close, &window_);
    connect(close, &QShortcut::activated, &window_, &QWidget::close);
}

QString WindowPlacement::key() const { return QString(kWindowSettingsGroup) + "/" + name_; }

void WindowPlacement::show()
{
    if (!placed_) place();
    window_.show();
    // Its frame is known now (where the platform tells it at once).
    keepWhole();
    window_.raise();
    window_.activateWindow();
}

void WindowPlacement::place()
{
    placed_ = true;
    const QByteArray stored = QSettings().value(key()).toByteArray();
    // A place remembered on a larger or another screen comes back onto this one.
    if (!stored.isEmpty() && window_.restoreGeometry(stored)) keepWhole();
    else placeBesideAnchor();
}

void WindowPlacement::placeBesideAnchor()
{
    if (!anchor_) return;
    const QScreen* screen = anchor_->screen();
    if (!screen) return;
    // The frame is not known before the first showing; the anchor's tells its thickness.
    // A window never resized takes its layout's size at its first showing; it is needed now.
    if (!window_.testAttribute(Qt::WA_Resized)) window_.adjustSize();
    const QSize frameExtra = anchor_->frameGeometry().size() - anchor_->size();
    const QRect available = screen->availableGeometry();
    // A window too wide to stand beside the sheets gives up width before it covers them.
    const QSize room = keepClear_ ? roomClearOf(anchor_->frameGeometry(), globalRect(*keepClear_), available)
                                  : available.size();
    window_.resize(fittedSize(window_.size(), window_.minimumSizeHint(), room - frameExtra));
    besideAnchor_ = true;
    moveBesideAnchor(false);
}

void WindowPlacement::moveBesideAnchor(bool onlyWhereOutOfPlace)
{
    const QScreen* screen = anchor_ ? anchor_->screen() : nullptr;
    if (!screen) return;
    const QRect available = screen->availableGeometry();
    const QSize frameExtra = anchor_->frameGeometry().size() - anchor_->size();
    const QRect anchorFrame = anchor_->frameGeometry();
    const QSize frameSize = window_.size() + frameExtra;
    const QRect keepClear = keepClear_ ? globalRect(*keepClear_) : QRect();
    const QRect frame(window_.frameGeometry().topLeft(), frameSize);
    if (onlyWhereOutOfPlace && available.contains(frame) && !frame.intersects(keepClear)) return;
    const Placement placement = keepClear_ ? placeClearOf(anchorFrame, keepClear, frameSize, available)
                                           : Placement{placeBeside(anchorFrame, frameSize, available), anchorFrame.topLeft()};
    if (placement.anchorTopLeft != anchorFrame.topLeft()) anchor_->move(placement.anchorTopLeft);
    window_.move(placement.frame.topLeft());
}

void WindowPlacement::keepWhole()
{
    const QScreen* screen = window_.screen();
    if (!screen) return;
    const QRect frame = window_.frameGeometry();
    const QRect inside = keptInside(frame, screen->availableGeometry());
    if (inside != frame) window_.move(inside.topLeft());
}

void WindowPlacement::remember()
{
    if (placed_) QSettings().setValue(key(), window_.saveGeometry());
}

bool WindowPlacement::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched != &window_) return QObject::eventFilter(watched, event);
    // A window whose figures arrive after it opened grows; its bottom must not leave the screen.
    // Placed beside the main window at this showing, it is placed afresh at its new size.
    if (type == QEvent::Resize && window_.isVisible() && placed_) {
        if (besideAnchor_) moveBesideAnchor(true);
        else keepWhole();
    }
    if (type == QEvent::Hide) besideAnchor_ = false;
    if (type == QEvent::Hide || (type == QEvent::Move && window_.isVisible())) remember();
    return QObject::eventFilter(watched, event);
}

} // namespace qv
