#include "platform/IconRaster.h"

#include <algorithm>
#include <cstdint>
#include <vector>

const IconImage* ChooseIconImage(HICON icon, int size) {
    const IconImage* chosen = nullptr;
    for (const IconImage& image : IconImages(icon)) {
        if (image.color.IsEmpty()) {
            continue;
        }
        if (image.color.Width() == size && image.color.Height() == size) {
            return &image;
        }
        if (chosen == nullptr || image.color.Width() > chosen->color.Width()) {
            chosen = &image;
        }
    }
    return chosen;
}

void DrawIconImage(Surface& target, const CRect& clip, int x, int y, const IconImage& image,
                   int size) {
    const int width = image.color.Width();
    const int height = image.color.Height();
    if (size <= 0 || width == 0 || height == 0) {
        return;
    }
    const std::int64_t left = std::max<std::int64_t>(x, clip.left);
    const std::int64_t top = std::max<std::int64_t>(y, clip.top);
    const std::int64_t right = std::min<std::int64_t>(std::int64_t{x} + size, clip.right);
    const std::int64_t bottom = std::min<std::int64_t>(std::int64_t{y} + size, clip.bottom);
    if (left >= right || top >= bottom) {
        return;
    }
    // A mask of the wrong length cannot be trusted to line up; draw the image opaque.
    const bool masked = image.transparent.size() ==
                        static_cast<std::size_t>(width) * static_cast<std::size_t>(height);

    std::vector<int> sourceColumn(static_cast<std::size_t>(right - left));
    for (std::int64_t column = left; column < right; ++column) {
        sourceColumn[static_cast<std::size_t>(column - left)] =
            static_cast<int>((column - x) * width / size);
    }
    const std::uint32_t alpha = target.Alpha();
    for (std::int64_t row = top; row < bottom; ++row) {
        const int sourceRow = static_cast<int>((row - y) * height / size);
        const std::uint32_t* colour = image.color.Row(sourceRow);
        std::uint32_t* out = target.Row(static_cast<int>(row)) + left;
        const std::size_t maskRow = static_cast<std::size_t>(sourceRow) * width;
        for (std::size_t i = 0; i < sourceColumn.size(); ++i) {
            const int sx = sourceColumn[i];
            out[i] = masked && image.transparent[maskRow + sx] ? out[i] ^ colour[sx]
                                                               : colour[sx] | alpha;
        }
    }
}
