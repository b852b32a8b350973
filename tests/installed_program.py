# The installed program as a user and a screen reader meet it: its files are in place; on a private X
# server it finds its chimes in its data folder and a screen reader (AT-SPI, on a private bus) reads
# its panel and finds its sequence box; SIGTERM ends it with status 0. Run it inside dbus-run-session.
# usage: installed_program.py <prefix> | --from-build <build folder> (installed into a temporary prefix)
import os, random, shutil, subprocess, sys, tempfile, time

for tool in ["Xvfb", "/usr/libexec/at-spi-bus-launcher"]:
    if not shutil.which(tool):
        sys.exit(print("SKIP:", tool, "is not installed") or 77)
import pyatspi

prefix = sys.argv[1]
if prefix == "--from-build":
    temporary = tempfile.TemporaryDirectory()
    prefix = temporary.name
    subprocess.run(["cmake", "--install", sys.argv[2], "--prefix", prefix], check=True, stdout=subprocess.DEVNULL)
share = prefix + "/share/"
for path in ["../bin/collatz", "applications/jp.veltrum.Collatz.desktop", "metainfo/jp.veltrum.Collatz.metainfo.xml",
             "icons/hicolor/32x32/apps/jp.veltrum.Collatz.png", "icons/hicolor/scalable/apps/jp.veltrum.Collatz.svg",
             "collatz/pinpon.wav", "collatz/endpinpon.wav"]:
    if not os.path.isfile(share + path) or not os.path.getsize(share + path):
        sys.exit(f"FAIL: {share + path} is not installed")

env = dict(os.environ, DISPLAY=f":{random.randint(500, 900)}", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
           QT_LOGGING_RULES="collatz.*.debug=true")
env.pop("QT_QPA_PLATFORM", None)
xvfb = subprocess.Popen(["Xvfb", env["DISPLAY"], "-nolisten", "tcp"], stderr=subprocess.DEVNULL)
bus = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], env=env, stderr=subprocess.DEVNULL)
time.sleep(1)
log = tempfile.TemporaryFile()
app = subprocess.Popen([share + "../bin/collatz"], env=env, cwd="/", stderr=log)  # no chimes in the working folder


def nodes(acc):
    yield acc
    for i in range(acc.childCount):
        yield from nodes(acc.getChildAtIndex(i))


found = {}
for _ in range(100):
    desktop = pyatspi.Registry.getDesktop(0)
    found = {acc.name: acc for app in map(desktop.getChildAtIndex, range(desktop.childCount))
             if app and app.name == "collatz" for acc in nodes(app)}
    if "問題の説明" in found and found["問題の説明"].queryText().characterCount:
        break
    time.sleep(0.1)
failures = []
panel = found["問題の説明"].queryText().getText(0, -1).split("\n") if "問題の説明" in found else None
if not panel or len(panel) != 9 or panel[1] != "\u3000【問題】":
    failures.append(f"the panel reads {panel}")
if "数列" not in found:
    failures.append("the sequence box is not found")
app.terminate()
if app.wait(10) != 0:
    failures.append(f"SIGTERM ended it with status {app.returncode}")
log.seek(0)
messages = log.read().decode()
for chime in ["pinpon.wav", "endpinpon.wav"]:
    if f"wave file {chime} found at {share}collatz/{chime}" not in messages:
        failures.append(f"{chime} was not found in {share}collatz:\n{messages}")
bus.terminate(), xvfb.terminate()
print("\n".join("FAIL: " + f for f in failures) or "the installed program works and reads right")
sys.exit(1 if failures else 0)
