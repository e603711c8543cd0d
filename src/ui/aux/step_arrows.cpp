#include "step_arrows.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace qv {
namespace {

constexpr int kArrowWidth = 16;
constexpr int kArrowHeight = 11;

QToolButton* makeArrow(Qt::ArrowType type, const char* objectName, QWidget* parent)
{
    auto* arrow = new QToolButton(parent);
    arrow->setObjectName(QString::fromLatin1(objectName));
    arrow->setArrowType(type);
    arrow->setFixedSize(kArrowWidth, kArrowHeight);
    // A step must not take the focus from the field, or the field's typed text would be converted.
    arrow->setFocusPolicy(Qt::NoFocus);
    // An auto-repeating button signals pressed at the press and again at every repeat; the
    // button itself stops repeating while the pointer is off it.
    arrow->setAutoRepeat(true);
    arrow->setAutoRepeatDelay(StepArrows::kFirstRepeatMs);
    arrow->setAutoRepeatInterval(StepArrows::kRepeatMs);
    return arrow;
}

} // namespace

StepArrows::StepArrows(QWidget* parent)
    : QWidget(parent), up_(makeArrow(Qt::UpArrow, "Up", this)), down_(makeArrow(Qt::DownArrow, "Down", this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(up_);
    layout->addWidget(down_);
    connect(up_, &QToolButton::pressed, this, &StepArrows::upClicked);
    connect(down_, &QToolButton::pressed, this, &StepArrows::downClicked);
}

} // namespace qv
