#pragma once
// A small spin control beside a field: an up arrow over a down arrow. A press raises the
// arrow's signal once; holding it repeats the signal, first after 400 ms and then every 100 ms,
// while the pointer stays on that arrow. It never takes the keyboard focus, so a field in edit
// mode stays open while its value is stepped.

#include <QTimer>
#include <QWidget>

namespace qv {

class SpinControl : public QWidget {
    Q_OBJECT
public:
    static constexpr int kFirstRepeatMs = 400;
    static constexpr int kRepeatMs = 100;
    static constexpr int kWidth = 15;

    explicit SpinControl(QWidget* parent = nullptr);
    QSize sizeHint() const override;

signals:
    void upClicked();
    void downClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    enum class Arrow { None, Up, Down };
    Arrow arrowAt(QPoint pos) const;
    QRect arrowRect(Arrow arrow) const;
    void fire(Arrow arrow);
    void repeat();
    void release();

    QTimer repeatTimer_;
    Arrow held_ = Arrow::None;
    bool pointerOnHeld_ = false;
};

} // namespace qv
