#pragma once
// The platform's open and save dialogs, as the file commands see them. The window answers with
// QFileDialog; tests and the batch front end answer with a fixed path.

#include <optional>
#include <string>

namespace qv {

struct FileDialogSpec {
    std::string title;
    std::string filter;           // "Quorvane Files (*.qvd)|*.qvd": description|pattern pairs
    std::string defaultExtension; // added to a name typed without one
    std::string initialName;
};

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<std::string> chooseFileToOpen(const FileDialogSpec& dialog) = 0;
    virtual std::optional<std::string> chooseFileToSave(const FileDialogSpec& dialog) = 0;
    // Asked before a save replaces an existing file other than the one the work came from; true
    // replaces it. A chooser that names its files itself (the batch front end) replaces.
    virtual bool confirmReplace(const std::string& /*path*/) { return true; }

protected:
    FileChooser() = default;
    FileChooser(const FileChooser&) = default;
    FileChooser& operator=(const FileChooser&) = default;
};

} // namespace qv
