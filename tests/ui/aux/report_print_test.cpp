// The design report printed through the real printing code into a PDF file and read back with
// pdftotext, as a reader of the paper would read it: every line there once and in order, a long
// scratch-pad line continued on the lines after it, a form feed starting a new page.

#include "calc/stages.h"
#include "core/calculator.h"
#include "io/report.h"
#include "ui/aux/report_printer.h"

#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace qv {
namespace {

class RecordingHost final : public Host {
public:
    void warning(std::string_view text) override { messages.emplace_back(text); }
    std::vector<std::string> messages;
};

// Blank runs differ between the font's advances and pdftotext's column guess; the words do not.
QString words(const QString& text) { return text.simplified(); }

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

const QString kLongLine = QStringLiteral("coil-").repeated(60); // 300 characters, wider than any page

} // namespace

class ReportPrintTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QVERIFY(dir_.isValid());
        // To look at the printed pages: QUORVANE_KEEP_PDF=1 keeps the file and names it.
        if (qEnvironmentVariableIsSet("QUORVANE_KEEP_PDF")) dir_.setAutoRemove(false);
        BeginButtonClick(calc_);
        Main_Loop1(calc_);
        Main_Loop1(calc_);
        replaceScratchPad(calc_, "Notes on the 8x6 coil\n" + kLongLine.toStdString() +
                                     "\nGap\t0.25 in\nbefore the break\fafter the break\nlast line\n");
        lines_ = reportLines(calc_);

        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        pdf_ = dir_.filePath(QStringLiteral("report.pdf"));
        printer.setOutputFileName(pdf_);
        const std::string problem = printReport(lines_, printer);
        QVERIFY2(problem.empty(), problem.c_str());
        if (!dir_.autoRemove()) qInfo("report printed to %s", qPrintable(pdf_));

        const QString text = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf_, QStringLiteral("-")});
        QVERIFY(!text.isEmpty());
        pages_ = text.split(QLatin1Char('\f'));
        for (const QString& page : pages_)
            for (const QString& line : page.split(QLatin1Char('\n')))
                if (!line.trimmed().isEmpty()) printed_ << words(line);
    }

    void everyLineIsPrintedOnceInOrder()
    {
        qsizetype next = 0;
        for (const std::string& line : lines_) {
            const QString expected = words(QString::fromStdString(line));
            if (expected.isEmpty() || line.find_first_of("\t\f") != std::string::npos ||
                expected == words(kLongLine))
                continue;
            const qsizetype found = printed_.indexOf(expected, next);
            QVERIFY2(found >= 0, qPrintable(QStringLiteral("missing or out of order: ") + expected));
            const auto inReport = std::count(lines_.begin(), lines_.end(), line);
            QCOMPARE(printed_.count(expected), static_cast<qsizetype>(inReport));
            next = found + 1;
        }
        QCOMPARE(printed_.first(), QStringLiteral("Quorvane"));
        QCOMPARE(printed_.last(), QStringLiteral("last line"));
    }

    void tabKeepsTheWordsApart() { QVERIFY(printed_.contains(QStringLiteral("Gap 0.25 in"))); }

    void longLineContinuesOnTheFollowingLines()
    {
        const qsizetype first = printed_.indexOf(QRegularExpression(QStringLiteral("coil-coil-.*")));
        QVERIFY(first >= 0);
        QString joined;
        qsizetype i = first;
        while (i < printed_.size() && joined.size() < kLongLine.size()) joined += printed_[i++];
        QCOMPARE(joined, kLongLine);
        QVERIFY2(i - first >= 2, "the long line should take more than one printed line");
        QCOMPARE(printed_[i], QStringLiteral("Gap 0.25 in"));
    }

    void formFeedStartsANewPage()
    {
        const QString info = run(QStringLiteral("pdfinfo"), {pdf_});
        if (!info.isEmpty()) QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n"))), qPrintable(info));
        QVERIFY(pages_.size() >= 2);
        QVERIFY(words(pages_[0]).endsWith(QStringLiteral("before the break")));
        QVERIFY(words(pages_[1]).startsWith(QStringLiteral("after the break last line")));
    }

    // The model's 8-bit text is Latin-1: a degree or micro sign typed into the scratch pad
    // reaches the paper as itself.
    void degreeAndMicroSignsPrintAsTyped()
    {
        Calculator calc = calc_;
        replaceScratchPad(calc, "Angle 30\xb0\nLp 12 \xb5H\n");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString pdf = dir_.filePath(QStringLiteral("signs.pdf"));
        printer.setOutputFileName(pdf);
        const std::string problem = printReport(reportLines(calc), printer);
        QVERIFY2(problem.empty(), problem.c_str());
        const QString text = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        QVERIFY2(text.contains(QStringLiteral("Angle 30°")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("Lp 12 µH")), qPrintable(text));
    }

    // The section after the scratch pad reaches the paper whole, its columns in the fixed-pitch font.
    void coilAsItStandsFollowsTheScratchPad()
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        const QString pdf = dir_.filePath(QStringLiteral("full.pdf"));
        printer.setOutputFileName(pdf);
        const std::string problem = printReport(printedReportLines(calc_), printer);
        QVERIFY2(problem.empty(), problem.c_str());
        const QString text = words(run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")}));
        const qsizetype scratchEnd = text.indexOf(QStringLiteral("last line"));
        const qsizetype heading = text.indexOf(QStringLiteral("The Coil As It Stands"));
        QVERIFY(scratchEnd >= 0 && heading > scratchEnd);
        QVERIFY(text.indexOf(QRegularExpression(QStringLiteral("Secondary inductance mH [0-9.]+ [0-9.]+"))) > heading);
    }

    void printerThatCannotOpenIsReported()
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir_.filePath(QStringLiteral("no such folder/report.pdf")));
        const std::string problem = printReport(lines_, printer);
        QVERIFY(problem.find("could not be printed") != std::string::npos);
        QVERIFY(problem.find("no such folder") != std::string::npos);
    }

private:
    RecordingHost host_;
    Calculator calc_{host_};
    QTemporaryDir dir_;
    std::vector<std::string> lines_;
    QString pdf_;
    QStringList pages_;
    QStringList printed_;
};

} // namespace qv

QTEST_MAIN(qv::ReportPrintTest)
#include "report_print_test.moc"
