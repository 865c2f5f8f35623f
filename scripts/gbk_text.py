#!/usr/bin/env python3
"""Turns a help document kept in UTF-8 into the GBK text with CRLF line
ends that ships beside the program.

Usage: gbk_text.py IN.txt OUT.txt
"""
import sys

with open(sys.argv[1], encoding="utf-8") as source:
    text = source.read()
with open(sys.argv[2], "wb") as target:
    target.write(text.replace("\r\n", "\n").replace("\n", "\r\n").encode("gbk"))
