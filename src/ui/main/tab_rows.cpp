#include "tab_rows.h"

#include <QStyleOptionTab>
#include <QStylePainter>
#include <QTabWidget>
#include <QVBoxLayout>

namespace qv {

TabRow::TabRow(QWidget* parent) : QTabBar(parent)
{
    setDrawBase(false);
    setExpanding(true);
    setElideMode(Qt::ElideNone);
    setUsesScrollButtons(false);
}

void TabRow::setHoldsCurrent(bool holds)
{
    if (holdsCurrent_ == holds) return;
    holdsCurrent_ = holds;
    update();
}

void TabRow::paintEvent(QPaintEvent* /*event*/)
{
    QStylePainter painter(this);
    for (int i = 0; i < count(); ++i) {
        QStyleOptionTab option;
        initStyleOption(&option, i);
        if (!holdsCurrent_) option.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
        painter.drawControl(QStyle::CE_TabBarTab, option);
    }
}

TabRows::TabRows(QTabWidget* pages, int firstRowCount, QWidget* parent)
    : QWidget(parent), pages_(pages), firstRowCount_(firstRowCount)
{
    setObjectName("SheetTabs");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        rows_[r] = new TabRow(this);
        rows_[r]->setObjectName(QString("SheetTabRow%1").arg(r + 1));
        layout->addWidget(rows_[r]);
    }
    for (int i = 0; i < pages->count(); ++i) rows_[i < firstRowCount ? 0 : 1]->addTab(pages->tabText(i));
    pages->tabBar()->hide();

    for (std::size_t r = 0; r < rows_.size(); ++r) {
        // A click on the tab a row already marks as its own still has to bring its sheet.
        connect(rows_[r], &QTabBar::tabBarClicked, this, [this, r](int tab) { selectTab(r, tab); });
        connect(rows_[r], &QTabBar::currentChanged, this, [this, r](int tab) { selectTab(r, tab); });
    }
    connect(pages, &QTabWidget::currentChanged, this, &TabRows::showCurrent);
    showCurrent(pages->currentIndex());
}

int TabRows::rowsHeight() const { return rows_[0]->sizeHint().height() + rows_[1]->sizeHint().height(); }

void TabRows::selectTab(std::size_t rowIndex, int tabIndex)
{
    if (following_ || tabIndex < 0) return;
    pages_->setCurrentIndex(rowIndex == 0 ? tabIndex : firstRowCount_ + tabIndex);
}

void TabRows::showCurrent(int pageIndex)
{
    following_ = true;
    const std::size_t holder = pageIndex < firstRowCount_ ? 0 : 1;
    for (std::size_t r = 0; r < rows_.size(); ++r) rows_[r]->setHoldsCurrent(r == holder);
    rows_[holder]->setCurrentIndex(holder == 0 ? pageIndex : pageIndex - firstRowCount_);
    following_ = false;
}

} // namespace qv
