#!/usr/bin/env python3
"""Prints what a workbook holds, as read by openpyxl (not the writer that
made it): per sheet its frozen cell, page set-up, column widths and every
cell with its type (s text, n number), value and number format."""
import sys

import openpyxl

book = openpyxl.load_workbook(sys.argv[1])
for sheet in book.worksheets:
    print(f"sheet {sheet.title}")
    print(f"freeze {sheet.freeze_panes}")
    print(f"page {sheet.page_setup.paperSize} {sheet.page_setup.orientation} rows {sheet.print_title_rows}")
    widths = [f"{c}={d.width:.2f}" for c, d in sorted(sheet.column_dimensions.items()) if d.width]
    print("widths " + " ".join(widths))
    for row in sheet.iter_rows():
        for cell in row:
            if cell.value is None:
                continue
            value = cell.value
            if cell.data_type == "n" and float(value).is_integer() and cell.number_format == "0":
                value = int(value)
            print(f"{cell.coordinate} {cell.data_type} {value} {cell.number_format}")
