#pragma once
// The design variables: one stored value per design quantity, named by meaning and unit, with the
// field that shows it beside each. The defaults here are the start design; derived defaults
// (turns per inch, break rate, gap width, trigger voltage) are set when the form is created.

#include <array>
#include <cstdint>

namespace qv {

// Where the coil stands, in inches like every length of the program (the target k is plain).
struct Surroundings {
    double baseHeightInches = 10;   // the winding's bottom above the floor
    double clearanceInches = 0;     // the winding's top to the top load's lowest point (0: resting on it)
    double primaryHeightInches = 0; // the primary's innermost turn above the winding's bottom
    double ceilingHeightInches = 0; // a grounded ceiling above the floor; 0 means none
    double streamerLengthInches = 0; // the expected streamer length
    double targetK = 0.15;          // the coupling the primary height is sought for
    bool operator==(const Surroundings&) const = default;
};

// The Tank Circuit's inputs: the capacitor the builder has or the bank to build, the primary's
// leads, and the ratings and settings the stresses and gaps are checked against.
struct TankInputs {
    double capacitorUf = 0;            // the tank capacitor the builder has; 0 builds it from the bank
    double leadLengthInches = 36;      // both leads together, capacitor and gap to the primary
    double leadDiameterInches = 0.25;
    double tankToResonantRatio = 1;    // LTR: tank size over the transformer's resonant size
    double partUf = 0.15;              // one capacitor of the bank
    double partVoltsDc = 2000;         // its DC rating
    double partPeakAmps = 0;           // its ratings; 0 is not given and not checked
    double partRmsAmps = 0;
    double partVoltsPerUs = 0;
    double ratingMargin = 2;           // the bank's DC rating over the supply's peak voltage
    double bleederMegohms = 10;        // across each capacitor of the bank
    double quenchNotch = 1;            // the gap quenches at this energy-transfer notch, a whole number
    double safetyGapFactor = 1.5;      // the safety gap fires at this multiple of the supply's peak
    bool operator==(const TankInputs&) const = default;
};

struct Design {
    // Trans/Cap Match
    double outputVolts = 4000;          // TCEdit1
    double ratedAmps = 1.0;             // TCEdit2
    double lineFrequencyHz = 60;        // TCEdit3
    double inputVolts = 250;            // TCEdit6
    double pfcRatingPercent = 75;       // TCEdit7
    // Topload C
    double tubeDiameterInches = 3.0;    // TOCEdit1 (the radius for a sphere)
    double toroidDiameterInches = 22.0; // TOCEdit2, tube centre to tube centre
    // Primary Coil
    double primaryInsideDiameterInches = 11.0; // PREdit1
    double primaryWireDiameterInches = 0.23;   // PREdit2
    double primarySpacingInches = 0.2;         // PREdit3
    double primaryTurns = 5.4;                 // PREdit4
    double primaryAngleDegrees = 30;           // PREdit12
    // Secondary Coil
    double secondaryDiameterInches = 6.89;     // SEEdit1
    double secondaryLengthInches = 50;         // SEEdit2
    std::int32_t secondaryGauge = 22;          // SEEdit3
    double turnsPerInch = 0;                   // SEEdit4
    double topLoadPf = 23.35;                  // SEEdit14
    // Spark Gap
    double breakRateHz = 0;                    // SGEdit1
    std::int32_t gapCount = 1;                 // SGEdit2
    double electrodeThicknessInches = 0.25;    // SGEdit3
    double rotorRadiusInches = 2.13;           // SGEdit4
    std::int32_t presentations = 16;           // SGEdit5, per revolution
    double gapWidthInches = 0;                 // SGEdit6
    std::int32_t motorRpm = 1800;              // SGEdit7
    double triggerVolts = 0;                   // SGEdit8
    // Coil Analysis: the surroundings the sheets do not hold, saved with the design after the
    // sheets' records.
    Surroundings surroundings;
    // Tank Circuit: saved after the surroundings.
    TankInputs tank;
};

// Bare wire diameters in inches of the gauges 1 to 40.
inline constexpr std::array<double, 40> kWireGaugeDiametersInches{
    0.2893, 0.2576, 0.2294, 0.2043, 0.1819, 0.162,  0.1443, 0.1285,  0.1144, 0.1019,
    0.0907, 0.0808, 0.072,  0.0641, 0.0571, 0.05082, 0.0453, 0.0403, 0.0359, 0.03196,
    0.0285, 0.02535, 0.0226, 0.0201, 0.0179, 0.01594, 0.0142, 0.01264, 0.0113, 0.01003,
    0.0089, 0.00795, 0.0071, 0.006305, 0.0056, 0.005, 0.0045, 0.003965, 0.0035, 0.003145};
inline constexpr std::int32_t kSmallestGauge = 1;
inline constexpr std::int32_t kLargestGauge = 40;

// The diameter of a gauge from 1 to 40.
inline double wireDiameterInches(std::int32_t gauge)
{
    return kWireGaugeDiametersInches[static_cast<std::size_t>(gauge - kSmallestGauge)];
}

// Close winding: 95 % of the turns a bare wire would give per inch.
inline constexpr double kWindingFillFactor = 0.95;
inline double turnsPerInchForGauge(std::int32_t gauge) { return kWindingFillFactor / wireDiameterInches(gauge); }

// Results of the stages that later stages, the Reference list or the netlists read.
struct TopLoadResults {
    double overallDiameterInches = 0; // Dt + Dtc
    double bertPoolPf = 0;            // TOCEdit3 (the sphere's capacitance for a sphere)
    double rzeszotarskiPf = 0;        // TOCEdit4
};

struct SecondaryResults {
    double radiusInches = 0;         // SEEdit6
    double turns = 0;                // SEEdit17
    double inductanceMh = 0;         // SEEdit5
    double circumferenceInches = 0;  // SEEdit7
    double medhurstK = 0;            // SEEdit10
    double selfCapacitancePf = 0;    // SEEdit11
    double totalCapacitancePf = 0;   // self-capacitance plus top load
    double frequencyKhz = 0;         // SEEdit12, bare secondary
    double loadedFrequencyKhz = 0;   // SEEdit13, with the top load
    double quarterWaveFeet = 0;      // SEEdit15
    double loadedQuarterWaveFeet = 0; // SEEdit16
    // The zero check failed at the last run of the stage; its message is shown when the
    // condition starts, not at every pass while it holds.
    bool zeroCheckFailing = false;
};

struct PrimaryResults {
    double inductanceMh = 0;            // PREdit5
    double requiredCapacitanceUf = 0;   // PREdit13
    double wireLengthInches = 0;        // PREdit8 shows it in feet
};

} // namespace qv
