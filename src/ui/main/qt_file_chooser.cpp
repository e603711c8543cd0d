#include "qt_file_chooser.h"

#include "ui/model_text.h"

#include <QFileDialog>
#include <QMessageBox>

namespace qv {
namespace {
constexpr const char* kNameNotHeld =
    "The file name \"%1\" has characters outside Western European (Latin-1) text; choose a name without them.";
} // namespace

QStringList qtNameFilters(std::string_view filter)
{
    QStringList parts = toQt(filter).split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        QString pattern = parts[i + 1].trimmed();
        const QString everything = QStringLiteral("*");
        if (pattern == "*.*") pattern = everything;
        description.replace("(*.*)", "(*)");
        if (!description.contains('(')) description += " (" + pattern + ")";
        filters << description;
    }
    return filters;
}

std::optional<std::string> QtFileChooser::chooseFileToOpen(const FileDialogSpec& dialog) { return choose(dialog, false); }

std::optional<std::string> QtFileChooser::chooseFileToSave(const FileDialogSpec& dialog) { return choose(dialog, true); }

std::optional<std::string> QtFileChooser::choose(const FileDialogSpec& request, bool save)
{
    QFileDialog dialog(parent_, toQt(request.title));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // Neither dialog asks before overwriting, nor insists that the file exists.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(qtNameFilters(request.filter));
    dialog.setDefaultSuffix(toQt(request.defaultExtension));
    if (!request.initialName.empty()) dialog.selectFile(toQt(request.initialName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const QString chosen = dialog.selectedFiles().constFirst();
    // The design and scratch-pad files keep their names as 8-bit text; a name that cannot be
    // held would open or replace a different file.
    if (!fitsModel(chosen)) {
        QMessageBox::warning(parent_, toQt(request.title), QString(kNameNotHeld).arg(chosen));
        return std::nullopt;
    }
    return fromQt(chosen);
}

} // namespace qv
