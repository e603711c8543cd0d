#include "qt_file_chooser.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>

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

QString filterSuffix(const QString& nameFilter, const QString& fallback)
{
    static const QRegularExpression firstPattern(QStringLiteral("\\(\\*\\.([^ ;*?)]+)"));
    const QRegularExpressionMatch match = firstPattern.match(nameFilter);
    return match.hasMatch() ? match.captured(1) : fallback;
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
    const QStringList filters = qtNameFilters(request.filter);
    dialog.setNameFilters(filters);
    // The extension follows the chosen filter: a netlist saved under the netlist filter gets
    // ".cir", so the simulator's dialog lists it. The filter of the preset name comes first.
    const QString fallback = QString::fromStdString(request.defaultExtension);
    const QString initialName = QString::fromLocal8Bit(request.initialName.c_str());
    const QString initialSuffix = QFileInfo(initialName).suffix();
    for (const QString& filter : filters)
        if (!initialSuffix.isEmpty() && filterSuffix(filter, {}) == initialSuffix) dialog.selectNameFilter(filter);
    dialog.setDefaultSuffix(filterSuffix(dialog.selectedNameFilter(), fallback));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, fallback](const QString& filter) { dialog.setDefaultSuffix(filterSuffix(filter, fallback)); });
    if (!initialName.isEmpty()) dialog.selectFile(initialName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst().toLocal8Bit().toStdString();
}

} // namespace qv
