"""Measures the Python package against the C++ reader, run by hand from a benchmark build:

    cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DPERFOREX_BENCH=ON
    cmake --build build-bench -j2
    PYTHONPATH=build-bench/python python3 bench/python_read.py build-bench [HITS]

Speed: the processor time of the fastest of five reads of the hits program (2,000,000 holes)
through perforex.read, holes included, against the fastest of five C++ reads with a host that
only counts. Memory: the resident size of the process over 2,000 reads of a program a hundredth
that size, each board dropped before the next read.
"""

import os
import subprocess
import sys
import tempfile
import time

import perforex

READS = 5
MEMORY_READS = 2000


def fastest_read(program, machine_format):
    fastest = None
    for _ in range(READS):
        # The board of the read before is freed first, so that each time is one read's alone.
        board = None
        start = time.process_time()
        board = perforex.read(program, machine_format=machine_format)
        seconds = time.process_time() - start
        assert board.result == 1
        fastest = seconds if fastest is None else min(fastest, seconds)
    return fastest, len(board.holes)


def resident_mib():
    with open("/proc/self/statm") as statm:
        return int(statm.read().split()[1]) * os.sysconf("SC_PAGE_SIZE") / 2**20


def main(build, hits):
    with tempfile.TemporaryDirectory() as folder:
        output = subprocess.run([os.path.join(build, "bench", "perforex_hits_files"), folder,
                                 str(hits)], check=True, capture_output=True, text=True).stdout
        program, machine_format, cpp = output.split()
        python, holes = fastest_read(program, machine_format)
        print("read of %d holes: C++ %.3f s, Python %.3f s: %.2f times" % (
            holes, float(cpp), python, python / float(cpp)))

        small = subprocess.run([os.path.join(build, "bench", "perforex_hits_files"), folder,
                                str(hits // 100)], check=True, capture_output=True, text=True)
        program, machine_format, _ = small.stdout.split()
        sizes = {}
        for read in range(1, MEMORY_READS + 1):
            perforex.read(program, machine_format=machine_format)
            if read in (1, 100, MEMORY_READS):
                sizes[read] = resident_mib()
        print("resident size over %d reads of %d holes: %s" % (
            MEMORY_READS, hits // 100,
            ", ".join("%.1f MiB after %d" % (size, read) for read, size in sizes.items())))


if __name__ == "__main__":
    main(sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 2000000)
