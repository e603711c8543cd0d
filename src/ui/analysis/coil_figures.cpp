#include "ui/analysis/coil_figures.h"

#include "core/calculator.h"
#include "core/format.h"
#include "io/analysis_model.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>
#include <vector>

namespace qv {
namespace {

// A grey remark; a tooltip when one is given.
QString note(const QString& text, const QString& toolTip = {})
{
    const QString title = toolTip.isEmpty() ? QString() : " title=\"" + toolTip.toHtmlEscaped() + "\"";
    return "<span style='color:#707070'" + title + ">" + text.toHtmlEscaped() + "</span>";
}

QString number(double value, Format format, const QString& toolTip = {})
{
    const QString text = QString::fromStdString(formatField(value, format));
    return toolTip.isEmpty() ? text : "<span title=\"" + toolTip.toHtmlEscaped() + "\">" + text + "</span>";
}

QString classicCell(double value, Format format)
{
    return std::isfinite(value) ? number(value, format) : note(QObject::tr("no value on the sheets"));
}

// The reasons the table's figures have no value, each once, with the figures it holds back.
class Reasons {
public:
    void add(const QString& caption, const QString& reason)
    {
        const auto same = std::find_if(reasons_.begin(), reasons_.end(), [&](const auto& r) { return r.first == reason; });
        if (same == reasons_.end()) reasons_.emplace_back(reason, QStringList{caption});
        else same->second.append(caption);
    }
    QString html() const
    {
        QString text;
        for (const auto& [reason, captions] : reasons_)
            text += "<p>" + note(QObject::tr("%1: no value. %2").arg(captions.join(", "), reason)) + "</p>";
        return text;
    }

private:
    std::vector<std::pair<QString, QStringList>> reasons_;
};

// extraTip is said in the figure's tooltip besides its own reason (the typed top load).
// shown converts a length to the session's unit; other figures pass through.
QString solvedCell(const field::Analysis* analysis, field::Figure field::Analysis::*solved, Format format,
                   const QString& caption, const QString& extraTip, Reasons& reasons,
                   const std::function<double(double)>& shown = [](double v) { return v; })
{
    if (!analysis) return note(QObject::tr("solving..."));
    const field::Figure& figure = analysis->*solved;
    if (figure.value && std::isfinite(*figure.value)) return number(shown(*figure.value), format, extraTip);
    QString reason = QString::fromStdString(figure.reason.empty() ? analysis->status : figure.reason);
    if (reason.isEmpty() || reason == "ok") reason = QObject::tr("the field solution gives none");
    reasons.add(caption, reason);
    return note(QObject::tr("no value"), extraTip.isEmpty() ? reason : reason + "\n" + extraTip);
}

QString row(const QString& caption, const QString& unit, const QString& classic, const QString& solved)
{
    const QString cell = "<td style='white-space:nowrap'";
    return "<tr>" + cell + ">" + caption.toHtmlEscaped() + "</td>" + cell + ">" + unit.toHtmlEscaped() + "</td>" +
           cell + " align='right'>" + classic + "</td>" + cell + " align='right'>" + solved + "</td></tr>";
}

QString shapeName(field::TopLoadShape shape)
{
    switch (shape) {
    case field::TopLoadShape::Toroid: return QObject::tr("solves the Topload C sheet's toroid in its place");
    case field::TopLoadShape::Sphere: return QObject::tr("solves the Topload C sheet's sphere in its place");
    case field::TopLoadShape::None: break;
    }
    return QObject::tr("solves the coil with no top load (W/Top Load C is off)");
}

} // namespace

ClassicFigures classicFigures(const Calculator& calc)
{
    ClassicFigures figures;
    for (std::size_t i = 0; i < kComparedFigureCount; ++i) figures.values[i] = kComparedFigureRows[i].classic(calc);
    if (!calc.form.checked(OptionId::NoCap)) figures.typedTopLoadPf = calc.design.topLoadPf;
    figures.solvedTopLoad = currentCoilModel(calc).topLoad;
    figures.lengthUnit = calc.lengthUnit;
    return figures;
}

bool sameFigures(const ClassicFigures& a, const ClassicFigures& b)
{
    const auto same = [](double x, double y) { return x == y || (std::isnan(x) && std::isnan(y)); };
    return std::equal(a.values.begin(), a.values.end(), b.values.begin(), same) &&
           a.typedTopLoadPf.has_value() == b.typedTopLoadPf.has_value() &&
           (!a.typedTopLoadPf || same(*a.typedTopLoadPf, *b.typedTopLoadPf)) && a.solvedTopLoad == b.solvedTopLoad &&
           a.lengthUnit == b.lengthUnit;
}

QString typedTopLoadNote(const ClassicFigures& classic)
{
    if (!classic.typedTopLoadPf) return {};
    return QObject::tr("Top-load capacitance: the classic column uses the %1 pF typed on the Secondary Coil sheet "
                       "(Copy To Secondary Sheet is off). The field solution leaves that figure out and %2.")
        .arg(QString::fromStdString(formatField(*classic.typedTopLoadPf, "%1.2f")).trimmed(),
             shapeName(classic.solvedTopLoad));
}

QString figuresHtml(const ClassicFigures& classic, const field::Analysis* analysis)
{
    const QString typedNote = typedTopLoadNote(classic);
    Reasons reasons;
    QString html = "<table cellspacing='0' cellpadding='3'>";
    html += "<tr><th></th><th></th><th align='right' style='white-space:nowrap'>" + QObject::tr("Classic figure") +
            "</th><th align='right' style='white-space:nowrap'>" + QObject::tr("Coil as it stands") + "</th></tr>";
    for (std::size_t i = 0; i < kComparedFigureCount; ++i) {
        const ComparedFigureRow& r = kComparedFigureRows[i];
        const QString caption = QObject::tr(r.caption);
        const QString tip = r.solved == &field::Analysis::topLoadInPlacePf ? typedNote : QString();
        html += row(caption, r.unit, classicCell(classic.values[i], r.format),
                    solvedCell(analysis, r.solved, r.format, caption, tip, reasons));
    }
    html += "<tr><th align='left' colspan='4'><br>" + QObject::tr("From the field solution only") + "</th></tr>";
    for (const SolvedFigureRow& r : kSolvedFigureRows) {
        const QString caption = QObject::tr(r.caption);
        const auto shown = [&r, &classic](double v) { return r.valueIn(v, classic.lengthUnit); };
        html += row(caption, QString::fromUtf8(r.unitIn(classic.lengthUnit)), QString(),
                    solvedCell(analysis, r.solved, r.format, caption, {}, reasons, shown));
    }
    html += "</table>" + reasons.html();
    if (!typedNote.isEmpty()) html += "<p>" + note(typedNote) + "</p>";
    html += "<p>" +
            note(QObject::tr("Classic: the sheets' formulas, the top load's capacitance as if it stood alone in "
                             "space. As it stands: a field solution of the coil with its top load, the floor and "
                             "the ceiling in place (see Help).")) +
            "</p>";
    return html;
}

} // namespace qv
