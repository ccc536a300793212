#pragma once

#include <cstdint>

// Record types of the workbook stream that the writer and the reader use.
namespace excel::record {
inline constexpr std::uint16_t kBof = 0x0809;
inline constexpr std::uint16_t kEof = 0x000A;
inline constexpr std::uint16_t kContinue = 0x003C;
inline constexpr std::uint16_t kFilePass = 0x002F;
inline constexpr std::uint16_t kInterfaceHdr = 0x00E1;
inline constexpr std::uint16_t kBoundSheet = 0x0085;
inline constexpr std::uint16_t kCodePage = 0x0042;
inline constexpr std::uint16_t kDate1904 = 0x0022;
inline constexpr std::uint16_t kFormat = 0x041E;
inline constexpr std::uint16_t kXf = 0x00E0;
inline constexpr std::uint16_t kSst = 0x00FC;
inline constexpr std::uint16_t kLabelSst = 0x00FD;
inline constexpr std::uint16_t kNumber = 0x0203;
inline constexpr std::uint16_t kLabel = 0x0204;
inline constexpr std::uint16_t kRString = 0x00D6;
inline constexpr std::uint16_t kRk = 0x027E;
inline constexpr std::uint16_t kMulRk = 0x00BD;
inline constexpr std::uint16_t kBoolErr = 0x0205;
inline constexpr std::uint16_t kFormula = 0x0006;
// The numbers BIFF3 and BIFF4 gave FORMULA, which some writers still use.
inline constexpr std::uint16_t kFormula3 = 0x0206;
inline constexpr std::uint16_t kFormula4 = 0x0406;
inline constexpr std::uint16_t kString = 0x0207;
inline constexpr std::uint16_t kSharedFormula = 0x04BC;
inline constexpr std::uint16_t kArray = 0x0221;
inline constexpr std::uint16_t kTable = 0x0236;
} // namespace excel::record
