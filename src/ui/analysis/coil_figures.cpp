#include "ui/analysis/coil_figures.h"

#include "core/calculator.h"
#include "core/format.h"
#include "core/length_unit.h"

#include <cmath>

namespace qv {
namespace {

constexpr double kMicrohenriesPerMillihenry = 1000;

struct ComparedRow {
    const char* caption;
    const char* unit;
    double (*classic)(const Calculator&);
    field::Figure field::Analysis::*solved;
    Format format;
};

// The classic figures are the sheets': Wheeler's inductance, Medhurst's self-capacitance, the top
// load's capacitance as if alone in space (as the Secondary Coil sheet uses it), Wheeler's primary.
const ComparedRow kComparedRows[kComparedFigureCount] = {
    {"Secondary inductance", "mH", [](const Calculator& c) { return c.secondary.inductanceMh; },
     &field::Analysis::secondaryInductanceMh, "%1.3f"},
    {"Self-capacitance", "pF", [](const Calculator& c) { return c.secondary.selfCapacitancePf; },
     &field::Analysis::selfCapacitancePf, "%1.2f"},
    {"Top-load capacitance", "pF", [](const Calculator& c) { return c.design.topLoadPf; },
     &field::Analysis::topLoadInPlacePf, "%1.2f"},
    {"Frequency without top load", "kHz", [](const Calculator& c) { return c.secondary.frequencyKhz; },
     &field::Analysis::bareFrequencyKhz, "%1.2f"},
    {"Frequency with top load", "kHz", [](const Calculator& c) { return c.secondary.loadedFrequencyKhz; },
     &field::Analysis::loadedFrequencyKhz, "%1.2f"},
    {"Primary inductance", "uH",
     [](const Calculator& c) { return c.primary.inductanceMh * kMicrohenriesPerMillihenry; },
     &field::Analysis::primaryInductanceUh, "%1.2f"},
    {"Tank capacitance to tune", "uF", [](const Calculator& c) { return c.primary.requiredCapacitanceUf; },
     &field::Analysis::tankCapacitanceUf, "%1.5f"},
};

struct SolvedRow {
    const char* caption;
    const char* unit;
    field::Figure field::Analysis::*solved;
    Format format;
    LengthQuantity quantity = LengthQuantity::None; // a length follows the calculator's unit
};

const SolvedRow kSolvedRows[] = {
    {"Coupling coefficient k", "", &field::Analysis::coupling, "%1.4f"},
    {"Mutual inductance", "uH", &field::Analysis::mutualInductanceUh, "%1.3f"},
    {"Frequency with streamers", "kHz", &field::Analysis::streamerFrequencyKhz, "%1.2f"},
    {"Tank capacitance with streamers", "uF", &field::Analysis::streamerTankCapacitanceUf, "%1.5f"},
    {"3/4-wave mode without top load", "kHz", &field::Analysis::bareThreeQuarterKhz, "%1.2f"},
    {"5/4-wave mode without top load", "kHz", &field::Analysis::bareFiveQuarterKhz, "%1.2f"},
    {"Primary height for the target k", "in", &field::Analysis::primaryHeightForTargetKInches, "%1.2f",
     LengthQuantity::LengthInches},
};

QString note(const QString& text) { return "<span style='color:#707070'>" + text.toHtmlEscaped() + "</span>"; }

QString number(double value, Format format) { return QString::fromStdString(formatField(value, format)); }

QString classicCell(double value, Format format)
{
    return std::isfinite(value) ? number(value, format) : note(QObject::tr("no value on the sheets"));
}

// A length is shown in the calculator's unit; other figures as they are.
struct Shown {
    LengthQuantity quantity = LengthQuantity::None;
    LengthUnit unit = LengthUnit::Inches;
};

QString solvedCell(const field::Analysis* analysis, field::Figure field::Analysis::*solved, Format format,
                   Shown shown = {})
{
    if (!analysis) return note(QObject::tr("solving..."));
    const field::Figure& figure = analysis->*solved;
    if (figure.value && std::isfinite(*figure.value))
        return number(shownValue(*figure.value, shown.quantity, shown.unit), format);
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
    for (std::size_t i = 0; i < kComparedFigureCount; ++i) figures[i] = kComparedRows[i].classic(calc);
    return figures;
}

QString figuresHtml(const ClassicFigures& classic, const field::Analysis* analysis, LengthUnit unit)
{
    QString html = "<table cellspacing='0' cellpadding='3'>";
    html += "<tr><th></th><th></th><th align='right' style='white-space:nowrap'>" + QObject::tr("Classic figure") +
            "</th><th align='right' style='white-space:nowrap'>" + QObject::tr("Coil as it stands") + "</th></tr>";
    for (std::size_t i = 0; i < kComparedFigureCount; ++i) {
        const ComparedRow& r = kComparedRows[i];
        html += row(QObject::tr(r.caption), r.unit, classicCell(classic[i], r.format),
                    solvedCell(analysis, r.solved, r.format));
    }
    html += "<tr><th align='left' colspan='4'><br>" + QObject::tr("From the field solution only") + "</th></tr>";
    for (const SolvedRow& r : kSolvedRows) {
        const QString unitText = r.quantity == LengthQuantity::None ? QString(r.unit)
                                                               : QString::fromLatin1(unitCaption(r.quantity, unit));
        html += row(QObject::tr(r.caption), unitText, QString(),
                    solvedCell(analysis, r.solved, r.format, {r.quantity, unit}));
    }
    html += "</table><p>" +
            note(QObject::tr("Classic: the sheets' formulas, the top load's capacitance as if it stood alone in "
                             "space. As it stands: a field solution of the coil with its top load, the floor and "
                             "the ceiling in place (see Help).")) +
            "</p>";
    return html;
}

} // namespace qv
