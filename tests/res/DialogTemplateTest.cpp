// Both dialog templates, read back field by field through the platform's loader.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Resources.h"
#include "res/resource.h"

namespace {

struct ExpectedControl {
    const char* className;
    std::uint16_t atom;
    int id;
    bool textIsNumber;
    int textNumber;
    const char* text;
    std::uint32_t style;
    int x, y, cx, cy;
};

void ExpectControls(const DialogTemplate& dialog, const std::vector<ExpectedControl>& expected) {
    ASSERT_EQ(dialog.controls.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE("control " + std::to_string(i + 1));
        const DialogControl& c = dialog.controls[i];
        const ExpectedControl& e = expected[i];
        EXPECT_EQ(c.className, e.className);
        EXPECT_EQ(c.classAtom, e.atom);
        EXPECT_EQ(c.id, e.id);
        EXPECT_EQ(c.text.isNumber, e.textIsNumber);
        if (e.textIsNumber) {
            EXPECT_EQ(c.text.number, e.textNumber);
        } else {
            EXPECT_EQ(c.text.text, e.text);
        }
        EXPECT_EQ(c.style, e.style);
        EXPECT_EQ(c.exStyle, 0u);
        EXPECT_EQ(c.helpId, 0u);
        EXPECT_EQ(c.x, e.x);
        EXPECT_EQ(c.y, e.y);
        EXPECT_EQ(c.cx, e.cx);
        EXPECT_EQ(c.cy, e.cy);
        EXPECT_TRUE(c.creationData.empty());
    }
}

struct ExpectedHeader {
    bool extended;
    std::uint32_t style;
    std::uint32_t exStyle;
    int cx, cy;
    const char* caption;
};

// Both dialogs are placed by the program, have no menu and no window class of their own, and
// use 9-point 宋体; only an extended template names the font's weight, italic and charset.
void ExpectHeader(const DialogTemplate& dialog, const ExpectedHeader& e) {
    EXPECT_EQ(dialog.extended, e.extended);
    EXPECT_EQ(dialog.style, e.style);
    EXPECT_EQ(dialog.exStyle, e.exStyle);
    EXPECT_EQ(dialog.helpId, 0u);
    EXPECT_EQ(dialog.x, 0);
    EXPECT_EQ(dialog.y, 0);
    EXPECT_EQ(dialog.cx, e.cx);
    EXPECT_EQ(dialog.cy, e.cy);
    EXPECT_FALSE(dialog.menu.isNumber);
    EXPECT_TRUE(dialog.menu.text.empty());
    EXPECT_FALSE(dialog.windowClass.isNumber);
    EXPECT_TRUE(dialog.windowClass.text.empty());
    EXPECT_EQ(dialog.caption, e.caption);
    ASSERT_TRUE(dialog.hasFont);
    EXPECT_EQ(dialog.font.pointSize, 9);
    EXPECT_EQ(dialog.font.face, "宋体");
    if (e.extended) {
        EXPECT_EQ(dialog.font.weight, 0);
        EXPECT_FALSE(dialog.font.italic);
        EXPECT_EQ(dialog.font.charset, 1);
    }
}

}  // namespace

TEST(DialogTemplates, AboutBoxIsAClassicTemplate) {
    const auto dialog = LoadDialogTemplateResource(IDD_ABOUTBOX);
    ASSERT_TRUE(dialog.has_value());
    ExpectHeader(*dialog, {false, 0x80C800C0u, 0u, 235, 55, "关于 Canzet"});
    ExpectControls(
        *dialog,
        {
            {"static", 0x82, -1, true, IDR_MAINFRAME, "", 0x50000003, 11, 17, 20, 20},
            {"static", 0x82, -1, false, 0, "Canzet 1.0 版", 0x50020080, 40, 10, 119, 8},
            {"static", 0x82, -1, false, 0, "版权所有 (C) 2026", 0x50020000, 40, 25, 119, 8},
            {"button", 0x80, 1, false, 0, "确定", 0x50030001, 178, 7, 50, 14},
        });
}

TEST(DialogTemplates, MainDialogIsAnExtendedTemplate) {
    const auto dialog = LoadDialogTemplateResource(IDD_CANZET_DIALOG);
    ASSERT_TRUE(dialog.has_value());
    ExpectHeader(*dialog, {true, 0x90C800C0u, 0x00040000u, 513, 200, "五线谱Demo"});
    ExpectControls(
        *dialog, {
                     {"button", 0x80, 1, false, 0, "退出", 0x50010001, 443, 15, 50, 14},
                     {"static", 0x82, IDC_STAFF, false, 0, "", 0x50000107, 14, 24, 223, 75},
                     {"button", 0x80, IDC_POSITION, false, 0, "位置", 0x50010000, 231, 148, 36, 26},
                 });
}

TEST(DialogTemplates, UnknownIdsAreAbsent) {
    for (UINT id : {0u, 101u, 110u, 128u, 0x10000u + IDD_ABOUTBOX}) {
        EXPECT_FALSE(LoadDialogTemplateResource(id).has_value()) << id;
    }
}
