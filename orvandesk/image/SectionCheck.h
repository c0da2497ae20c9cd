#pragma once
// Check bytes of the checked sections and of the patch code, and the five
// section checks that rebuild a failing section from the built-in defaults.

#include <cstdint>
#include <span>

#include "orvandesk/image/ImageBuffers.h"
#include "orvandesk/image/SectionDefaults.h"

namespace orvan {

// (sum of the bytes, modulo 256) XOR 0x5A, over a section without its check byte.
Byte SectionCheckByte(std::span<const Byte> bytesBeforeCheck);
// True when the last byte of the section equals the check of the others.
bool SectionCheckPasses(std::span<const Byte> section);

// Check-byte recomputation before a section is written.
void RecomputeVendorCheck(DataBuf& data);
void RecomputeUserCheck(DataBuf& data);
void RecomputeProfileCheck(DataBuf& data, int profile);  // profile 0..2
void RecomputeProfileChecks(DataBuf& data);

// 16-bit sum of the patch code bytes, wrapping at 65536.
std::uint16_t PatchCodeSum(std::span<const Byte> code);
// The sum XOR 0x015A, as stored big-endian in header bytes 6..7.
std::uint16_t PatchCheckOf(std::span<const Byte> code);
// Header bytes 0..5 := 04 00 02 00 00 1A, bytes 6..7 := the check of `code`;
// bytes 8..15 are left as they are.
void CheckEEPatchCodeSection(PatchHeaderBuf& header, std::span<const Byte> code);

// Verify a section of DataBuf; when its check byte is wrong the section is
// rebuilt from the built-in defaults. True when it passed unchanged.
bool CheckVendorSection(DataBuf& data, const DefaultsContext& context);
bool CheckUserSection(DataBuf& data, const DefaultsContext& context);
bool CheckProfile1Section(DataBuf& data);
bool CheckProfile2Section(DataBuf& data);
bool CheckProfile3Section(DataBuf& data);

}  // namespace orvan
