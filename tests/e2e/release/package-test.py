#!/usr/bin/env python3
"""The release files of build/dist/, read as they are shipped.

    package-test.py SETUP.exe ARCHIVE.zip

The archive holds the folder "Torvane XP" with the program, cpuinfo.exe and a
LISEZMOI.txt that Notepad of every Windows reads (code page 1252, CR LF); the
installer is an ANSI one, which imports no wide-character function, since
Windows 95, 98 and Me have none.
"""
import re
import subprocess
import sys
import zipfile


def main():
    setup, archive = sys.argv[1], sys.argv[2]
    failures = []

    names = sorted(zipfile.ZipFile(archive).namelist())
    expected = ["Torvane XP/", "Torvane XP/LISEZMOI.txt", "Torvane XP/TorvaneXP.exe", "Torvane XP/cpuinfo.exe"]
    if names != expected:
        failures.append(f"archive holds {names}, not {expected}")

    if "Torvane XP/LISEZMOI.txt" in names:
        text = zipfile.ZipFile(archive).read("Torvane XP/LISEZMOI.txt")
        if b"\n" in text.replace(b"\r\n", b""):
            failures.append("LISEZMOI.txt has a line end without CR")
        if "mémoire".encode("cp1252") not in text:
            failures.append("LISEZMOI.txt is not in code page 1252")
        if b"@VERSION@" in text or b"3.1.1" not in text:
            failures.append("LISEZMOI.txt does not name the version")

    headers = subprocess.run(["i686-w64-mingw32-objdump", "-p", setup], capture_output=True, text=True, check=True).stdout
    imports = re.findall(r"^\t[ 0-9a-f]+\t +[0-9]+ +(\w+)$", headers, re.MULTILINE)
    wide = [name for name in imports if name.endswith("W")]
    if not imports or wide:
        failures.append(f"the installer imports {len(wide)} wide-character functions ({', '.join(wide[:3])}...)"
                        if wide else "no import of the installer found")

    for failure in failures:
        print("FAILED:", failure)
    print(f"{len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
