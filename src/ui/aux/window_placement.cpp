#include "window_placement.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QWidget>

#include <algorithm>

namespace qv {

namespace {
constexpr const char* kOrganisationName = "Quorvane";
constexpr const char* kApplicationName = "Quorvane";
// Between the main window's frame and the auxiliary window's.
constexpr int kSpacingPixels = 8;

QRect keptInside(QRect frame, const QRect& screen)
{
    frame.moveLeft(std::clamp(frame.left(), screen.left(), std::max(screen.left(), screen.right() - frame.width() + 1)));
    frame.moveTop(std::clamp(frame.top(), screen.top(), std::max(screen.top(), screen.bottom() - frame.height() + 1)));
    return frame;
}
} // namespace

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

QSize fittedSize(const QSize& wanted, const QSize& minimum, const QSize& room)
{
    return wanted.boundedTo(room).expandedTo(minimum);
}

WindowPlacement::WindowPlacement(QWidget& window, QString name, QWidget* anchor)
    : QObject(&window), window_(window), name_(std::move(name)), anchor_(anchor)
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
    window_.raise();
    window_.activateWindow();
}

void WindowPlacement::place()
{
    placed_ = true;
    const QByteArray stored = QSettings().value(key()).toByteArray();
    if (!stored.isEmpty() && window_.restoreGeometry(stored)) return;
    if (!anchor_) return;
    const QScreen* screen = anchor_->screen();
    if (!screen) return;
    // The frame is not known before the first showing; the anchor's tells its thickness.
    // A window never resized takes its layout's size at its first showing; it is needed now.
    if (!window_.testAttribute(Qt::WA_Resized)) window_.adjustSize();
    const QSize frameExtra = anchor_->frameGeometry().size() - anchor_->size();
    const QRect available = screen->availableGeometry();
    window_.resize(fittedSize(window_.size(), window_.minimumSizeHint(), available.size() - frameExtra));
    const QRect frame = placeBeside(anchor_->frameGeometry(), window_.size() + frameExtra, available);
    window_.move(frame.topLeft());
}

void WindowPlacement::remember()
{
    if (placed_) QSettings().setValue(key(), window_.saveGeometry());
}

bool WindowPlacement::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched == &window_ && (type == QEvent::Hide || (type == QEvent::Move && window_.isVisible()))) remember();
    return QObject::eventFilter(watched, event);
}

} // namespace qv
