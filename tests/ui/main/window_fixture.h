#pragma once
// What every main-window test shares: a temporary directory for the files it writes, a file
// chooser that answers the dialogs, and a watchdog that closes message boxes (recording their
// texts) and fails the test when any other modal dialog appears instead of hanging in its loop.

#include "core/file_chooser.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <deque>
#include <optional>
#include <string>
#include <vector>

class ModalWatchdog : public QObject {
public:
    static constexpr int kPollMs = 10;
    ModalWatchdog()
    {
        connect(&timer_, &QTimer::timeout, this, &ModalWatchdog::poll);
        timer_.start(kPollMs);
    }
    QStringList messages;   // texts of the warning boxes, in order
    QStringList details;    // their informative second lines
    QStringList unexpected; // class names of any other modal dialog

private:
    void poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            messages << box->text();
            details << box->informativeText();
            box->done(QMessageBox::Ok);
            return;
        }
        unexpected << modal->metaObject()->className();
        modal->close();
    }
    QTimer timer_;
};

// Answers the file dialogs from a queue, and keeps what each dialog asked.
class AnsweringChooser : public qv::FileChooser {
public:
    std::deque<std::optional<std::string>> answers;
    std::vector<qv::FileDialogSpec> asked;

    std::optional<std::string> chooseFileToOpen(const qv::FileDialogSpec& dialog) override { return answer(dialog); }
    std::optional<std::string> chooseFileToSave(const qv::FileDialogSpec& dialog) override { return answer(dialog); }

private:
    std::optional<std::string> answer(const qv::FileDialogSpec& dialog)
    {
        asked.push_back(dialog);
        if (answers.empty()) return std::nullopt;
        auto next = answers.front();
        answers.pop_front();
        return next;
    }
};
