#include "io/report.h"

#include "core/calculator.h"
#include "core/form.h"
#include "core/input_fields.h"
#include "core/length_unit.h"
#include "io/report_coil_section.h"
#include "io/report_tank_section.h"

#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <string_view>

namespace qv {
namespace {

// One piece of a report line: a fixed text, the text a field shows, the unit a field shows its
// length in, a label that names the unit of the session, or the design file name.
struct Piece {
    enum class Kind : std::uint8_t { Text, Field, Unit, UnitLabel, DesignFileName };
    Kind kind;
    std::string_view text;
    FieldId field{};
    std::string_view metricText{};

    constexpr Piece(const char* fixedText) : kind(Kind::Text), text(fixedText) {} // NOLINT: table reads as text
    constexpr Piece(FieldId id) : kind(Kind::Field), field(id) {}                 // NOLINT: table reads as field names
    constexpr explicit Piece(Kind k) : kind(k) {}
    constexpr Piece(Kind k, FieldId id) : kind(k), field(id) {}
    constexpr Piece(const char* inchText, const char* metricLabel)
        : kind(Kind::UnitLabel), text(inchText), metricText(metricLabel)
    {
    }
};

const Piece kFileName{Piece::Kind::DesignFileName};
constexpr Piece unitOf(FieldId id) { return {Piece::Kind::Unit, id}; }

// The sections after the scratch pad, in the order they are printed.
using ReportSection = std::vector<std::string> (*)(const Calculator& calc);
constexpr ReportSection kSectionsAfterScratchPad[] = {coilAsItStandsLines, tankCircuitLines};

// Line 40 closes with 38 blanks where the other secondary lines hold a second column.
constexpr const char* kThirtyEightBlanks = "                                      ";

std::string joined(const Calculator& calc, std::initializer_list<Piece> pieces)
{
    std::string line;
    for (const Piece& piece : pieces) {
        switch (piece.kind) {
        case Piece::Kind::Text: line += piece.text; break;
        case Piece::Kind::Field: line += calc.form.field(piece.field).text; break;
        case Piece::Kind::Unit: line += unitCaption(metricOf(piece.field).quantity, calc.lengthUnit); break;
        case Piece::Kind::UnitLabel:
            line += calc.lengthUnit == LengthUnit::Inches ? piece.text : piece.metricText;
            break;
        case Piece::Kind::DesignFileName: line += calc.designFileName; break;
        }
    }
    return line;
}

} // namespace

std::vector<std::string> scratchPadLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        const std::size_t stop = end == std::string::npos ? text.size() : end;
        std::string line = text.substr(start, stop - start);
        // A pad loaded from a CR LF file may still carry the CR; it would print as a stray glyph.
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        start = stop + 1;
    }
    return lines;
}

std::vector<std::string> reportLines(const Calculator& calc)
{
    using enum FieldId;
    const auto line = [&calc](std::initializer_list<Piece> pieces) { return joined(calc, pieces); };
    std::vector<std::string> lines = {
        "",
        "Quorvane",
        line({"File:", kFileName}),
        "",
        "Your Tesla Coil Design Has The Following Parameters:",
        "",
        "",
        "Primary Transformer",
        "",
        line({"Input Voltage", TCEdit6, "VAC"}),
        line({"Output Voltage", TCEdit1, "VAC"}),
        line({"Output Current", TCEdit2, "Amps"}),
        line({"Input Frequency", TCEdit3, "Hz"}),
        line({"Capacitance for Transformer Z Match", TCEdit4, "uf"}),
        line({"PFC Capacitance", TCEdit5, "uf"}),
        "",
        "",
        "",
        "",
        "",
        "Primary Design",
        "",
        "",
        line({"Inside Diameter ", PREdit1, unitOf(PREdit1), "       Average Radius            ", PREdit6, unitOf(PREdit6)}),
        line({"Wire Diameter    ", PREdit2, unitOf(PREdit2), "     Total Diameter           ", PREdit7, unitOf(PREdit7)}),
        line({"Wire Spacing     ", PREdit3, unitOf(PREdit3), "     Wire Length              ", PREdit8, unitOf(PREdit8)}),
        line({"Total Turns     ", PREdit4, "         Secondary Res Freq      ", PREdit9, "khz"}),
        line({"Inductance      ", PREdit5, "mh    Primary Cap to Res       ", PREdit13, "uf"}),
        line({"Angle of Windings", PREdit12, "degrees"}),
        "",
        "",
        "Secondary Design",
        "",
        "",
        line({"Diameter         ", SEEdit1, unitOf(SEEdit1), "      Radius                 ", SEEdit6, unitOf(SEEdit6)}),
        line({"Length          ", SEEdit2, unitOf(SEEdit2), "      Circumference          ", SEEdit7, unitOf(SEEdit7)}),
        line({"Gauge         ", SEEdit3, "           Wire Length            ", SEEdit8, unitOf(SEEdit8)}),
        line({"1/4 Wave Length (without top load C)                ", SEEdit15, unitOf(SEEdit15)}),
        line({{"Turns/Inch      ", "Turns/cm        "}, SEEdit4, "        H/D Aspect             ", SEEdit9}),
        line({"Total Turns     ", SEEdit17, kThirtyEightBlanks}),
        line({"Inductance    ", SEEdit5, "mh      Res Freq               ", SEEdit12, "khz"}),
        line({"Medhurst_K    ", SEEdit10, "        Res Freq W/ Toroid     ", SEEdit13, "khz"}),
        line({"Self_C        ", SEEdit11, "pf"}),
        line({"Top Load C    ", SEEdit14, "pf      1/4 Wave Length        ", SEEdit16, unitOf(SEEdit16)}),
        "",
        "",
        "Scratch Pad Memo Output:",
        "",
    };
    for (std::string& padLine : scratchPadLines(calc.scratchPad)) lines.push_back(std::move(padLine));
    return lines;
}

std::vector<std::string> printedReportLines(const Calculator& calc)
{
    std::vector<std::string> lines = reportLines(calc);
    for (const ReportSection section : kSectionsAfterScratchPad) {
        std::vector<std::string> sectionLines = section(calc);
        lines.insert(lines.end(), std::make_move_iterator(sectionLines.begin()),
                     std::make_move_iterator(sectionLines.end()));
    }
    return lines;
}

} // namespace qv
