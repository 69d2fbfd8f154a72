#include "loading/LoadingFigures.h"

#include <cmath>

#include "common/CheckedMath.h"
#include "common/Numbers.h"
#include "masscalc/MassFormulas.h"

namespace tesmarik {

LoadingFigures ComputeLoading(const LoadingInputs& in, const LoadingState& state) {
    LoadingFigures out;

    const double d = ReadNumber(in.diameter);
    const double s = ReadNumber(in.wall);
    const double nv = ByVolumeCount(state, d);
    double n = std::trunc(nv);
    const double m = LoadingTonnesPerMetre(d, s);
    const double l = ReadNumber(in.length);
    const double c = ReadNumber(in.capacity);

    double lenV = Multiply(l, nv);
    double massV = Multiply(Multiply(nv, m), l);

    // Heavier than the vehicle may carry: as many pipes as the capacity allows.
    out.capacityCase = massV > c;
    double massCap = 0;
    double lenCap = 0;
    if (out.capacityCase) {
        out.nCap = std::trunc(Divide(c, Multiply(l, m)));
        massCap = Multiply(Multiply(l, m), out.nCap);
        lenCap = Multiply(l, out.nCap);
        n = out.nCap;
    }

    out.withBasis = state.quantityBasis != kBasisNone;
    double totMass = 0;
    double totLen = 0;
    double totCnt = 0;
    double pipes = 0;
    double fullLen = 0;
    if (out.withBasis) {
        const double q = ReadNumber(in.quantity);
        if (state.quantityBasis == kBasisMass) {
            totMass = q;
            totLen = Divide(q, m);
        } else {
            totLen = q;
            totMass = Multiply(q, m);
        }
        totCnt = Divide(totLen, l);
        const double veh = Divide(totCnt, n);
        // The consignment is so many whole pipes; they decide the vehicles it fills.
        pipes = WholePart(totCnt);
        const double filled = Divide(pipes, n);
        out.full = WholePart(filled);
        out.fullCnt = Multiply(out.full, n);
        out.fullMass = Multiply(Multiply(out.fullCnt, m), l);
        fullLen = Divide(out.fullMass, m);
        if (out.capacityCase) {
            lenCap = RoundHalfUp(lenCap, 0);
            massCap = RoundHalfUp(massCap, 1);
        }
        if (pipes > 0 && filled == out.full) {
            // Whole vehicles exactly: the last one is the last full one, not an empty
            // extra vehicle.
            out.totalVeh = out.full;
            out.pct = 100;
            out.rem = n;
        } else if (pipes == 0 && veh >= 0) {
            // Not one whole pipe: nothing to carry, no vehicle.
            out.totalVeh = 0;
        } else {
            out.pct = RoundHalfUp(Multiply(Subtract(veh, out.full), 100), 0);
            out.rem = RoundHalfUp(Subtract(totCnt, out.fullCnt), 0);
            // A negative consignment needs no vehicle.
            out.totalVeh = veh < out.full ? 0 : Add(out.full, 1);
        }
        // The last vehicle carries its pipes at the average length.
        out.lastLen = RoundHalfUp(Multiply(out.rem, l), 2);
        out.lastMass = RoundHalfUp(Multiply(Multiply(out.rem, m), l), 3);
    }

    out.massV = RoundHalfUp(massV, 1);
    out.lenV = RoundHalfUp(lenV, 0);
    out.byVolumeShown = RoundHalfUp(nv, 0);
    if (out.capacityCase) {
        out.massCap = RoundHalfUp(massCap, 3);
        out.lenCap = lenCap;
    }
    out.totLen = RoundHalfUp(totLen, 2);
    out.totMass = RoundHalfUp(totMass, 3);
    out.totCnt = pipes;
    out.fullLen = RoundHalfUp(fullLen, 0);
    return out;
}

}  // namespace tesmarik
