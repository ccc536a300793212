#pragma once

#include <QByteArray>

namespace excel {

// Whether FreeXL reads a record stream without reading past a record, losing memory or
// dropping cells. It trusts the stream in ways a damaged file breaks:
// - it copies as many bytes as a string's character count says;
// - it sizes a sheet's cell table by the sheet's size record and allocates it again, without
//   freeing the first, for a second size record, a listed sheet whose part holds none, or a
//   cell that comes before it;
// - it keeps the text of a cell given twice, or outside the sheet's size, without freeing it.
// endsAtZeroRecord: FreeXL stops a regular (not mini) stream at a record of type and length 0.
bool WorkbookRecordsSafe(const QByteArray& stream, bool endsAtZeroRecord);

// The same for a BIFF2 to BIFF4 file: a bare record stream holding one sheet.
bool LegacyRecordsSafe(const QByteArray& stream);

} // namespace excel
