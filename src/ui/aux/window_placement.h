#pragma once
// Where the auxiliary windows appear. Each is a top-level window of its own, never held in
// front of the calculator: at its first showing it goes where the user last left it (kept in
// the settings under "windows/<name>", also across runs), or else beside the main window where
// the screen has room. Later showings leave it where it is.

#include <QObject>
#include <QPointer>
#include <QString>

#include <QRect>

class QSize;
class QWidget;

namespace qv {

// The settings' organisation and application names, set once at program start; QSettings()
// then finds the program's own file.
void setSettingsIdentity();

// The group of the settings that holds the windows' places.
inline constexpr const char* kWindowSettingsGroup = "windows";

// A window frame of the given size next to anchor (right, else left, else below; else flush
// with the screen's edge on the roomier side), kept inside screen.
QRect placeBeside(const QRect& anchor, const QSize& frameSize, const QRect& screen);

// Where a window goes, and where the anchor goes to make room for it (its own place unless it
// had to slide).
struct Placement {
    QRect frame;
    QPoint anchorTopLeft;
};

// As placeBeside, but the window never covers keepClear (the main window's sheets): it may lie
// over the rest of the anchor (the scratch pad), and where even that leaves no room the anchor
// slides towards the screen's edge until the window fits whole beside keepClear. Only a screen
// too small for both leaves keepClear covered.
Placement placeClearOf(const QRect& anchor, const QRect& keepClear, const QSize& frameSize, const QRect& screen);

// The largest frame that fits on the screen beside keepClear once the anchor has slid to the
// screen's left edge: a window cut down to it never covers the sheets.
QSize roomClearOf(const QRect& anchor, const QRect& keepClear, const QRect& screen);

// The frame moved (never resized) so that it lies whole inside screen where it can; its top-left
// corner stays on the screen when it is larger.
QRect keptInside(QRect frame, const QRect& screen);

// The window's size cut down to the room the screen has, never below its minimum.
QSize fittedSize(const QSize& wanted, const QSize& minimum, const QSize& room);

// The one placement every auxiliary window of the program goes through.
class WindowPlacement : public QObject {
public:
    // The window is watched from now on: its place is written whenever it moves or hides, and a
    // window that grows past the screen's edge is moved back whole onto it. keepClear is the part
    // of the anchor the window must not cover (the main window's sheets); none means the whole
    // anchor, where there is room.
    WindowPlacement(QWidget& window, QString name, QWidget* anchor, QWidget* keepClear = nullptr);

    // Shows the window (placed at its first showing) and brings it to the front.
    void show();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place();
    void placeBesideAnchor();
    // Beside the anchor at the window's present size; onlyWhereOutOfPlace leaves a window that
    // is whole on the screen and clear of keepClear where it is.
    void moveBesideAnchor(bool onlyWhereOutOfPlace);
    // Moves the window back whole onto its screen, where it has grown or was remembered off it.
    void keepWhole();
    void remember();
    QString key() const;

    QWidget& window_;
    QString name_;
    QPointer<QWidget> anchor_;
    QPointer<QWidget> keepClear_;
    bool placed_ = false;
    // Placed beside the anchor at its first showing and not hidden since: a window whose figures
    // arrive after it opened grows, and its place beside the anchor follows.
    bool besideAnchor_ = false;
};

} // namespace qv
