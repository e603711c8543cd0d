#include "form_binding.h"

#include "calc/stages.h"
#include "core/input_fields.h"
#include "field_edit.h"
#include "ui/spin_control/spin_control.h"

#include <QAbstractButton>
#include <QLabel>

namespace qv {

FormBinding::FormBinding(Calculator& calc, std::function<void()> afterUserAction, SpinHandler spin)
    : calc_(calc), afterUserAction_(std::move(afterUserAction)), spin_(std::move(spin))
{
}

void FormBinding::bind(QWidget* root)
{
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        const std::string name = widget->objectName().toStdString();
        if (name.empty()) continue;
        if (const auto field = fieldByName(name); field) {
            if (auto* edit = qobject_cast<FieldEdit*>(widget)) bindField(edit, *field);
        } else if (const auto option = optionByName(name); option) {
            if (auto* button = qobject_cast<QAbstractButton*>(widget)) bindOption(button, *option);
        } else if (const auto control = controlByName(name); control) {
            bindControl(widget, *control);
        }
    }
}

std::size_t FormBinding::boundCount() const
{
    std::size_t count = 0;
    for (const auto& f : fields_) count += f.widget ? 1 : 0;
    for (const auto& o : options_) count += o.widget ? 1 : 0;
    for (const auto& c : controls_) count += c.widget ? 1 : 0;
    return count;
}

void FormBinding::bindField(FieldEdit* edit, FieldId id)
{
    fields_[index(id)].widget = edit;
    QObject::connect(edit, &QLineEdit::textEdited, edit, [this, id](const QString& text) {
        calc_.form.type(id, fromQt(text));
    });
    QObject::connect(edit, &FieldEdit::clicked, edit, [this, id] { fieldClicked(id, false); });
    QObject::connect(edit, &FieldEdit::doubleClicked, edit, [this, id] { fieldClicked(id, true); });
    QObject::connect(edit, &FieldEdit::left, edit, [this, id] { fieldLeft(id); });
    QObject::connect(edit, &FieldEdit::enterPressed, edit, [this, id] { enterPressed(id); });
    QObject::connect(edit, &FieldEdit::editRequested, edit, [this, id] { openFromKeyboard(id); });
}

void FormBinding::bindOption(QAbstractButton* button, OptionId id)
{
    options_[index(id)].widget = button;
    QObject::connect(button, &QAbstractButton::clicked, button, [this, id] {
        clickOption(calc_, id);
        // The button toggled itself; the model decides, even where its state did not move.
        applyOption(id);
        afterUserAction_();
    });
}

void FormBinding::bindControl(QWidget* widget, ControlId id)
{
    controls_[index(id)].widget = widget;
    if (auto* spin = qobject_cast<SpinControl*>(widget)) {
        QObject::connect(spin, &SpinControl::upClicked, spin, [this, id] { spin_(id, true); });
        QObject::connect(spin, &SpinControl::downClicked, spin, [this, id] { spin_(id, false); });
    }
}

void FormBinding::fieldClicked(FieldId id, bool doubleClick)
{
    const InputField* input = typedInput(id);
    if (!input) return;
    // The line edit's own double click takes a word: the digits after the point of "0.200",
    // and typing 0.3 over them gives "0.0.3". In an open field it takes the whole number.
    if (doubleClick && isOpen(id)) {
        selectWholeText(id);
        return;
    }
    const EditTrigger wanted = doubleClick ? EditTrigger::DoubleClick : EditTrigger::Click;
    if (input->trigger != wanted) return;
    open(id);
}

bool FormBinding::openFromKeyboard(FieldId id)
{
    const InputField* input = typedInput(id);
    if (!input || input->trigger == EditTrigger::None) return false;
    if (isOpen(id)) return false;
    open(id);
    return true;
}

bool FormBinding::isOpen(FieldId id) const { return calc_.form.field(id).colour == Colour::Aqua; }

void FormBinding::open(FieldId id)
{
    if (!beginEdit(calc_, id)) return;
    afterUserAction_();
    // What the user types next replaces the value, as the help says.
    selectWholeText(id);
}

void FormBinding::selectWholeText(FieldId id) const
{
    if (FieldEdit* edit = fieldWidget(id)) edit->selectAll();
}

