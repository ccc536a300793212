#pragma once

#include <cstdint>

// Record types of the workbook stream that the writer and the reader share.
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
} // namespace excel::record
