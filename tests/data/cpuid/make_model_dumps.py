#!/usr/bin/env python3
"""Writes one CPUID dump per line of the vendor model tables (models/*.dump).

Each dump records a processor of that family and model (with the cache size,
processor type, brand index or feature bit the line depends on) and states,
in '# expect KEY VALUE' comments, the names the identification must give.
Run it again after changing a table below; the dumps are committed.
"""
import json
import pathlib

VENDORS = {
    "intel": ("GenuineIntel", "Intel ", "Intel Corporation"),
    "amd": ("AuthenticAMD", "AMD ", "Advanced Micro Devices"),
    "cyrix": ("CyrixInstead", "Cyrix ", "Cyrix Corporation"),
    "idt": ("CentaurHauls", "IDT ", "IDT/Centaur"),
    "nexgen": ("NexGenDriven", "NexGen ", "NexGen Inc"),
    "umc": ("UMC UMC UMC ", "UMC ", "United Microelectronics Corp"),
    "rise": ("RiseRiseRise", "Rise ", "Rise Technology"),
}

# (family, model, name, conditions); conditions: l2 (leaf-2 descriptor byte),
# type, brand, bit18.
ROWS = {
    "intel": [
        (4, 4, "80486SL", {}), (4, 7, "80486DX2", {}), (4, 8, "80486DX4", {}), (4, 1, "486 class", {}),
        (5, 0, "Pentium (P5)", {}), (5, 1, "Pentium (P5)", {}),
        (5, 2, "Pentium (P54C)", {}), (5, 7, "Pentium (P54C)", {}),
        (5, 3, "Pentium 486 OverDrive", {}), (5, 4, "Pentium MMX", {}), (5, 5, "Pentium class", {}),
        (6, 0, "Pentium Pro", {}), (6, 1, "Pentium Pro", {}),
        (6, 3, "Pentium II Overdrive", {"type": 1}), (6, 3, "Pentium II (Model 3)", {}),
        (6, 5, "Celeron (Model 5)", {"l2": 0x40}), (6, 5, "Pentium II (Model 5)", {"l2": 0x41}),
        (6, 5, "Pentium II (Model 5)", {"l2": 0x43}), (6, 5, "Pentium II Xeon", {"l2": 0x44}),
        (6, 6, "Mobile Pentium II", {"l2": 0x42}), (6, 6, "Mobile Celeron", {"l2": 0x41, "bit18": True}),
        (6, 6, "Celeron", {"l2": 0x41}),
        (6, 7, "Pentium III", {"brand": 0, "l2": 0x43}), (6, 8, "Pentium III Xeon", {"brand": 0, "l2": 0x44}),
        (6, 8, "Celeron", {"brand": 1}), (6, 7, "Pentium III", {"brand": 2}),
        (6, 8, "Pentium III Xeon", {"brand": 3}), (6, 8, "Pentium 4", {"brand": 8}),
        (6, 7, "Pentium III class", {"brand": 4}),
        (6, 10, "Pentium III Xeon", {}),
        (6, 2, "Pentium II/III class", {}), (6, 4, "Pentium II/III class", {}), (6, 9, "Pentium II/III class", {}),
        (6, 11, "Pentium II/III class", {}), (6, 15, "Pentium II/III class", {}),
        (15, 0, "Pentium 4", {}), (15, 2, "Pentium 4 class", {}),
        (7, 0, "", {}),
    ],
    "amd": [
        (4, 3, "Am486", {}), (4, 7, "Am486", {}), (4, 8, "Am486", {}), (4, 9, "Am486", {}),
        (4, 14, "Am5x86", {}), (4, 15, "Am5x86", {}), (4, 4, "486 class", {}),
        (5, 0, "K5 (Model 0)", {}), (5, 1, "K5 (Model 1)", {}), (5, 2, "K5 (Model 2)", {}),
        (5, 3, "K5 (Model 3)", {}), (5, 6, "K6 (Model 6)", {}), (5, 7, "K6 (Model 7)", {}),
        (5, 8, "K6-2", {}), (5, 9, "K6-III", {}), (5, 13, "K6-2+/K6-III+", {}), (5, 10, "Pentium class", {}),
        (6, 1, "Athlon", {}), (6, 2, "Athlon", {}), (6, 4, "Athlon", {}), (6, 3, "Duron", {}),
        (6, 6, "Athlon class", {}), (15, 0, "", {}),
    ],
    "cyrix": [
        (4, 4, "Media GX", {}), (4, 9, "Cx5x86", {}), (4, 1, "486 class", {}),
        (5, 2, "6x86", {}), (5, 4, "GXm", {}), (5, 0, "Pentium class", {}),
        (6, 0, "6x86MX", {}), (6, 5, "VIA Cyrix III", {}), (6, 2, "M2 Class", {}), (3, 0, "", {}),
    ],
    "idt": [(5, 4, "C6", {}), (5, 8, "C2", {}), (5, 9, "C3", {}), (5, 0, "Pentium class", {}), (6, 6, "", {})],
    "nexgen": [(5, 0, "Nx586", {}), (5, 1, "Pentium class", {}), (4, 0, "", {})],
    "umc": [(4, 1, "U5D", {}), (4, 2, "U5S", {}), (4, 3, "Pentium class", {}), (5, 1, "", {})],
    "rise": [(5, 0, "mP6", {}), (5, 2, "mP6", {}), (5, 1, "Pentium class", {}), (6, 0, "", {})],
}

