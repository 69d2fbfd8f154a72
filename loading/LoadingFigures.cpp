#include "loading/LoadingFigures.h"

#include <cmath>

#include "common/CheckedMath.h"
#include "masscalc/MassFormulas.h"

namespace tesmarik {

BodyFill FillOfBody(std::optional<VehicleKind> vehicle, VolumeSource volume, double diameter,
                    double wall) {
    BodyFill body;
    body.byVolume = ByVolumeCount(vehicle, volume, diameter);
    body.tonnesPerMetre = LoadingTonnesPerMetre(diameter, wall);
    return body;
}

VehicleLoad LoadOfVehicle(const BodyFill& body, double l, double c) {
    VehicleLoad out;
    out.body = body;
    out.length = l;
    const double nv = body.byVolume;
    const double m = body.tonnesPerMetre;
    out.pieces = std::trunc(nv);
    out.lenV = Multiply(l, nv);
    out.massV = Multiply(Multiply(nv, m), l);

    // Heavier than the vehicle may carry: as many pipes as the capacity allows.
    out.capacityCase = out.massV > c;
    if (out.capacityCase) {
        out.nCap = std::trunc(Divide(c, Multiply(l, m)));
        out.massCap = Multiply(Multiply(l, m), out.nCap);
        out.lenCap = Multiply(l, out.nCap);
        out.pieces = out.nCap;
    }
    return out;
}

LoadingFigures FiguresOf(const VehicleLoad& load, QuantityBasis basis, double q) {
    LoadingFigures out;
    const double nv = load.body.byVolume;
    const double m = load.body.tonnesPerMetre;
    const double l = load.length;
    const double n = load.pieces;
    out.capacityCase = load.capacityCase;
    out.nCap = load.nCap;
    double massCap = load.massCap;
    double lenCap = load.lenCap;

    out.withBasis = basis != QuantityBasis::None;
    double totMass = 0;
    double totLen = 0;
    double totCnt = 0;
    double pipes = 0;
    double fullLen = 0;
    if (out.withBasis) {
        if (basis == QuantityBasis::Mass) {
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

    out.massV = RoundHalfUp(load.massV, 1);
    out.lenV = RoundHalfUp(load.lenV, 0);
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

VehicleLoad LoadOfVehicle(const LoadingQuery& q) {
    return LoadOfVehicle(FillOfBody(q.vehicle, q.volume, q.diameter, q.wall), q.length, q.capacity);
}

LoadingFigures ComputeLoading(const LoadingQuery& q) {
    return FiguresOf(LoadOfVehicle(q), q.basis, q.quantity);
}

}  // namespace tesmarik
