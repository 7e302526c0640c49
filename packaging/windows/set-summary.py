#!/usr/bin/python3
"""Sets what wixl leaves to chance in an installer's summary information stream: the package code
(wixl draws a random one) and the creation and last-save times (wixl writes the current time).

Usage: set-summary.py PACKAGE.msi PACKAGE_CODE SECONDS_SINCE_1970

The stream is an OLE property set; only values of the same size are replaced, so the file keeps
its layout and nothing else in it changes."""
import struct
import sys

import olefile

STREAM = "\x05SummaryInformation"
PID_REVNUMBER, PID_CREATE_DTM, PID_LASTSAVE_DTM = 9, 12, 13
VT_LPSTR, VT_FILETIME = 30, 64
FILETIME_UNITS_PER_SECOND = 10_000_000
SECONDS_FROM_1601_TO_1970 = 11_644_473_600


def property_offsets(stream):
    """Maps each property id of the first section to the offset of its typed value."""
    (section,) = struct.unpack_from("<I", stream, 44)
    _, count = struct.unpack_from("<II", stream, section)
    pairs = struct.unpack_from(f"<{2 * count}I", stream, section + 8)
    return {pid: section + offset for pid, offset in zip(pairs[::2], pairs[1::2])}


def replace_value(stream, offsets, pid, expected_type, value):
    offset = offsets[pid]
    (value_type,) = struct.unpack_from("<H", stream, offset)
    if value_type != expected_type:
        sys.exit(f"property {pid} has type {value_type}, not {expected_type}")
    if value_type == VT_LPSTR:
        (length,) = struct.unpack_from("<I", stream, offset + 4)
        if length != len(value):
            sys.exit(f"property {pid} holds {length} bytes, not {len(value)}")
        offset += 4
    stream[offset + 4 : offset + 4 + len(value)] = value


def main():
    package, code, seconds = sys.argv[1], sys.argv[2], int(sys.argv[3])
    filetime = struct.pack("<Q", (seconds + SECONDS_FROM_1601_TO_1970) * FILETIME_UNITS_PER_SECOND)
    with olefile.OleFileIO(package, write_mode=True) as msi:
        stream = bytearray(msi.openstream(STREAM).read())
        offsets = property_offsets(stream)
        replace_value(stream, offsets, PID_REVNUMBER, VT_LPSTR, code.encode("ascii") + b"\0")
        for pid in (PID_CREATE_DTM, PID_LASTSAVE_DTM):
            replace_value(stream, offsets, pid, VT_FILETIME, filetime)
        msi.write_stream(STREAM, bytes(stream))


if __name__ == "__main__":
    main()
