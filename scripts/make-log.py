#!/usr/bin/env python3
"""Writes a synthetic Velmora contest log of N QSOs in ADIF, for whole-replay timings.

Distinct stations over six bands and 48 tours a day; deterministic, so timings compare.
"""
import sys

BANDS = [("160m", "1.838"), ("80m", "3.580"), ("40m", "7.040"),
         ("20m", "14.070"), ("15m", "21.070"), ("10m", "28.120")]
REGIONS = ["MA", "MO", "SP", "LO", "NO", "KR", "SV", "TT"]


def field(name, value):
    return f"<{name}:{len(value.encode('cp1251'))}>{value}"


def suffix(i):
    return "".join(chr(ord("A") + (i // 26 ** k) % 26) for k in range(4))


def qso(i):
    band, freq = BANDS[i % 6]
    home = i % 3 != 0
    call = (f"UA{i % 10}" if home else f"DL{i % 10}") + suffix(i)
    day, minute_of_day = divmod(i, 1440)
    exchange = f"{100 + i % 900:03d}" + (" " if i % 2 else "") + REGIONS[i % 8]
    return "".join([
        field("CALL", call), field("QSO_DATE", f"202612{8 + day % 20:02d}"),
        field("TIME_ON", f"{minute_of_day // 60:02d}{minute_of_day % 60:02d}"),
        field("BAND", band), field("FREQ", freq), field("MODE", "PSK"),
        field("SUBMODE", "BPSK63"), field("RST_SENT", "599"), field("RST_RCVD", "599"),
        field("STX_STRING", "001 MA"), field("SRX_STRING", exchange), "<EOR>\n"])


def main():
    n = int(sys.argv[1]) if len(sys.argv) > 1 else 100000
    out = sys.stdout
    out.write("Synthetic Velmora log\n" + field("STATION_CALLSIGN", "RK3A") + "<EOH>\n")
    for i in range(n):
        out.write(qso(i))


if __name__ == "__main__":
    main()
