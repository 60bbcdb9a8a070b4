#!/usr/bin/python3
# Reads an .xlsx workbook back the way a spreadsheet program would (openpyxl) and prints what the tests check:
# the sheets, the frozen cell of each, every column's width, then every cell that holds something as
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
    for row in sheet.iter_rows():
        for cell in row:
            if cell.value is None:
                continue
            value = cell.value.date().isoformat() if cell.data_type == "d" else cell.value
            colour = cell.font.color.rgb if cell.font.color is not None and cell.font.color.type == "rgb" else ""
            bold = "bold" if cell.font.bold else ""
            print(f"{sheet.title}!{cell.coordinate} {cell.data_type} {value} | {cell.number_format} | {bold} | {colour}")
