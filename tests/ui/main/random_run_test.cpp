// A builder's hour at the window, compressed: a few hundred seeded random clicks, keys, typed
// texts, held spin arrows and closings, with the recalculation timer running between them.
// After every action: no pass left half-way (so none nested), every design value a finite
// number, and no modal box left open.

#include "core/input_fields.h"
#include "field_edit.h"
#include "main_page.h"
#include "ui/spin_control/spin_control.h"
#include "unsaved_work.h"
#include "window_fixture.h"

#include <QTest>

#include <cmath>
#include <memory>
#include <random>

using namespace qv;

namespace {

constexpr std::uint32_t kSeed = 20261208;
constexpr int kActions = 400;

// Closing is cancelled or the work discarded, in turn; the window is shown again either way.
class AlternatingQuestion : public UnsavedWorkQuestion {
public:
    UnsavedAnswer askBeforeClosing(const std::string& /*what*/) override
    {
        discard_ = !discard_;
        return discard_ ? UnsavedAnswer::Discard : UnsavedAnswer::Cancel;
    }

private:
    bool discard_ = false;
};

const char* const kTypedTexts[] = {"12", "abc", "-1", "0", ".5", "1e308", "1e-300", "99999", "1,5", " 7", "", "90"};
const Qt::Key kKeys[] = {Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Return, Qt::Key_Escape, Qt::Key_F2, Qt::Key_Up,
                         Qt::Key_Down, Qt::Key_Left, Qt::Key_Right, Qt::Key_Delete, Qt::Key_Backspace, Qt::Key_5};

} // namespace

class RandomRunTest : public QObject {
    Q_OBJECT

private:
    std::mt19937 random_{kSeed};

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    template <typename T> T* pick(const QList<T*>& list) { return list.isEmpty() ? nullptr : list[below(static_cast<int>(list.size()))]; }

    static QList<QWidget*> reachable(QWidget& window)
    {
        QList<QWidget*> shown;
        for (QWidget* w : window.findChildren<QWidget*>())
            if (w->isVisible() && w->isEnabled() && !w->objectName().startsWith("qt_")) shown << w;
        return shown;
    }

    QPoint anywhere(const QWidget* w) { return {below(std::max(1, w->width())), below(std::max(1, w->height()))}; }

    void act(TMainPage& page)
    {
        QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : &page;
        switch (below(11)) {
        case 0:
        case 1:
        case 2: {
            QWidget* target = pick(reachable(page));
            if (target) QTest::mouseClick(target, Qt::LeftButton, {}, anywhere(target));
            break;
        }
        case 3: {
            QWidget* target = pick(reachable(page));
            if (!target) break;
            const QPoint at = anywhere(target);
            QTest::mouseClick(target, Qt::LeftButton, {}, at);
            QTest::mouseDClick(target, Qt::LeftButton, {}, at);
            break;
        }
        case 4:
        case 5: QTest::keyClick(focus, kKeys[below(std::size(kKeys))]); break;
        case 6: QTest::keyClicks(focus, kTypedTexts[below(std::size(kTypedTexts))]); break;
        case 7: {
            QList<SpinControl*> spins;
            for (auto* spin : page.findChildren<SpinControl*>())
                if (spin->isVisible()) spins << spin;
            if (SpinControl* spin = pick(spins)) {
                const QPoint arrow(spin->width() / 2, below(2) ? 2 : spin->height() - 3);
                QTest::mousePress(spin, Qt::LeftButton, {}, arrow);
                QTest::qWait(below(2) ? 30 : SpinControl::kFirstRepeatMs + 150);
                QTest::mouseRelease(spin, Qt::LeftButton, {}, arrow);
            }
            break;
        }
        case 8:
            if (!page.close()) break;
            page.show();
            QApplication::setActiveWindow(&page);
            break;
        case 9: {
            // An input opened as the builder opens it, typed into and left by Enter or a click.
            QList<FieldEdit*> fields;
            for (auto* field : page.findChildren<FieldEdit*>()) {
                const auto id = fieldByName(field->objectName().toStdString());
                if (field->isVisible() && field->isEnabled() && id && typedInput(*id)) fields << field;
            }
            FieldEdit* field = pick(fields);
            if (!field) break;
            // The press and release of a double click come before its second press.
            QTest::mouseClick(field, Qt::LeftButton);
            QTest::mouseDClick(field, Qt::LeftButton);
            QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(field, kTypedTexts[below(std::size(kTypedTexts))]);
            if (below(2)) QTest::keyClick(field, Qt::Key_Return);
            else QTest::mouseClick(page.centralWidget(), Qt::LeftButton, {}, QPoint(page.centralWidget()->width() - 4, 4));
            break;
        }
        default: page.Main_Loop1(); break;
        }
    }

    static QStringList faults(TMainPage& page)
    {
        QStringList found;
        const Calculator& calc = page.calculator();
        if (calc.passInProgress) found << "a pass was left running";
        for (const InputField& shown : kInputFields)
            if (shown.value && !std::isfinite(calc.design.*shown.value))
                found << QString("%1 is not a finite number").arg(QString::fromLatin1(name(shown.id).data()));
        if (QApplication::activeModalWidget()) found << "a modal box is still open";
        return found;
    }

private slots:
    void survivesASeededRandomRun()
    {
        AnsweringChooser chooser; // every dialog cancelled
        AlternatingQuestion question;
        TMainPage page;
        page.setFileChooser(chooser);
        page.setUnsavedWorkQuestion(question);
        int windowsOpened = 0;
        QWidget tool;
        const auto openTool = [&] {
            ++windowsOpened;
            tool.show();
        };
        page.setToolHooks({.about = openTool, .credits = openTool, .help = openTool, .netlist = openTool, .analysis = openTool,
                           .tank = openTool, .howItChanges = openTool, .converter = openTool, .print = {}});
        page.show();
        QApplication::setActiveWindow(&page);
        QVERIFY(QTest::qWaitForWindowActive(&page));
        ModalWatchdog watchdog;
        page.BeginButtonClick();

        int whileRunning = 0;
        for (int i = 0; i < kActions; ++i) {
            whileRunning += page.calculator().timerRunning ? 1 : 0;
            act(page);
            if (below(8) == 0) tool.close();
            QTest::qWait(ModalWatchdog::kPollMs * 2);
            const QStringList found = faults(page);
            QVERIFY2(found.isEmpty(), qPrintable(QString("after action %1: ").arg(i) + found.join("; ")));
        }
        QVERIFY2(watchdog.unexpected.isEmpty(), qPrintable(watchdog.unexpected.join(", ")));
        qInfo("%d actions, %d of them while running, %lld messages, %d windows opened", kActions, whileRunning,
              static_cast<long long>(watchdog.messages.size()), windowsOpened);
    }
};

QTEST_MAIN(RandomRunTest)
#include "random_run_test.moc"
