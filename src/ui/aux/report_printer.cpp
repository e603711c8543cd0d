#include "report_printer.h"

#include "core/calculator.h"
#include "io/report.h"
#include "report_layout.h"
#include "ui/model_text.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QString>

namespace qv {
namespace {

std::string failure(const QPrinter& printer, const char* what)
{
    std::string text = "The design report could not be printed: ";
    text += what;
    const QString target = printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
    if (!target.isEmpty()) text += " (" + fromQt(target) + ")";
    return text + ".";
}

PrintMetrics metricsFor(const QPrinter& printer, const QFontMetrics& font)
{
    PrintMetrics metrics;
    // The painter's origin is the top-left corner of the printable area; width and height are its size.
    metrics.pageWidth = printer.width();
    metrics.pageHeight = printer.height();
    metrics.charHeight = font.height();
    metrics.averageCharWidth = font.averageCharWidth();
    metrics.textWidth = [font](std::string_view text) { return font.horizontalAdvance(toQt(text)); };
    return metrics;
}

} // namespace

std::string printReport(const std::vector<std::string>& lines, QPrinter& printer)
{
    QPainter painter;
    if (!painter.begin(&printer)) return failure(printer, "the printer could not be opened");
    painter.setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    const QFontMetrics font = painter.fontMetrics();

    const std::vector<PrintedPage> pages = layoutReport(lines, metricsFor(printer, font));
    for (std::size_t page = 0; page < pages.size(); ++page) {
        if (page > 0 && !printer.newPage()) {
            painter.end();
            return failure(printer, "the printer could not start a new page");
        }
        for (const TextRun& run : pages[page].runs) painter.drawText(run.x, run.y + font.ascent(), toQt(run.text));
        if (printer.printerState() == QPrinter::Error) {
            painter.end();
            return failure(printer, "the printer reported an error");
        }
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        return failure(printer, "the printer could not finish the report");
    return {};
}

void printDesignReport(Calculator& calc, QWidget* parent)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) return;
    const std::string problem = printReport(printedReportLines(calc), printer);
    if (!problem.empty()) warn(calc, problem);
}

} // namespace qv
