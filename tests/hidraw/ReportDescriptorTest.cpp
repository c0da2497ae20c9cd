#include "common/platform/hidraw/ReportDescriptor.h"

#include <gtest/gtest.h>

#include <vector>

namespace platform {
namespace {

using Bytes = std::vector<uint8_t>;

// Hand-assembled descriptors shaped like common devices.

// Boot-protocol mouse, no report ids: 3 buttons, 5 bits padding, X/Y/wheel.
const Bytes kBootMouse = {
    0x05, 0x01,  // Usage Page (Generic Desktop)
    0x09, 0x02,  // Usage (Mouse)
    0xA1, 0x01,  // Collection (Application)
    0x09, 0x01,  //   Usage (Pointer)
    0xA1, 0x00,  //   Collection (Physical)
    0x05, 0x09,  //     Usage Page (Button)
    0x19, 0x01,  //     Usage Minimum (1)
    0x29, 0x03,  //     Usage Maximum (3)
    0x15, 0x00,  //     Logical Minimum (0)
    0x25, 0x01,  //     Logical Maximum (1)
    0x95, 0x03,  //     Report Count (3)
    0x75, 0x01,  //     Report Size (1)
    0x81, 0x02,  //     Input (Data, Variable, Absolute)     3 bits
    0x95, 0x01,  //     Report Count (1)
    0x75, 0x05,  //     Report Size (5)
    0x81, 0x01,  //     Input (Constant)                     5 bits
    0x05, 0x01,  //     Usage Page (Generic Desktop)
    0x09, 0x30,  //     Usage (X)
    0x09, 0x31,  //     Usage (Y)
    0x09, 0x38,  //     Usage (Wheel)
    0x15, 0x81,  //     Logical Minimum (-127)
    0x25, 0x7F,  //     Logical Maximum (127)
    0x75, 0x08,  //     Report Size (8)
    0x95, 0x03,  //     Report Count (3)
    0x81, 0x06,  //     Input (Data, Variable, Relative)     24 bits
    0xC0,        //   End Collection
    0xC0,        // End Collection
};

// Mouse with report ids: id 1 the pointer (6 bytes), id 2 consumer control
// (2 bytes).
const Bytes kMouseWithIds = {
    0x05, 0x01,        // Usage Page (Generic Desktop)
    0x09, 0x02,        // Usage (Mouse)
    0xA1, 0x01,        // Collection (Application)
    0x85, 0x01,        //   Report ID (1)
    0x09, 0x01,        //   Usage (Pointer)
    0xA1, 0x00,        //   Collection (Physical)
    0x05, 0x09,        //     Usage Page (Button)
    0x19, 0x01,        //     Usage Minimum (1)
    0x29, 0x05,        //     Usage Maximum (5)
    0x15, 0x00,        //     Logical Minimum (0)
    0x25, 0x01,        //     Logical Maximum (1)
    0x95, 0x05,        //     Report Count (5)
    0x75, 0x01,        //     Report Size (1)
    0x81, 0x02,        //     Input (Data, Variable, Absolute)   5 bits
    0x95, 0x01,        //     Report Count (1)
    0x75, 0x03,        //     Report Size (3)
    0x81, 0x01,        //     Input (Constant)                   3 bits
    0x05, 0x01,        //     Usage Page (Generic Desktop)
    0x09, 0x30,        //     Usage (X)
    0x09, 0x31,        //     Usage (Y)
    0x16, 0x01, 0x80,  //     Logical Minimum (-32767)
    0x26, 0xFF, 0x7F,  //     Logical Maximum (32767)
    0x75, 0x10,        //     Report Size (16)
    0x95, 0x02,        //     Report Count (2)
    0x81, 0x06,        //     Input (Data, Variable, Relative)   32 bits
    0x09, 0x38,        //     Usage (Wheel)
    0x15, 0x81,        //     Logical Minimum (-127)
    0x25, 0x7F,        //     Logical Maximum (127)
    0x75, 0x08,        //     Report Size (8)
    0x95, 0x01,        //     Report Count (1)
    0x81, 0x06,        //     Input (Data, Variable, Relative)   8 bits
    0xC0,              //   End Collection
    0xC0,              // End Collection
    0x05, 0x0C,        // Usage Page (Consumer)
    0x09, 0x01,        // Usage (Consumer Control)
    0xA1, 0x01,        // Collection (Application)
    0x85, 0x02,        //   Report ID (2)
    0x15, 0x00,        //   Logical Minimum (0)
    0x26, 0xFF, 0x03,  //   Logical Maximum (1023)
    0x19, 0x00,        //   Usage Minimum (0)
    0x2A, 0xFF, 0x03,  //   Usage Maximum (1023)
    0x75, 0x10,        //   Report Size (16)
    0x95, 0x01,        //   Report Count (1)
    0x81, 0x00,        //   Input (Data, Array)                16 bits
    0xC0,              // End Collection
};

// Boot keyboard: 8-byte input report, 5 LED bits + 3 padding as output.
const Bytes kKeyboard = {
    0x05, 0x01,  // Usage Page (Generic Desktop)
    0x09, 0x06,  // Usage (Keyboard)
    0xA1, 0x01,  // Collection (Application)
    0x05, 0x07,  //   Usage Page (Keyboard)
    0x19, 0xE0,  //   Usage Minimum (Left Control)
    0x29, 0xE7,  //   Usage Maximum (Right GUI)
    0x15, 0x00,  //   Logical Minimum (0)
    0x25, 0x01,  //   Logical Maximum (1)
    0x75, 0x01,  //   Report Size (1)
    0x95, 0x08,  //   Report Count (8)
    0x81, 0x02,  //   Input (Data, Variable, Absolute)    modifiers
    0x95, 0x01,  //   Report Count (1)
    0x75, 0x08,  //   Report Size (8)
    0x81, 0x01,  //   Input (Constant)                    reserved byte
    0x95, 0x05,  //   Report Count (5)
    0x75, 0x01,  //   Report Size (1)
    0x05, 0x08,  //   Usage Page (LEDs)
    0x19, 0x01,  //   Usage Minimum (Num Lock)
    0x29, 0x05,  //   Usage Maximum (Kana)
    0x91, 0x02,  //   Output (Data, Variable, Absolute)   LEDs
    0x95, 0x01,  //   Report Count (1)
    0x75, 0x03,  //   Report Size (3)
    0x91, 0x01,  //   Output (Constant)                   padding
    0x95, 0x06,  //   Report Count (6)
    0x75, 0x08,  //   Report Size (8)
    0x15, 0x00,  //   Logical Minimum (0)
    0x25, 0x65,  //   Logical Maximum (101)
    0x05, 0x07,  //   Usage Page (Keyboard)
    0x19, 0x00,  //   Usage Minimum (0)
    0x29, 0x65,  //   Usage Maximum (101)
    0x81, 0x00,  //   Input (Data, Array)                 6 key codes
    0xC0,        // End Collection
};

// Vendor collection: feature reports 0x40 and 0x41 and input report 0x42,
// 7 data bytes each.
const Bytes kVendor = {
    0x06, 0x00, 0xFF,  // Usage Page (Vendor 0xFF00)
    0x09, 0x01,        // Usage (1)
    0xA1, 0x01,        // Collection (Application)
    0x15, 0x00,        //   Logical Minimum (0)
    0x26, 0xFF, 0x00,  //   Logical Maximum (255)
    0x75, 0x08,        //   Report Size (8)
    0x95, 0x07,        //   Report Count (7)
    0x85, 0x40,        //   Report ID (0x40)
    0x09, 0x02,        //   Usage (2)
    0xB1, 0x02,        //   Feature (Data, Variable, Absolute)
    0x85, 0x41,        //   Report ID (0x41)
    0x09, 0x03,        //   Usage (3)
    0xB1, 0x02,        //   Feature (Data, Variable, Absolute)
    0x85, 0x42,        //   Report ID (0x42)
    0x09, 0x04,        //   Usage (4)
    0x81, 0x02,        //   Input (Data, Variable, Absolute)
    0xC0,              // End Collection
};

Bytes concat(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct Expected {
    uint16_t input, output, feature;
    bool reportIds;
};

void expectSummary(const Bytes& descriptor, Expected want, bool wellFormed = true) {
    const auto got = parseReportDescriptor(descriptor);
    EXPECT_EQ(got.caps.inputReportByteLength, want.input);
    EXPECT_EQ(got.caps.outputReportByteLength, want.output);
    EXPECT_EQ(got.caps.featureReportByteLength, want.feature);
    EXPECT_EQ(got.usesReportIds, want.reportIds);
    EXPECT_EQ(got.wellFormed, wellFormed);
}

TEST(ReportDescriptor, CommonDevicesGetWindowsReportLengths) {
    {
        SCOPED_TRACE("boot mouse: 4 data bytes + id byte");
        expectSummary(kBootMouse, {5, 0, 0, false});
    }
    {
        SCOPED_TRACE("mouse with ids: largest input is the 6-byte pointer report");
        expectSummary(kMouseWithIds, {7, 0, 0, true});
    }
    {
        SCOPED_TRACE("keyboard: 8-byte input, 1-byte LED output");
        expectSummary(kKeyboard, {9, 2, 0, false});
    }
    {
        SCOPED_TRACE("vendor collection: 8-byte feature and input reports");
        expectSummary(kVendor, {8, 0, 8, true});
    }
    {
        // A hidraw node carries all top-level collections of the device.
        SCOPED_TRACE("mouse and vendor collections on one node");
        expectSummary(concat(kMouseWithIds, kVendor), {8, 0, 8, true});
    }
}

struct Case {
    const char* name;
    Bytes descriptor;
    Expected want;
    bool wellFormed;
};

// One byte pair per item: 0x75 Report Size, 0x95 Report Count, 0x85 Report
// ID, 0x81 Input, 0x91 Output, 0xB1 Feature, 0xA4 Push, 0xB4 Pop, 0xA1
// Collection, 0xC0 End Collection, 0xFE long item.
const Case kStructureCases[] = {
    {"empty", {}, {0, 0, 0, false}, true},
    {"bits round up to bytes", {0x75, 0x01, 0x95, 0x09, 0x81, 0x02}, {3, 0, 0, false}, true},
    {"report count 0 makes no report",
     {0x75, 0x08, 0x95, 0x00, 0x81, 0x02},
     {0, 0, 0, false},
     true},
    {"pop restores report id and size",
     // id 1, 8 bits x 2; Push; id 2, 16 bits x 4 -> 64 bits; Pop; 16 bits more for id 1.
     {0x75, 0x08, 0x95, 0x02, 0x85, 0x01, 0xA4, 0x85, 0x02, 0x75, 0x10, 0x95, 0x04, 0x81, 0x02,
      0xB4, 0x81, 0x02},
     {9, 0, 0, true},
     true},
    {"long item is skipped whole",
     // Its data would read as an 8-byte input report if taken for short items.
     {0xFE, 0x06, 0x00, 0x75, 0x40, 0x95, 0x01, 0x81, 0x02, 0x75, 0x08, 0x95, 0x01, 0x81, 0x02},
     {2, 0, 0, false},
     true},
    {"4-byte values saturate",
     {0x77, 0xFF, 0xFF, 0xFF, 0xFF, 0x97, 0xFF, 0xFF, 0xFF, 0xFF, 0xB1, 0x02, 0xB1, 0x02},
     {0, 0, 0xFFFF, false},
     true},
    {"kinds and ids are counted apart",
     {0x75, 0x08, 0x95, 0x03, 0x85, 0x05, 0x81, 0x02, 0x91, 0x02, 0x95, 0x10, 0x85, 0x06, 0xB1,
      0x02},
     {4, 4, 17, true},
     true},
    {"truncated short item", {0x75, 0x08, 0x95}, {0, 0, 0, false}, false},
    {"truncated 4-byte item keeps earlier reports",
     {0x75, 0x08, 0x95, 0x01, 0x81, 0x02, 0x97, 0x01, 0x00},
     {2, 0, 0, false},
     false},
    {"truncated long item data",
     {0x75, 0x08, 0x95, 0x01, 0x81, 0x02, 0xFE, 0x10, 0x00, 0x01, 0x02},
     {2, 0, 0, false},
     false},
    {"truncated long item header", {0xFE, 0x05}, {0, 0, 0, false}, false},
    {"pop without push", {0xB4, 0x75, 0x08, 0x95, 0x01, 0x81, 0x02}, {2, 0, 0, false}, false},
    {"push too deep", Bytes(100, 0xA4), {0, 0, 0, false}, false},
    {"end collection without collection", {0xC0}, {0, 0, 0, false}, false},
    {"collection left open",
     {0xA1, 0x01, 0x75, 0x08, 0x95, 0x01, 0x81, 0x02},
     {2, 0, 0, false},
     false},
    {"report id 0", {0x85, 0x00, 0x75, 0x08, 0x95, 0x01, 0x81, 0x02}, {2, 0, 0, true}, false},
    {"all 0xFF", Bytes(64, 0xFF), {0, 0, 0, false}, false},
};

TEST(ReportDescriptor, StructureAndMalformedInput) {
    for (const auto& c : kStructureCases) {
        SCOPED_TRACE(c.name);
        expectSummary(c.descriptor, c.want, c.wellFormed);
    }
}

// Cutting a descriptor anywhere must neither read past the cut nor make a
// report longer than in the whole descriptor.
TEST(ReportDescriptor, EveryPrefixOfTheFixturesStaysWithinTheWhole) {
    for (const Bytes* fixture : {&kBootMouse, &kMouseWithIds, &kKeyboard, &kVendor}) {
        const HidCaps whole = capsFromReportDescriptor(*fixture);
        for (size_t n = 0; n < fixture->size(); ++n) {
            const Bytes prefix(fixture->begin(), fixture->begin() + static_cast<std::ptrdiff_t>(n));
            const auto got = parseReportDescriptor(prefix);
            SCOPED_TRACE(n);
            EXPECT_LE(got.caps.inputReportByteLength, whole.inputReportByteLength);
            EXPECT_LE(got.caps.outputReportByteLength, whole.outputReportByteLength);
            EXPECT_LE(got.caps.featureReportByteLength, whole.featureReportByteLength);
        }
    }
}

}  // namespace
}  // namespace platform
