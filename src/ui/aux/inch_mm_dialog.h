#pragma once
// The unit converter window "QuickConvert": three rows of two fields with their spin buttons -
// inches and millimetres, feet and metres, degrees and radians. It is independent of the design
// and of the recalculation timer; its values live as long as the window.

#include "unit_converter.h"

#include <QDialog>

#include <array>

class QLineEdit;
class QPushButton;

namespace qv {

class Host;
class SpinControl;

class TInchMMDlg : public QDialog {
    Q_OBJECT
public:
    // Rejected typed text is reported through host.warning.
    explicit TInchMMDlg(Host& host, QWidget* parent = nullptr);

    // Shows the converter without making it modal, or brings it to the front when it is shown.
    void showConverter();

    const UnitConverter& converter() const { return converter_; }
    QLineEdit* edit(Quantity q) const { return edits_[static_cast<std::size_t>(q)]; }
    SpinControl* spinButton(Quantity q) const { return spins_[static_cast<std::size_t>(q)]; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    // The twelve arrow handlers of the six spin buttons.
    void spinClick(Quantity q, SpinDirection direction);
    // The six exit handlers: a field that loses the focus takes over its typed text.
    void editExit(Quantity q);
    void Button1Click();
    void OKBtnClick();

    void showValue(Quantity q);

    Host& host_;
    UnitConverter converter_;
    std::array<QLineEdit*, kQuantityCount> edits_{};
    std::array<SpinControl*, kQuantityCount> spins_{};
    QPushButton* calculateButton_ = nullptr;
};

} // namespace qv
