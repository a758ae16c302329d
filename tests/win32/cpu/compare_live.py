#!/usr/bin/env python3
"""The live processor, identified three ways, must agree.

cpuinfo built natively and cpuinfo.exe under Wine execute the same
instructions and must write the same JSON, apart from the operating system's
processor count and the clock; so must a --dump of what cpuinfo.exe --record
wrote. The vendor string, signature and standard feature word must match
what the Linux kernel reports in /proc/cpuinfo.
"""
import argparse
import json
import subprocess
import sys
import tempfile
from pathlib import Path

# /proc/cpuinfo flag names of the standard feature word's bits.
EDX_FLAGS = {
    "fpu": 0, "vme": 1, "de": 2, "pse": 3, "tsc": 4, "msr": 5, "pae": 6, "mce": 7, "cx8": 8, "apic": 9,
    "sep": 11, "mtrr": 12, "pge": 13, "mca": 14, "cmov": 15, "pat": 16, "pse36": 17, "pn": 18,
    "clflush": 19, "dts": 21, "acpi": 22, "mmx": 23, "fxsr": 24, "sse": 25, "sse2": 26, "ss": 27,
    "ht": 28, "tm": 29, "ia64": 30, "pbe": 31,
}
OS_FIGURES = ("Count", "Speed")


def run_json(command):
    try:
        result = subprocess.run(command, capture_output=True, text=True, encoding="utf-8", timeout=300)
        if result.returncode != 0:
            sys.exit(f"{command[-1]} failed ({result.returncode}): {result.stderr}")
        return json.loads(result.stdout)
    except (OSError, json.JSONDecodeError) as error:
        sys.exit(f"{command[-1]}: {error}")


def first_processor():
    """The fields of the first processor in /proc/cpuinfo."""
    fields = {}
    with open("/proc/cpuinfo") as cpuinfo:
        for line in cpuinfo:
            if not line.strip():
                break
            key, _, value = line.partition(":")
            fields[key.strip()] = value.strip()
    return fields


def kernel_signature(fields):
    """Rebuilds leaf 1's EAX from the kernel's displayed family and model."""
    family, model, stepping = int(fields["cpu family"]), int(fields["model"]), int(fields["stepping"])
    base_family, extended_family = (15, family - 15) if family >= 15 else (family, 0)
    return extended_family << 20 | (model >> 4) << 16 | base_family << 8 | (model & 0xF) << 4 | stepping


def kernel_features(fields):
    flags = set(fields["flags"].split())
    return sum(1 << bit for name, bit in EDX_FLAGS.items() if name in flags)


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--native", required=True)
    parser.add_argument("--windows", required=True)
    parser.add_argument("--wine-run", required=True)
    args = parser.parse_args()

    native = run_json([args.native])
    windows = run_json([args.wine_run, args.windows])
    with tempfile.TemporaryDirectory() as folder:
        recording = Path(folder) / "live.dump"
        # Wine shows the file system's root as drive Z:.
        subprocess.run([args.wine_run, args.windows, "--record", "Z:" + str(recording)], check=True, timeout=300)
        replayed = run_json([args.native, "--dump", str(recording)])
    failures = []
    for name, other in (("Windows", windows), ("recorded", replayed)):
        for key in native.keys() | other.keys():
            if key not in OS_FIGURES and native.get(key) != other.get(key):
                failures.append(f"{key}: native {native.get(key)!r}, {name} {other.get(key)!r}")

    kernel = first_processor()
    signature = native["Signature"] & 0xFFFFFFFF & ~0x3000  # the kernel does not show the type
    feature_set = native["FeatureSet"] & 0xFFFFFFFF & sum(1 << bit for bit in EDX_FLAGS.values())
    for name, ours, theirs in (("VendorID", native["VendorID"], kernel["vendor_id"]),
                               ("Signature", hex(signature), hex(kernel_signature(kernel)))):
        if ours != theirs:
            failures.append(f"{name}: ours {ours}, /proc/cpuinfo {theirs}")
    # The kernel hides features that it turned off (MTRR in a virtual machine),
    # so it may show fewer bits than the processor reports, never more.
    kernel_set = kernel_features(kernel)
    if kernel_set & ~feature_set:
        failures.append(f"FeatureSet: ours {feature_set:#x} lacks {kernel_set & ~feature_set:#x} of /proc/cpuinfo's")
    elif feature_set != kernel_set:
        print(f"FeatureSet: the kernel hides {feature_set & ~kernel_set:#x}")

    for failure in failures:
        print(failure)
    print(f"{native['VendorID']} signature {native['Signature']:#x}: "
          f"{'differs' if failures else 'native, Wine and the kernel agree'}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
