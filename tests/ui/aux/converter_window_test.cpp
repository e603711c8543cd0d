// The converter window driven as a user drives it: typing into the fields, Enter, Tab, and
// mouse presses on the spin arrows. Each row is a script of steps and the six texts it must leave.

#include "core/host.h"
#include "ui/aux/inch_mm_dialog.h"
#include "ui/spin_control/spin_control.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <map>

namespace qv {
namespace {

class RecordingHost final : public Host {
public:
    void warning(std::string_view text) override
    {
        messages << QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }
    void warningWithDetail(std::string_view text, std::string_view detail) override
    {
        warning(text);
        details << QString::fromUtf8(detail.data(), static_cast<qsizetype>(detail.size()));
    }
    QStringList messages;
    QStringList details;
};

// The centre of a spin control's upper (up) or lower (down) half, where a press steps.
QPoint arrowCentre(const SpinControl& spin, bool up)
{
    const int quarter = spin.height() / 4;
    return {spin.width() / 2, up ? quarter : spin.height() - quarter};
}

const std::map<QString, Quantity> kFieldsByPrefix = {
    {QStringLiteral("In"), Quantity::Inches},   {QStringLiteral("Mm"), Quantity::Millimetres},
    {QStringLiteral("Ft"), Quantity::Feet},     {QStringLiteral("M"), Quantity::Metres},
    {QStringLiteral("Deg"), Quantity::Degrees}, {QStringLiteral("Rad"), Quantity::Radians},
};

} // namespace

class ConverterWindowTest : public QObject {
    Q_OBJECT

private:
    // Steps, separated by ';': "type:In:0.1" focuses InEdit, selects all and types ("clear:In"
    // erases instead); "enter" and
    // "tab" press those keys in the focused field; "up:In" and "down:In" click InSpinButton's arrows.
    void run(TInchMMDlg& dialog, const QString& script)
    {
        for (const QString& step : script.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QStringList parts = step.split(QLatin1Char(':'));
            const QString& verb = parts[0];
            if (verb == QLatin1String("type") || verb == QLatin1String("clear")) {
                QLineEdit* field = dialog.edit(kFieldsByPrefix.at(parts[1]));
                field->setFocus(Qt::MouseFocusReason);
                field->selectAll();
                if (verb == QLatin1String("clear")) QTest::keyClick(field, Qt::Key_Backspace);
                else QTest::keyClicks(field, parts[2]);
            } else if (verb == QLatin1String("enter") || verb == QLatin1String("tab")) {
                QWidget* focused = QApplication::focusWidget();
                QVERIFY(focused);
                QTest::keyClick(focused, verb == QLatin1String("enter") ? Qt::Key_Return : Qt::Key_Tab);
            } else {
                SpinControl* spin = dialog.spinButton(kFieldsByPrefix.at(parts[1]));
                QTest::mouseClick(spin, Qt::LeftButton, {}, arrowCentre(*spin, verb == QLatin1String("up")));
            }
        }
    }

private slots:
    void init()
    {
        host_.messages.clear();
        dialog_ = std::make_unique<TInchMMDlg>(host_);
        dialog_->showConverter();
        QVERIFY(QTest::qWaitForWindowActive(dialog_.get()));
    }
    void cleanup() { dialog_.reset(); }

