"""Hostile surroundings: a netsh that floods, prints binary junk or never ends, stored settings
that are huge or of the wrong type, a feedback site that drops the connection."""

import os
import socket
import threading
import time
import unittest

from harness import (HOSTED_SIDE, SETTINGS_KEY, START_BUTTON, answer_message_box,
                     process_memory_mb, reg_query, reg_set, reg_set_long_string, type_text,
                     visible_windows, wait_until, WOW64)
from test_main_job import ProgramCase
from test_user_journeys import FEEDBACK_BUTTON, SITE_PORT, SUGGESTION_MEMO, SUGGESTION_OK

# Every byte value, NULs and stray line breaks included.
JUNK = bytes(range(256)) * 4 + b"\r\r\n\0\0\n"


class DroppingServer:
    """Accepts connections on a loopback port and closes each at once."""

    def __init__(self, port):
        self.connections = 0
        self.listener = socket.create_server(("127.0.0.1", port), reuse_port=True)
        self.listener.settimeout(0.2)
        self.running = True
        self.thread = threading.Thread(target=self.serve, daemon=True)
        self.thread.start()

    def serve(self):
        while self.running:
            try:
                connection, _ = self.listener.accept()
            except OSError:
                continue
            self.connections += 1
            connection.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, b"\1\0\0\0\0\0\0\0")
            connection.close()  # with linger 0: a reset

    def close(self):
        self.running = False
        self.thread.join()
        self.listener.close()


class HostileNetshTest(ProgramCase):
    def script_netsh(self, command, name, data):
        with open(os.path.join(self.program.netsh_dir, f"{command}.{name}"), "wb") as out:
            out.write(data)

    def test_megabytes_of_binary_output_leave_a_working_program(self):
        for command in ("stop", "disallow", "allow", "start"):
            self.script_netsh(command, "out", JUNK * 1500)  # about 1.5 MiB each
        self.with_autostart_on()
        program = self.program.start()
        self.assertEqual(len(program.netsh_log().splitlines()), 4)
        program.click(START_BUTTON)
        self.assertTrue(program.wait_netcon(f"EnableSharing {HOSTED_SIDE} 1"))
        self.assertEqual(program.close(), 0)

    def test_a_netsh_beside_the_program_is_never_run(self):
        self.program.plant_netsh()
        program = self.program.start()
        self.assertEqual(len(program.netsh_log().splitlines()), 4)
        programs = {path.lower() for path in program.netsh_programs()}
        self.assertEqual(programs, {r"c:\windows\syswow64\netsh.exe" if WOW64
                                    else r"c:\windows\system32\netsh.exe"})
        self.assertEqual(program.close(), 0)

    def test_a_netsh_that_prints_without_end_is_ended_and_memory_stays_bounded(self):
        self.script_netsh("allow", "flood", b"")
        program = self.program.start(expect_window=False)
        self.assertTrue(program.wait_netsh("mode=allow", 30))
        began = time.monotonic()
        peak = 0.0
        # The window is up meanwhile; the flooding command is the last of creation.
        self.assertTrue(program.wait_for_window_shown(10))

        def command_ended():
            nonlocal peak
            peak = max(peak, process_memory_mb(program.folder))
            return not program.command_running()

        self.assertTrue(wait_until(command_ended, 150, step=1.0))
        self.assertGreater(time.monotonic() - began, 50)
        self.assertGreater(peak, 0)
        self.assertLess(peak, 300)
        # The allow command failed to run, so start was not tried.
        self.assertNotIn("start hostednetwork", program.netsh_log())
        program.wait_for_window(5)
        self.assertEqual(program.close(), 0)

    def test_a_netsh_that_never_ends_is_given_up_after_a_minute(self):
        # The window is up while the command hangs, and creation goes on once it has been
        # ended; the hosted network was not started, so the start button switches nothing and
        # shows nothing.
        self.script_netsh("start", "hang", b"")
        self.with_autostart_on()
        began = time.monotonic()
        program = self.program.start(expect_window=False)
        self.assertTrue(program.wait_netsh("start hostednetwork", 30))
        self.assertTrue(program.wait_for_window_shown(10))
        program.wait_for_window(120)
        self.assertGreater(time.monotonic() - began, 55)
        program.click(START_BUTTON)
        time.sleep(3)
        self.assertNotIn("EnableSharing", program.netcon_log())
        self.assertEqual(visible_windows(".+"), visible_windows("^Pelanto$|Wine System Tray"))
        self.assertEqual(program.close(), 0)


class HostileSettingsTest(ProgramCase):
    def test_a_megabyte_network_name_is_handled_and_kept(self):
        huge = "n" * (1 << 20)
        reg_set_long_string(SETTINGS_KEY, "wifiName", huge)
        program = self.program.start()
        self.assertIsNone(program.process.poll())
        # No command line can carry it: the program starts without a prepared network and keeps
        # the stored value as it was.
        self.assertEqual(len(reg_query(SETTINGS_KEY, "wifiName")), len(huge))
        self.assertEqual(program.close(), 0)

    def test_a_setting_of_the_wrong_type_shows_the_error_and_the_window_comes_up(self):
        reg_set(SETTINGS_KEY, "wifiPsw", "7", kind="REG_DWORD")
        program = self.program.start(expect_window=False)
        # The window is up before the error box, which has the same title.
        self.assertTrue(answer_message_box("Pelanto", "Return",
                                           exclude=[program.wait_for_window_shown(30)]))
        program.wait_for_window(30)
        self.assertEqual(reg_query(SETTINGS_KEY, "wifiPsw"), "0x7")
        self.assertEqual(program.close(), 0)


class HostileSiteTest(ProgramCase):
    def test_a_reset_connection_gives_an_error_box_and_the_program_runs_on(self):
        server = DroppingServer(SITE_PORT)
        try:
            program = self.program.start()
            program.click(FEEDBACK_BUTTON)
            time.sleep(1.5)
            program.click(SUGGESTION_MEMO)
            type_text("hello")
            program.click(SUGGESTION_OK)
            self.assertTrue(answer_message_box("Pelanto", "Return", exclude=[program.window]))
            self.assertGreaterEqual(server.connections, 1)
            self.assertIsNone(program.process.poll())
            self.assertEqual(program.close(), 0)
        finally:
            server.close()


if __name__ == "__main__":
    unittest.main()
