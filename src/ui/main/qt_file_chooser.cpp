#include "qt_file_chooser.h"

#include "ui/model_text.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSettings>

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

QString folderSettingsKey(std::string_view dialogTitle)
{
    QString key = QString::fromLatin1(dialogTitle.data(), static_cast<qsizetype>(dialogTitle.size()));
    key.replace('/', ' ').replace('\\', ' ');
    return QStringLiteral("folders/") + key.simplified();
}

QString filterSuffix(const QString& nameFilter, const QString& fallback)
{
    static const QRegularExpression firstPattern(QStringLiteral("\\(\\*\\.([^ ;*?)]+)"));
    const QRegularExpressionMatch match = firstPattern.match(nameFilter);
    return match.hasMatch() ? match.captured(1) : fallback;
}

std::optional<std::string> QtFileChooser::chooseFileToOpen(const FileDialogSpec& dialog) { return choose(dialog, false); }

std::optional<std::string> QtFileChooser::chooseFileToSave(const FileDialogSpec& dialog) { return choose(dialog, true); }

bool QtFileChooser::confirmReplace(const std::string& path)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Quorvane"),
                    QStringLiteral("\"%1\" already exists. Replace it?").arg(toQt(path)),
                    QMessageBox::Yes | QMessageBox::No, parent_);
    box.setObjectName(QStringLiteral("ReplaceFileBox"));
    box.setInformativeText(QStringLiteral("Replacing it loses what the file holds now."));
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

std::optional<std::string> QtFileChooser::choose(const FileDialogSpec& request, bool save)
{
    QFileDialog dialog(parent_, toQt(request.title));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // Neither dialog asks before overwriting, nor insists that the file exists.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    const QStringList filters = qtNameFilters(request.filter);
    dialog.setNameFilters(filters);
    // The extension follows the chosen filter: a netlist saved under the netlist filter gets
    // ".cir", so the simulator's dialog lists it. The filter of the preset name comes first.
    const QString fallback = toQt(request.defaultExtension);
    const QString initialName = toQt(request.initialName);
    const QString initialSuffix = QFileInfo(initialName).suffix();
    for (const QString& filter : filters)
        if (!initialSuffix.isEmpty() && filterSuffix(filter, {}) == initialSuffix) dialog.selectNameFilter(filter);
    dialog.setDefaultSuffix(filterSuffix(dialog.selectedNameFilter(), fallback));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, fallback](const QString& filter) { dialog.setDefaultSuffix(filterSuffix(filter, fallback)); });
    // A name without a folder of its own (the untitled design) starts where this dialog was last
    // used, or in the current folder; never where another dialog was last used.
    QSettings settings;
    const QString key = folderSettingsKey(request.title);
    const QString lastFolder = settings.value(key).toString();
    if (!initialName.contains('/'))
        dialog.setDirectory(!lastFolder.isEmpty() && QDir(lastFolder).exists() ? lastFolder : QDir::currentPath());
    if (!initialName.isEmpty()) dialog.selectFile(initialName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const QString chosen = dialog.selectedFiles().constFirst();
    // The design and scratch-pad files keep their names as 8-bit text; a name that cannot be
    // held would open or replace a different file.
    if (!fitsModel(chosen)) {
        QMessageBox::warning(parent_, toQt(request.title), QString(kNameNotHeld).arg(chosen));
        return std::nullopt;
    }
    settings.setValue(key, QFileInfo(chosen).absolutePath());
    return fromQt(chosen);
}

} // namespace qv
