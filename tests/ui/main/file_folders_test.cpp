// The file dialogs remember their last folder in the user's settings, each dialog its own, and
// start there when the name they are given has no folder of its own. The settings live in the
// test's temporary directory, never the user's.

#include "qt_file_chooser.h"

#include <QDir>
#include <QFileDialog>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace qv;

class FileFoldersTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    static FileDialogSpec dialog(const char* title, const QString& initialName = "untitled.qvd")
    {
        return {title, "Quorvane Files (*.qvd)|*.qvd", "qvd", initialName.toStdString()};
    }

    // Runs the chooser; when its dialog appears, notes the folder it shows and answers `answer`
    // (or cancels for an empty answer). Returns the folder the dialog started in.
    QString answerDialog(const std::function<std::optional<std::string>()>& choose, const QString& answer,
                         std::optional<std::string>* chosen = nullptr)
    {
        QString shownFolder;
        QTimer poll;
        poll.setInterval(10);
        connect(&poll, &QTimer::timeout, this, [&] {
            auto* fileDialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!fileDialog) return;
            poll.stop();
            shownFolder = fileDialog->directory().absolutePath();
            if (answer.isEmpty()) return fileDialog->reject();
            fileDialog->selectFile(answer);
            QMetaObject::invokeMethod(fileDialog, "accept"); // a protected slot
        });
        poll.start();
        const auto result = choose();
        if (chosen) *chosen = result;
        return shownFolder;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.filePath("settings"));
        QCoreApplication::setOrganizationName("QuorvaneTest");
        QVERIFY(QDir(dir.path()).mkpath("designs"));
        QVERIFY(QDir(dir.path()).mkpath("other"));
    }

    void eachDialogStartsInItsOwnLastFolder()
    {
        QtFileChooser chooser(nullptr);
        const QString designs = dir.filePath("designs");
        std::optional<std::string> chosen;
        answerDialog([&] { return chooser.chooseFileToSave(dialog("Quorvane File Save")); },
                     designs + "/coil.qvd", &chosen);
        QCOMPARE(QString::fromStdString(chosen.value_or("")), designs + "/coil.qvd");
        QCOMPARE(QSettings().value(folderSettingsKey("Quorvane File Save")).toString(), designs);

        QCOMPARE(answerDialog([&] { return chooser.chooseFileToSave(dialog("Quorvane File Save")); }, {}), designs);
        QVERIFY2(answerDialog([&] { return chooser.chooseFileToOpen(dialog("Quorvane File Open")); }, {}) != designs,
                 "the open dialog has a folder of its own");
    }

    void aNameWithItsOwnFolderStartsThere()
    {
        QtFileChooser chooser(nullptr);
        const QString other = dir.filePath("other");
        answerDialog([&] { return chooser.chooseFileToOpen(dialog("Quorvane Scratch Pad File Open")); },
                     dir.filePath("designs") + "/notes.txt");
        QCOMPARE(answerDialog([&] { return chooser.chooseFileToOpen(dialog("Quorvane Scratch Pad File Open",
                                                                           other + "/notes.txt")); }, {}),
                 other);
    }

    void aCancelledDialogForgetsNothing()
    {
        QtFileChooser chooser(nullptr);
        const QString before = QSettings().value(folderSettingsKey("Quorvane File Save")).toString();
        std::optional<std::string> chosen = "not asked";
        answerDialog([&] { return chooser.chooseFileToSave(dialog("Quorvane File Save")); }, {}, &chosen);
        QVERIFY(!chosen);
        QCOMPARE(QSettings().value(folderSettingsKey("Quorvane File Save")).toString(), before);
    }
};

QTEST_MAIN(FileFoldersTest)
#include "file_folders_test.moc"
