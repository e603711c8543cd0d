#pragma once
// The sheets' captions in two rows of tabs above the sheets, as a multi-line page control shows
// them: seven captions do not fit one row of the sheets' width, and scroll arrows would hide
// some. The tab widget keeps the pages and the current index; its own tab bar is hidden.

#include <QTabBar>
#include <QWidget>

#include <array>

class QTabWidget;

namespace qv {

// One row. A row whose tabs do not hold the current sheet draws none of them as selected.
class TabRow : public QTabBar {
    Q_OBJECT
public:
    explicit TabRow(QWidget* parent = nullptr);
    void setHoldsCurrent(bool holds);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool holdsCurrent_ = false;
};

class TabRows : public QWidget {
    Q_OBJECT
public:
    // The first firstRowCount pages go into the first row, the rest into the second.
    TabRows(QTabWidget* pages, int firstRowCount, QWidget* parent = nullptr);

    // The height both rows need.
    int rowsHeight() const;
    TabRow* row(std::size_t index) const { return rows_[index]; }

private:
    void showCurrent(int pageIndex);
    void selectTab(std::size_t rowIndex, int tabIndex);

    QTabWidget* pages_;
    int firstRowCount_;
    std::array<TabRow*, 2> rows_{};
    bool following_ = false;
};

} // namespace qv
