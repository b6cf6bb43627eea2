// The palette's contrast work in a weighted colour space: a colour is a point whose
// axes run to 195 (red), 390 (green) and 65 (blue), so that distances follow how bright
// the channels look. Intermediate results are single precision.
#include "ui/commandbars/UISystemPalette.h"

#include <algorithm>
#include <cmath>

namespace {

const float kAxisMax[3] = {195.0f, 390.0f, 65.0f};

struct WeightedPoint {
    float v[3];
};

WeightedPoint ToPoint(COLORREF color) {
    const int channels[3] = {GetRValue(color), GetGValue(color), GetBValue(color)};
    WeightedPoint point;
    for (int i = 0; i < 3; ++i) point.v[i] = channels[i] * kAxisMax[i] / 255.0f;
    return point;
}

COLORREF ToColor(const WeightedPoint& point) {
    int channels[3];
    for (int i = 0; i < 3; ++i) {
        const float axis = std::clamp(point.v[i], 0.0f, kAxisMax[i]);
        channels[i] = static_cast<int>(axis * 255.0f / kAxisMax[i] + 0.5f);
    }
    return ClampRGB(channels[0], channels[1], channels[2]);
}

float Dot(const WeightedPoint& a, const WeightedPoint& b) { return a.v[0] * b.v[0] + a.v[1] * b.v[1] + a.v[2] * b.v[2]; }

WeightedPoint Difference(const WeightedPoint& a, const WeightedPoint& b) {
    return {{a.v[0] - b.v[0], a.v[1] - b.v[1], a.v[2] - b.v[2]}};
}

WeightedPoint Scaled(const WeightedPoint& a, float k) { return {{a.v[0] * k, a.v[1] * k, a.v[2] * k}}; }

WeightedPoint Inverted(const WeightedPoint& a) {
    return {{kAxisMax[0] - a.v[0], kAxisMax[1] - a.v[1], kAxisMax[2] - a.v[2]}};
}

float SquaredDistance(const WeightedPoint& a, const WeightedPoint& b) {
    const WeightedPoint d = Difference(a, b);
    return Dot(d, d);
}

float Brightness(const WeightedPoint& a) { return std::sqrt(Dot(a, a)); }

// A threshold against a dark reference counts up to twice as much as against one of
// brightness 220 or more.
float AdjustContrastThreshold(int brightness, int threshold) {
    return (2.0f - std::min(brightness, 220) * 0.0045454544f) * threshold;
}

float AdjustedThreshold(const WeightedPoint& reference, double threshold) {
    return AdjustContrastThreshold(static_cast<int>(Brightness(reference)), static_cast<int>(threshold));
}

}  // namespace

BOOL CUISystemPalette::IsColorDistanceGreater(COLORREF reference, COLORREF color, BOOL adjust, double threshold) {
    const WeightedPoint ref = ToPoint(reference);
    const float t = adjust ? AdjustedThreshold(ref, threshold) : static_cast<float>(threshold);
    return SquaredDistance(ref, ToPoint(color)) > t * t;
}

COLORREF CUISystemPalette::LimitDistance(COLORREF reference, COLORREF color, double threshold) {
    const WeightedPoint ref = ToPoint(reference);
    const WeightedPoint c = ToPoint(color);
    const float d = std::sqrt(SquaredDistance(ref, c));
    if (d <= 0.0f) return color;
    const float k = (d - AdjustedThreshold(ref, threshold)) / d;
    WeightedPoint result;
    for (int i = 0; i < 3; ++i) result.v[i] = c.v[i] + (ref.v[i] - c.v[i]) * k;
    return ToColor(result);
}

COLORREF CUISystemPalette::EnsureContrast(COLORREF reference, COLORREF color, double threshold) {
    WeightedPoint ref = ToPoint(reference);
    WeightedPoint c = ToPoint(color);
    const float bRef = Brightness(ref);
    const float t = AdjustedThreshold(ref, threshold);
    const float bColor = Brightness(c);
    // A colour brighter than its reference gets brighter still while there is room; one
    // that cannot get darker by the threshold gets lighter.
    const bool inverted = (bColor > bRef && bRef <= 442.0f - t) || (bColor <= bRef && bRef <= t);
    if (inverted) {
        ref = Inverted(ref);
        c = Inverted(c);
    }
    const float length = std::max(Brightness(c), 0.001f);
    const float s = Dot(ref, c);
    const float h2 = SquaredDistance(Scaled(c, s / (length * length)), ref);
    // Rounding can put the reference a hair farther from the ray than the threshold;
    // the nearest point of the ray is the answer then.
    const float lambda = s / length - std::sqrt(std::max(t * t - h2, 0.0f));
    WeightedPoint moved = Scaled(c, lambda / length);
    if (inverted) moved = Inverted(moved);
    return ToColor(moved);
}
