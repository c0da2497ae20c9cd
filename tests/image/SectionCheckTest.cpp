#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "orvandesk/image/SectionCheck.h"

namespace orvan {
namespace {

DataBuf Erased() {
    DataBuf data;
    data.bytes.fill(0xFF);
    return data;
}

struct SectionCase {
    const char* name;
    ImageRegion region;
    Byte erasedCheck;  // check computed over 0xFF bytes
    std::function<bool(DataBuf&)> check;
};

std::vector<SectionCase> Sections() {
    const DefaultsContext context;
    return {
        {"vendor", region::Vendor, 0x07,
         [=](DataBuf& d) { return CheckVendorSection(d, context); }},
        {"user", region::User, 0xBF, [=](DataBuf& d) { return CheckUserSection(d, context); }},
        {"profile1", region::Profile1, 0x8A, [](DataBuf& d) { return CheckProfile1Section(d); }},
        {"profile2", region::Profile2, 0x8A, [](DataBuf& d) { return CheckProfile2Section(d); }},
        {"profile3", region::Profile3, 0x8A, [](DataBuf& d) { return CheckProfile3Section(d); }},
    };
}

TEST(OrvanSectionCheck, CheckByteIsSumXor5A) {
    const Byte bytes[] = {0x01, 0x02, 0xFF};
    EXPECT_EQ(SectionCheckByte(bytes), ((0x01 + 0x02 + 0xFF) & 0xFF) ^ 0x5A);
    EXPECT_EQ(SectionCheckByte({}), 0x5A);
}

TEST(OrvanSectionCheck, ErasedSectionFailsAndIsRebuilt) {
    for (const SectionCase& s : Sections()) {
        SCOPED_TRACE(s.name);
        DataBuf data = Erased();
        const auto section = data.section(s.region);
        EXPECT_EQ(SectionCheckByte(section.first(s.region.length - 1)), s.erasedCheck);
        EXPECT_FALSE(s.check(data));
        EXPECT_TRUE(SectionCheckPasses(data.section(s.region)));
        // Rebuilt once, it now passes and stays as it is.
        const DataBuf rebuilt = data;
        EXPECT_TRUE(s.check(data));
        EXPECT_EQ(data.bytes, rebuilt.bytes);
    }
}

TEST(OrvanSectionCheck, OneChangedByteWithoutNewCheckRebuildsTheSection) {
    for (const SectionCase& s : Sections()) {
        SCOPED_TRACE(s.name);
        // A valid section of non-default content.
        DataBuf data;
        for (std::size_t i = 0; i < data.bytes.size(); ++i) data[i] = static_cast<Byte>(i * 7 + 3);
        auto section = data.section(s.region);
        section.back() = SectionCheckByte(section.first(s.region.length - 1));
        const DataBuf valid = data;
        EXPECT_TRUE(s.check(data));
        EXPECT_EQ(data.bytes, valid.bytes);

        data[s.region.offset + 2] ^= 0x10;
        EXPECT_FALSE(s.check(data));
        // The whole section now holds the defaults (with the RGB type every
        // byte of a section has a default, so the old content does not matter).
        DataBuf defaults = Erased();
        ASSERT_FALSE(s.check(defaults));
        EXPECT_TRUE(std::ranges::equal(data.section(s.region), defaults.section(s.region)));
        // Bytes outside the section are untouched.
        for (std::size_t i = 0; i < data.bytes.size(); ++i) {
            if (i < s.region.offset || i >= s.region.end()) {
                ASSERT_EQ(data[i], valid[i]) << i;
            }
        }
    }
}

TEST(OrvanSectionCheck, RecomputedCheckKeepsTheChange) {
    DataBuf data = Erased();
    ASSERT_FALSE(CheckProfile2Section(data));
    data[KeyEntryOffset(1, 4)] = 0x0C;
    RecomputeProfileChecks(data);
    EXPECT_TRUE(CheckProfile2Section(data));
    EXPECT_EQ(data[KeyEntryOffset(1, 4)], 0x0C);
}

TEST(OrvanSectionCheck, PatchCheck) {
    PatchCodeBuf code{};
    EXPECT_EQ(PatchCheckOf(code), 0x015A);
    // Sum 0x2740 gives the stored check 0x261A.
    std::fill(code.end() - 40, code.end() - 1, Byte{0xFF});
    code.back() = 0x67;
    EXPECT_EQ(PatchCodeSum(code), 0x2740);
    EXPECT_EQ(PatchCheckOf(code), 0x261A);
    // The 16-bit sum wraps.
    PatchCodeBuf full;
    full.fill(0xFF);
    EXPECT_EQ(PatchCodeSum(full), (512 * 255) & 0xFFFF);

    PatchHeaderBuf header;
    header.fill(0xEE);
    CheckEEPatchCodeSection(header, code);
    const PatchHeaderBuf expected{0x04, 0x00, 0x02, 0x00, 0x00, 0x1A, 0x26, 0x1A,
                                  0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE};
    EXPECT_EQ(header, expected);
}

}  // namespace
}  // namespace orvan
