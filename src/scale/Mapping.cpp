#include "scale/Mapping.h"

#include "core/ControlState.h"
#include "tesmo/Error.h"

namespace tesmo {
namespace {

void Compute(ControlState& s, float scaleWidth, float scaleHeight, bool lenient) {
    MappingRecord& m = s.Mapping;
    m.OriginX = s.MinX;
    m.OriginY = s.MinY;
    m.SurfaceWidth = scaleWidth;
    m.SurfaceHeight = scaleHeight;
    m.PlotLeft = s.LeftScale;
    m.PlotTop = s.TopScale;
    m.LeftMargin = s.LeftScale;
    m.BottomMargin = s.BottomScale;
    m.PixelX = s.PixelX;
    m.PixelY = s.PixelY;
    // Without a right or bottom margin the frame line stays one pixel inside the surface.
    m.PlotRight = m.SurfaceWidth - s.RightScale;
    if (m.PlotRight == m.SurfaceWidth) m.PlotRight = m.SurfaceWidth - s.PixelX;
    m.PlotBottom = m.SurfaceHeight - s.BottomScale;
    if (m.PlotBottom == m.SurfaceHeight) m.PlotBottom = m.SurfaceHeight - s.PixelY;

    m.RangeX = s.MaxX - s.MinX;
    if (m.RangeX == 0 || (lenient && m.RangeX < 0)) m.RangeX = 1;
    if (m.RangeX < 0) throw Error(1028, "The property value of MinX is greater than MaxX");
    m.RangeY = s.MaxY - s.MinY;
    if (m.RangeY == 0 || (lenient && m.RangeY < 0)) m.RangeY = 1;
    if (m.RangeY < 0) throw Error(1029, "The property value of MinY is greater than MaxY");

    m.FactorX = (m.SurfaceWidth - s.LeftScale - s.RightScale) / m.RangeX;
    if (m.FactorX == 0) m.FactorX = 1;
    m.FactorY = (m.SurfaceHeight - s.TopScale - s.BottomScale) / m.RangeY;
    if (m.FactorY == 0) m.FactorY = 1;
}

}  // namespace

void ComputeMapping(ControlState& s, float scaleWidth, float scaleHeight) {
    Compute(s, scaleWidth, scaleHeight, false);
}

void ComputeMappingLenient(ControlState& s, float scaleWidth, float scaleHeight) {
    Compute(s, scaleWidth, scaleHeight, true);
}

}  // namespace tesmo
