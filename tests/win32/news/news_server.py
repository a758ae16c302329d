#!/usr/bin/env python3
"""The local web server of the news feed's Wine tests.

start FOLDER STATE  serves FOLDER with python3 -m http.server on 127.0.0.1 at a
                    free port, in the background, once it answers; writes
                    STATE/port, STATE/pid and STATE/dead-port (a port where
                    nothing listens: a server that is down).
stop STATE          stops the server that start left in STATE.

A server whose stop never comes (an interrupted test run) ends by itself
after LIFETIME seconds.
"""
import os
import signal
import socket
import subprocess
import sys
import time

LIFETIME = 900


def free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


def write(state, name, value):
    with open(os.path.join(state, name), "w") as f:
        f.write(f"{value}\n")


def start(folder, state):
    os.makedirs(state, exist_ok=True)
    port = free_port()
    server = subprocess.Popen(
        ["timeout", str(LIFETIME), sys.executable, "-m", "http.server", str(port), "--bind", "127.0.0.1",
         "--directory", folder],
        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)
    deadline = time.monotonic() + 10
    while True:
        try:
            socket.create_connection(("127.0.0.1", port), timeout=0.5).close()
            break
        except OSError:
            if server.poll() is not None or time.monotonic() > deadline:
                server.kill()
                sys.exit("the news server did not start")
            time.sleep(0.1)
    dead = free_port()
    while dead == port:
        dead = free_port()
    write(state, "pid", server.pid)
    write(state, "port", port)
    write(state, "dead-port", dead)


def stop(state):
    pid_file = os.path.join(state, "pid")
    if not os.path.exists(pid_file):
        return
    with open(pid_file) as f:
        pid = int(f.read())
    try:
        os.kill(pid, signal.SIGTERM)
    except ProcessLookupError:
        pass
    for name in ("pid", "port", "dead-port"):
        os.remove(os.path.join(state, name))


if __name__ == "__main__":
    if len(sys.argv) == 4 and sys.argv[1] == "start":
        start(sys.argv[2], sys.argv[3])
    elif len(sys.argv) == 3 and sys.argv[1] == "stop":
        stop(sys.argv[2])
    else:
        sys.exit(__doc__)
