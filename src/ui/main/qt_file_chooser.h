#pragma once
// The file commands' open and save dialogs, answered with Qt's own (non-native) file dialog.

#include "core/file_chooser.h"

#include <QStringList>

#include <string_view>

class QWidget;

namespace qv {

// "Quorvane Files (*.qvd)|*.qvd|All Files (*.*)|*.*" as Qt's name filters, in order. A
// description that does not show its pattern gets it appended; "*.*" means every file, as it
// does on the platform the notation comes from.
QStringList qtNameFilters(std::string_view filter);

// Where the user's settings keep the last folder of the dialog with this title, e.g.
// "folders/Quorvane File Open". The folder is remembered in the settings, never in a design.
QString folderSettingsKey(std::string_view dialogTitle);
// The extension a name filter gives a name typed without one: "cir" for "Netlist (*.cir)";
// fallback for a filter that matches every name.
QString filterSuffix(const QString& nameFilter, const QString& fallback);

class QtFileChooser : public FileChooser {
public:
    explicit QtFileChooser(QWidget* parent) : parent_(parent) {}
    std::optional<std::string> chooseFileToOpen(const FileDialogSpec& dialog) override;
    std::optional<std::string> chooseFileToSave(const FileDialogSpec& dialog) override;
    // "Replace it?", No the default.
    bool confirmReplace(const std::string& path) override;

private:
    std::optional<std::string> choose(const FileDialogSpec& dialog, bool save);
    QWidget* parent_;
};

} // namespace qv
