#include "ui/tank/tank_figure_cells.h"

#include "core/format.h"
#include "core/input_rows.h"

#include <QGridLayout>
#include <QLabel>
#include <QObject>

#include <optional>
#include <string>
#include <string_view>

namespace qv {
namespace {

using tank::TankSection;

// The tap's classic figure shares the row of the tap as it stands, so the builder sees at a glance
// how far the sheets' formula is from the coil.
struct SideBySide {
    std::string_view asItStands;
    std::string_view classic;
    std::string_view caption; // of the pair
};
constexpr SideBySide kSideBySide[] = {{"tap_turns_asis", "tap_turns_classic", "Tap"}};

constexpr int kCaptionColumn = 0;
constexpr int kClassicColumn = 1;
constexpr int kValueColumn = 2;
constexpr Format kTurnsMovedFormat = "%1.2f";
// Figures read as a table, line under line: the whole window fits a 1366 x 768 screen.
constexpr int kFigureSpacingPixels = 1;

const tank::TankFigureRow& figureRow(std::string_view name)
{
    const tank::TankFigureRow* row = rowNamed(tank::kTankFigureRows, name);
    if (!row) throw std::logic_error("no tank figure " + std::string(name));
    return *row;
}

QString shown(const tank::TankFigures& figures, std::string_view name, LengthUnit unit)
{
    return QString::fromStdString(tank::shownFigure(figures, figureRow(name), unit));
}

bool hasValue(const tank::TankFigures& figures, std::string_view name) { return !isReason(figures, figureRow(name)); }

bool isClassicPartner(std::string_view name)
{
    for (const SideBySide& pair : kSideBySide)
        if (pair.classic == name) return true;
    return false;
}

const SideBySide* sideBySide(std::string_view asItStands)
{
    for (const SideBySide& pair : kSideBySide)
        if (pair.asItStands == asItStands) return &pair;
    return nullptr;
}

QLabel* cellLabel(const tank::TankFigureRow& row, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromUtf8(row.name.data(), static_cast<qsizetype>(row.name.size())));
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setWordWrap(true); // a reason or a verdict takes the lines it needs
    return label;
}

QLabel* captionLabel(std::string_view caption, QWidget* parent)
{
    return new QLabel(QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())), parent);
}

} // namespace

QString sectionTitle(TankSection section)
{
    switch (section) {
    case TankSection::Capacitor: return QObject::tr("The capacitor");
    case TankSection::Tap: return QObject::tr("The tap");
    case TankSection::Stresses: return QObject::tr("The stresses");
    case TankSection::Gaps: return QObject::tr("The gaps");
    case TankSection::Expect: return QObject::tr("What to expect");
    }
    return {};
}

QString sectionNote(TankSection section)
{
    switch (section) {
    case TankSection::Tap:
        return QObject::tr("Turns count from the inner end. Classic: the Primary Coil sheet's formula at its "
                           "frequency. As it stands: the primary's turns in the field solution, at the frequency "
                           "the coil rings at with its top load in place.");
    case TankSection::Stresses:
        return QObject::tr("The gap fires at the supply's peak; no losses, so the currents are upper bounds.");
    case TankSection::Gaps:
        return QObject::tr("Where a gap in dry air at 20 C and 1013 hPa actually fires, between broad smooth "
                           "electrodes. The Spark Gap sheet's 8400 V per inch (331 V per mm) is a much wider "
                           "rule: set the gaps from these figures and open them slowly until they fire reliably.");
    case TankSection::Expect:
        return QObject::tr("Without losses: the top load's voltage is an upper bound, the real one well below it.");
    case TankSection::Capacitor: break;
    }
    return {};
}

void addFigureRows(TankSection section, QGridLayout* grid, QWidget* parent, std::vector<FigureCell>& cells)
{
    grid->setVerticalSpacing(kFigureSpacingPixels);
    int row = grid->rowCount();
    if (section == TankSection::Tap) {
        grid->addWidget(new QLabel(QObject::tr("<b>Classic</b>"), parent), row, kClassicColumn, Qt::AlignRight);
        grid->addWidget(new QLabel(QObject::tr("<b>As it stands</b>"), parent), row, kValueColumn, Qt::AlignRight);
        ++row;
    }
    for (const tank::TankFigureRow& figure : tank::kTankFigureRows) {
        if (figure.section != section || isClassicPartner(figure.name)) continue;
        const SideBySide* pair = sideBySide(figure.name);
        grid->addWidget(captionLabel(pair ? pair->caption : figure.caption, parent), row, kCaptionColumn, Qt::AlignTop);
        auto* value = cellLabel(figure, parent);
        value->setAlignment(Qt::AlignRight | Qt::AlignTop);
        grid->addWidget(value, row, kValueColumn);
        cells.push_back({&figure, value});
        if (pair) {
            const tank::TankFigureRow& classic = figureRow(pair->classic);
            auto* classicValue = cellLabel(classic, parent);
            classicValue->setAlignment(Qt::AlignRight | Qt::AlignTop);
            grid->addWidget(classicValue, row, kClassicColumn);
            cells.push_back({&classic, classicValue});
        }
        ++row;
    }
    // The figures take the room the captions leave, so a reason wraps into few lines.
    grid->setColumnStretch(kValueColumn, 1);
    if (section == TankSection::Tap) grid->setColumnStretch(kClassicColumn, 1);
}

QString cellText(const tank::TankFigures& figures, const tank::TankFigureRow& row, LengthUnit unit)
{
    return QString::fromStdString(tank::shownFigure(figures, row, unit));
}

bool isReason(const tank::TankFigures& figures, const tank::TankFigureRow& row)
{
    return row.figure && !(figures.*row.figure).value;
}

QString capacitorSummary(const tank::TankFigures& figures, const TankInputs& inputs, LengthUnit unit)
{
    if (inputs.capacitorUf > 0)
        return QObject::tr("The tank is the capacitor you have, %1. The bank's figures show what would make the "
                           "size wanted.")
            .arg(shown(figures, "tank_uf", unit));
    if (!hasValue(figures, "mmc_count")) return QObject::tr("No bank: %1").arg(shown(figures, "mmc_count", unit));
    return QObject::tr("Build the bank: %1 capacitors, %2 strings of %3 in series. It makes %4, rated %5 DC.")
        .arg(shown(figures, "mmc_count", unit), shown(figures, "mmc_parallel", unit), shown(figures, "mmc_series", unit),
             shown(figures, "mmc_uf", unit), shown(figures, "mmc_vdc", unit));
}

QString tapSummary(const tank::TankFigures& figures, LengthUnit unit)
{
    if (!hasValue(figures, "tap_turns_asis")) return QObject::tr("No tap tunes: %1").arg(shown(figures, "tap_turns_asis", unit));
    QString text = QObject::tr("Tap the primary %1 from its inner end, %2 of wire along it.")
                       .arg(shown(figures, "tap_turns_asis", unit), shown(figures, "tap_wire_ft", unit));
    // Streamers lower the frequency and move the tap out; without them the two taps are one.
    const std::optional<double> asItStands = figures.tapTurnsAsIs.value;
    const std::optional<double> withStreamers = figures.tapTurnsStreamer.value;
    if (withStreamers && shown(figures, "tap_turns_streamer", unit) != shown(figures, "tap_turns_asis", unit))
        text += QObject::tr(" Streamers move it to %1 (%2 turns further out).")
                    .arg(shown(figures, "tap_turns_streamer", unit),
                         QString::fromStdString(formatField(*withStreamers - *asItStands, kTurnsMovedFormat)).trimmed());
    return text;
}

} // namespace qv
