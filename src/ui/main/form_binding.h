#pragma once
// Binds the window's widgets to the calculator's form model by their object names: a
// FieldEdit named "PREdit1" mirrors FieldId::PREdit1, a button named "FlatPrimary" the option,
// a label or spin control named after a ControlId that control. One mechanism serves every
// element: the model is pushed to the widgets element by element, only where its revision
// moved, and the user's actions on the widgets go back to the model's operations.

#include "core/calculator.h"
#include "ui/model_text.h"
#include "field_edit.h"

#include <QColor>
#include <QPointer>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

class QAbstractButton;
class QWidget;

namespace qv {



inline const QColor kEditColour{0, 255, 255};
inline const QColor kFieldColour{255, 255, 255};

class FormBinding {
public:
    // afterUserAction runs after every change the user makes through a bound widget; the
    // window syncs its view there. spin is called for a spin control's arrow.
    using SpinHandler = std::function<void(ControlId, bool up)>;
    FormBinding(Calculator& calc, std::function<void()> afterUserAction, SpinHandler spin);

    // Binds every descendant of root whose object name names a model element.
    void bind(QWidget* root);
    // Where Enter in a field sends the keyboard focus.
    void setEnterTarget(QWidget* target) { enterTarget_ = target; }

    // Pushes every element whose revision changed since the last sync; then serves a pending
    // focus request.
    void syncToView();
    // Pushes everything, whatever the revisions say.
    void syncAll();

    // The input field in edit mode, if any.
    std::optional<FieldId> fieldInEditMode() const;
    // Ends the open edit as leaving the field would; false when no field was open.
    bool endOpenEdit();

    FieldEdit* fieldWidget(FieldId id) const { return fields_[index(id)].widget; }
    std::size_t boundCount() const;

private:
    template <typename W> struct Bound {
        QPointer<W> widget;
        std::uint64_t shown = 0;
    };
    template <typename Id> static std::size_t index(Id id) { return static_cast<std::size_t>(id); }

    void bindField(FieldEdit* edit, FieldId id);
    void bindOption(QAbstractButton* button, OptionId id);
    void bindControl(QWidget* widget, ControlId id);
    void applyField(FieldId id);
    void applyOption(OptionId id);
    void applyControl(ControlId id);
    void fieldClicked(FieldId id, bool doubleClick);
    void fieldLeft(FieldId id);
    void enterPressed(FieldId id);
    // F2, or Enter on an untouched field: opens the field as its click does. False for a field
    // without edit mode or one already open.
    bool openFromKeyboard(FieldId id);
    bool isOpen(FieldId id) const;
    // Edit mode for the field, its whole text selected.
    void open(FieldId id);
    void selectWholeText(FieldId id) const;

    Calculator& calc_;
    std::function<void()> afterUserAction_;
    SpinHandler spin_;
    QPointer<QWidget> enterTarget_;
    std::array<Bound<FieldEdit>, kFieldCount> fields_{};
    std::array<Bound<QAbstractButton>, kOptionCount> options_{};
    std::array<Bound<QWidget>, kControlCount> controls_{};
};

} // namespace qv
