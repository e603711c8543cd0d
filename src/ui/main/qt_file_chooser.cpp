#include "qt_file_chooser.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>

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

QString folderSettingsKey(std::string_view dialogTitle)
{
    QString key = QString::fromLatin1(dialogTitle.data(), static_cast<qsizetype>(dialogTitle.size()));
    key.replace('/', ' ').replace('\\', ' ');
    return QStringLiteral("folders/") + key.simplified();
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
    // A name without a folder of its own (the untitled design) starts where this dialog was last
    // used, or in the current folder; never where another dialog was last used.
    const QString initialName = QString::fromLocal8Bit(request.initialName.c_str());
    QSettings settings;
    const QString key = folderSettingsKey(request.title);
    const QString lastFolder = settings.value(key).toString();
    if (!initialName.contains('/'))
        dialog.setDirectory(!lastFolder.isEmpty() && QDir(lastFolder).exists() ? lastFolder : QDir::currentPath());
    if (!initialName.isEmpty()) dialog.selectFile(initialName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const QString chosen = dialog.selectedFiles().constFirst();
    settings.setValue(key, QFileInfo(chosen).absolutePath());
    return chosen.toLocal8Bit().toStdString();
}

} // namespace qv
