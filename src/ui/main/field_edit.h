#pragma once
// The edit field of the sheets: a line edit that reports the events the edit-mode protocol
// needs (click, double click, leaving the field, Enter) and shows padded numbers in a
// fixed-pitch font so that right-aligned texts line up down a column.

#include <QLineEdit>

namespace qv {

class FieldEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit FieldEdit(QWidget* parent = nullptr);

signals:
    void clicked();
    void doubleClicked();
    // The focus moved to another control of the same window.
    void left();
    void enterPressed();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// The font every field uses.
QFont fieldFont();

} // namespace qv
