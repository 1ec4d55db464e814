"""The program's main job as a user meets it: the window, settings, one-click sharing and the
join code."""

import os
import tempfile
import time
import unittest

from harness import (AUTOSTART_BOX, CLIENT_SIZE, HOSTED_SIDE, INTERNET_SIDE, NAME_BOX, PASSWORD_BOX, QR_BADGE,
                     QR_IMAGE, QR_PANEL, RUN_KEY, RUNNING_NAME, RUNNING_PASSWORD, SETTINGS_BUTTON, SETTINGS_KEY,
                     START_BUTTON, STOP_BUTTON, TASK_NAMESPACE, Program, Screenshot, answer_message_box,
                     decode_qr, fresh_account, press_keys, reg_query, reg_set, type_text,
                     unique_name, visible_windows, wait_until, xdotool)

HOME_FILL = (243, 89, 71)
WHITE = (255, 255, 255)
# Two more Internet-side connections beside the harness's wired one.
WLAN = "{11111111-0000-0000-0000-000000000002}"
VPN = "{11111111-0000-0000-0000-000000000003}"
# The left border of the settings screen's name box.
NAME_BOX_BORDER = (124, 77)


def close_to(colour, expected, tolerance=24):
    return all(abs(a - b) <= tolerance for a, b in zip(colour, expected))


class ProgramCase(unittest.TestCase):
    world = None

    def setUp(self):
        fresh_account()
        self.program = Program(**({"world": self.world} if self.world else {}))
        self.shots = tempfile.mkdtemp(prefix="pelanto-shots-")

    def tearDown(self):
        self.program.remove()

    def shot(self, name):
        return Screenshot(os.path.join(self.shots, name + ".png"))

    def client_pixel(self, screenshot, point):
        x, y = self.program.origin()
        return screenshot.pixel(x + point[0], y + point[1])

    def settle(self, seconds=1.5):
        """Lets a transition end (slides and fades take half a second each)."""
        time.sleep(seconds)

    def with_autostart_on(self):
        # The start then asks no question.
        reg_set(RUN_KEY, "zenTura", "x")


class WindowTest(ProgramCase):
    def test_home_screen_centred_with_tray_icon_and_settings_slide_in_and_out(self):
        program = self.program.start()
        screen = self.shot("home")
        x, y = program.origin()
        self.assertAlmostEqual(x + CLIENT_SIZE[0] / 2, screen.width / 2, delta=2)
        self.assertAlmostEqual(y + CLIENT_SIZE[1] / 2, screen.height / 2, delta=40)  # work area
        # The home screen's fill inside, the desktop outside the glow.
        self.assertTrue(close_to(self.client_pixel(screen, (30, 290)), HOME_FILL),
                        self.client_pixel(screen, (30, 290)))
        self.assertEqual(screen.pixel(x - 40, y + 200), (0, 0, 0))
        # Wine's notification area shows the icon in a window of its own.
        self.assertTrue(wait_until(lambda: visible_windows("Wine System Tray|^$"), 5))

        program.click(SETTINGS_BUTTON)
        self.settle()
        settings = self.shot("settings")
        self.assertTrue(close_to(self.client_pixel(screen, NAME_BOX_BORDER), HOME_FILL))
        self.assertEqual(self.client_pixel(settings, NAME_BOX_BORDER), WHITE)

        press_keys("Escape")
        self.settle()
        back = self.shot("back")
        self.assertTrue(close_to(self.client_pixel(back, NAME_BOX_BORDER), HOME_FILL))
        self.assertTrue(close_to(self.client_pixel(back, (30, 290)), HOME_FILL))
        self.assertEqual(program.close(), 0)


