#!/usr/bin/env bash
# Writes a deterministic report of LINES CR LF lines (default 1,000,000, about
# 100 MB): pages with a title, a page number, a column heading and a rule,
# blank lines between pages, and fixed-width data rows. With --semicolon the
# data rows are semicolon-delimited instead.
# usage: generate_report.sh OUTPUT [LINES] [--semicolon]
set -euo pipefail
output=$1
lines=${2:-1000000}
mode=${3:-fixed}

awk -v lines="$lines" -v mode="$mode" 'BEGIN {
    seed = 12345
    split("ABERDEEN ANCHORAGE BETHEL CHICAGO DES_MOINES GREEN_BAY KODIAK NOME PLYMOUTH TOMAHAWK", city, " ")
    split("ABC DEF GHI JKL", code, " ")
    n = 0; page = 0
    while (n < lines) {
        if (n % 60 == 0) {
            page++
            header[1] = sprintf("%-60s%20s", "MONTHLY ACCOUNT SUMMARY REPORT", "PAGE " page)
            header[2] = sprintf("%-20s%-12s%-10s%12s%12s%-24s", "STATION", "ACCOUNT", "CODE", "AMOUNT", "BALANCE", "  REMARKS")
            header[3] = sprintf("%100s", ""); gsub(/ /, "=", header[3])
            header[4] = ""
            for (h = 1; h <= 4 && n < lines; h++) { printf "%s\r\n", header[h]; n++ }
            continue
        }
        seed = (seed * 16807) % 2147483647
        c = city[1 + seed % 10]
        k = code[1 + int(seed / 10) % 4] sprintf("%03d", seed % 1000)
        amount = (seed % 1000000) / 100
        balance = (int(seed / 7) % 10000000) / 100
        remark = (seed % 3 == 0) ? "PAID IN FULL ABC" : "OPEN"
        if (mode == "--semicolon")
            printf "%s;%08d;%s;%.2f;%.2f;%s\r\n", c, seed % 100000000, k, amount, balance, remark
        else
            printf "%-20s%08d    %-10s%12.2f%12.2f  %-22s\r\n", c, seed % 100000000, k, amount, balance, remark
        n++
    }
}' > "$output"
