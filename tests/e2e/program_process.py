"""The program's process: starting it (and a second copy), finding it, signalling it,
waiting for it to settle or end, its output, and the commands it may run: a stand-in
xdg-open that records what it is asked to open, and the PATH it finds them on."""

import os
import shutil
import signal
import subprocess
import time

from waiting import DEFAULT_TIMEOUT, wait_until

APP_NAME = "Quillpad"


def binary_path():
    """The program under test, as handed over by ctest."""
    path = os.environ.get("QUILLPAD_BINARY")
    if not path:
        raise RuntimeError("set QUILLPAD_BINARY to the Quillpad executable")
    if not os.access(path, os.X_OK):
        raise RuntimeError(f"QUILLPAD_BINARY={path} is not an executable file")
    return os.path.abspath(path)


def wait_process_idle(pid, quiet=0.2, what="the process to be idle"):
    """Wait until a process has used (almost) no processor time for quiet seconds."""
    ticks = os.sysconf("SC_CLK_TCK")

    def cpu_time():
        with open(f"/proc/{pid}/stat") as f:
            fields = f.read().rsplit(")", 1)[1].split()
        return int(fields[11]) + int(fields[12])  # utime + stime

    def quiet_now():
        before = cpu_time()
        time.sleep(quiet)
        return cpu_time() - before < quiet * ticks / 10

    wait_until(quiet_now, what=what)


class ProgramProcess:
    """Runs the program (self.app, its copies in self.other_copies) with the desktop's
    environment(), logging its output to self.app_log."""

    def launch(self, binary=None, obey_file_permissions=False, wrapper=()):
        """Start the program (under its own D-Bus session, or the desktop's) and wait until
        it is up.

        With obey_file_permissions, file modes bind the program even when the tests run
        as root, as they bind every ordinary user. A wrapper (valgrind) runs the program."""
        binary = binary or binary_path()
        self.app_name = os.path.basename(binary)
        command = [*self._session_runner(), *wrapper, binary]
        env = self.environment()
        if self.program_path is not None:
            env["PATH"] = self.program_path
        if obey_file_permissions and os.geteuid() == 0:
            command = ["setpriv", "--bounding-set=-dac_override,-dac_read_search", *command]
        with open(self.app_log, "ab") as log:
            self.app = subprocess.Popen(
                command, env=env,
                stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT,
                start_new_session=True)
        wait_until(self._program_is_up, what="the program to dock or show its window")

    def _session_runner(self):
        """A D-Bus session of the program's own, unless the desktop shares one."""
        return [] if self.bus_address else ["dbus-run-session", "--"]

    def _program_is_up(self):
        if self.app.poll() is not None:
            raise AssertionError(f"the program ended at start:\n{self.app_output()}")
        return self.tray_icons() or self.main_window_mapped()

    def launch_another_copy(self):
        """A second copy of the program beside the first, on the same profile."""
        with open(self.app_log, "ab") as log:
            runner = subprocess.Popen(
                [*self._session_runner(), binary_path()], env=self.environment(),
                stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT,
                start_new_session=True)
        self.other_copies.append(runner)
        return runner

    def app_exited(self):
        return self.app.poll() is not None

    def program_pid(self, runner=None):
        """The program's own process; the D-Bus session runner started it."""
        def children(pid):
            with open(f"/proc/{pid}/task/{pid}/children") as f:
                return [int(child) for child in f.read().split()]

        def name(pid):
            with open(f"/proc/{pid}/comm") as f:
                return f.read().strip()

        runner = runner or self.app
        if name(runner.pid) == self.app_name[:15]:
            return runner.pid  # started straight on the desktop's session bus
        found = [pid for pid in children(runner.pid) if name(pid) == self.app_name[:15]]
        if not found:
            raise AssertionError("the program's process is not running")
        return found[0]

    def request_termination(self, sig=signal.SIGTERM, runner=None):
        """What the session sends at log-off (SIGTERM), or a kill that cannot be caught."""
        os.kill(self.program_pid(runner), sig)

    def wait_idle(self, quiet=0.2, runner=None):
        """Wait until the program has used no processor time for a while: done with its
        start (its icon docks before it reads the profile), so that what the test does
        next is all it is busy with."""
        wait_process_idle(self.program_pid(runner), quiet, what="the program to be idle")

    def wait_for_exit(self, timeout=DEFAULT_TIMEOUT):
        wait_until(self.app_exited, timeout, what="the program to end")
        return self.app.returncode

    def app_output(self):
        with open(self.app_log, errors="replace") as f:
            return f.read()

    # ---- what it runs -----------------------------------------------------

    def replace_xdg_open(self, script):
        """Put a shell script of the test's own in place of the recording xdg-open."""
        stub = os.path.join(self.stub_dir, "xdg-open")
        with open(stub, "w") as f:
            f.write("#!/bin/sh\n" + script + "\n")
        os.chmod(stub, 0o755)

    def remove_system_path(self, keep=("dbus-run-session", "dbus-daemon")):
        """Leave the program a PATH of one folder holding only the commands kept (links
        to the system's); the tests' own tools keep theirs."""
        folder = self._make_dir("program-bin")
        for command in keep:
            found = shutil.which(command)
            if found:
                os.symlink(found, os.path.join(folder, command))
        self.program_path = folder

    def _write_xdg_open_stub(self):
        # Records what the program asks the desktop to open instead of opening it: the
        # argument count, then each argument, each ended by a unit separator, in one
        # append so that calls running at once do not mix.
        stub = os.path.join(self.stub_dir, "xdg-open")
        with open(stub, "w") as f:
            f.write(f"#!/bin/sh\nprintf '%s\\037' \"$#\" \"$@\" >> '{self.xdg_open_log}'\n")
        os.chmod(stub, 0o755)

    def xdg_open_calls(self):
        """The argument lists the program passed to xdg-open, oldest first."""
        if not os.path.exists(self.xdg_open_log):
            return []
        with open(self.xdg_open_log, encoding="utf-8") as f:
            fields = f.read().split("\037")[:-1]
        calls = []
        while fields:
            count = int(fields[0])
            if len(fields) <= count:
                break  # a call still being written
            calls.append(fields[1:count + 1])
            fields = fields[count + 1:]
        return calls

    def opened_targets(self):
        """What the program asked the desktop to open, oldest first; xdg-open takes exactly
        one file or address, so a call with any other number of arguments fails."""
        calls = self.xdg_open_calls()
        for call in calls:
            if len(call) != 1:
                raise AssertionError(f"xdg-open was given {len(call)} arguments: {call}")
        return [call[0] for call in calls]

    def wait_opened(self, count):
        """The opened targets once xdg-open has been called at least count times."""
        wait_until(lambda: len(self.xdg_open_calls()) >= count,
                   what=f"{count} call(s) of xdg-open")
        return self.opened_targets()
