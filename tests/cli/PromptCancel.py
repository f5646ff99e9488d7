#!/usr/bin/env python3
"""Ctrl-C and Ctrl-D at vdcps's "Do you want to write it?" question, asked on a real terminal:
both cancel at once (exit 6) and leave the terminal echoing. Usage: PromptCancel.py VDCPS"""
import os, pty, select, sys, tempfile, termios, time

vdcps = sys.argv[1]
folder = tempfile.mkdtemp()
project = os.path.join(folder, "p.vdcps")
assert os.spawnv(os.P_WAIT, vdcps, [vdcps, "new", "GX5", "-o", project]) == 0
failures = 0
for key in (b"\x03", b"\x04"):
    pid, fd = pty.fork()
    if pid == 0:
        os.execv(vdcps, [vdcps, "write", project, "--port", os.path.join(folder, "none")])
    seen, deadline, status = b"", time.time() + 30, None
    while b"[y/N]" not in seen and time.time() < deadline:
        if select.select([fd], [], [], 0.2)[0]:
            seen += os.read(fd, 1024)
    os.write(fd, key)
    while status is None and time.time() < deadline:
        done, code = os.waitpid(pid, os.WNOHANG)
        status = os.waitstatus_to_exitcode(code) if done else None
        time.sleep(0.05)
    if status is None:
        os.kill(pid, 9)
        os.waitpid(pid, 0)
    echo = bool(termios.tcgetattr(fd)[3] & termios.ECHO)
    print(repr(key), "exit", status, "echo", echo)
    failures += status != 6 or not echo
sys.exit(1 if failures else 0)
