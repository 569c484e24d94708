# SPDX-License-Identifier: MIT
"""Drives a headless mutter as GNOME's remote desktop does: keys through
org.gnome.Mutter.RemoteDesktop and pictures of the monitor through
org.gnome.Mutter.ScreenCast and PipeWire. With "scale S" as arguments it
first sets the monitor's scale (mutter needs its scale-monitor-framebuffer
feature for fractional ones). Reads commands from standard input, one per
line, and answers each with one line:
  key CODE...   presses and releases each evdev key code in turn -> "ok"
  shot FILE     writes a PNG of the monitor to FILE -> "ok"
Prints "ready" once both sessions run."""
import subprocess
import sys

import dbus
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

DBusGMainLoop(set_as_default=True)
bus = dbus.SessionBus()
loop = GLib.MainLoop()


def interface(path, name, service="org.gnome.Mutter.RemoteDesktop"):
    return dbus.Interface(bus.get_object(service, path), name)


def set_scale(scale):
    config = interface("/org/gnome/Mutter/DisplayConfig", "org.gnome.Mutter.DisplayConfig",
                       "org.gnome.Mutter.DisplayConfig")
    serial, monitors, _, _ = config.GetCurrentState()
    (connector, *_), modes, _ = monitors[0]
    mode = next(m for m in modes if m[6].get("is-current"))
    supported = [float(s) for s in mode[5]]
    nearest = min(supported, key=lambda s: abs(s - scale))
    if abs(nearest - scale) > 0.01:
        sys.exit(f"mutter offers the scales {supported}, not {scale}")
    # One logical monitor at the origin, primary, with that scale.
    config.ApplyMonitorsConfig(serial, 1, [(0, 0, dbus.Double(nearest), dbus.UInt32(0), True,
                                            [(connector, mode[0], {})])], {})


if len(sys.argv) == 3 and sys.argv[1] == "scale":
    set_scale(float(sys.argv[2]))

remote_path = interface("/org/gnome/Mutter/RemoteDesktop",
                        "org.gnome.Mutter.RemoteDesktop").CreateSession()
remote = interface(remote_path, "org.gnome.Mutter.RemoteDesktop.Session")
session_id = remote.Get("org.gnome.Mutter.RemoteDesktop.Session", "SessionId",
                        dbus_interface="org.freedesktop.DBus.Properties")
cast_path = interface("/org/gnome/Mutter/ScreenCast", "org.gnome.Mutter.ScreenCast",
                      "org.gnome.Mutter.ScreenCast").CreateSession(
    {"remote-desktop-session-id": session_id})
cast = interface(cast_path, "org.gnome.Mutter.ScreenCast.Session", "org.gnome.Mutter.ScreenCast")
stream_path = cast.RecordMonitor("", {})
stream = interface(stream_path, "org.gnome.Mutter.ScreenCast.Stream", "org.gnome.Mutter.ScreenCast")
node = None


def stream_added(node_id):
    global node
    node = int(node_id)
    # The first key after Start is lost: a harmless one goes first.
    press(42)
    print("ready", flush=True)


def press(*codes):
    for code in codes:
        remote.NotifyKeyboardKeycode(dbus.UInt32(code), True)
        remote.NotifyKeyboardKeycode(dbus.UInt32(code), False)


def shot(path):
    subprocess.run(["gst-launch-1.0", "-q", "pipewiresrc", f"path={node}", "num-buffers=1",
                    "always-copy=true", "!", "videoconvert", "!", "pngenc", "!", "filesink",
                    f"location={path}"], check=True, stdout=subprocess.DEVNULL, timeout=20)


def command(source, _condition):
    line = source.readline()
    if not line:
        loop.quit()
        return False
    verb, *args = line.split()
    if verb == "key":
        press(*(int(a) for a in args))
    elif verb == "shot":
        shot(args[0])
    print("ok", flush=True)
    return True


stream.connect_to_signal("PipeWireStreamAdded", stream_added)
remote.Start()
GLib.io_add_watch(sys.stdin, GLib.IO_IN | GLib.IO_HUP, command)
loop.run()
