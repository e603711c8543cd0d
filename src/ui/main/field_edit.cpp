#include "field_edit.h"

#include <QFocusEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>

namespace qv {

namespace {
constexpr int kFieldFontPixels = 11;
// The line edit keeps this many pixels free at each side of its text (QLineEdit's own margin).
constexpr int kLineEditTextMargin = 2;
} // namespace

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
    connect(this, &QLineEdit::textChanged, this, &FieldEdit::fitText);
}

void FieldEdit::setDesignedWidth(int pixels)
{
    designedWidth_ = pixels;
    fitText();
}

int FieldEdit::textRoom() const
{
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    const QMargins margins = textMargins();
    return contents.width() - margins.left() - margins.right() - 2 * kLineEditTextMargin;
}

void FieldEdit::fitText()
{
    if (designedWidth_ < 0) return;
    const int needed = width() - textRoom() + fontMetrics().horizontalAdvance(text());
    const int wanted = std::max(designedWidth_, needed);
    if (wanted == width()) return;
    resize(wanted, height());
    if (wanted > designedWidth_) raise();
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
    if (event->key() == Qt::Key_F2) {
        event->accept();
        emit editRequested();
        return;
    }
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    QLineEdit::keyPressEvent(event);
    if (enter) emit enterPressed();
}

} // namespace qv
