#pragma once
// Where the auxiliary windows appear. Each is a top-level window of its own, never held in
// front of the calculator: at its first showing it goes where the user last left it (kept in
// the settings under "windows/<name>", also across runs), or else beside the main window where
// the screen has room. Later showings leave it where it is.

#include <QObject>
#include <QPointer>
#include <QString>

class QRect;
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

// The window's size cut down to the room the screen has, never below its minimum.
QSize fittedSize(const QSize& wanted, const QSize& minimum, const QSize& room);

class WindowPlacement : public QObject {
public:
    // The window is watched from now on: its place is written whenever it moves or hides.
    WindowPlacement(QWidget& window, QString name, QWidget* anchor);

    // Shows the window (placed at its first showing) and brings it to the front.
    void show();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place();
    void remember();
    QString key() const;

    QWidget& window_;
    QString name_;
    QPointer<QWidget> anchor_;
    bool placed_ = false;
};

} // namespace qv
