#include "field_edit.h"

#include <QFocusEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QMouseEvent>

namespace qv {

namespace {
constexpr int kFieldFontPixels = 11;
}

QFont fieldFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(kFieldFontPixels);
    return font;
}

FieldEdit::FieldEdit(QWidget* parent) : QLineEdit(parent)
{
    setFont(fieldFont());
    // The padded texts are the alignment; the edit itself must not add any.
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void FieldEdit::mousePressEvent(QMouseEvent* event)
{
    QLineEdit::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) emit clicked();
}

void FieldEdit::mouseDoubleClickEvent(QMouseEvent* event)
{
    QLineEdit::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton) emit doubleClicked();
}

void FieldEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // A message box or another window taking the focus is not leaving the field: the user
    // comes back to it with the edit still open.
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) emit left();
}

void FieldEdit::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    QLineEdit::keyPressEvent(event);
    if (enter) emit enterPressed();
}

} // namespace qv
