"""Prints where, relative to the install prefix given, the package is installed: the one of this
Python's site-packages folders under the prefix that lies least deep in it (under /usr Debian's
lib/python3/dist-packages, not the local/lib/... of /usr/local), or else the usual
lib/pythonX.Y/site-packages."""

import os
import site
import sys
import sysconfig

prefix = os.path.abspath(sys.argv[1])
folders = [os.path.relpath(folder, prefix)
           for folder in [sysconfig.get_path("purelib")] + site.getsitepackages()]
inside = [folder for folder in folders if not folder.startswith(os.pardir)]
if inside:
    print(min(inside, key=lambda folder: folder.count(os.sep)))
else:
    usual = sysconfig.get_path("purelib", "posix_prefix", vars={"base": prefix, "platbase": prefix})
    print(os.path.relpath(usual, prefix))
