#pragma once
// The coil as it stands: a field solution of the secondary with its top load, floor and optional
// ceiling, and of the primary's coupling to it, beside the sheets' classic figures. SI units inside;
// the program's inches are converted once, in coilModel().

#include "core/design.h"
#include "core/length_unit.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qv::field {

enum class TopLoadShape : std::uint8_t { None, Toroid, Sphere };

// The coil and its surroundings in metres, as the engine reads them.
struct CoilModel {
    // Secondary: a current sheet of radius a from height b above the floor to b + h, N turns.
    double secondaryRadiusM = 0;
    double secondaryBottomM = 0;
    double secondaryHeightM = 0;
    double secondaryTurns = 0;
    // Top load, centred on the axis, its lowest point clearanceM above the winding's top.
    TopLoadShape topLoad = TopLoadShape::None;
    double tubeDiameterM = 0;   // torus tube diameter Dt
    double ringDiameterM = 0;   // torus tube centre to tube centre Dtc
    double sphereRadiusM = 0;
    double clearanceM = 0;
    std::optional<double> ceilingM; // a grounded plane at this height, or none
    // Primary turns as rings, the innermost at primaryHeightM above the winding's bottom.
    double primaryInsideDiameterM = 0;
    double primaryWireDiameterM = 0;
    double primarySpacingM = 0;
    double primaryTurns = 0;
    double primaryAngleRadians = 0; // 0 flat, pi/2 a helix
    double primaryHeightM = 0;
    double streamerLengthM = 0;
    double targetK = 0;
    LengthUnit reasonUnit = LengthUnit::Inches; // a reason quotes a length in the calculator's unit
    // Every member counts: the window asks for a new solution when any of them changed.
    bool operator==(const CoilModel&) const = default;
};

// The shape follows the Topload C sheet's choice; no top load when it is not placed on the coil.
CoilModel coilModel(const Design& design, TopLoadShape shape);

// How finely the surfaces and the winding are cut; the defaults are within 0.1 % of converged.
struct Discretisation {
    int windingPanels = 40;
    int torusPanels = 32;
    int spherePanels = 40;
    int windingSegments = 20;
};

// A figure with no value carries the reason instead (the window marks the field, never shows NaN).
struct Figure {
    std::optional<double> value;
    std::string reason; // empty when value is set
};

struct Analysis {
    Figure secondaryInductanceMh;   // ls_mh, Nagaoka's current sheet
    Figure bareFrequencyKhz;        // f0_khz, quarter wave without the top load
    Figure bareThreeQuarterKhz;     // f0_3_khz
    Figure bareFiveQuarterKhz;      // f0_5_khz
    Figure selfCapacitancePf;       // cself_pf
    Figure loadedFrequencyKhz;      // f1_khz, top load in place
    Figure topLoadInPlacePf;        // ctop_pf
    Figure streamerFrequencyKhz;    // f1_streamer_khz
    Figure primaryInductanceUh;     // lp_uh
    Figure mutualInductanceUh;      // m_uh
    Figure coupling;                // k
    Figure primaryHeightForTargetKInches; // primary_for_targetk_in
    Figure tankCapacitanceUf;       // cp_uf
    Figure streamerTankCapacitanceUf; // cp_streamer_uf
    std::string status = "ok";      // "ok", or why the solution as a whole has no value
    bool ok() const { return status == "ok"; }
};

Analysis analyse(const CoilModel& model, const Discretisation& cuts = {});

// For the drawing: the potential of the loaded quarter-wave mode (top load at 1) on a grid of the
// (r, z) half-plane, and the mode's voltage along the winding from bottom to top.
struct PotentialMap {
    double rMaxM = 0;
    double zMaxM = 0;
    int columns = 0; // r from 0 to rMaxM
    int rows = 0;    // z from 0 to zMaxM
    std::vector<double> potential; // rows x columns, row-major from the floor up; NaN inside conductors
    std::vector<double> windingVoltage; // at the segment nodes, bottom (0) to top
    std::string status = "ok";
};

PotentialMap loadedPotential(const CoilModel& model, double rMaxM, double zMaxM, int columns, int rows,
                             const Discretisation& cuts = {});

// The primary's turns as rings (for the drawing and the tests).
struct Ring {
    double radiusM;
    double heightM;
    double weight; // 1, the last turn its fraction
};
std::vector<Ring> primaryRings(const CoilModel& model);

} // namespace qv::field
