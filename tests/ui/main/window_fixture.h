#pragma once
// What every main-window test shares: a temporary directory for the files it writes, a file
// chooser that answers the dialogs, and a watchdog that closes message boxes (recording their
// texts) and fails the test when any other modal dialog appears instead of hanging in its loop.

#include "core/file_chooser.h"
#include "main_page.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <deque>
#include <memory>
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
    QStringList owners;     // object names of the windows the boxes stood over

private:
    void poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            messages << box->text();
            details << box->informativeText();
            owners << (box->parentWidget() ? box->parentWidget()->window()->objectName() : QString());
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
    // "Replace it?" answered from a queue; No, the box's default, once it is empty.
    std::deque<bool> replaceAnswers;
    std::vector<std::string> replaceAsked;
    bool confirmReplace(const std::string& path) override
    {
        replaceAsked.push_back(path);
        if (replaceAnswers.empty()) return false;
        const bool replace = replaceAnswers.front();
        replaceAnswers.pop_front();
        return replace;
    }

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

// Types into a window's field as a person does: into the field, over its whole text, then Enter.
inline void typeAndEnter(QLineEdit* field, const QString& text)
{
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
}

// Whether a window that follows the design has shown the newest field solution it asked for.
template <typename FollowingWindow> bool showsNewestSolution(const FollowingWindow& window)
{
    return window.shownGeneration() == window.requestedGeneration() && window.shownGeneration() > 0;
}

// One main window per test, for test classes that derive from it beside QObject: made with
// makePage() in init(), given what else the test wires in, shown with showActive(), and
// dropped in cleanup() by closePage(), which says which unexpected dialogs appeared.
class MainWindowHarness {
protected:
    QTemporaryDir dir;
    AnsweringChooser chooser;
    std::unique_ptr<qv::TMainPage> page;
    std::unique_ptr<ModalWatchdog> watchdog;

    // False when there is no temporary directory to write in.
    bool makePage()
    {
        chooser = AnsweringChooser{};
        page = std::make_unique<qv::TMainPage>();
        page->setFileChooser(chooser);
        return dir.isValid();
    }
    // False when the window did not become the active one.
    bool showActive()
    {
        page->show();
        QApplication::setActiveWindow(page.get());
        const bool active = QTest::qWaitForWindowActive(page.get());
        watchdog = std::make_unique<ModalWatchdog>();
        return active;
    }
    // The class names of the modal dialogs other than message boxes that appeared.
    QStringList closePage()
    {
        const QStringList unexpected = watchdog ? watchdog->unexpected : QStringList{};
        page.reset();
        watchdog.reset();
        return unexpected;
    }

    template <typename W = QWidget> W* widget(const char* name) const
    {
        W* found = page->findChild<W*>(name);
        if (!found) qFatal("no widget %s", name);
        return found;
    }
    bool timerOn() const { return widget<QTimer>("MainLoopTimer")->isActive(); }
    QColor colour(const char* field) const { return widget<QLineEdit>(field)->palette().color(QPalette::Base); }
    std::string path(const char* name) const { return dir.filePath(name).toStdString(); }
};
