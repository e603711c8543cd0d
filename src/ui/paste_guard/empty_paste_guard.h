#pragma once
// Qt 6.4's multi-line text areas crash when they paste clipboard data that has no format at all,
// which is what the X11 clipboard hands over when no program owns it (a fresh session, or after
// the program that copied has quit). A crash there loses every unsaved change, so one guard on the
// application stops Ctrl+V, Shift+Insert and the middle-click paste into any editable text area,
// present or future, when there is nothing to paste.

#include <QObject>

class QCoreApplication;

namespace qv {

class EmptyPasteGuard : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Puts one guard, owned by the application, in front of every widget's events.
void guardEveryTextAreaAgainstEmptyPaste(QCoreApplication& app);

} // namespace qv
