"""What running elevated asks of the program: no DLL from its own folder, and the messages that
programs of lower rights post (a restarted Explorer, the usage report) let through."""

import os
import re
import shutil
import tempfile
import time

from harness import (HOSTED_SIDE, START_BUTTON, WINTEST_DIR, post_window_message, run,
                     wait_until)
from http_recorder import HttpRecorder
from test_main_job import ProgramCase

STATS_PORT = 18081
# The DLLs the program loads at run time that Windows does not protect as known DLLs (its
# load-time imports are all known DLLs, which the packaging tests check): a copy of the marker
# under each name lies beside the program. version.dll is not among them because Wine's own
# user32 imports it when any process starts (Windows' user32 does not).
PLANTED = ("NetShell.dll", "netapi32.dll", "mswsock.dll")


class PlantedDllTest(ProgramCase):
    def setUp(self):
        super().setUp()
        self.stats = HttpRecorder(STATS_PORT)
        for name in PLANTED:
            shutil.copy(os.path.join(WINTEST_DIR, "marker.dll"), os.path.join(self.program.folder, name))
        shutil.copy(os.path.join(WINTEST_DIR, "plain_loader.exe"), self.program.folder)
        # Native first for these names: Wine then searches as Windows does, program folder first.
        overrides = ",".join(os.path.splitext(name)[0].lower() for name in PLANTED) + "=n,b"
        self.environment = {"WINEDLLOVERRIDES": os.environ["WINEDLLOVERRIDES"] + ";" + overrides,
                            "WINEDEBUG": "-all,fixme+msg"}

    def tearDown(self):
        super().tearDown()
        self.stats.close()

    def loaded_markers(self):
        return sorted(name for name in os.listdir(self.program.folder) if name.endswith(".loaded"))

    def test_planted_dlls_are_never_loaded_and_lower_rights_messages_are_let_in(self):
        # The markers are seen when a program loads a DLL by name the plain way.
        env = dict(self.program.environment(), **self.environment)
        loader = run(["wine", os.path.join(self.program.folder, "plain_loader.exe"), "netapi32.dll"],
                     cwd=self.program.folder, env=env)
        self.assertEqual(loader.returncode, 0)
        self.assertEqual(self.loaded_markers(), ["netapi32.dll.loaded"])
        os.unlink(os.path.join(self.program.folder, "netapi32.dll.loaded"))

        self.with_autostart_on()
        with tempfile.TemporaryFile() as errors:
            program = self.program.start(extra_environment=self.environment, stderr=errors)
            # The report takes the adapter's address (netapi32.dll); sharing releases connection
            # properties (NetShell.dll).
            self.assertEqual(post_window_message(0x081B), 0)
            self.assertTrue(wait_until(
                lambda: any(path.startswith("POST") for path in self.stats.paths()), 20))
            program.click(START_BUTTON)
            self.assertTrue(program.wait_netcon(f"EnableSharing {HOSTED_SIDE} 1"))
            time.sleep(1)
            self.assertEqual(program.close(), 0)
            errors.seek(0)
            log = errors.read().decode("utf-8", "replace")
        self.assertEqual(self.loaded_markers(), [], [
            open(os.path.join(self.program.folder, name), "rb").read().decode("utf-16-le")
            for name in self.loaded_markers()])
        # Wine lets every message through and only notes the filter changes: TaskbarCreated (a
        # registered message, 0xC000 and up) and the usage report's 0x081B, both allowed (1).
        filters = re.findall(r"ChangeWindowMessageFilterEx \S+ ([0-9a-f]+) (\d+)", log)
        self.assertIn(("81b", "1"), filters, log[-2000:])
        self.assertTrue(any(int(message, 16) >= 0xC000 and action == "1"
                            for message, action in filters), filters)

