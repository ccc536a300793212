#!/usr/bin/python3
"""Reads .xls files with libraries independent of the program, for its tests.

  xls_readers.py cells FILE        -> JSON: sheets, cell values, formats, merges, column widths,
                                   the protection records of the workbook stream, and what
                                   is wrong with its INDEX and DBCELL records, the XF count,
                                   each sheet's page setup and print titles
  xls_readers.py records FILE      -> JSON: the protection records only; reads encrypted files too
  xls_readers.py texts FILE        -> JSON: sheets with their names and non-empty cell values as
                                   the workbook import reads them
  xls_readers.py inspect FILE [PASSWORD]
                                -> JSON: sheets with cells by address ("A1") and their look,
                                   merges ("A1:M1"), column widths by letter; with a password
                                   the file is first decrypted; {"error": text} when refused
  xls_readers.py decrypt FILE PASSWORD OUT
                                -> decrypts with msoffcrypto; exit code 3 for a wrong password
  xls_readers.py stream FILE NAME  -> JSON: size and SHA-1 of a stream of a compound file
"""
import hashlib
import io
import json
import struct
import sys

import xlrd
import xlrd.compdoc

FORMAT_ROWS = 60  # formats are reported for the first rows only, to keep the output small


def stream_of(data, name):
    return xlrd.compdoc.CompDoc(data, logfile=open("/dev/null", "w")).get_named_stream(name)


def protection_records(data):
    stream = stream_of(data, "Workbook")
    found = {"writeprot": False, "filepass": False, "filesharing": None}
    pos = 0
    while pos + 4 <= len(stream):
        kind, size = struct.unpack_from("<HH", stream, pos)
        body = stream[pos + 4:pos + 4 + size]
        if kind == 0x0086:
            found["writeprot"] = True
        elif kind == 0x002F:
            found["filepass"] = True
        elif kind == 0x005B and not found["filepass"]:
            # After FILEPASS the body is encrypted: read as text, its random bytes
            # could stop the reader half-way.
            readonly, verifier, length, flags = struct.unpack_from("<HHHB", body, 0)
            raw = body[7:]
            user = raw[:length * 2].decode("utf-16-le") if flags & 1 else raw[:length].decode("latin-1")
            found["filesharing"] = {"readonly": readonly, "verifier": verifier, "user": user}
        elif kind == 0x000A:
            break
        pos += 4 + size
    return found


CELL_RECORDS = {0x00FD, 0x0203, 0x0201, 0x00BE, 0x027E, 0x00BD, 0x0006, 0x0205}


