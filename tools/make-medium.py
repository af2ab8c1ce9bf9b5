#!/usr/bin/python3
"""Builds an installation medium for Setup: make-medium.py OUT_DIR --setup SETUP_EXE [--bench] [--icon ICO]

The medium is the folder Setup.exe runs from: the seven product folders, top-level files and the
slide-show pictures. --bench makes the timing medium instead of the sample: 10,000 small files plus a
few large ones, 200 MB in all."""
import argparse
import os
import shutil
import subprocess
import sys

PRODUCT_FOLDERS = ["Support", "Controls", "图框", "Data", "Database", "模板", "Temp"]
PICTURE_FOLDER = "安装界面"

# Sample medium: (relative path, size in bytes) of every file.
SAMPLE_FILES = [
    ("Support/arx/R16/terrain.arx", 4096),
    ("Support/arx/R17/terrain.arx", 4096),
    ("Support/arx/R18/terrain.arx", 4096),
    ("Support/Menu/orvex.mnu", 2048),
    ("Support/Menu/orvex.mns", 2048),
    ("Support/acad.pgp", 512),
    ("Controls/说明.txt", 128),
    ("图框/A3横.dwg", 8192),
    ("图框/A4竖.dwg", 8192),
    ("Data/土方计算.dat", 1024),
    ("Database/terrain.mdb", 16384),
    ("模板/地形图.dwt", 4096),
]
SAMPLE_EMPTY_FOLDERS = ["Temp", "Data/备份"]
# Block library of the sample: enough small files that the copy runs visibly for a moment.
SAMPLE_BLOCK_FILES = 2000
SAMPLE_BLOCK_SIZE = 1024
README = "土方计算地形分析软件 Orvex V8.5\r\n\r\n安装后请从开始菜单的程序组启动。\r\n"

# Timing medium: many small files spread over folders, plus a few large ones.
BENCH_SMALL_FILES = 10_000
BENCH_SMALL_SIZE = 2048
BENCH_FILES_PER_FOLDER = 100
BENCH_LARGE_FILES = 4
BENCH_TOTAL_BYTES = 200 * 1024 * 1024


def write_file(path, size, seed=0):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    block = bytes((seed + i * 7) % 251 for i in range(min(size, 65536))) or b""
    with open(path, "wb") as out:
        left = size
        while left > 0:
            chunk = block[: min(left, len(block))]
            out.write(chunk)
            left -= len(chunk)


def make_pictures(folder):
    os.makedirs(folder, exist_ok=True)
    colours = [("#2a6f97", "#a9d6e5"), ("#6a994e", "#f2e8cf"), ("#bc4749", "#f4a261")]
    for i, (top, bottom) in enumerate(colours, start=1):
        target = os.path.join(folder, f"{i}.jpg")
        result = subprocess.run(["convert", "-size", "1024x768", f"gradient:{top}-{bottom}", target],
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        if result.returncode != 0:
            print(f"make-medium: could not draw {target}", file=sys.stderr)


def make_sample(root):
    for name in PRODUCT_FOLDERS:
        os.makedirs(os.path.join(root, name), exist_ok=True)
    for folder in SAMPLE_EMPTY_FOLDERS:
        os.makedirs(os.path.join(root, folder), exist_ok=True)
    for seed, (relative, size) in enumerate(SAMPLE_FILES):
        write_file(os.path.join(root, relative), size, seed)
    for i in range(SAMPLE_BLOCK_FILES):
        write_file(os.path.join(root, "Support", "Blocks", f"块{i:04d}.dwg"), SAMPLE_BLOCK_SIZE, i)
    with open(os.path.join(root, "readme.txt"), "wb") as out:
        out.write(README.encode("gbk"))
    make_pictures(os.path.join(root, PICTURE_FOLDER))


def make_bench(root):
    for name in PRODUCT_FOLDERS:
        os.makedirs(os.path.join(root, name), exist_ok=True)
    for i in range(BENCH_SMALL_FILES):
        product = PRODUCT_FOLDERS[i % len(PRODUCT_FOLDERS)]
        folder = os.path.join(root, product, f"part{i // BENCH_FILES_PER_FOLDER:03d}")
        write_file(os.path.join(folder, f"file{i:05d}.dat"), BENCH_SMALL_SIZE, i)
    large = (BENCH_TOTAL_BYTES - BENCH_SMALL_FILES * BENCH_SMALL_SIZE) // BENCH_LARGE_FILES
    for i in range(BENCH_LARGE_FILES):
        write_file(os.path.join(root, "Data", f"large{i}.bin"), large, i)
    with open(os.path.join(root, "readme.txt"), "wb") as out:
        out.write(README.encode("gbk"))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("out")
    parser.add_argument("--setup", required=True, help="the built Setup.exe")
    parser.add_argument("--icon", help="the product icon to place as OrvexV8.5.ico")
    parser.add_argument("--bench", action="store_true")
    args = parser.parse_args()

    if os.path.exists(args.out):
        shutil.rmtree(args.out)
    os.makedirs(args.out)
    (make_bench if args.bench else make_sample)(args.out)
    shutil.copy(args.setup, os.path.join(args.out, "Setup.exe"))
    if args.icon:
        shutil.copy(args.icon, os.path.join(args.out, "OrvexV8.5.ico"))
    print(args.out)


if __name__ == "__main__":
    main()
