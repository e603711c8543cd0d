#pragma once
// What the file tests share: a host that records messages and the timer, a chooser that answers
// the dialogs with a fixed path (or cancels) and remembers what it was asked, and a scratch
// directory that is removed afterwards.

#include "calc/stages.h"
#include "core/calculator.h"
#include "core/file_chooser.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv::test {

class RecordingHost final : public Host {
public:
    void warning(std::string_view text) override { messages.emplace_back(text); }
    void timerChanged(bool running) override { timerRunning = running; }
    std::vector<std::string> messages;
    bool timerRunning = false;
};

class ScriptedChooser final : public FileChooser {
public:
    ScriptedChooser(std::optional<std::string> answer, const RecordingHost& host)
        : answer_(std::move(answer)), host_(host)
    {
    }
    std::optional<std::string> chooseFileToOpen(const FileDialogSpec& dialog) override { return answer(dialog); }
    std::optional<std::string> chooseFileToSave(const FileDialogSpec& dialog) override { return answer(dialog); }
    std::vector<FileDialogSpec> asked;
    bool timerRunningWhenAsked = false;

private:
    std::optional<std::string> answer(const FileDialogSpec& dialog)
    {
        asked.push_back(dialog);
        timerRunningWhenAsked = host_.timerRunning;
        return answer_;
    }
    std::optional<std::string> answer_;
    const RecordingHost& host_;
};

// A calculator as BEGIN leaves it, with one pass done.
struct Session {
    RecordingHost host;
    Calculator calc{host};
    Session()
    {
        BeginButtonClick(calc);
        Main_Loop1(calc);
    }
};

class TempDir {
public:
    TempDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "quorvane-io-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
    }
    ~TempDir()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    std::size_t entryCount() const
    {
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(path_), {}));
    }

private:
    std::filesystem::path path_;
};

inline std::string readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// The line that starts with the caption, or an empty text.
inline std::string lineOf(const std::vector<std::string>& lines, std::string_view caption)
{
    const auto found = std::find_if(lines.begin(), lines.end(),
                                    [caption](const std::string& line) { return line.starts_with(caption); });
    return found == lines.end() ? std::string() : *found;
}

} // namespace qv::test
