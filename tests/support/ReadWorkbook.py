#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Reads an .xlsx workbook back the way a spreadsheet program would (openpyxl) and prints what the tests check:
# the sheets, the frozen cell of each, every column's width, how it prints (orientation, whether it is fitted
# to pages, how many wide and tall, the rows printed on every page), then every cell that holds something as
#   <sheet>!<cell> <type> <value> | <number format> | bold? | <font colour>
# where the type is openpyxl's: s text, n number, d date. Usage: ReadWorkbook.py FILE
import sys

import openpyxl

book = openpyxl.load_workbook(sys.argv[1])
print("sheets: " + ",".join(book.sheetnames))
for sheet in book.worksheets:
    print(f"{sheet.title} frozen: {sheet.freeze_panes}")
    widths = [f"{letter}={dimension.width:g}" for letter, dimension in sorted(sheet.column_dimensions.items())]
    print(f"{sheet.title} widths: {' '.join(widths)}")
    setup = sheet.page_setup
    fitted = sheet.sheet_properties.pageSetUpPr is not None and sheet.sheet_properties.pageSetUpPr.fitToPage
    wide, tall = (1 if pages is None else pages for pages in (setup.fitToWidth, setup.fitToHeight))  # 1 if unsaid
    print(f"{sheet.title} print: {setup.orientation} fit {bool(fitted)} {wide}x{tall} titles {sheet.print_title_rows}")
    for row in sheet.iter_rows():
        for cell in row:
            if cell.value is None:
                continue
            value = cell.value.date().isoformat() if cell.data_type == "d" else cell.value
            if isinstance(value, float):
                value = f"{value:.12g}"  # 16.64, not the 16.63999999999999 of the file's 16 digits
            colour = cell.font.color.rgb if cell.font.color is not None and cell.font.color.type == "rgb" else ""
            bold = "bold" if cell.font.bold else ""
            print(f"{sheet.title}!{cell.coordinate} {cell.data_type} {value} | {cell.number_format} | {bold} | {colour}")