def index_problems(data):
    """What is wrong with the INDEX and DBCELL records that let a reader find rows."""
    stream = stream_of(data, "Workbook")
    records = {}
    sheets = []
    pos = 0
    while pos + 4 <= len(stream):
        kind, size = struct.unpack_from("<HH", stream, pos)
        records[pos] = (kind, stream[pos + 4:pos + 4 + size])
        if kind == 0x0809 and struct.unpack_from("<H", stream, pos + 6)[0] == 0x0010:
            sheets.append([])
        elif sheets:
            sheets[-1].append(pos)
        pos += 4 + size
    problems = []
    for number, positions in enumerate(sheets):
        index = [p for p in positions if records[p][0] == 0x020B]
        if len(index) != 1:
            problems.append("sheet %d: %d INDEX records" % (number, len(index)))
            continue
        body = records[index[0]][1]
        def_col_width = struct.unpack_from("<I", body, 12)[0]
        if records.get(def_col_width, (None,))[0] != 0x0055:
            problems.append("sheet %d: INDEX does not point at DEFCOLWIDTH" % number)
        listed = [struct.unpack_from("<I", body, 16 + 4 * i)[0] for i in range((len(body) - 16) // 4)]
        present = [p for p in positions if records[p][0] == 0x00D7]
        if listed != present:
            problems.append("sheet %d: INDEX lists %s, DBCELLs at %s" % (number, listed, present))
        for db in present:
            dbody = records[db][1]
            first_row = db - struct.unpack_from("<I", dbody, 0)[0]
            offsets = [struct.unpack_from("<H", dbody, 4 + 2 * i)[0] for i in range((len(dbody) - 4) // 2)]
            rows = [first_row + 20 * i for i in range(len(offsets))]
            if any(records.get(r, (None,))[0] != 0x0208 for r in rows):
                problems.append("sheet %d: DBCELL at %d does not point at its ROW records" % (number, db))
                continue
            at = first_row + 20
            for row_pos, offset in zip(rows, offsets):
                at += offset
                row_number, col_mac = struct.unpack_from("<H2xH", records[row_pos][1], 0)
                kind, cell = records.get(at, (None, b"\0\0"))
                if col_mac and (kind not in CELL_RECORDS or struct.unpack_from("<H", cell)[0] != row_number):
                    problems.append("sheet %d: DBCELL at %d misses the cells of row %d" % (number, db, row_number))
    return problems


def page_setups(data):
    """Each worksheet's printing records, read from the workbook stream."""
    stream = stream_of(data, "Workbook")
    setups = []
    pos = 0
    while pos + 4 <= len(stream):
        kind, size = struct.unpack_from("<HH", stream, pos)
        body = stream[pos + 4:pos + 4 + size]
        if kind == 0x0809 and struct.unpack_from("<H", body, 2)[0] == 0x0010:
            setups.append({"footer": "", "margins": {}})
        elif setups and kind == 0x0081:
            setups[-1]["fit_to_page"] = bool(struct.unpack_from("<H", body)[0] & 0x0100)
        elif setups and kind == 0x0015 and size:
            count, flags = struct.unpack_from("<HB", body)
            raw = body[3:]
            setups[-1]["footer"] = raw[:count * 2].decode("utf-16-le") if flags & 1 else raw[:count].decode("latin-1")
        elif setups and kind in (0x0026, 0x0027, 0x0028, 0x0029):
            side = {0x0026: "left", 0x0027: "right", 0x0028: "top", 0x0029: "bottom"}[kind]
            setups[-1]["margins"][side] = struct.unpack_from("<d", body)[0]
        elif setups and kind == 0x00A1:
            paper, scale, start, wide, tall, flags = struct.unpack_from("<6H", body)
            setups[-1].update({"paper": paper, "fit_wide": wide, "fit_tall": tall,
                               "landscape": not (flags & 0x0002), "no_printer_settings": bool(flags & 0x0004)})
        pos += 4 + size
    return setups


def print_titles(book):
    """The rows (from 1, both ends included) each sheet repeats on its pages, by sheet name,
    as xlrd reads the built-in name."""
    titles = {}
    for name in book.name_obj_list:
        if name.builtin and name.name == "Print_Titles":
            # The reference itself: area2d() would clip it to the rows the sheet holds.
            sheet_first, _, first, end, _, _ = name.result.value[0].coords
            titles[book.sheet_names()[sheet_first]] = [first + 1, end]
    return titles


def cell_format(book, sheet, r, c):
    xf = book.xf_list[sheet.cell_xf_index(r, c)]
    font = book.font_list[xf.font_index]
    border = xf.border
    return {
        "font": font.name, "height": font.height, "bold": bool(font.bold),
        "underline": font.underline_type, "color": font.colour_index,
        "format": book.format_map[xf.format_key].format_str,
        "pattern": xf.background.fill_pattern,
        "pattern_color": xf.background.pattern_colour_index,
        "background_color": xf.background.background_colour_index,
        "borders": [border.left_line_style, border.right_line_style,
                    border.top_line_style, border.bottom_line_style],
        "horizontal": xf.alignment.hor_align, "vertical": xf.alignment.vert_align,
        "wrap": xf.alignment.text_wrapped, "rotation": xf.alignment.rotation,
        "indent": xf.alignment.indent_level, "shrink": xf.alignment.shrink_to_fit,
        "reading_order": xf.alignment.text_direction,
    }


def cells(path):
    data = open(path, "rb").read()
    book = xlrd.open_workbook(file_contents=data, formatting_info=True)
    sheets = []
    for sheet in book.sheets():
        values = {}
        formats = {}
        for r in range(sheet.nrows):
            for c in range(sheet.ncols):
                cell = sheet.cell(r, c)
                key = "%d,%d" % (r, c)
                if cell.ctype != xlrd.XL_CELL_EMPTY:
                    values[key] = [xlrd.sheet.ctype_text[cell.ctype], cell.value]
                if r < FORMAT_ROWS:
                    formats[key] = cell_format(book, sheet, r, c)
        sheets.append({
            "name": sheet.name, "rows": sheet.nrows, "columns": sheet.ncols,
            "values": values, "formats": formats,
            "merged": sorted([list(m) for m in sheet.merged_cells]),
            "widths": {str(c): info.width for c, info in sheet.colinfo_map.items()},
            "heights": {str(r): info.height for r, info in sheet.rowinfo_map.items() if r < FORMAT_ROWS},
        })
    records = protection_records(data)
    result = {"sheets": sheets, "records": records, "xf_count": len(book.xf_list)}
    if not records["filepass"]:
        records["index_problems"] = index_problems(data)
        result["page_setups"] = page_setups(data)
        result["print_titles"] = print_titles(book)
    return result


def number_text(value):
    return "%.15G" % value


def date_text(value, datemode):
    try:
        year, month, day, hour, minute, second = xlrd.xldate_as_tuple(value, datemode)
    except xlrd.xldate.XLDateError:
        return number_text(value)
    if (year, month, day) == (0, 0, 0):
        return "%02d:%02d:%02d" % (hour, minute, second)
    if (hour, minute, second) == (0, 0, 0):
        return "%04d-%02d-%02d" % (year, month, day)
    return "%04d-%02d-%02d %02d:%02d:%02d" % (year, month, day, hour, minute, second)


def cell_text(book, cell):
    if cell.ctype == xlrd.XL_CELL_NUMBER:
        return number_text(cell.value)
    if cell.ctype == xlrd.XL_CELL_DATE:
        return date_text(cell.value, book.datemode)
    if cell.ctype == xlrd.XL_CELL_BOOLEAN:
        return "TRUE" if cell.value else "FALSE"
    if cell.ctype == xlrd.XL_CELL_ERROR:
        return xlrd.error_text_from_code.get(cell.value, "#N/A")
    return cell.value


def texts(path):
    book = xlrd.open_workbook(path)
    sheets = []
    for sheet in book.sheets():
        cells = {}
        for r in range(sheet.nrows):
            for c in range(sheet.ncols):
                text = cell_text(book, sheet.cell(r, c))
                if text:
                    cells["%d,%d" % (r, c)] = text
        sheets.append({"name": sheet.name, "cells": cells})
    return {"sheets": sheets}


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


def inspect(path, password=None):
    data = open(path, "rb").read()
    if password is not None:
        import msoffcrypto
        plain = io.BytesIO()
        try:
            office = msoffcrypto.OfficeFile(io.BytesIO(data))
            office.load_key(password=password)
            office.decrypt(plain)
        except Exception as error:  # a wrong password, or no encryption at all
            return {"error": str(error)}
        data = plain.getvalue()
    try:
        book = xlrd.open_workbook(file_contents=data, formatting_info=True)
    except Exception as error:
        return {"error": str(error)}
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
    return {"sheets": sheets}


def decrypt(path, password, out):
    import msoffcrypto
    import msoffcrypto.exceptions
    office = msoffcrypto.OfficeFile(open(path, "rb"))
    if not office.is_encrypted():
        return 2
    try:
        office.load_key(password=password)
        with open(out, "wb") as target:
            office.decrypt(target)
    except msoffcrypto.exceptions.InvalidKeyError:
        return 3
    return 0


def main(argv):
    if argv[1] == "cells":
        print(json.dumps(cells(argv[2]), ensure_ascii=False))
        return 0
    if argv[1] == "texts":
        print(json.dumps(texts(argv[2]), ensure_ascii=False))
        return 0
    if argv[1] == "records":
        print(json.dumps(protection_records(open(argv[2], "rb").read()), ensure_ascii=False))
        return 0
    if argv[1] == "inspect":
        print(json.dumps(inspect(argv[2], argv[3] if len(argv) > 3 else None), ensure_ascii=False))
        return 0
    if argv[1] == "decrypt":
        return decrypt(argv[2], argv[3], argv[4])
    if argv[1] == "stream":
        stream = stream_of(open(argv[2], "rb").read(), argv[3])
        print(json.dumps({"size": len(stream), "sha1": hashlib.sha1(stream).hexdigest()}))
        return 0
    return 1


if __name__ == "__main__":
    sys.exit(main(sys.argv))
