#pragma once
// The converter's spin button: an up arrow over a down arrow. A press steps once; holding an arrow
// repeats the step after 400 ms and then every 100 ms while the pointer stays on it.

#include <QWidget>

class QToolButton;

namespace qv {

class StepArrows : public QWidget {
    Q_OBJECT
public:
    static constexpr int kFirstRepeatMs = 400;
    static constexpr int kRepeatMs = 100;

    explicit StepArrows(QWidget* parent = nullptr);

    QToolButton* upArrow() const { return up_; }
    QToolButton* downArrow() const { return down_; }

signals:
    void upClicked();
    void downClicked();

private:
    QToolButton* up_;
    QToolButton* down_;
};

} // namespace qv
