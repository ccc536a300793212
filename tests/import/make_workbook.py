#!/usr/bin/python3
"""Writes a customer-style workbook with python3-xlwt, another program than ours.

Usage: make_workbook.py OUT.xls CONTENTS.json
CONTENTS: {"sheets": [{"name": "张三", "cells": {"A8": "质量部", "F8": {"date": "2014-12-04"},
"H8": {"number": 3}}}]}"""
import datetime
import json
import re
import sys

import xlwt


def place(address):
    letters, digits = re.match(r"([A-Z]+)(\d+)$", address).groups()
    column = 0
    for letter in letters:
        column = column * 26 + ord(letter) - 64
    return int(digits) - 1, column - 1


def main():
    contents = json.load(open(sys.argv[2], encoding="utf-8"))
    book = xlwt.Workbook(encoding="utf-8")
    date_style = xlwt.easyxf(num_format_str="yyyy-mm-dd")
    for sheet_contents in contents["sheets"]:
        sheet = book.add_sheet(sheet_contents["name"])
        for address, value in sheet_contents.get("cells", {}).items():
            row, column = place(address)
            if isinstance(value, dict) and "date" in value:
                day = datetime.datetime.strptime(value["date"], "%Y-%m-%d")
                sheet.write(row, column, day, date_style)
            elif isinstance(value, dict) and "number" in value:
                sheet.write(row, column, value["number"])
            else:
                sheet.write(row, column, value)
    book.save(sys.argv[1])


main()
