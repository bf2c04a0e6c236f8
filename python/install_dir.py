"""Prints where, relative to the install prefix given, the package is installed: the first of
this Python's site-packages folders that lies under the prefix, or else the usual
lib/pythonX.Y/site-packages."""

import os
import site
import sys
import sysconfig

prefix = os.path.abspath(sys.argv[1])
for folder in [sysconfig.get_path("purelib")] + site.getsitepackages():
    relative = os.path.relpath(folder, prefix)
    if not relative.startswith(os.pardir):
        break
else:
    usual = sysconfig.get_path("purelib", "posix_prefix", vars={"base": prefix, "platbase": prefix})
    relative = os.path.relpath(usual, prefix)
print(relative)
