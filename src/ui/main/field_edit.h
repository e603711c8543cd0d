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

    // The width the sheet gives the field. A text that needs more widens the field rightwards
    // over its neighbours rather than losing digits; a shorter one brings it back.
    void setDesignedWidth(int pixels);
    // The pixels the text has between the frame and the margins.
    int textRoom() const;

signals:
    void clicked();
    void doubleClicked();
    // The focus moved to another control of the same window.
    void left();
    void enterPressed();
    // F2 asks to open the field for editing, as a click does.
    void editRequested();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void fitText();
    int designedWidth_ = -1;
};

// The font every field uses.
QFont fieldFont();

} // namespace qv
