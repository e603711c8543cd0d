#pragma once
// The Credits window: the people whose published work the coil formulas come from, on white over navy.

#include <QWidget>

namespace qv {

class TCreditsBox : public QWidget {
    Q_OBJECT
public:
    static constexpr int kOuterWidth = 539;
    static constexpr int kOuterHeight = 305;

    explicit TCreditsBox(QWidget* parent = nullptr);

    // Shows the window without making it modal; a window already shown comes to the front.
    void showCredits();
};

} // namespace qv
