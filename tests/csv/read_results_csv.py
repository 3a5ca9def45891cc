# Reads the sample export back with Python's own CSV reader.
import csv, io, subprocess, sys

data = subprocess.run([sys.argv[1]], check=True, stdout=subprocess.PIPE).stdout
assert data.startswith(b"\xef\xbb\xbf"), "no byte-order mark"
assert b',"5.1 ""RC""",' in data, "a quote not in a quoted field, doubled"
assert data.endswith(b"\r\n") and data.count(b"\n") == data.count(b"\r\n"), "a line end not CR LF"
rows = list(csv.reader(io.StringIO(data[3:].decode("utf-8"), newline=""), strict=True))
expected = [
    ["List", "Path", "Size", "Previous Size", "Time", "Previous Time", "Version", "Previous Version", "Note"],
    ["Zero Length Files", r"C:\WINDOWS\EMPTY.LOG", "0", "", "1601-01-01T00:00:00Z", "", "", "", ""],
    ["Files Added", r'C:\WINDOWS\Report, "final".txt', "5000000000", "", "1970-01-01T00:00:00Z", "", "", "", ""],
    ["Files Added", "C:\\\u65e5\u672c\\\U0001f600\u00e9\ufffdx.dll", "1", "", "", "", "", "", ""],
    ["Files Deleted", r"C:\WINDOWS\OLD.DLL", "", "4294967295", "", "", "", "", ""],
    ["Files Changed", r"C:\WINDOWS\SYSTEM\BIG.DAT", "4294967296", "4294967296", "2026-12-09T20:44:01Z",
     "2024-02-29T23:59:59Z", '5.1 "RC"', "5.0\r\n(beta)", "same size, newer"],
    ["Files Changed", r"C:\WINDOWS\LOCKED.SYS", "", "7", "", "", "", "", ""],
]
assert rows == expected, f"read {rows}"
