// The program's resources as linked into the executable, found with the window system's
// resource calls and decoded by the same readers as elsewhere, so that bitmaps give the
// very same pixels; icons stay native handles for WM_SETICON.
#include <windows.h>

#include <cstdint>
#include <map>
#include <span>
#include <vector>

#include "platform/Icon.h"
#include "platform/ResourceLanguage.h"
#include "platform/Resources.h"
#include "platform/Surface.h"
#include "platform/res/DibReader.h"
#include "platform/res/StringTable.h"
#include "platform/win32/Win32Resources.h"

std::span<const std::uint8_t> FindResourceBytes(LPCWSTR type, LPCWSTR name) {
    HMODULE module = GetModuleHandleW(nullptr);
    const ResourceLanguages& languages = CurrentResourceLanguages();
    HRSRC found = FindResourceExW(module, type, name, languages.chosen);
    if (found == nullptr) {
        found = FindResourceExW(module, type, name, languages.fallback);
    }
    HGLOBAL loaded = found != nullptr ? LoadResource(module, found) : nullptr;
    if (loaded == nullptr) {
        return {};
    }
    return {static_cast<const std::uint8_t*>(LockResource(loaded)), SizeofResource(module, found)};
}

namespace {

// Reads a bitmap of the window system as 32-bit top-down pixels.
std::vector<std::uint32_t> BitmapPixels(HBITMAP bitmap, int width, int height) {
    std::vector<std::uint32_t> pixels(static_cast<size_t>(width) * static_cast<size_t>(height));
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, bitmap, 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    return pixels;
}

IconImage ReadIconImage(HICON icon) {
    IconImage image;
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) {
        return image;
    }
    BITMAP mask{};
    GetObjectW(info.hbmMask, sizeof(mask), &mask);
    const int width = mask.bmWidth;
    // A monochrome icon keeps its AND and XOR masks stacked in one bitmap twice as high.
    const int height = info.hbmColor != nullptr ? mask.bmHeight : mask.bmHeight / 2;
    if (width > 0 && height > 0) {
        const std::vector<std::uint32_t> andMask = BitmapPixels(info.hbmMask, width, height);
        const std::vector<std::uint32_t> color =
            info.hbmColor != nullptr ? BitmapPixels(info.hbmColor, width, height) : andMask;
        image.color.Reset(width, height);
        image.transparent.resize(andMask.size());
        for (size_t i = 0; i < andMask.size(); ++i) {
            image.color.SetPixel(static_cast<int>(i % width), static_cast<int>(i / width),
                                 color[i] & 0x00FFFFFFu);
            image.transparent[i] = (andMask[i] & 0x00FFFFFFu) != 0;
        }
    }
    DeleteObject(info.hbmMask);
    if (info.hbmColor != nullptr) {
        DeleteObject(info.hbmColor);
    }
    return image;
}

}  // namespace

bool LoadStringResource(UINT id, std::string& out) {
    if (id > 0xFFFF) {
        return false;
    }
    const auto stringId = static_cast<std::uint16_t>(id);
    const auto text =
        ReadStringFromBlock(FindResourceBytes(reinterpret_cast<LPCWSTR>(RT_STRING),
                                              MAKEINTRESOURCEW(StringBlockId(stringId))),
                            stringId);
    if (!text) {
        return false;
    }
    out = *text;
    return true;
}

bool LoadBitmapResource(UINT id, Surface& out) {
    auto pixels =
        DecodeDib24(FindResourceBytes(reinterpret_cast<LPCWSTR>(RT_BITMAP), MAKEINTRESOURCEW(id)));
    if (!pixels) {
        return false;
    }
    out = std::move(*pixels);
    return true;
}

HICON LoadIconResource(UINT id) {
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id),
                                         IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
}

// Shared icons live until the program ends, so their images are read once and kept.
const std::vector<IconImage>& IconImages(HICON icon) {
    static std::map<HICON, std::vector<IconImage>> images;
    auto [entry, added] = images.try_emplace(icon);
    if (added && icon != nullptr) {
        entry->second.push_back(ReadIconImage(icon));
    }
    return entry->second;
}
