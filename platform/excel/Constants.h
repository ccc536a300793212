#pragma once

// The numeric codes of Excel's automation interface that the model accepts.
namespace excel {

// Alignment.
inline constexpr int xlGeneral = 1;
inline constexpr int xlLeft = -4131;
inline constexpr int xlCenter = -4108;
inline constexpr int xlRight = -4152;
inline constexpr int xlFill = 5;
inline constexpr int xlJustify = -4130;
inline constexpr int xlCenterAcrossSelection = 7;
inline constexpr int xlDistributed = -4117;
inline constexpr int xlTop = -4160;
inline constexpr int xlBottom = -4107;

// Text orientation, besides degrees from -90 to 90.
inline constexpr int xlHorizontal = -4128;
inline constexpr int xlVertical = -4166;
inline constexpr int xlUpward = -4171;
inline constexpr int xlDownward = -4170;

// Reading order.
inline constexpr int xlContext = -5002;
inline constexpr int xlLTR = -5003;
inline constexpr int xlRTL = -5004;

// Border line styles.
inline constexpr int xlContinuous = 1;
inline constexpr int xlDash = -4115;
inline constexpr int xlDot = -4118;
inline constexpr int xlDouble = -4119;
inline constexpr int xlDashDot = 4;
inline constexpr int xlDashDotDot = 5;
inline constexpr int xlSlantDashDot = 13;
inline constexpr int xlLineStyleNone = -4142;

// Colour indexes and fill patterns.
inline constexpr int xlNone = -4142;
inline constexpr int xlAutomatic = -4105;
inline constexpr int xlSolid = 1;
inline constexpr int xlPatternNone = -4142;
inline constexpr int xlPatternSolid = 1;
inline constexpr int xlPatternGray50 = -4125;
inline constexpr int xlPatternGray75 = -4126;
inline constexpr int xlPatternGray25 = -4124;
inline constexpr int xlPatternHorizontal = -4128;
inline constexpr int xlPatternVertical = -4166;
inline constexpr int xlPatternDown = -4121;
inline constexpr int xlPatternUp = -4162;
inline constexpr int xlPatternChecker = 9;
inline constexpr int xlPatternSemiGray75 = 10;
inline constexpr int xlPatternLightHorizontal = 11;
inline constexpr int xlPatternLightVertical = 12;
inline constexpr int xlPatternLightDown = 13;
inline constexpr int xlPatternLightUp = 14;
inline constexpr int xlPatternGrid = 15;
inline constexpr int xlPatternCrissCross = 16;
inline constexpr int xlPatternGray16 = 17;
inline constexpr int xlPatternGray8 = 18;

// SaveAs.
inline constexpr int xlWorkbookNormal = -4143;
inline constexpr int xlExcel8 = 56;
inline constexpr int xlNoChange = 1;
inline constexpr int xlShared = 2;
inline constexpr int xlExclusive = 3;

} // namespace excel
