#!/usr/bin/python3
"""Reads an .xls file with independent libraries and prints what the tests check, as JSON.

Usage: xls_inspect.py FILE [PASSWORD]
With a password the file is first decrypted with msoffcrypto-tool. Prints
{"sheets": [{"name", "rows", "cols", "cells": {"A1": {...}}, "merges": ["A1:M1"],
"widths": {"A": n}}], "write_protected": bool} or {"error": text}."""
import io
import json
import sys

import xlrd


def column_name(index):
    name = ""
    index += 1
    while index:
        index, rest = divmod(index - 1, 26)
        name = chr(65 + rest) + name
    return name


def rgb(book, index):
    colour = book.colour_map.get(index)
    return "%02X%02X%02X" % colour if colour else None


def describe_cell(book, sheet, row, col):
    cell = sheet.cell(row, col)
    xf = book.xf_list[cell.xf_index]
    font = book.font_list[xf.font_index]
    border = xf.border
    fmt = book.format_map.get(xf.format_key)
    value = cell.value
    if cell.ctype == xlrd.XL_CELL_DATE:
        value = xlrd.xldate_as_datetime(value, book.datemode).isoformat()
    return {
        "value": value,
        "type": {0: "empty", 1: "text", 2: "number", 3: "date", 4: "bool", 5: "error", 6: "blank"}[cell.ctype],
        "font": font.name,
        "size": font.height / 20,
        "bold": bool(font.bold),
        "underline": bool(font.underline_type),
        "color": rgb(book, font.colour_index),
        "fill_pattern": xf.background.fill_pattern,
        "fill": rgb(book, xf.background.pattern_colour_index),
        "borders": [border.left_line_style, border.right_line_style, border.top_line_style,
                    border.bottom_line_style],
        "halign": xf.alignment.hor_align,
        "valign": xf.alignment.vert_align,
        "wrap": bool(xf.alignment.text_wrapped),
        "format": fmt.format_str if fmt else None,
    }


def main():
    path = sys.argv[1]
    data = open(path, "rb").read()
    if len(sys.argv) > 2:
        import msoffcrypto
        plain = io.BytesIO()
        try:
            office = msoffcrypto.OfficeFile(io.BytesIO(data))
            office.load_key(password=sys.argv[2])
            office.decrypt(plain)
        except Exception as error:  # a wrong password, or no encryption at all
            print(json.dumps({"error": str(error)}))
            return
        data = plain.getvalue()
    try:
        book = xlrd.open_workbook(file_contents=data, formatting_info=True)
    except Exception as error:
        print(json.dumps({"error": str(error)}))
        return
    sheets = []
    for sheet in book.sheets():
        cells = {}
        for row in range(sheet.nrows):
            for col in range(sheet.ncols):
                if sheet.cell(row, col).ctype != xlrd.XL_CELL_EMPTY:
                    cells[column_name(col) + str(row + 1)] = describe_cell(book, sheet, row, col)
        merges = ["%s%d:%s%d" % (column_name(c0), r0 + 1, column_name(c1 - 1), r1)
                  for r0, r1, c0, c1 in sheet.merged_cells]
        widths = {column_name(c): info.width for c, info in sheet.colinfo_map.items()}
        sheets.append({"name": sheet.name, "rows": sheet.nrows, "cols": sheet.ncols,
                       "cells": cells, "merges": sorted(merges), "widths": widths})
    print(json.dumps({"sheets": sheets}, ensure_ascii=False))


main()
