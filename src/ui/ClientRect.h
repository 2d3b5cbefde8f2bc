// A fixed rectangle in a window's client coordinates, as the layouts give them: a point is
// inside when left <= x < right and top <= y < bottom.
#pragma once

namespace tarvik {

struct ClientRect {
    int left = 0, top = 0, right = 0, bottom = 0;

    constexpr bool contains(int x, int y) const { return left <= x && x < right && top <= y && y < bottom; }
    constexpr int width() const { return right - left; }
    constexpr int height() const { return bottom - top; }
    constexpr bool operator==(const ClientRect&) const = default;
};

}  // namespace tarvik
