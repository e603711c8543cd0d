#include "qt_file_chooser.h"

#include <QFileDialog>

namespace qv {

QStringList qtNameFilters(std::string_view filter)
{
    QStringList parts = QString::fromLatin1(filter.data(), static_cast<qsizetype>(filter.size())).split('|');
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
    QFileDialog dialog(parent_, QString::fromStdString(request.title));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // Neither dialog asks before overwriting, nor insists that the file exists.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(qtNameFilters(request.filter));
    dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
    if (!request.initialName.empty()) dialog.selectFile(QString::fromLocal8Bit(request.initialName.c_str()));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst().toLocal8Bit().toStdString();
}

} // namespace qv
