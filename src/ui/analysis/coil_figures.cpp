#include "ui/analysis/coil_figures.h"

#include "core/calculator.h"
#include "core/format.h"

#include <cmath>

namespace qv {
namespace {

QString note(const QString& text) { return "<span style='color:#707070'>" + text.toHtmlEscaped() + "</span>"; }

QString number(double value, Format format) { return QString::fromStdString(formatField(value, format)); }

QString classicCell(double value, Format format)
{
    return std::isfinite(value) ? number(value, format) : note(QObject::tr("no value on the sheets"));
}

QString solvedCell(const field::Analysis* analysis, field::Figure field::Analysis::*solved, Format format)
{
    if (!analysis) return note(QObject::tr("solving..."));
    const field::Figure& figure = analysis->*solved;
    if (figure.value && std::isfinite(*figure.value)) return number(*figure.value, format);
    if (!figure.reason.empty()) return note(QString::fromStdString(figure.reason));
    return note(analysis->ok() ? QObject::tr("no value") : QString::fromStdString(analysis->status));
}

QString row(const QString& caption, const QString& unit, const QString& classic, const QString& solved)
{
    const QString cell = "<td style='white-space:nowrap'";
    return "<tr>" + cell + ">" + caption.toHtmlEscaped() + "</td>" + cell + ">" + unit.toHtmlEscaped() + "</td>" +
           cell + " align='right'>" + classic + "</td>" + cell + " align='right'>" + solved + "</td></tr>";
}

} // namespace

ClassicFigures classicFigures(const Calculator& calc)
{
    ClassicFigures figures{};
    for (std::size_t i = 0; i < kComparedFigureCount; ++i) figures[i] = kComparedFigureRows[i].classic(calc);
    return figures;
}

QString figuresHtml(const ClassicFigures& classic, const field::Analysis* analysis)
{
    QString html = "<table cellspacing='0' cellpadding='3'>";
    html += "<tr><th></th><th></th><th align='right' style='white-space:nowrap'>" + QObject::tr("Classic figure") +
            "</th><th align='right' style='white-space:nowrap'>" + QObject::tr("Coil as it stands") + "</th></tr>";
    for (std::size_t i = 0; i < kComparedFigureCount; ++i) {
        const ComparedFigureRow& r = kComparedFigureRows[i];
        html += row(QObject::tr(r.caption), r.unit, classicCell(classic[i], r.format),
                    solvedCell(analysis, r.solved, r.format));
    }
    html += "<tr><th align='left' colspan='4'><br>" + QObject::tr("From the field solution only") + "</th></tr>";
    for (const SolvedFigureRow& r : kSolvedFigureRows)
        html += row(QObject::tr(r.caption), r.unit, QString(), solvedCell(analysis, r.solved, r.format));
    html += "</table><p>" +
            note(QObject::tr("Classic: the sheets' formulas, the top load's capacitance as if it stood alone in "
                             "space. As it stands: a field solution of the coil with its top load, the floor and "
                             "the ceiling in place (see Help).")) +
            "</p>";
    return html;
}

} // namespace qv
