#include "empty_paste_guard.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextEdit>

#include <optional>

namespace qv {
namespace {

// Which clipboard the event pastes from, if it is a paste: the keys paste the clipboard, the
// middle button the selection (as the text areas themselves read them).
std::optional<QClipboard::Mode> pasteSource(const QEvent* event)
{
    if (event->type() == QEvent::KeyPress && static_cast<const QKeyEvent*>(event)->matches(QKeySequence::Paste))
        return QClipboard::Clipboard;
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<const QMouseEvent*>(event)->button() == Qt::MiddleButton)
        return QClipboard::Selection;
    return std::nullopt;
}

// The keys reach the text area itself, the mouse its viewport.
template <typename Area> bool isEditable(const QWidget* target)
{
    if (const auto* area = qobject_cast<const Area*>(target)) return !area->isReadOnly();
    if (const auto* area = qobject_cast<const Area*>(target->parentWidget()))
        return area->viewport() == target && !area->isReadOnly();
    return false;
}

bool nothingToPaste(QClipboard::Mode source)
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData(source);
    return data == nullptr || data->formats().isEmpty();
}

} // namespace

bool EmptyPasteGuard::eventFilter(QObject* watched, QEvent* event)
{
    const std::optional<QClipboard::Mode> source = pasteSource(event);
    if (!source || !watched->isWidgetType()) return false;
    const auto* target = static_cast<const QWidget*>(watched);
    if (!isEditable<QPlainTextEdit>(target) && !isEditable<QTextEdit>(target)) return false;
    return nothingToPaste(*source);
}

void guardEveryTextAreaAgainstEmptyPaste(QCoreApplication& app) { app.installEventFilter(new EmptyPasteGuard(&app)); }

} // namespace qv
