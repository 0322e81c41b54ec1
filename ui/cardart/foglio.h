// A paint device of no size of its own, for engines that collect what is
// painted (a recording, a figure's outline) instead of pixels: QPainter asks
// it only for its engine and its metrics.
#pragma once

#include <QPaintDevice>
#include <QPaintEngine>

#include <climits>

namespace belvane::cardart {

class Foglio final : public QPaintDevice {
public:
    explicit Foglio(QPaintEngine &motore) : motore_(motore) {}
    QPaintEngine *paintEngine() const override { return &motore_; }

protected:
    int metric(PaintDeviceMetric metrica) const override
    {
        switch (metrica) {
        case PdmWidth:
        case PdmHeight:
        case PdmWidthMM:
        case PdmHeightMM:
            return INT_MAX / 4;
        case PdmNumColors:
            return INT_MAX;
        case PdmDepth:
            return 32;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
        }
        return 0;
    }

private:
    QPaintEngine &motore_;
};

} // namespace belvane::cardart
