#!/usr/bin/python3
# atspi-alerts.py FILE SECONDS: writes, a line each, every alert of the
# applications on the AT-SPI bus that comes into view ("shown NAME") during
# SECONDS, as a screen reader is told of it.
import sys

import pyatspi
from gi.repository import GLib

out = open(sys.argv[1], "w", buffering=1)
out.write("listening\n")


def heard(event):
    try:
        if event.source.getRoleName() == "alert" and event.detail1:
            out.write("shown %s\n" % event.source.name)
    except Exception as e:  # an object gone before it was read
        out.write("gone %s\n" % e)


pyatspi.Registry.registerEventListener(heard, "object:state-changed:showing")
GLib.timeout_add(int(float(sys.argv[2]) * 1000), pyatspi.Registry.stop)
pyatspi.Registry.start()
