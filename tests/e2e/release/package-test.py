#!/usr/bin/env python3
"""The release files of build/dist/ as they are shipped: the archive holds the
folder "Torvane XP" with the program, cpuinfo.exe and a LISEZMOI.txt that
Notepad of every Windows reads (code page 1252, CR LF, with the version); the
installer is an ANSI one, importing no wide-character function, which Windows
95, 98 and Me lack.

    package-test.py SETUP.exe ARCHIVE.zip
"""
import re
import subprocess
import sys
import zipfile

setup, archive = sys.argv[1], zipfile.ZipFile(sys.argv[2])
names = sorted(archive.namelist())
readme = archive.read("Torvane XP/LISEZMOI.txt") if "Torvane XP/LISEZMOI.txt" in names else b""
headers = subprocess.run(["i686-w64-mingw32-objdump", "-p", setup], capture_output=True, text=True, check=True)
imports = re.findall(r"^\t[ 0-9a-f]+\t +[0-9]+ +(\w+)$", headers.stdout, re.MULTILINE)
wide = [name for name in imports if name.endswith("W")]
checks = [
    (names == ["Torvane XP/", "Torvane XP/LISEZMOI.txt", "Torvane XP/TorvaneXP.exe", "Torvane XP/cpuinfo.exe"],
     f"archive entries {names}"),
    (b"\n" not in readme.replace(b"\r\n", b""), "LISEZMOI.txt: every line ends in CR LF"),
    ("mémoire".encode("cp1252") in readme, "LISEZMOI.txt: code page 1252"),
    (b"Torvane XP 3.1.1\r\n" in readme, "LISEZMOI.txt: names the version"),
    (imports and not wide, f"installer: {len(imports)} imports, wide ones: {wide[:3]}"),
]
for passed, what in checks:
    print("ok:" if passed else "FAILED:", what)
sys.exit(0 if all(passed for passed, _ in checks) else 1)