void FormBinding::enterPressed(FieldId id)
{
    // Enter on a field the user has not typed into opens it, as F2 does; in an open field, or
    // after typing, it ends the edit by sending the focus away.
    if (!calc_.form.field(id).modified && openFromKeyboard(id)) return;
    if (enterTarget_) enterTarget_->setFocus(Qt::OtherFocusReason);
}

std::optional<FieldId> FormBinding::fieldInEditMode() const
{
    for (const InputField& input : kInputFields)
        if (isOpen(input.id)) return input.id;
    return std::nullopt;
}

bool FormBinding::endOpenEdit()
{
    const auto open = fieldInEditMode();
    if (!open) return false;
    fieldLeft(*open);
    return true;
}

void FormBinding::fieldLeft(FieldId id)
{
    const InputField* input = typedInput(id);
    if (!input || input->trigger == EditTrigger::None) return;
    endEdit(calc_, id);
    afterUserAction_();
}

void FormBinding::applyField(FieldId id)
{
    Bound<FieldEdit>& bound = fields_[index(id)];
    bound.shown = calc_.form.revision(id);
    FieldEdit* edit = bound.widget;
    if (!edit) return;
    const Field& field = calc_.form.field(id);
    const QString text = toQt(field.text);
    // Equal text is left alone, so the cursor of a field being typed into does not jump.
    if (edit->text() != text) edit->setText(text);
    edit->setReadOnly(field.readOnly);
    edit->setEnabled(field.enabled);
    edit->setVisible(field.visible);
    const QColor colour = field.colour == Colour::Aqua ? kEditColour : kFieldColour;
    if (edit->palette().color(QPalette::Base) != colour) {
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Base, colour);
        edit->setPalette(palette);
    }
}

void FormBinding::applyOption(OptionId id)
{
    Bound<QAbstractButton>& bound = options_[index(id)];
    bound.shown = calc_.form.revision(id);
    QAbstractButton* button = bound.widget;
    if (!button) return;
    const Option& option = calc_.form.option(id);
    if (button->isChecked() != option.checked) {
        // An auto-exclusive radio button refuses to be unchecked directly.
        const bool exclusive = button->autoExclusive();
        button->setAutoExclusive(false);
        button->setChecked(option.checked);
        button->setAutoExclusive(exclusive);
    }
    button->setVisible(option.visible);
    button->setEnabled(option.enabled);
}

void FormBinding::applyControl(ControlId id)
{
    Bound<QWidget>& bound = controls_[index(id)];
    bound.shown = calc_.form.revision(id);
    QWidget* widget = bound.widget;
    if (!widget) return;
    const Control& control = calc_.form.control(id);
    if (auto* label = qobject_cast<QLabel*>(widget); label && !control.caption.empty()) {
        const QString caption = toQt(control.caption);
        if (label->text() != caption) label->setText(caption);
    }
    widget->setVisible(control.visible);
    widget->setEnabled(control.enabled);
}

void FormBinding::syncToView()
{
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        const auto id = static_cast<FieldId>(i);
        if (fields_[i].shown != calc_.form.revision(id)) applyField(id);
    }
    for (std::size_t i = 0; i < kOptionCount; ++i) {
        const auto id = static_cast<OptionId>(i);
        if (options_[i].shown != calc_.form.revision(id)) applyOption(id);
    }
    for (std::size_t i = 0; i < kControlCount; ++i) {
        const auto id = static_cast<ControlId>(i);
        if (controls_[i].shown != calc_.form.revision(id)) applyControl(id);
    }
    if (const auto wanted = calc_.form.focusRequest) {
        calc_.form.focusRequest.reset();
        if (FieldEdit* edit = fieldWidget(*wanted)) edit->setFocus(Qt::OtherFocusReason);
    }
}

void FormBinding::syncAll()
{
    for (std::size_t i = 0; i < kFieldCount; ++i) applyField(static_cast<FieldId>(i));
    for (std::size_t i = 0; i < kOptionCount; ++i) applyOption(static_cast<OptionId>(i));
    for (std::size_t i = 0; i < kControlCount; ++i) applyControl(static_cast<ControlId>(i));
    syncToView();
}

} // namespace qv
