#include "inch_mm_dialog.h"

#include "core/calculator.h"
#include "core/entry_detail.h"
#include "core/host.h"
#include "ui/model_text.h"
#include "ui/spin_control/spin_control.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <limits>
#include <string>

namespace qv {
namespace {

constexpr int kEditWidthChars = 10;
constexpr int kRowsOfPairs = 3;

QString qs(const std::string& text) { return toQt(text); }

} // namespace

TInchMMDlg::TInchMMDlg(Host& host, QWidget* parent) : QDialog(parent), host_(host)
{
    setObjectName(QStringLiteral("TInchMMDlg"));
    setWindowTitle(QStringLiteral("QuickConvert"));
    setModal(false);

    auto* grid = new QGridLayout;
    for (std::size_t i = 0; i < kQuantityCount; ++i) {
        const auto q = static_cast<Quantity>(i);
        const QuantityRule& r = rule(q);
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(r.editName));
        edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('0')) * kEditWidthChars);
        edit->installEventFilter(this);
        auto* spin = new SpinControl(this);
        spin->setObjectName(QString::fromLatin1(r.spinName));
        connect(spin, &SpinControl::upClicked, this, [this, q] { spinClick(q, SpinDirection::Up); });
        connect(spin, &SpinControl::downClicked, this, [this, q] { spinClick(q, SpinDirection::Down); });
        auto* unit = new QLabel(QString::fromLatin1(r.unitLabel), this);

        const int row = static_cast<int>(i) / 2;
        const int column = (static_cast<int>(i) % 2) * 4; // edit, spin, unit, gap
        grid->addWidget(edit, row, column);
        grid->addWidget(spin, row, column + 1);
        grid->addWidget(unit, row, column + 2);
        edits_[i] = edit;
        spins_[i] = spin;
    }
    grid->setColumnMinimumWidth(3, 16);

    calculateButton_ = new QPushButton(QStringLiteral("Calculate"), this);
    calculateButton_->setObjectName(QStringLiteral("Button1"));
    // The default button: Enter in a field presses it, and its focus ends the field's entry.
    calculateButton_->setDefault(true);
    connect(calculateButton_, &QPushButton::clicked, this, &TInchMMDlg::Button1Click);
    auto* okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setObjectName(QStringLiteral("OKBtn"));
    okButton->setAutoDefault(false);
    connect(okButton, &QPushButton::clicked, this, &TInchMMDlg::OKBtnClick);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(calculateButton_);
    buttons->addWidget(okButton);
    auto* layout = new QGridLayout(this);
    layout->addLayout(grid, 0, 0);
    layout->addLayout(buttons, kRowsOfPairs, 0);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    FormCreate();
}

void TInchMMDlg::FormCreate()
{
    for (std::size_t i = 0; i < kQuantityCount; ++i) showValue(static_cast<Quantity>(i));
}

void TInchMMDlg::showConverter()
{
    QDialog::show();
    raise();
    activateWindow();
}

void TInchMMDlg::showValue(Quantity q)
{
    // setText clears the modified mark: the next exit leaves a field the program wrote alone.
    edit(q)->setText(qs(converter_.text(q)));
}

void TInchMMDlg::spinClick(Quantity q, SpinDirection direction)
{
    converter_.step(q, direction);
    showValue(q);
    showValue(partner(q));
}

void TInchMMDlg::editExit(Quantity q)
{
    QLineEdit* field = edit(q);
    if (!field->isModified()) return;
    if (converter_.enter(q, fromQt(field->text()))) {
        // The typed text stays as typed; only the partner is rewritten.
        field->setModified(false);
        showValue(partner(q));
        return;
    }
    // The old value goes back first, so the warning box's own focus change finds nothing to take.
    showValue(q);
    const QuantityRule& r = rule(q);
    const AcceptRule entry{r.entryMinimum, std::numeric_limits<double>::infinity(), true};
    host_.warningWithDetail(kInvalidDataMessage, std::string("QuickConvert: the ") + r.unitLabel + " field takes " +
                                                     acceptedText(entry) + "; it keeps " +
                                                     field->text().trimmed().toStdString() + ".");
}

void TInchMMDlg::Button1Click() { calculateButton_->setFocus(Qt::OtherFocusReason); }

void TInchMMDlg::OKBtnClick() { hide(); }

bool TInchMMDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        // Switching to another window or opening a context menu is not leaving the field.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            for (std::size_t i = 0; i < kQuantityCount; ++i)
                if (watched == edits_[i]) editExit(static_cast<Quantity>(i));
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace qv
