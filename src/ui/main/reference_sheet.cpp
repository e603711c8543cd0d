#include "sheets.h"

#include "field_edit.h"
#include "sheet_widgets.h"

#include <QListWidget>

namespace qv {

namespace {
constexpr int kHeadingPixels = 16;
constexpr QRect kHeading{8, 4, 300, 22};
constexpr QRect kList{4, 28, kSheetWidth - 8, 262};
} // namespace

ReferenceSheet::ReferenceSheet(QWidget* parent) : QWidget(parent)
{
    setObjectName("ReferenceSheet");
    addHeading(this, "Design Parameters", kHeading, kHeadingPixels);
    auto* list = new QListWidget(this);
    list->setObjectName("Parameters");
    list->setGeometry(kList);
    // Several lines can be selected, for the user's eye only.
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setFont(fieldFont());
    list->setUniformItemSizes(true);
}

} // namespace qv