# An unrecognised vendor string, named by the system's processor type.
DEFAULT_ROWS = [(386, "386 class"), (486, "486 class"), (586, "Pentium class"), (686, "Pentium II class"),
                (2200, "2200 class")]


# File-name parts for the conditions.
L2_SIZES = {0x40: 0, 0x41: 128, 0x42: 256, 0x43: 512, 0x44: 1024}
TAGS = {"l2": lambda code: f"-l2_{L2_SIZES[code]}k", "type": lambda t: f"-type{t}",
        "brand": lambda b: f"-brand{b}", "bit18": lambda _: "-bit18"}


def words(text):
    """Four characters per register, the first in the lowest byte."""
    data = text.encode("latin-1")
    return [int.from_bytes(data[i:i + 4], "little") for i in range(0, len(data), 4)]


def leaf(number, eax=0, ebx=0, ecx=0, edx=0):
    return f"{number:08X} 00000000: {eax:08X} {ebx:08X} {ecx:08X} {edx:08X}"


def vendor_leaf(vendor):
    ebx, edx, ecx = words(vendor)
    return leaf(0, 2, ebx, ecx, edx)


def expectations(long_name, prefix, name):
    return [f"# expect Vendor {json.dumps(long_name)}", f"# expect CPU {json.dumps(name)}",
            f"# expect FullName {json.dumps(prefix + name)}"]


def model_dump(key, family, model, name, conditions):
    vendor, prefix, long_name = VENDORS[key]
    signature = conditions.get("type", 0) << 12 | family << 8 | model << 4
    features = 0x1 | (1 << 18 if conditions.get("bit18") else 0)
    lines = [f"# {long_name}, family {family} model {model}: {name or 'no entry for the family'}",
             vendor_leaf(vendor), leaf(1, signature, conditions.get("brand", 0), 0, features)]
    if "l2" in conditions:
        lines.append(leaf(2, 0x01, 0, 0, conditions["l2"]))
    return lines + expectations(long_name, prefix, name)


def default_dump(processor_type, name):
    return [f"# An unrecognised vendor on a system that reports processor type {processor_type}",
            f"# processor-type: {processor_type}", vendor_leaf("Geode by NSC"), leaf(1, 0x540, 0, 0, 1)
            ] + expectations("Unknown Vendor", "Unknown ", name)


def main():
    out = pathlib.Path(__file__).with_name("models")
    out.mkdir(exist_ok=True)
    for old in out.glob("*.dump"):
        old.unlink()
    written = {}
    for key, rows in ROWS.items():
        for family, model, name, conditions in rows:
            tag = "".join(TAGS[k](v) for k, v in sorted(conditions.items()))
            written[f"{key}-f{family}-m{model}{tag}.dump"] = model_dump(key, family, model, name, conditions)
    for processor_type, name in DEFAULT_ROWS:
        written[f"unknown-type{processor_type}.dump"] = default_dump(processor_type, name)
    for filename, lines in written.items():
        (out / filename).write_text("\n".join(lines) + "\n")
    print(f"{len(written)} dumps in {out}")


if __name__ == "__main__":
    main()
