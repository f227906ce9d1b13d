#pragma once

namespace tesmo {

// The world-to-surface mapping of the chart, as last computed. Surface y grows downwards,
// world y upwards. The forward and inverse formulas live here and nowhere else.
struct MappingRecord {
    float FactorX = 1.0f;
    float FactorY = 1.0f;
    float OriginX = 0.0f;
    float OriginY = 0.0f;
    float PlotLeft = 0.0f;
    float PlotTop = 0.0f;
    float PlotRight = 0.0f;
    float PlotBottom = 0.0f;
    float SurfaceWidth = 0.0f;
    float SurfaceHeight = 0.0f;
    float RangeX = 1.0f;
    float RangeY = 1.0f;
    float PixelX = 15.0f;
    float PixelY = 15.0f;
    // The left and bottom margins the mapping was computed with.
    float LeftMargin = 0.0f;
    float BottomMargin = 0.0f;

    bool operator==(const MappingRecord&) const = default;

    double toSurfaceX(double x) const { return (x - OriginX) * FactorX + LeftMargin; }
    double toSurfaceY(double y) const { return SurfaceHeight - ((y - OriginY) * FactorY + BottomMargin); }
    double toWorldX(double sx) const { return (sx - LeftMargin) / FactorX + OriginX; }
    double toWorldY(double sy) const { return (SurfaceHeight - sy - BottomMargin) / FactorY + OriginY; }
};

}  // namespace tesmo
