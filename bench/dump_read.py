"""Measures perforex-dump against the library's read, run by hand from a benchmark build:

    cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DPERFOREX_BENCH=ON
    cmake --build build-bench -j2
    python3 bench/dump_read.py build-bench [HITS]

For the hits program (2,000,000 holes) and the same holes under statements their numbers refute
(each block an error, so a message per block): the processor time of the fastest of five runs of
perforex-dump's summary, JSON and SVG, with -f and without (format detection then), against the
fastest of five C++ reads of the program with a host that only counts, and each run's peak
resident memory against the size of the program.
"""

import os
import subprocess
import sys
import tempfile

RUNS = 5
MIB = 2**20


def generate(build, folder, hits, form):
    output = subprocess.run([os.path.join(build, "bench", "perforex_hits_files"), folder,
                             str(hits)] + form, check=True, capture_output=True, text=True).stdout
    program, machine_format, seconds = output.split()
    return program, machine_format, float(seconds)


def measure(arguments):
    """Returns the fastest processor time and the largest peak resident memory (bytes) of the
    runs; the outputs go to the null device, the picture to a scratch file."""
    fastest, peak = None, 0
    for _ in range(RUNS):
        with open(os.devnull, "wb") as null:
            process = subprocess.Popen(arguments, stdout=null, stderr=null)
            _, _, usage = os.wait4(process.pid, 0)
        seconds = usage.ru_utime + usage.ru_stime
        fastest = seconds if fastest is None else min(fastest, seconds)
        peak = max(peak, usage.ru_maxrss * 1024)
    return fastest, peak


def main(build, hits):
    dump = os.path.join(build, "bin", "perforex-dump")
    with tempfile.TemporaryDirectory() as folder:
        picture = os.path.join(folder, "picture.svg")
        for name, form in (("hits", []), ("refuted", ["refuted"])):
            program, machine_format, library = generate(build, folder, hits, form)
            size = os.path.getsize(program)
            print("%s: %.1f MiB, library read %.3f s" % (name, size / MIB, library))
            for output in ([], ["--json"], ["--svg", picture]):
                for given in (["-f", machine_format], []):
                    seconds, peak = measure([dump] + given + output + [program])
                    print("  %-6s %-7s %.3f s = %.2f times the read, %.1f MiB = size + %.1f MiB"
                          % (" ".join(output[:1]) or "summary", "-f" if given else "detect",
                             seconds, seconds / library, peak / MIB, (peak - size) / MIB))


if __name__ == "__main__":
    main(sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 2000000)
