#pragma once

#include <QString>

// A customer workbook written by python3-xlwt: one sheet per employee ("员工0", ...), each
// with the same courses ("课程8", ...) from row 8 on. Its import makes `rows` records, each
// listing every sheet's employee; coursePadding lengthens every course name. False when the
// writer failed.
bool WriteCustomerWorkbook(const QString& path, int sheets, int rows,
                           const QString& coursePadding = {});
