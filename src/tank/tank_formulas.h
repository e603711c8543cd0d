#pragma once
// The tank circuit's formulas, one per figure, each on plain numbers: SI units inside (V, A, F, H,
// Hz, s, m), inches and microfarads only where a builder's unit is named in the function.

namespace qv::tank {

// The supply transformer's peak voltage: sqrt(2) times its RMS rating.
double supplyPeakVolts(double rmsVolts);

// The bank of small capacitors: Ns = ceil(rated / part) in series so the string holds the rating,
// Np = max(1, round(target Ns / part)) strings side by side to come nearest the target.
double bankSeriesCount(double ratedVolts, double partVoltsDc);
double bankStringCount(double targetUf, double seriesCount, double partUf);
double bankUf(double stringCount, double seriesCount, double partUf);

// A straight round wire at high frequency (the current on its surface):
// L = 2e-7 l (ln(2 l / r) - 1) H, l and r in metres. A lead too short for the formula (2 l / r
// below e) counts as no inductance rather than a negative one.
double leadInductanceUh(double lengthInches, double diameterInches);

// The inductance that tunes with capacitance c to frequency f: 1 / ((2 pi f)^2 c).
double tuningInductanceH(double frequencyHz, double capacitanceF);

// One bang: the tank charged to the supply's peak, E = C V^2 / 2.
double bangEnergyJ(double capacitanceF, double peakVolts);
// The first peak of the ringing tank: V sqrt(C / L); its surge impedance sqrt(L / C).
double peakCurrentA(double peakVolts, double capacitanceF, double inductanceH);
double surgeImpedanceOhm(double inductanceH, double capacitanceF);

// A lossless coupled pair tuned alike: the primary's envelope |cos(pi k f t)| first reaches zero
// after 1 / (2 k f).
double notchSeconds(double coupling, double frequencyHz);
// The RMS of the primary current when the gap quenches at the given notch: the mean of
// (cos(pi k f t) sin(2 pi f t))^2 over whole notch periods is 1/4, and each bang rings for
// 2 notch - 1 notch times; I = Ipk sqrt(BPS (2 notch - 1) t_notch / 4).
double rmsCurrentA(double peakAmps, double breakRateHz, double quenchNotch, double notchS);

// dv/dt of one capacitor carrying its string's peak current: I / C, in V/us.
double voltsPerUs(double peakAmps, double capacitanceF);

// Time for a bleeder across each capacitor to bring the bank from the supply's peak to a safe
// 50 V: R C ln(Vpk / 50); none needed (0) when the peak is already at or below it.
double bleederSeconds(double resistanceOhm, double capacitanceF, double peakVolts);
// Each bleeder's dissipation with its capacitor's share of the peak across it.
double bleederWatts(double peakVolts, double seriesCount, double resistanceOhm);

// The gap in air that breaks down at this voltage: the uniform-field breakdown of air at 20 C and
// 1013 hPa, V = 24.22 d + 6.08 sqrt(d) kV with d in cm, solved for d.
double breakdownGapInches(double volts);

// The top load's voltage if the whole bang reached the secondary (an upper bound):
// Vpk sqrt(C / Csec), Csec = 1 / ((2 pi f)^2 Ls).
double topVolts(double peakVolts, double capacitanceF, double frequencyHz, double secondaryH);

} // namespace qv::tank