class CreationTest(ProgramCase):
    def test_the_window_is_up_while_creation_runs_drags_takes_no_click_and_closes_after(self):
        # Creation's last command, the hosted network's start, takes a while.
        with open(os.path.join(self.program.netsh_dir, "start.sleep"), "w") as out:
            out.write("50000")  # under the 60 s limit, and longer than the steps below
        program = self.program.start(expect_window=False)
        program.window = program.wait_for_window_shown(30)
        self.assertTrue(program.window)
        self.assertTrue(program.wait_netsh("start hostednetwork", 30))
        time.sleep(1)
        self.assertTrue(program.command_running())
        before = self.shot("creating")
        x, y = program.origin()
        # A press on the start button drags the window, and it is painted at its new place.
        xdotool("mousemove", "--sync", str(x + START_BUTTON[0]), str(y + START_BUTTON[1]))
        xdotool("mousedown", "1")
        for step in (10, 40):
            xdotool("mousemove", "--sync", str(x + START_BUTTON[0] + step),
                    str(y + START_BUTTON[1] + step * 3 // 4))
        xdotool("mouseup", "1")
        self.assertTrue(wait_until(lambda: program.origin() == (x + 40, y + 30), 10))
        time.sleep(0.5)
        moved = self.shot("dragged")
        self.assertEqual(moved.pixel(x, y + 200), (0, 0, 0))  # the desktop where it was
        for point in ((30, 290), SETTINGS_BUTTON, QR_BADGE):
            self.assertTrue(close_to(moved.pixel(x + 40 + point[0], y + 30 + point[1]),
                                     before.pixel(x + point[0], y + point[1])), point)
        # No control acts: neither the start button nor the settings button.
        program.click(START_BUTTON)
        program.click(SETTINGS_BUTTON)
        self.settle()
        clicked = self.shot("clicked")
        self.assertTrue(close_to(self.client_pixel(clicked, NAME_BOX_BORDER), HOME_FILL))
        # A close request during the command is kept and acted on once it has ended.
        program.run_taskkill()
        self.assertTrue(program.command_running())
        self.assertIsNone(program.process.poll())
        self.assertEqual(program.process.wait(60), 0)
        log = program.netsh_log()
        self.assertEqual(log.count("start hostednetwork"), 1, log)
        self.assertTrue(log.splitlines()[-1].endswith("mode=disallow"), log)
        self.assertNotIn("EnableSharing", program.netcon_log())


class SharingTest(ProgramCase):
    def test_start_shows_name_password_and_a_readable_join_code_then_stop(self):
        self.with_autostart_on()
        program = self.program.start()
        self.assertTrue(program.wait_netcon("Connect " + HOSTED_SIDE))
        program.click(START_BUTTON)
        self.assertTrue(program.wait_netcon(f"EnableSharing {HOSTED_SIDE} 1"))
        self.assertIn(f"EnableSharing {INTERNET_SIDE} 0", program.netcon_log())
        program.move_mouse_away()
        self.settle()
        running = self.shot("running")
        x, y = program.origin()
        left, top, width, height = RUNNING_NAME
        white = sum(1 for dx in range(width) for dy in range(height)
                    if min(running.pixel(x + left + dx, y + top + dy)) > 220)
        self.assertGreater(white, 40, "no name text drawn on the running screen")
        left, top, width, height = RUNNING_PASSWORD
        grey = sum(1 for dx in range(width) for dy in range(height)
                   if close_to(running.pixel(x + left + dx, y + top + dy), (0xB7, 0xB7, 0xB7), 30))
        self.assertGreater(grey, 30, "no password line drawn on the running screen")

        program.click(QR_BADGE)
        self.settle()
        qr = self.shot("qr")
        left, top, width, height = QR_IMAGE
        crop = os.path.join(self.shots, "qr-crop.png")
        qr.crop_png(crop, x + left - 10, y + top - 10, width + 20, height + 20)
        self.assertEqual(decode_qr(crop), b"WIFI:T:WPA2;P:5831027469;S:ZENTURA;")

        program.click(QR_PANEL)
        self.settle()
        program.click(STOP_BUTTON)
        self.assertTrue(program.wait_netcon(f"DisableSharing {HOSTED_SIDE}"))
        self.assertIn(f"DisableSharing {INTERNET_SIDE}", program.netcon_log())
        self.assertEqual(program.close(), 0)

    def test_autostart_yes_writes_the_logon_value_and_task_and_unchecking_removes_both(self):
        program = self.program.start()
        program.click(START_BUTTON)
        self.assertTrue(answer_message_box("温馨提示：", "Return"))
        self.assertTrue(program.wait_netcon(f"EnableSharing {HOSTED_SIDE} 1"))
        value = reg_query(RUN_KEY, "zenTura")
        self.assertIsNotNone(value)
        self.assertTrue(value.startswith('"') and value.endswith('Pelanto.exe" -auto'), value)
        self.check_logon_task(program.task_definition(), value[:-len(" -auto")])

        program.click(STOP_BUTTON)
        self.settle()
        program.click(SETTINGS_BUTTON)
        self.settle()
        program.click(AUTOSTART_BOX)
        press_keys("Return")
        self.settle()
        self.assertIsNone(reg_query(RUN_KEY, "zenTura"))
        self.assertIsNone(program.task_definition())
        self.assertEqual(program.close(), 0)

    def check_logon_task(self, task, quoted_program):
        self.assertIsNotNone(task, "no task registered")
        ns = TASK_NAMESPACE
        self.assertEqual(task.tag, "{%s}Task" % ns["t"])
        text = lambda path: (task.findtext(path, namespaces=ns) or "").strip()
        self.assertEqual(text("t:Triggers/t:LogonTrigger/t:Enabled"), "true")
        user = text("t:Triggers/t:LogonTrigger/t:UserId")
        self.assertRegex(user, r"^[^\\]+\\[^\\]+$")  # DOMAIN\user
        self.assertEqual(len(task.findall("t:Triggers/*", ns)), 1)
        self.assertEqual(text("t:Principals/t:Principal/t:LogonType"), "InteractiveToken")
        self.assertEqual(text("t:Principals/t:Principal/t:RunLevel"), "HighestAvailable")
        self.assertEqual(text("t:Actions/t:Exec/t:Command").lower(), quoted_program.lower())
        self.assertEqual(text("t:Actions/t:Exec/t:Arguments"), "-auto")
        self.assertEqual(len(task.findall("t:Actions/*", ns)), 1)
        self.assertEqual(text("t:Settings/t:DisallowStartIfOnBatteries"), "false")
        self.assertEqual(text("t:Settings/t:StopIfGoingOnBatteries"), "false")
        self.assertEqual(text("t:Settings/t:ExecutionTimeLimit"), "PT0S")
        self.assertEqual(text("t:Settings/t:MultipleInstancesPolicy"), "IgnoreNew")

    def test_autostart_question_answered_no_leaves_no_logon_value(self):
        program = self.program.start()
        program.click(START_BUTTON)
        self.assertTrue(answer_message_box("温馨提示：", "Escape"))
        self.assertTrue(program.wait_netcon(f"EnableSharing {HOSTED_SIDE} 1"))
        self.assertIsNone(reg_query(RUN_KEY, "zenTura"))
        self.assertEqual(program.close(), 0)

    def test_quit_stops_and_disallows_the_network_and_switches_sharing_off(self):
        self.with_autostart_on()
        program = self.program.start()
        program.click(START_BUTTON)
        self.assertTrue(program.wait_netcon(f"EnableSharing {HOSTED_SIDE} 1"))
        self.assertEqual(program.close(), 0)
        log = program.netsh_log().splitlines()
        self.assertIn("stop hostednetwork", log[-2])
        self.assertIn("mode=disallow", log[-1])
        self.assertIn(f"DisableSharing {HOSTED_SIDE}", program.netcon_log())


def three_ways_out(lan_status):
    """The wired connection in the given status, a wireless one and a VPN, all able to carry
    the Internet, and the hosted-network adapter."""
    return ("connection|{11111111-0000-0000-0000-000000000001}|LAN|Realtek PCIe GBE|"
            f"{lan_status}|3|0|off|0\n"
            f"connection|{WLAN}|WLAN|Intel Wireless|2|3|0|off|0\n"
            f"connection|{VPN}|VPN|WAN Miniport|2|5|0|off|0\n"
            f"connection|{HOSTED_SIDE}|Hosted|Microsoft Virtual WiFi Miniport "
            "Adapter|2|2|0|off|0\n")


class ChosenConnectionTest(ProgramCase):
    world = three_ways_out(2)

    def test_a_connection_going_down_between_two_starts_leaves_the_chosen_one_shared(self):
        self.with_autostart_on()
        reg_set(SETTINGS_KEY, "netCard", WLAN)
        program = self.program.start()
        started = f"EnableSharing {HOSTED_SIDE} 1"
        program.click(START_BUTTON)
        self.assertTrue(program.wait_netcon(started))
        self.assertIn(f"EnableSharing {WLAN} 0", program.netcon_log())
        self.settle()
        program.click(STOP_BUTTON)
        self.assertTrue(program.wait_netcon(f"DisableSharing {WLAN}"))
        self.settle()
        before = len(program.netcon_log())

        program.rewrite_world(three_ways_out(0))
        program.click(START_BUTTON)
        self.assertTrue(wait_until(lambda: started in program.netcon_log()[before:]))
        second = program.netcon_log()[before:]
        self.assertIn(f"EnableSharing {WLAN} 0", second)
        self.assertNotIn(f"EnableSharing {VPN} 0", second)
        self.assertEqual(program.close(), 0)


class SettingsTest(ProgramCase):
    def test_typed_settings_are_filtered_limited_saved_and_restart_the_network(self):
        program = self.program.start()
        program.click(SETTINGS_BUTTON)
        self.settle()
        name = unique_name()
        program.click(NAME_BOX)
        press_keys("ctrl+a", "BackSpace")
        type_text(name + "-!_ ")  # only letters and digits get through
        program.click(PASSWORD_BOX)
        press_keys("ctrl+a", "BackSpace")
        type_text("abcdefghij0123456789XYZ")  # 18 characters at most
        self.shot("typed")
        press_keys("Return")
        self.settle()
        self.assertEqual(reg_query(SETTINGS_KEY, "wifiName"), name)
        self.assertEqual(reg_query(SETTINGS_KEY, "wifiPsw"), "abcdefghij01234567")
        self.assertEqual(reg_query(SETTINGS_KEY, "netCard"), INTERNET_SIDE)
        self.assertEqual(reg_query(SETTINGS_KEY, "wifiCard"), HOSTED_SIDE)
        self.assertTrue(program.wait_netsh(f"ssid={name} key=abcdefghij01234567"))
        self.assertEqual(program.close(), 0)


if __name__ == "__main__":
    unittest.main()