    void editsAndSteps_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("texts"); // In, Mm, Ft, M, Deg, Rad
        QTest::addColumn<int>("warnings");
        const auto texts = [](std::initializer_list<const char*> t) {
            QStringList list;
            for (const char* s : t) list << QString::fromLatin1(s);
            return list;
        };
        QTest::newRow("as created") << "" << texts({"  1.000", "25.4000", "   1.00", " 0.3048", "   1.00", " 0.0175"}) << 0;
        QTest::newRow("inches down from 0.1 clamp to 0.01")
            << "type:In:0.1;enter;down:In" << texts({"  0.010", " 0.2540", "   1.00", " 0.3048", "   1.00", " 0.0175"}) << 0;
        QTest::newRow("a further down step stays at 0.01")
            << "type:In:0.1;enter;down:In;down:In" << texts({"  0.010", " 0.2540", "   1.00", " 0.3048", "   1.00", " 0.0175"}) << 0;
        QTest::newRow("degrees down from 1.05 clamp to 1")
            << "type:Deg:1.05;enter;down:Deg" << texts({"  1.000", "25.4000", "   1.00", " 0.3048", "   1.00", " 0.0175"}) << 0;
        QTest::newRow("radians up from 6.25 clamp to 6.28")
            << "type:Rad:6.25;enter;up:Rad" << texts({"  1.000", "25.4000", "   1.00", " 0.3048", " 359.82", " 6.2800"}) << 0;
        QTest::newRow("0.001 inches is not above the minimum")
            << "type:In:0.001;enter" << texts({"  1.000", "25.4000", "   1.00", " 0.3048", "   1.00", " 0.0175"}) << 1;
        QTest::newRow("0.0011 inches is taken and stays as typed")
            << "type:In:0.0011;enter" << texts({"0.0011", " 0.0279", "   1.00", " 0.3048", "   1.00", " 0.0175"}) << 0;
        QTest::newRow("400 degrees typed, then stepped down without the upper bound")
            << "type:Deg:400;enter" << texts({"  1.000", "25.4000", "   1.00", " 0.3048", "400", " 6.9813"}) << 0;
        QTest::newRow("400 degrees stepped down")
            << "type:Deg:400;enter;down:Deg" << texts({"  1.000", "25.4000", "   1.00", " 0.3048", " 399.90", " 6.9796"}) << 0;
        QTest::newRow("a trailing blank is rejected")
            << "type:In:2 ;enter" << texts({"  1.000", "25.4000", "   1.00", " 0.3048", "   1.00", " 0.0175"}) << 1;
        QTest::newRow("leaving by Tab converts too")
            << "type:Mm:50.8;tab" << texts({"  2.000", "50.8", "   1.00", " 0.3048", "   1.00", " 0.0175"}) << 0;
        QTest::newRow("metres to feet, then feet stepped up")
            << "type:M:1;enter;up:Ft" << texts({"  1.000", "25.4000", "   3.38", " 1.0305", "   1.00", " 0.0175"}) << 0;
        QTest::newRow("inches up to 12000, millimetres unbounded")
            << "type:In:11999.95;enter;up:In" << texts({"12000.000", "304800.0000", "   1.00", " 0.3048", "   1.00", " 0.0175"}) << 0;
        QTest::newRow("a field left without typing is not read")
            << "type:Ft:;enter" << texts({"  1.000", "25.4000", "   1.00", " 0.3048", "   1.00", " 0.0175"}) << 0;
        QTest::newRow("an emptied field is rejected")
            << "clear:Ft;enter" << texts({"  1.000", "25.4000", "   1.00", " 0.3048", "   1.00", " 0.0175"}) << 1;
        QTest::newRow("so large that millimetres would overflow")
            << "type:In:1e308;enter" << texts({"  1.000", "25.4000", "   1.00", " 0.3048", "   1.00", " 0.0175"}) << 1;
        QTest::newRow("a step replaces text typed and not yet left")
            << "type:In:5;up:In" << texts({"  1.100", "27.9400", "   1.00", " 0.3048", "   1.00", " 0.0175"}) << 0;
    }

    void editsAndSteps()
    {
        QFETCH(QString, script);
        QFETCH(QStringList, texts);
        QFETCH(int, warnings);
        run(*dialog_, script);
        QStringList shown;
        for (std::size_t i = 0; i < kQuantityCount; ++i) shown << dialog_->edit(static_cast<Quantity>(i))->text();
        QCOMPARE(shown, texts);
        QCOMPARE(host_.messages.size(), warnings);
        for (const QString& message : host_.messages) QCOMPARE(message, QStringLiteral("Invalid Data Entered"));
    }

    // The second line names the field, what it takes and the value it kept.
    void rejectionSaysWhichField()
    {
        run(*dialog_, QStringLiteral("type:Ft:0;enter"));
        QVERIFY(!host_.details.isEmpty());
        QCOMPARE(host_.details.last(),
                 QStringLiteral("QuickConvert: the ft field takes a number greater than 0.01; it keeps 1.00."));
    }

    void enterEndsOnCalculate()
    {
        run(*dialog_, QStringLiteral("type:Ft:2;enter"));
        QCOMPARE(QApplication::focusWidget(), dialog_->findChild<QPushButton*>(QStringLiteral("Button1")));
        QCOMPARE(dialog_->edit(Quantity::Metres)->text(), QStringLiteral(" 0.6096"));
    }

    void holdingAnArrowRepeats()
    {
        SpinControl* spin = dialog_->spinButton(Quantity::Feet);
        const QPoint up = arrowCentre(*spin, true);
        QTest::mousePress(spin, Qt::LeftButton, {}, up);
        QTest::qWait(SpinControl::kFirstRepeatMs + 2 * SpinControl::kRepeatMs + 50);
        QTest::mouseRelease(spin, Qt::LeftButton, {}, up);
        const double held = dialog_->converter().value(Quantity::Feet);
        // One step at the press and at least two repeats; the exact count depends on the timer.
        QVERIFY2(held >= 1.0 + 3 * 0.1 - 1e-9, qPrintable(QString::number(held)));
        QTest::qWait(3 * SpinControl::kRepeatMs);
        QCOMPARE(dialog_->converter().value(Quantity::Feet), held);
    }

    void okHidesAndTheValuesStay()
    {
        run(*dialog_, QStringLiteral("type:In:3;enter"));
        QTest::mouseClick(dialog_->findChild<QPushButton*>(QStringLiteral("OKBtn")), Qt::LeftButton);
        QVERIFY(!dialog_->isVisible());
        dialog_->showConverter();
        QVERIFY(dialog_->isVisible());
        QCOMPARE(dialog_->edit(Quantity::Inches)->text(), QStringLiteral("3"));
        QCOMPARE(dialog_->edit(Quantity::Millimetres)->text(), QStringLiteral("76.2000"));
        QCOMPARE(dialog_->windowTitle(), QStringLiteral("QuickConvert"));
        QVERIFY(!dialog_->isModal());
    }

private:
    RecordingHost host_;
    std::unique_ptr<TInchMMDlg> dialog_;
};

} // namespace qv

QTEST_MAIN(qv::ConverterWindowTest)
#include "converter_window_test.moc"
